#pragma once
// Text links: white text over a dotted line, orange and moved right while hovered.

#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/SkinButtonBase.h"

namespace lumora {

class CUnderLineButton : public CSkinButtonBase {
public:
    static constexpr int kTextLeft = 60;
    static constexpr int kHoverTextLeft = 85;

    CUnderLineButton(wxWindow* parent, wxWindowID id, const wxString& label,
                     const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize);

protected:
    void DrawFace(wxDC& dc, const FaceState& state) override;
    void DrawLabel(wxDC& dc, const FaceState& state) override;

private:
    CGdiPlusBitmapResource line_;
};

// Text-only buttons: grey text, white while hovered; the bar images are loaded but never drawn.
class CBottomIconButton : public CSkinButtonBase {
public:
    CBottomIconButton(wxWindow* parent, wxWindowID id, const wxString& label,
                      const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize);
    // Whether both bar images loaded at construction.
    bool ImagesLoaded() const { return imagesLoaded_; }

protected:
    void DrawFace(wxDC&, const FaceState&) override {}
    void DrawLabel(wxDC& dc, const FaceState& state) override;

private:
    CGdiPlusBitmapResource barFill_;
    CGdiPlusBitmapResource barBackground_;
    bool imagesLoaded_ = false;
};

}  // namespace lumora
