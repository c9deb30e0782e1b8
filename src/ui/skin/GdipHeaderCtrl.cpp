#include "ui/skin/GdipHeaderCtrl.h"

#include <wx/dcclient.h>

#include "ui/skin/SkinText.h"
#include "ui/skin/WxText.h"
#include "ui/skin/core/ListModel.h"

namespace lumora {

CGdipHeaderCtrl::CGdipHeaderCtrl(wxWindow* list, const ListModel& model)
    : CSkinControl(list, wxID_ANY, wxPoint(0, 0), wxSize(list->GetClientSize().x, kHeight)), model_(model) {
    // Swallowed: the columns are laid out by the program.
    Bind(wxEVT_LEFT_DOWN, [](wxMouseEvent&) {});
    Bind(wxEVT_LEFT_DCLICK, [](wxMouseEvent&) {});
}

void CGdipHeaderCtrl::SetScrollX(int scrollX) {
    scrollX_ = scrollX;
    Refresh(false);
}

void CGdipHeaderCtrl::Paint(wxDC& dc, const wxRect& client) {
    dc.SetFont(SkinFont(18, 700));
    dc.SetTextForeground(*wxWHITE);
    for (int c = 0; c < model_.ColumnCount(); ++c) {
        const ListColumn* column = model_.Column(c);
        wxRect cell(model_.ColumnLeft(c) - scrollX_ + 5, 1, column->width - 10, client.height - 2);
        unsigned align = column->align == ColumnAlign::Right    ? kTextRight
                         : column->align == ColumnAlign::Center ? kTextCenter
                                                                : kTextLeft;
        if (cell.width > 0)
            DrawSkinText(dc, ToWx(column->title), cell,
                         align | kTextSingleLine | kTextVCenter | kTextNoPrefix);
    }
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawRectangle(0, client.height - 2, client.width, 2);
}

}  // namespace lumora
