#include "ui/skin/GdiPlusBitmap.h"

#include <algorithm>
#include <cmath>

#include <wx/log.h>
#include <wx/mstream.h>

#include "ui/skin/PngResources.h"

namespace lumora {

std::span<const unsigned char> CompiledPng(int id) { return FindPngResource(id); }

void CGdiPlusBitmap::Adopt(wxImage image) {
    if (!image.HasAlpha()) image.InitAlpha();
    image_ = std::move(image);
    scaled_.clear();
}

void CGdiPlusBitmap::Release() {
    image_.reset();
    scaled_.clear();
}

void CGdiPlusBitmap::Draw(wxDC& dc, const wxRect& dest, double opacity) const {
    if (!image_ || dest.width <= 0 || dest.height <= 0) return;
    int alphaKey = static_cast<int>(std::lround(std::clamp(opacity, 0.0, 1.0) * 255));
    auto key = std::make_tuple(dest.width, dest.height, alphaKey);
    auto found = scaled_.find(key);
    if (found == scaled_.end()) {
        wxImage scaled = (dest.width == image_->GetWidth() && dest.height == image_->GetHeight())
                             ? image_->Copy()
                             : image_->Scale(dest.width, dest.height, wxIMAGE_QUALITY_BILINEAR);
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
    if (!image_) return;
    wxRect part = source.Intersect(wxRect(0, 0, image_->GetWidth(), image_->GetHeight()));
    if (part.IsEmpty() || dest.width <= 0 || dest.height <= 0) return;
    wxImage piece = image_->GetSubImage(part);
    if (part.GetSize() != dest.GetSize()) piece.Rescale(dest.width, dest.height, wxIMAGE_QUALITY_BILINEAR);
    dc.DrawBitmap(wxBitmap(piece, 32), dest.x, dest.y, true);
}

bool CGdiPlusBitmapResource::LoadPng(int id) { return LoadPngBytes(CompiledPng(id)); }

bool CGdiPlusBitmapResource::LoadPngBytes(std::span<const unsigned char> bytes) {
    Release();
    if (bytes.empty()) return false;
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    wxMemoryInputStream stream(bytes.data(), bytes.size());
    wxImage image;
    wxLogNull quiet;  // a broken image is reported by the result, not by a log window
    if (!image.LoadFile(stream, wxBITMAP_TYPE_PNG) || !image.IsOk()) return false;
    Adopt(std::move(image));
    return true;
}

}  // namespace lumora
