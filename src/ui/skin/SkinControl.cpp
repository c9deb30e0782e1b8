#include "ui/skin/SkinControl.h"

#include "ui/skin/MyMemDC.h"
#include "ui/skin/core/SkinMessages.h"

namespace lumora {

CSkinControl::CSkinControl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                           long style)
    : wxControl(parent, id, pos, size, style | wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE),
      link_(*this, *this) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CSkinControl::OnPaint, this);
}

LRESULT CSkinControl::OnMessage(unsigned message, WPARAM, LPARAM) { return message == WM_ERASEBKGND ? 1 : 0; }

void CSkinControl::OnPaint(wxPaintEvent&) {
    PaintOffScreen(*this, [this](wxDC& dc, const wxRect& client) {
        if (!PaintsOwnBackground()) PaintParentBackground(dc);
        Paint(dc, client);
    });
}

}  // namespace lumora
