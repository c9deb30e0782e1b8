#include "ui/skin/UnderLineButton.h"
#include "ui/skin/ImageIds.h"

#include "ui/skin/SkinText.h"

namespace lumora {
namespace {

std::uint32_t linkColour(const FaceState& s, std::uint32_t hoverColour, std::uint32_t normal) {
    return s.disabled ? 0x646464 : (s.hover ? hoverColour : normal);
}

}  // namespace

CUnderLineButton::CUnderLineButton(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos,
                                   const wxSize& size)
    : CSkinButtonBase(parent, id, label, pos, size, ButtonKind::Push) {
    line_.LoadPng(IDB_DOTTED_LINE);
}

void CUnderLineButton::DrawFace(wxDC& dc, const FaceState&) {
    wxSize size = GetClientSize();
    line_.Draw(dc, wxRect(0, size.y - 1, size.x, 1));
}

void CUnderLineButton::DrawLabel(wxDC& dc, const FaceState& s) {
    wxSize size = GetClientSize();
    int left = s.hover ? kHoverTextLeft : kTextLeft;
    dc.SetFont(SkinFont(18, 100));
    dc.SetTextForeground(FromColorRef(linkColour(s, 0xFFA000, 0xFFFFFF)));
    DrawSkinText(dc, GetLabel(), wxRect(left, 0, size.x - left, size.y - 2), kTextSingleLine | kTextBottom);
}

CBottomIconButton::CBottomIconButton(wxWindow* parent, wxWindowID id, const wxString& label,
                                     const wxPoint& pos, const wxSize& size)
    : CSkinButtonBase(parent, id, label, pos, size, ButtonKind::Push) {
    bool fill = barFill_.LoadPng(IDB_BAR_FILL);
    bool background = barBackground_.LoadPng(IDB_BAR_BACKGROUND);
    imagesLoaded_ = fill && background;
}

void CBottomIconButton::DrawLabel(wxDC& dc, const FaceState& s) {
    dc.SetFont(SkinFont(16, 100));
    dc.SetTextForeground(FromColorRef(linkColour(s, 0xFFFFFF, 0x969696)));
    DrawSkinText(dc, GetLabel(), wxRect(wxPoint(0, 0), GetClientSize()), kTextSingleLine | kTextCenter);
}

}  // namespace lumora
