#include "ui/skin/core/PieceLayout.h"

#include <algorithm>
#include <cmath>

namespace lumora {
namespace {

int roundedShare(long long numerator, long long denominator) {
    return static_cast<int>(std::lround(static_cast<double>(numerator) / static_cast<double>(denominator)));
}

// Both bars share one shape: a start piece of up to 10, whole middle pieces of 10 and a
// remainder, and once the fill reaches `endAt` a fixed number of middles plus the end piece.
std::vector<FillPiece> cutFill(int fill, int endAt, int fullMiddles, int lastMiddle) {
    std::vector<FillPiece> pieces;
    if (fill <= 0) return pieces;
    if (fill <= 9) {
        pieces.push_back({PieceImage::Start, 0, fill});
        return pieces;
    }
    pieces.push_back({PieceImage::Start, 0, 10});
    int offset = 10;
    if (fill < endAt) {
        for (int i = 0; i < (fill - 10) / 10; ++i, offset += 10)
            pieces.push_back({PieceImage::Middle, offset, 10});
        if ((fill - 10) % 10 != 0) pieces.push_back({PieceImage::Middle, offset, (fill - 10) % 10});
        return pieces;
    }
    for (int i = 0; i < fullMiddles; ++i, offset += 10) pieces.push_back({PieceImage::Middle, offset, 10});
    if (lastMiddle > 0) pieces.push_back({PieceImage::Middle, offset, lastMiddle});
    pieces.push_back({PieceImage::End, endAt, fill - endAt});
    return pieces;
}

}  // namespace

void BarRange::SetRange(int low, int high) {
    low_ = std::min(low, high);
    high_ = std::max(low, high);
    SetPos(position_);
}

void BarRange::SetPos(int position) { position_ = std::clamp(position, low_, high_); }

int SliderFillHeight(int position, int minimum, int maximum, int height) {
    if (maximum == minimum) return 200;
    return roundedShare(static_cast<long long>(position - minimum) * height, maximum - minimum);
}

std::vector<FillPiece> SliderPieces(int fill) { return cutFill(fill, 190, 18, 0); }

int ProgressFillWidth(int position, int low, int high, int width) {
    // An empty range has no share to show; the original divided by zero here.
    if (high == low) return 0;
    return roundedShare(static_cast<long long>(position - low) * width, high - low);
}

std::vector<FillPiece> ProgressPieces(int fill) { return cutFill(fill, 347, 33, 7); }

}  // namespace lumora
