#pragma once
// The image progress bar: a track with a fill of left end, middle pieces and right end.

#include <array>

#include "ui/skin/FillBar.h"
#include "ui/skin/SkinControl.h"
#include "ui/skin/core/PieceLayout.h"

namespace lumora {

class CGdipProcessCtrl : public CSkinControl {
public:
    CGdipProcessCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                     const wxSize& size = wxDefaultSize);

    // Loads track, left end, middle and right end; the bar draws only once they are set.
    bool SetImages(int track, int leftEnd, int middle, int rightEnd);
    // PBM_SETRANGE; a reversed range is put in order.
    void SetRange(int low, int high);
    // PBM_SETPOS, kept inside the range.
    void SetPos(int position);
    int GetPos() const { return range_.Pos(); }
    int GetLow() const { return range_.Low(); }
    int GetHigh() const { return range_.High(); }
    // The fill width for the current size, position and range.
    int FillWidth() const;
    bool AcceptsFocus() const override { return false; }

private:
    void Paint(wxDC& dc, const wxRect& client) override;

    BarImages images_;
    bool imagesSet_ = false;
    BarRange range_;
};

}  // namespace lumora
