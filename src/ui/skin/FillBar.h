#pragma once
// Drawing of the image bars: a track with a fill of start, middle and end pieces
// (the slider, the progress bar and the scroll bar of the combo box's list).

#include <array>
#include <vector>

#include <wx/dc.h>

#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/core/PieceLayout.h"

namespace lumora {

// Track, start piece, middle piece, end piece.
using BarImages = std::array<CGdiPlusBitmapResource, 4>;

// Loads the four images; true only when all four loaded.
bool LoadBarImages(BarImages& images, int track, int start, int middle, int end);
// Draws the track over `area`, then each piece along the bar's axis (from the area's
// top for a vertical bar, its left otherwise), spanning the area across the axis.
void DrawFillBar(wxDC& dc, const BarImages& images, const wxRect& area, const std::vector<FillPiece>& pieces,
                 bool vertical);

}  // namespace lumora
