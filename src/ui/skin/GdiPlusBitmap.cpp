#include "ui/skin/GdiPlusBitmap.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/thread.h>

#include "ui/skin/PngResources.h"

namespace lumora {

std::span<const unsigned char> CompiledPng(int id) { return FindPngResource(id); }

namespace {

// The compiled-in pictures decoded so far, shared by every image that shows them (wxImage
// shares its pixels on copy). UI thread only.
const wxImage& DecodedCompiledPng(int id) {
    static std::unordered_map<int, wxImage> decoded;
    auto found = decoded.find(id);
    if (found == decoded.end()) found = decoded.emplace(id, DecodePng(CompiledPng(id))).first;
    return found->second;
}

// The size a PNG file's header gives; empty when the bytes do not start like a PNG file.
wxSize PngHeaderSize(std::span<const unsigned char> png) {
    static constexpr unsigned char kStart[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                               0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    if (png.size() < 24 || !std::equal(std::begin(kStart), std::end(kStart), png.begin())) return {};
    auto word = [&](std::size_t at) {
        return static_cast<int>((png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3]);
    };
    return wxSize(word(16), word(20));
}

}  // namespace

void EnsurePngDecoder() {
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
}

wxImage DecodePng(std::span<const unsigned char> bytes) {
    if (bytes.empty()) return {};
    if (wxThread::IsMain()) EnsurePngDecoder();
    wxMemoryInputStream stream(bytes.data(), bytes.size());
    wxImage image;
    wxLogNull quiet;  // a broken image is reported by the result, not by a log window
    if (!image.LoadFile(stream, wxBITMAP_TYPE_PNG) || !image.IsOk()) return {};
    if (!image.HasAlpha()) image.InitAlpha();
    return image;
}

void CGdiPlusBitmap::Adopt(wxImage image) {
    Release();
    if (!image.HasAlpha()) image.InitAlpha();
    image_ = std::move(image);
}

void CGdiPlusBitmap::AdoptCompiled(int id, const wxSize& size) {
    Release();
    pendingId_ = id;
    pendingSize_ = size;
}

void CGdiPlusBitmap::Release() {
    image_.reset();
    pendingId_ = 0;
    pendingSize_ = wxSize();
    scaled_.clear();
}

const wxImage* CGdiPlusBitmap::Decoded() const {
    if (pendingId_ != 0) {
        const wxImage& decoded = DecodedCompiledPng(pendingId_);
        if (decoded.IsOk()) image_ = decoded;
        pendingId_ = 0;
    }
    return image_ ? &*image_ : nullptr;
}

const wxImage& CGdiPlusBitmap::Image() const {
    static const wxImage none;
    const wxImage* image = Decoded();
    return image != nullptr ? *image : none;
}

void CGdiPlusBitmap::Draw(wxDC& dc, const wxRect& dest, double opacity) const {
    const wxImage* image = dest.width > 0 && dest.height > 0 ? Decoded() : nullptr;
    if (image == nullptr) return;
    int alphaKey = static_cast<int>(std::lround(std::clamp(opacity, 0.0, 1.0) * 255));
    auto key = std::make_tuple(dest.width, dest.height, alphaKey);
    auto found = scaled_.find(key);
    if (found == scaled_.end()) {
        const bool sameSize = dest.width == image->GetWidth() && dest.height == image->GetHeight();
        // At its own size the picture is used as it is (shared), unless its alpha must change.
        wxImage scaled = !sameSize         ? image->Scale(dest.width, dest.height, wxIMAGE_QUALITY_BILINEAR)
                         : alphaKey != 255 ? image->Copy()
                                           : *image;
        if (!scaled.HasAlpha()) scaled.InitAlpha();
        if (alphaKey != 255) {
            unsigned char* alpha = scaled.GetAlpha();
            for (int i = 0, n = scaled.GetWidth() * scaled.GetHeight(); i < n; ++i)
                alpha[i] = static_cast<unsigned char>(alpha[i] * alphaKey / 255);
        }
        found = scaled_.emplace(key, wxBitmap(scaled, 32)).first;
    }
    dc.DrawBitmap(found->second, dest.x, dest.y, true);
}

void CGdiPlusBitmap::DrawPart(wxDC& dc, const wxRect& dest, const wxRect& source) const {
    const wxImage* image = Decoded();
    if (image == nullptr) return;
    wxRect part = source.Intersect(wxRect(0, 0, image->GetWidth(), image->GetHeight()));
    if (part.IsEmpty() || dest.width <= 0 || dest.height <= 0) return;
    wxImage piece = image->GetSubImage(part);
    if (part.GetSize() != dest.GetSize()) piece.Rescale(dest.width, dest.height, wxIMAGE_QUALITY_BILINEAR);
    dc.DrawBitmap(wxBitmap(piece, 32), dest.x, dest.y, true);
}

bool CGdiPlusBitmapResource::LoadPng(int id) {
    Release();
    const wxSize size = PngHeaderSize(CompiledPng(id));
    if (size.x <= 0 || size.y <= 0) return false;
    AdoptCompiled(id, size);
    return true;
}

bool CGdiPlusBitmapResource::LoadPngBytes(std::span<const unsigned char> bytes) {
    Release();
    wxImage image = DecodePng(bytes);
    if (!image.IsOk()) return false;
    Adopt(std::move(image));
    return true;
}

}  // namespace lumora
