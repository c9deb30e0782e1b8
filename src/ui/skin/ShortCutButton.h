#pragma once
// The main window's section buttons: a bar, a 52 x 52 icon and the section's name.

#include <array>

#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/SkinButtonBase.h"

namespace lumora {

class CShortCutButton : public CSkinButtonBase {
public:
    static constexpr int kIconSize = 52;

    CShortCutButton(wxWindow* parent, wxWindowID id, const wxString& label,
                    const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize);

    // Loads bar normal, bar pressed, bar hover, icon and lit icon; true only when all five loaded.
    bool LoadImages(int barNormal, int barPressed, int barHover, int icon, int iconLit);
    // Marks the button as the section shown (the main window marks exactly one).
    void SetSelectedSection(bool selected);
    bool IsSelectedSection() const { return selectedSection_; }

protected:
    void DrawFace(wxDC& dc, const FaceState& state) override;
    void DrawLabel(wxDC& dc, const FaceState& state) override;

private:
    enum { kBarNormal, kBarPressed, kBarHover, kIcon, kIconLit };
    std::array<CGdiPlusBitmapResource, 5> images_;
    bool selectedSection_ = false;
};

}  // namespace lumora
