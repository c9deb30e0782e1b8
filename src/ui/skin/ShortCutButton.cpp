#include "ui/skin/ShortCutButton.h"

#include "ui/skin/SkinText.h"

namespace lumora {

CShortCutButton::CShortCutButton(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos,
                                 const wxSize& size)
    : CSkinButtonBase(parent, id, label, pos, size, ButtonKind::Push) {}

bool CShortCutButton::LoadImages(int barNormal, int barPressed, int barHover, int icon, int iconLit) {
    ResetDisabledCache();
    bool loaded = true;
    int ids[] = {barNormal, barPressed, barHover, icon, iconLit};
    for (int i = 0; i < 5; ++i) loaded = images_[i].LoadPng(ids[i]) && loaded;
    Refresh(false);
    return loaded;
}

void CShortCutButton::SetSelectedSection(bool selected) {
    selectedSection_ = selected;
    Refresh(false);
}

void CShortCutButton::DrawFace(wxDC& dc, const FaceState& s) {
    wxRect client(wxPoint(0, 0), GetClientSize());
    bool pressed = s.pressed || s.focused;
    if (s.disabled)
        DrawDisabledCached(dc, client, [&] { images_[kBarNormal].Draw(dc, client, kDisabledOpacity); });
    else if (pressed || selectedSection_)
        images_[kBarPressed].Draw(dc, client);
    else
        images_[s.hover ? kBarHover : kBarNormal].Draw(dc, client);
    // Focus alone lights the bar and the text, not the icon.
    bool lit = !s.disabled && (s.pressed || s.hover);
    images_[lit ? kIconLit : kIcon].Draw(dc, wxRect(0, 0, kIconSize, kIconSize));
}

void CShortCutButton::DrawLabel(wxDC& dc, const FaceState& s) {
    bool active = s.pressed || s.focused || s.hover;
    dc.SetFont(SkinFont(16, active ? 700 : 100));
    dc.SetTextForeground(FromColorRef((active || selectedSection_) ? 0xFFA000 : 0x646464));
    wxSize size = GetClientSize();
    // Long section names (Russian, German) take a second line rather than run off the bar.
    wxSize text = MeasureSkinText(dc, GetLabel(), size.x - kIconSize, kTextWordBreak);
    DrawSkinText(dc, GetLabel(), wxRect(kIconSize, (size.y - text.y) / 2, size.x - kIconSize, text.y),
                 kTextWordBreak);
}

}  // namespace lumora
