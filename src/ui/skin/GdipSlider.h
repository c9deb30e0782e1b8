#pragma once
// The vertical position bar that fills from the top; the folder list scrolls with it.
//
// Notifies its parent with wxScrollEvents (wxEVT_SCROLL_THUMBTRACK while dragging,
// wxEVT_SCROLL_THUMBRELEASE at the end of a drag that moved, wxEVT_SCROLL_LINEUP/LINEDOWN
// for the wheel), carrying the new position.

#include <array>

#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/SkinControl.h"

namespace lumora {

class CGdipSlider : public CSkinControl {
public:
    CGdipSlider(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize);

    // Sets the range; a reversed range is put in order and the position kept inside it.
    void SetRange(int minimum, int maximum);
    // Moves to a position (kept inside the range) and repaints.
    virtual void SetPos(int position);
    int GetPos() const { return position_; }
    int GetMin() const { return minimum_; }
    int GetMax() const { return maximum_; }
    // The position a press at client height `y` stands for.
    int PositionAt(int y) const;
    // The fill height for the current size, position and range.
    int FillHeight() const;

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    bool TrackTo(int y);
    void Notify(wxEventType type);

    std::array<CGdiPlusBitmapResource, 4> images_;  // track, top, middle, bottom
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    bool dragging_ = false;
    bool moved_ = false;
};

}  // namespace lumora
