#include "ui/skin/GdipSlider.h"
#include "ui/skin/ImageIds.h"

#include <algorithm>
#include <cmath>

#include <wx/dcclient.h>

#include "ui/skin/core/PieceLayout.h"

namespace lumora {

CGdipSlider::CGdipSlider(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : CSkinControl(parent, id, pos, size) {
    LoadBarImages(images_, IDB_SCROLL_TRACK, IDB_SCROLL_TOP, IDB_SCROLL_MIDDLE, IDB_SCROLL_BOTTOM);
    Bind(wxEVT_LEFT_DOWN, &CGdipSlider::OnLeftDown, this);
    Bind(wxEVT_MOTION, &CGdipSlider::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &CGdipSlider::OnLeftUp, this);
    Bind(wxEVT_MOUSEWHEEL, &CGdipSlider::OnWheel, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { dragging_ = false; });
}

CGdipSlider::~CGdipSlider() {
    if (HasCapture()) ReleaseMouse();
}

void CGdipSlider::SetRange(int minimum, int maximum) {
    range_.SetRange(minimum, maximum);
    Refresh(false);
}

void CGdipSlider::SetPos(int position) {
    range_.SetPos(position);
    Refresh(false);
}

int CGdipSlider::FillHeight() const {
    return SliderFillHeight(GetPos(), GetMin(), GetMax(), GetClientSize().y);
}

int CGdipSlider::PositionAt(int y) const {
    int height = GetClientSize().y;
    if (height <= 0) return GetPos();
    double share = std::clamp(static_cast<double>(y) / height, 0.0, 1.0);
    return GetMin() + static_cast<int>(std::lround(share * (GetMax() - GetMin())));
}

void CGdipSlider::Paint(wxDC& dc, const wxRect& client) {
    DrawFillBar(dc, images_, client, SliderPieces(FillHeight()), true);
}

bool CGdipSlider::TrackTo(int y) {
    int next = PositionAt(y);
    if (next == GetPos()) return false;
    SetPos(next);
    moved_ = true;
    return true;
}

void CGdipSlider::Notify(wxEventType type) {
    wxScrollEvent event(type, GetId(), GetPos(), wxVERTICAL);
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
    SetPos(GetPos() + (down ? 1 : -1));
    Notify(down ? wxEVT_SCROLL_LINEDOWN : wxEVT_SCROLL_LINEUP);
    event.Skip();
}

}  // namespace lumora
