#include "ui/skin/ComboPopup.h"

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/weakref.h>

#include "ui/skin/GdipComboBox.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/MyMemDC.h"
#include "ui/skin/SkinText.h"

namespace lumora {
namespace {

constexpr int kRow = CGdipComboBox::kFieldHeight;
constexpr std::uint32_t kOutline = 0x646464;

}  // namespace

ComboPopup::ComboPopup(CGdipComboBox& owner) : wxPopupTransientWindow(&owner, wxBORDER_NONE), owner_(owner) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    LoadBarImages(bar_, IDB_SCROLL_TRACK, IDB_SCROLL_TOP, IDB_SCROLL_MIDDLE, IDB_SCROLL_BOTTOM);
    Bind(wxEVT_PAINT, &ComboPopup::OnPaint, this);
    Bind(wxEVT_MOTION, &ComboPopup::OnMotion, this);
    Bind(wxEVT_LEFT_DOWN, &ComboPopup::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &ComboPopup::OnLeftUp, this);
    Bind(wxEVT_MOUSEWHEEL, &ComboPopup::OnWheel, this);
}

void ComboPopup::Open(int width, int height) {
    // Kept on the screen: below the box when it fits, else on the roomier side, cut to
    // whole rows there.
    wxRect area = wxDisplay(&owner_).GetClientArea();
    wxRect box = owner_.GetScreenRect();
    int below = area.GetBottom() - box.GetBottom();
    int above = box.y - area.y;
    if (height > below) height = std::min(height, std::max(below, above) / kRow * kRow);
    height = std::max(height, kRow);
    SetClientSize(width, height);
    scroll_.Reset(owner_.GetCount(), height / kRow);
    highlighted_ = -1;
    Highlight(owner_.GetSelection());
    Position(box.GetPosition(), wxSize(0, box.height));
    // The box keeps the focus, so the keys still reach it while the list is open.
    Popup(&owner_);
}

int ComboPopup::RowsWidth() const {
    int width = GetClientSize().x;
    return scroll_.CanScroll() ? std::max(width - kScrollBarWidth, 0) : width;
}

void ComboPopup::Highlight(int row) {
    int next = owner_.GetCount() == 0 ? -1 : std::clamp(row, -1, owner_.GetCount() - 1);
    bool moved = scroll_.EnsureVisible(next);
    if (next == highlighted_ && !moved) return;
    highlighted_ = next;
    Refresh(false);
}

void ComboPopup::ScrollTo(int top) {
    if (scroll_.ScrollTo(top)) Refresh(false);
}

int ComboPopup::RowAt(const wxPoint& point) const {
    if (point.x < 0 || point.x >= RowsWidth() || point.y < 0 || point.y >= GetClientSize().y) return -1;
    int row = scroll_.Top() + point.y / kRow;
    return row < owner_.GetCount() ? row : -1;
}

bool ComboPopup::OnScrollBar(const wxPoint& point) const {
    return scroll_.CanScroll() && point.x >= RowsWidth() && point.x < GetClientSize().x;
}

void ComboPopup::OnPaint(wxPaintEvent&) {
    PaintOffScreen(*this, [this](wxDC& dc, const wxRect& client) { Paint(dc, client.GetSize()); });
}

void ComboPopup::Paint(wxDC& dc, const wxSize& size) const {
    dc.SetBackground(wxBrush(FromColorRef(kSkinWindow)));
    dc.Clear();
    int width = RowsWidth();
    for (int row = scroll_.Top(), y = 0; row < owner_.GetCount() && y < size.y; ++row, y += kRow)
        owner_.DrawEntry(dc, wxRect(0, y, width, kRow), row, row == highlighted_);
    if (scroll_.CanScroll()) DrawScrollBar(dc);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(wxPen(FromColorRef(kOutline)));
    dc.DrawRectangle(0, 0, size.x, size.y);
}

// The folder list's scroll bar pictures: the track, and a thumb of top, middle and bottom pieces.
void ComboPopup::DrawScrollBar(wxDC& dc) const {
    int height = GetClientSize().y;
    auto [offset, length] = scroll_.Thumb(height);
    int cap = std::min(10, length / 2);
    std::vector<FillPiece> thumb{{PieceImage::Start, offset, cap}};
    for (int y = offset + cap; y < offset + length - cap; y += 10)
        thumb.push_back({PieceImage::Middle, y, std::min(10, offset + length - cap - y)});
    thumb.push_back({PieceImage::End, offset + length - cap, cap});
    DrawFillBar(dc, bar_, wxRect(RowsWidth(), 0, kScrollBarWidth, height), thumb, true);
}

void ComboPopup::OnMotion(wxMouseEvent& event) {
    if (dragging_) {
        ScrollTo(scroll_.TopForThumb(event.GetY() - grab_, GetClientSize().y));
        return;
    }
    int row = RowAt(event.GetPosition());
    if (row >= 0 && row != highlighted_) {
        highlighted_ = row;
        Refresh(false);
    }
}

void ComboPopup::OnLeftDown(wxMouseEvent& event) {
    if (!OnScrollBar(event.GetPosition())) {
        event.Skip();
        return;
    }
    auto [offset, length] = scroll_.Thumb(GetClientSize().y);
    int y = event.GetY();
    if (y >= offset && y < offset + length) {
        dragging_ = true;
        grab_ = y - offset;
    } else {
        ScrollTo(scroll_.Top() + (y < offset ? -scroll_.Visible() : scroll_.Visible()));
    }
}

void ComboPopup::OnLeftUp(wxMouseEvent& event) {
    if (dragging_) {
        dragging_ = false;
        return;
    }
    int row = RowAt(event.GetPosition());
    if (row < 0) return;
    // The pick comes before the close-up (the choice box commits on closing), and the
    // pick's handler may destroy the box and this list with it.
    wxWeakRef<ComboPopup> self(this);
    owner_.PopupPicked(row);
    if (self) DismissAndNotify();
}

void ComboPopup::OnWheel(wxMouseEvent& event) {
    ScrollTo(scroll_.Top() + (event.GetWheelRotation() < 0 ? kWheelRows : -kWheelRows));
}

void ComboPopup::OnDismiss() {
    dragging_ = false;
    owner_.PopupClosed();
}

}  // namespace lumora
