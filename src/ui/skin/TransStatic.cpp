#include "ui/skin/TransStatic.h"

#include <wx/dcclient.h>

#include "ui/skin/WxText.h"

namespace lumora {

CTransStatic::CTransStatic(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& pos,
                           const wxSize& size)
    : CSkinControl(parent, id, pos, size) {
    SetLabel(text);
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

void CTransStatic::Paint(wxDC& dc, const wxRect& client) {
    dc.SetFont(SkinFont(fontHeight_, fontWeight_));
    dc.SetTextForeground(FromColorRef(colour_));
    DrawSkinText(dc, GetLabel(), client, format_);
}

CGdipIconStatic::CGdipIconStatic(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : CSkinControl(parent, id, pos, size) {}

bool CGdipIconStatic::SetImage(int id) {
    bool loaded = image_.LoadPng(id);
    Refresh(false);
    return loaded;
}

void CGdipIconStatic::Paint(wxDC& dc, const wxRect& client) { image_.Draw(dc, client); }

}  // namespace lumora
