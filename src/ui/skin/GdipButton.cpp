#include "ui/skin/GdipButton.h"

#include "ui/skin/SkinText.h"

namespace lumora {
namespace {

constexpr int kCheckOffSize = 20;
constexpr int kCheckOnSize = 22;
constexpr int kRadioSize = 18;

}  // namespace

CGdipButton::CGdipButton(wxWindow* parent, wxWindowID id, const wxString& label, ButtonKind kind,
                         const wxPoint& pos, const wxSize& size)
    : CSkinButtonBase(parent, id, label, pos, size, kind) {}

bool CGdipButton::LoadImages(int first, int second, int third) {
    // The tooltip stays: windows may set it before the images.
    for (auto& image : images_) image.Release();
    ResetDisabledCache();
    bool a = images_[0].LoadPng(first);
    bool b = images_[1].LoadPng(second);
    bool c = images_[2].LoadPng(third);
    imagesLoaded_ = a && b && c;
    Refresh(false);
    return imagesLoaded_;
}

void CGdipButton::FreeImages() {
    for (auto& image : images_) image.Release();
    imagesLoaded_ = false;
    DeleteToolTip();
    ResetDisabledCache();
}

void CGdipButton::DrawFace(wxDC& dc, const FaceState& s) {
    wxRect client(wxPoint(0, 0), GetClientSize());
    switch (Kind()) {
        case ButtonKind::Push:
            if (s.disabled)
                DrawDisabledCached(dc, client, [&] { images_[0].Draw(dc, client, kDisabledOpacity); });
            else if (s.pressed || s.checked)
                images_[2].Draw(dc, client);
            else if (s.hover)
                images_[1].Draw(dc, client);
            else
                images_[0].Draw(dc, client);
            break;
        case ButtonKind::CheckBox: {
            wxRect off(0, 0, kCheckOffSize, kCheckOffSize);
            if (s.disabled) {
                DrawDisabledCached(dc, off, [&] { images_[0].Draw(dc, off, kDisabledOpacity); });
            } else {
                images_[0].Draw(dc, off);
                if (s.checked) images_[2].Draw(dc, wxRect(0, 0, kCheckOnSize, kCheckOnSize));
            }
            break;
        }
        case ButtonKind::Radio: {
            wxRect mark(0, 0, kRadioSize, kRadioSize);
            if (s.disabled)
                DrawDisabledCached(dc, mark, [&] { images_[0].Draw(dc, mark, kDisabledOpacity); });
            else
                images_[s.checked ? 2 : 0].Draw(dc, mark);
            break;
        }
    }
}

void CGdipButton::DrawLabel(wxDC& dc, const FaceState& s) {
    dc.SetFont(SkinFont(17, 100));
    dc.SetTextForeground(FromColorRef(s.disabled ? 0x646464 : 0xFFFFFF));
    wxRect client(wxPoint(0, 0), GetClientSize());
    if (Kind() == ButtonKind::Push) {
        DrawSkinText(dc, GetLabel(), client, kTextCenter | kTextVCenter | kTextSingleLine);
    } else if (imagesLoaded_) {
        int x = images_[0].Width() + 3;
        DrawSkinText(dc, GetLabel(), wxRect(x, 0, client.width - x, client.height),
                     kTextSingleLine | kTextWordBreak | kTextEditControl);
    }
}

}  // namespace lumora
