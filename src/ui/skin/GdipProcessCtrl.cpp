#include "ui/skin/GdipProcessCtrl.h"

#include <algorithm>

#include <wx/dcclient.h>

#include "ui/skin/MyMemDC.h"
#include "ui/skin/core/PieceLayout.h"

namespace lumora {

CGdipProcessCtrl::CGdipProcessCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : CSkinControl(parent, id, pos, size) {
    Bind(wxEVT_PAINT, &CGdipProcessCtrl::OnPaint, this);
}

bool CGdipProcessCtrl::SetImages(int track, int leftEnd, int middle, int rightEnd) {
    int ids[] = {track, leftEnd, middle, rightEnd};
    bool loaded = true;
    for (int i = 0; i < 4; ++i) loaded = images_[i].LoadPng(ids[i]) && loaded;
    imagesSet_ = true;
    Refresh(false);
    return loaded;
}

void CGdipProcessCtrl::SetRange(int low, int high) {
    low_ = std::min(low, high);
    high_ = std::max(low, high);
    SetPos(position_);
}

void CGdipProcessCtrl::SetPos(int position) {
    position_ = std::clamp(position, low_, high_);
    Refresh(false);
}

int CGdipProcessCtrl::FillWidth() const { return ProgressFillWidth(position_, low_, high_, GetClientSize().x); }

void CGdipProcessCtrl::OnPaint(wxPaintEvent&) {
    wxPaintDC paint(this);
    wxRect client(wxPoint(0, 0), GetClientSize());
    CMyMemDC dc(paint, client);
    PaintParentBackground(dc);
    if (!imagesSet_) return;
    images_[0].Draw(dc, client);
    for (const FillPiece& piece : ProgressPieces(FillWidth())) {
        const CGdiPlusBitmapResource& image =
            images_[piece.image == PieceImage::Start ? 1 : piece.image == PieceImage::Middle ? 2 : 3];
        image.Draw(dc, wxRect(piece.offset, 0, piece.length, client.height));
    }
}

}  // namespace lumora
