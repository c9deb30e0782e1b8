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

// A decoded image; empty when nothing is loaded, and then it draws nothing.
class CGdiPlusBitmap {
public:
    virtual ~CGdiPlusBitmap() = default;

    bool IsLoaded() const { return image_.has_value(); }
    int Width() const { return image_ ? image_->GetWidth() : 0; }
    int Height() const { return image_ ? image_->GetHeight() : 0; }
    // The decoded pixels; only valid while IsLoaded().
    const wxImage& Image() const { return *image_; }

    // Draws the image scaled into `dest`, its alpha multiplied by `opacity` (0..1).
    void Draw(wxDC& dc, const wxRect& dest, double opacity = 1.0) const;
    // Draws the part `source` of the image (clipped to the image) scaled into `dest`.
    void DrawPart(wxDC& dc, const wxRect& dest, const wxRect& source) const;
    // Forgets the image.
    void Release();

protected:
    void Adopt(wxImage image);

private:
    std::optional<wxImage> image_;
    // Scaled renderings by size and opacity: controls draw the same few sizes over and over.
    mutable std::map<std::tuple<int, int, int>, wxBitmap> scaled_;
};

// An image loaded by numeric id from the PNG files compiled into the program.
class CGdiPlusBitmapResource : public CGdiPlusBitmap {
public:
    CGdiPlusBitmapResource() = default;
    // Loads at once; check IsLoaded() for the outcome.
    explicit CGdiPlusBitmapResource(int id) { LoadPng(id); }

    // Releases any earlier image, then decodes PNG `id`; false (and empty) when it is
    // missing or cannot be decoded.
    bool LoadPng(int id);
    // As LoadPng, from the bytes of a PNG file.
    bool LoadPngBytes(std::span<const unsigned char> bytes);
};

// The bytes of the compiled-in PNG `id`; empty when there is no such image.
std::span<const unsigned char> CompiledPng(int id);

// The half-opacity factor of every disabled face.
inline constexpr double kDisabledOpacity = 0.5;

}  // namespace lumora
