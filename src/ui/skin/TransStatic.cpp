#include "ui/skin/TransStatic.h"

#include <wx/dcclient.h>

#include "ui/skin/MyMemDC.h"
#include "ui/skin/WxText.h"

namespace lumora {

CTransStatic::CTransStatic(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& pos,
                           const wxSize& size)
    : CSkinControl(parent, id, pos, size) {
    SetLabel(text);
    Bind(wxEVT_PAINT, &CTransStatic::OnPaint, this);
}

void CTransStatic::SetText(std::u16string_view text) { SetText(ToWx(text)); }

void CTransStatic::SetText(const wxString& text) {
    SetLabel(text);
    Refresh(false);
}

void CTransStatic::SetTextFormat(unsigned flags) {
    format_ = flags;
    Refresh(false);
}

void CTransStatic::SetFontHeight(int height) {
    fontHeight_ = height;
    Refresh(false);
}

void CTransStatic::SetFontWeight(int weight) {
    fontWeight_ = weight;
    Refresh(false);
}

void CTransStatic::SetTextColour(std::uint32_t colour) {
    colour_ = colour;
    Refresh(false);
}

void CTransStatic::OnPaint(wxPaintEvent&) {
    wxPaintDC paint(this);
    wxRect client(wxPoint(0, 0), GetClientSize());
    CMyMemDC dc(paint, client);
    PaintParentBackground(dc);
    dc.SetFont(SkinFont(fontHeight_, fontWeight_));
    dc.SetTextForeground(FromColorRef(colour_));
    DrawSkinText(dc, GetLabel(), client, format_);
}

CGdipIconStatic::CGdipIconStatic(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : CSkinControl(parent, id, pos, size) {
    Bind(wxEVT_PAINT, &CGdipIconStatic::OnPaint, this);
}

bool CGdipIconStatic::SetImage(int id) {
    bool loaded = image_.LoadPng(id);
    Refresh(false);
    return loaded;
}

void CGdipIconStatic::OnPaint(wxPaintEvent&) {
    wxPaintDC paint(this);
    wxRect client(wxPoint(0, 0), GetClientSize());
    CMyMemDC dc(paint, client);
    PaintParentBackground(dc);
    image_.Draw(dc, client);
}

}  // namespace lumora
