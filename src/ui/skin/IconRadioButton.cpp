#include "ui/skin/IconRadioButton.h"

#include <wx/dcmemory.h>

#include "ui/skin/SkinText.h"

namespace lumora {

CIconRadioButton::CIconRadioButton(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : CSkinButtonBase(parent, id, wxString(), pos, size, ButtonKind::Radio) {}

bool CIconRadioButton::LoadImages(int on, int off, int picture, int bar) {
    ResetDisabledCache();
    bool loaded = images_[kOn].LoadPng(on);
    loaded = images_[kOff].LoadPng(off) && loaded;
    loaded = images_[kPicture].LoadPng(picture) && loaded;
    loaded = images_[kBar].LoadPng(bar) && loaded;
    Refresh(false);
    return loaded;
}

void CIconRadioButton::SetTitle(const wxString& title) {
    title_ = title;
    Refresh(false);
}

void CIconRadioButton::SetDescription(const wxString& description) {
    description_ = description;
    Refresh(false);
}

void CIconRadioButton::SetFocusLook(bool focused) {
    focusLook_ = focused;
    Refresh(false);
}

void CIconRadioButton::DrawFace(wxDC& dc, const FaceState& s) {
    wxSize size = GetClientSize();
    if (s.focused || focusLook_) images_[kBar].Draw(dc, wxRect(wxPoint(0, 0), size), 200.0 / 255.0);
    wxRect mark(0, (size.y - 18) / 2, 18, 18);
    if (s.disabled)
        DrawDisabledCached(dc, mark, [&] { images_[kOff].Draw(dc, mark, kDisabledOpacity); });
    else
        images_[s.checked ? kOn : kOff].Draw(dc, mark);
    images_[kPicture].Draw(dc, wxRect(23, (size.y - 46) / 2, 58, 46));
}

void CIconRadioButton::DrawLabel(wxDC& dc, const FaceState& s) {
    wxSize size = GetClientSize();
    dc.SetTextForeground(FromColorRef(s.disabled ? 0x646464 : 0xFFFFFF));
    dc.SetFont(SkinFont(16, 100));
    wxRect text(100, 0, size.x - 100, size.y);
    int used = DrawSkinText(dc, title_, text, kTextSingleLine);
    dc.SetFont(SkinFont(12, 100));
    DrawSkinText(dc, description_, wxRect(100, used, text.width, size.y - used),
                 kTextWordBreak | kTextEditControl);
}

}  // namespace lumora
