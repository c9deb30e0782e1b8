#pragma once
// How the slider and the progress bar cut their fill into image pieces.

#include <vector>

namespace lumora {

// The range and position of a bar (slider or progress bar): a reversed range is put in
// order, and the position always kept inside the range.
class BarRange {
public:
    // Sets the range (either order); the position moves inside it if needed.
    void SetRange(int low, int high);
    // Sets the position, kept inside the range.
    void SetPos(int position);
    int Low() const { return low_; }
    int High() const { return high_; }
    int Pos() const { return position_; }

private:
    int low_ = 0;
    int high_ = 100;
    int position_ = 0;
};

// Which image a piece of fill is drawn with.
enum class PieceImage { Start, Middle, End };

// One piece along the bar's axis: drawn from `offset` over `length` pixels.
struct FillPiece {
    PieceImage image;
    int offset;
    int length;
    bool operator==(const FillPiece&) const = default;
};

// Fill height of the slider: round((pos - min) * height / (max - min)); 200 for an empty range.
int SliderFillHeight(int position, int minimum, int maximum, int height);
// Pieces of a slider fill of height F: top piece, middle pieces of 10, bottom piece from 190.
std::vector<FillPiece> SliderPieces(int fill);

// Fill width of the progress bar: round((pos - low) * width / (high - low)); 0 for an empty range.
int ProgressFillWidth(int position, int low, int high, int width);
// Pieces of a progress fill of width B: left end, middle pieces of 10, right end from 347.
std::vector<FillPiece> ProgressPieces(int fill);

}  // namespace lumora
