#pragma once
// The image progress bar: a track with a fill of left end, middle pieces and right end.

#include <array>

#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/SkinControl.h"

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
    int GetPos() const { return position_; }
    int GetLow() const { return low_; }
    int GetHigh() const { return high_; }
    // The fill width for the current size, position and range.
    int FillWidth() const;
    bool AcceptsFocus() const override { return false; }

private:
    void OnPaint(wxPaintEvent& event);

    std::array<CGdiPlusBitmapResource, 4> images_;  // track, left, middle, right
    bool imagesSet_ = false;
    int low_ = 0;
    int high_ = 100;
    int position_ = 0;
};

}  // namespace lumora
