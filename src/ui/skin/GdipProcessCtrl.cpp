#include "ui/skin/GdipProcessCtrl.h"

#include <algorithm>

#include <wx/dcclient.h>

#include "ui/skin/core/PieceLayout.h"

namespace lumora {

CGdipProcessCtrl::CGdipProcessCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : CSkinControl(parent, id, pos, size) {}

bool CGdipProcessCtrl::SetImages(int track, int leftEnd, int middle, int rightEnd) {
    bool loaded = LoadBarImages(images_, track, leftEnd, middle, rightEnd);
    imagesSet_ = true;
    Refresh(false);
    return loaded;
}

void CGdipProcessCtrl::SetRange(int low, int high) {
    range_.SetRange(low, high);
    Refresh(false);
}

void CGdipProcessCtrl::SetPos(int position) {
    range_.SetPos(position);
    Refresh(false);
}

int CGdipProcessCtrl::FillWidth() const {
    return ProgressFillWidth(GetPos(), GetLow(), GetHigh(), GetClientSize().x);
}

void CGdipProcessCtrl::Paint(wxDC& dc, const wxRect& client) {
    if (!imagesSet_) return;
    DrawFillBar(dc, images_, client, ProgressPieces(FillWidth()), false);
}

}  // namespace lumora
