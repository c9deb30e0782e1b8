#include "ui/skin/SkinControl.h"

#include "ui/skin/core/SkinMessages.h"

namespace lumora {

CSkinControl::CSkinControl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style)
    : wxControl(parent, id, pos, size, style | wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE), link_(*this, *this) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
}

LRESULT CSkinControl::OnMessage(unsigned message, WPARAM, LPARAM) { return message == WM_ERASEBKGND ? 1 : 0; }

}  // namespace lumora
