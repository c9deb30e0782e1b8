#pragma once
// Decoded PNG images with alpha, and the loader of the images compiled into the program.

#include <map>
#include <optional>
#include <span>
#include <tuple>

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/image.h>

namespace lumora {

// A decoded image; empty when nothing is loaded, and then it draws nothing. A picture
// compiled into the program is decoded at its first use (drawn or its pixels asked for),
// once per process: most faces (hover, pressed, hidden pages) are never drawn at start-up.
class CGdiPlusBitmap {
public:
    virtual ~CGdiPlusBitmap() = default;

    bool IsLoaded() const { return image_.has_value() || pendingId_ != 0; }
    int Width() const { return image_ ? image_->GetWidth() : pendingSize_.x; }
    int Height() const { return image_ ? image_->GetHeight() : pendingSize_.y; }
    // The decoded pixels (decoded now if still pending); only valid while IsLoaded().
    const wxImage& Image() const;

    // Draws the image scaled into `dest`, its alpha multiplied by `opacity` (0..1).
    void Draw(wxDC& dc, const wxRect& dest, double opacity = 1.0) const;
    // Draws the part `source` of the image (clipped to the image) scaled into `dest`.
    void DrawPart(wxDC& dc, const wxRect& dest, const wxRect& source) const;
    // Forgets the image.
    void Release();

protected:
    void Adopt(wxImage image);
    // Takes the compiled-in picture `id` of `size` (read from its header), decoded later.
    void AdoptCompiled(int id, const wxSize& size);

private:
    // The image, decoding a pending picture first; null when there is none or it is broken.
    const wxImage* Decoded() const;

    mutable std::optional<wxImage> image_;
    mutable int pendingId_ = 0;
    wxSize pendingSize_;
    // Scaled renderings by size and opacity: controls draw the same few sizes over and over.
    mutable std::map<std::tuple<int, int, int>, wxBitmap> scaled_;
};

// An image loaded by numeric id from the PNG files compiled into the program.
class CGdiPlusBitmapResource : public CGdiPlusBitmap {
public:
    CGdiPlusBitmapResource() = default;
    // Loads at once; check IsLoaded() for the outcome.
    explicit CGdiPlusBitmapResource(int id) { LoadPng(id); }

    // Releases any earlier image, then takes PNG `id`, to be decoded at its first use;
    // false (and empty) when it is missing or its header is no PNG's.
    bool LoadPng(int id);
    // Releases any earlier image, then decodes the bytes of a PNG file at once; false
    // (and empty) when they cannot be decoded.
    bool LoadPngBytes(std::span<const unsigned char> bytes);
};

// Decodes the bytes of a PNG file (with an alpha channel); an invalid image when they are
// no PNG. Safe on any thread once EnsurePngDecoder ran on the UI thread.
wxImage DecodePng(std::span<const unsigned char> bytes);
// Registers the toolkit's PNG decoder when it is not yet (UI thread).
void EnsurePngDecoder();

// The bytes of the compiled-in PNG `id`; empty when there is no such image.
std::span<const unsigned char> CompiledPng(int id);

// The half-opacity factor of every disabled face.
inline constexpr double kDisabledOpacity = 0.5;

}  // namespace lumora
