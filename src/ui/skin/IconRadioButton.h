#pragma once
// A large radio choice with a mark, a picture, a title and a description (the volume layouts).

#include <array>

#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/SkinButtonBase.h"

namespace lumora {

class CIconRadioButton : public CSkinButtonBase {
public:
    CIconRadioButton(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                     const wxSize& size = wxDefaultSize);

    // Loads the on mark, off mark, picture and option bar; true only when all four loaded.
    bool LoadImages(int on, int off, int picture, int bar);
    // The title line and the word-wrapped description below it.
    void SetTitle(const wxString& title);
    void SetDescription(const wxString& description);
    // Shows the option bar as the focused choice does.
    void SetFocusLook(bool focused);

protected:
    void DrawFace(wxDC& dc, const FaceState& state) override;
    void DrawLabel(wxDC& dc, const FaceState& state) override;
    // Always a radio button: a click leaves it checked.
    int CheckAfterRelease() const override { return 1; }

private:
    enum { kOn, kOff, kPicture, kBar };
    std::array<CGdiPlusBitmapResource, 4> images_;
    wxString title_;
    wxString description_;
    bool focusLook_ = false;
};

}  // namespace lumora
