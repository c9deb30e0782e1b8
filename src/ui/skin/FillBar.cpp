#include "ui/skin/FillBar.h"

namespace lumora {

bool LoadBarImages(BarImages& images, int track, int start, int middle, int end) {
    const int ids[] = {track, start, middle, end};
    bool loaded = true;
    for (int i = 0; i < 4; ++i) loaded = images[i].LoadPng(ids[i]) && loaded;
    return loaded;
}

void DrawFillBar(wxDC& dc, const BarImages& images, const wxRect& area, const std::vector<FillPiece>& pieces,
                 bool vertical) {
    images[0].Draw(dc, area);
    for (const FillPiece& piece : pieces) {
        const CGdiPlusBitmapResource& image = images[piece.image == PieceImage::Start    ? 1
                                                     : piece.image == PieceImage::Middle ? 2
                                                                                         : 3];
        wxRect place = vertical ? wxRect(area.x, area.y + piece.offset, area.width, piece.length)
                                : wxRect(area.x + piece.offset, area.y, piece.length, area.height);
        image.Draw(dc, place);
    }
}

}  // namespace lumora
