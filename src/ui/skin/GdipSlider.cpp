#include "ui/skin/GdipSlider.h"
#include "ui/skin/ImageIds.h"

#include <algorithm>
#include <cmath>

#include <wx/dcclient.h>

#include "ui/skin/MyMemDC.h"
#include "ui/skin/core/PieceLayout.h"

namespace lumora {

CGdipSlider::CGdipSlider(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : CSkinControl(parent, id, pos, size) {
    images_[0].LoadPng(IDB_SCROLL_TRACK);
    images_[1].LoadPng(IDB_SCROLL_TOP);
    images_[2].LoadPng(IDB_SCROLL_MIDDLE);
    images_[3].LoadPng(IDB_SCROLL_BOTTOM);
    Bind(wxEVT_PAINT, &CGdipSlider::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CGdipSlider::OnLeftDown, this);
    Bind(wxEVT_MOTION, &CGdipSlider::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &CGdipSlider::OnLeftUp, this);
    Bind(wxEVT_MOUSEWHEEL, &CGdipSlider::OnWheel, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { dragging_ = false; });
}

void CGdipSlider::SetRange(int minimum, int maximum) {
    minimum_ = std::min(minimum, maximum);
    maximum_ = std::max(minimum, maximum);
    SetPos(position_);
}

void CGdipSlider::SetPos(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
    Refresh(false);
}

int CGdipSlider::FillHeight() const { return SliderFillHeight(position_, minimum_, maximum_, GetClientSize().y); }

int CGdipSlider::PositionAt(int y) const {
    int height = GetClientSize().y;
    if (height <= 0) return position_;
    double share = std::clamp(static_cast<double>(y) / height, 0.0, 1.0);
    return minimum_ + static_cast<int>(std::lround(share * (maximum_ - minimum_)));
}

void CGdipSlider::OnPaint(wxPaintEvent&) {
    wxPaintDC paint(this);
    wxRect client(wxPoint(0, 0), GetClientSize());
    CMyMemDC dc(paint, client);
    PaintParentBackground(dc);
    images_[0].Draw(dc, client);
    for (const FillPiece& piece : SliderPieces(FillHeight())) {
        const CGdiPlusBitmapResource& image =
            images_[piece.image == PieceImage::Start ? 1 : piece.image == PieceImage::Middle ? 2 : 3];
        image.Draw(dc, wxRect(0, piece.offset, client.width, piece.length));
    }
}

bool CGdipSlider::TrackTo(int y) {
    int next = PositionAt(y);
    if (next == position_) return false;
    SetPos(next);
    moved_ = true;
    return true;
}

void CGdipSlider::Notify(wxEventType type) {
    wxScrollEvent event(type, GetId(), position_, wxVERTICAL);
    event.SetEventObject(this);
    ProcessWindowEvent(event);
}

void CGdipSlider::OnLeftDown(wxMouseEvent& event) {
    dragging_ = true;
    moved_ = false;
    if (!HasCapture()) CaptureMouse();
    SetFocus();
    if (TrackTo(event.GetY())) Notify(wxEVT_SCROLL_THUMBTRACK);
}

void CGdipSlider::OnMotion(wxMouseEvent& event) {
    if (dragging_ && TrackTo(event.GetY())) Notify(wxEVT_SCROLL_THUMBTRACK);
}

void CGdipSlider::OnLeftUp(wxMouseEvent& event) {
    if (!dragging_) return;
    dragging_ = false;
    if (HasCapture()) ReleaseMouse();
    TrackTo(event.GetY());
    if (moved_) Notify(wxEVT_SCROLL_THUMBRELEASE);
}

void CGdipSlider::OnWheel(wxMouseEvent& event) {
    // Turning the wheel towards the user moves towards the maximum (down the list).
    bool down = event.GetWheelRotation() < 0;
    SetPos(position_ + (down ? 1 : -1));
    Notify(down ? wxEVT_SCROLL_LINEDOWN : wxEVT_SCROLL_LINEUP);
    event.Skip();
}

}  // namespace lumora
