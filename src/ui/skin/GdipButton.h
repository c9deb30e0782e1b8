#pragma once
// The general skinned button of the dialogs: push button, check box or radio button.

#include <array>

#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/SkinButtonBase.h"

namespace lumora {

class CGdipButton : public CSkinButtonBase {
public:
    CGdipButton(wxWindow* parent, wxWindowID id, const wxString& label, ButtonKind kind = ButtonKind::Push,
                const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize);

    // Loads the three faces (push: normal, hover, pressed; check kinds: off, unused, on);
    // true only when all three loaded. Earlier images are released first.
    bool LoadImages(int first, int second, int third);
    // Releases the images, the tooltip and the disabled face.
    void FreeImages();
    bool ImagesLoaded() const { return imagesLoaded_; }

protected:
    void DrawFace(wxDC& dc, const FaceState& state) override;
    void DrawLabel(wxDC& dc, const FaceState& state) override;

private:
    std::array<CGdiPlusBitmapResource, 3> images_;
    bool imagesLoaded_ = false;
};

}  // namespace lumora
