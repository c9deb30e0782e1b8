#pragma once
// The vertical position bar that fills from the top; the folder list scrolls with it.
//
// Notifies its parent with wxScrollEvents (wxEVT_SCROLL_THUMBTRACK while dragging,
// wxEVT_SCROLL_THUMBRELEASE at the end of a drag that moved, wxEVT_SCROLL_LINEUP/LINEDOWN
// for the wheel), carrying the new position.

#include <array>

#include "ui/skin/FillBar.h"
#include "ui/skin/SkinControl.h"
#include "ui/skin/core/PieceLayout.h"

namespace lumora {

class CGdipSlider : public CSkinControl {
public:
    CGdipSlider(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize);
    // A slider destroyed mid-drag lets the mouse go.
    ~CGdipSlider() override;

    // Sets the range; a reversed range is put in order and the position kept inside it.
    void SetRange(int minimum, int maximum);
    // Moves to a position (kept inside the range) and repaints.
    virtual void SetPos(int position);
    int GetPos() const { return range_.Pos(); }
    int GetMin() const { return range_.Low(); }
    int GetMax() const { return range_.High(); }
    // The position a press at client height `y` stands for.
    int PositionAt(int y) const;
    // The fill height for the current size, position and range.
    int FillHeight() const;

private:
    void Paint(wxDC& dc, const wxRect& client) override;
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    bool TrackTo(int y);
    void Notify(wxEventType type);

    BarImages images_;
    BarRange range_;
    bool dragging_ = false;
    bool moved_ = false;
};

}  // namespace lumora
