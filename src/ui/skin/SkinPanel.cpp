#include "ui/skin/SkinPanel.h"

#include <wx/dcclient.h>

#include "ui/skin/MyMemDC.h"
#include "ui/skin/core/SkinMessages.h"

namespace lumora {

CSkinPanel::CSkinPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : wxPanel(parent, id, pos, size, wxBORDER_NONE | wxTAB_TRAVERSAL), link_(*this, *this) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CSkinPanel::OnPaint, this);
}

LRESULT CSkinPanel::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SKIN_DRAWPARENTBKGND) return ForwardToParent(*this, wParam, lParam);
    return message == WM_ERASEBKGND ? 1 : 0;
}

void CSkinPanel::OnPaint(wxPaintEvent&) {
    PaintOffScreen(*this, [this](wxDC& dc, const wxRect&) {
        PaintBackground(dc);
        PaintOver(dc);
    });
}

}  // namespace lumora
