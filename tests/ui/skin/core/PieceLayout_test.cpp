#include "ui/skin/core/PieceLayout.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

int count(const std::vector<FillPiece>& pieces, PieceImage image) {
    int n = 0;
    for (const FillPiece& p : pieces) n += p.image == image;
    return n;
}

int covered(const std::vector<FillPiece>& pieces) {
    int end = 0;
    for (const FillPiece& p : pieces) {
        EXPECT_EQ(p.offset, end) << "pieces must follow each other without gaps";
        end = p.offset + p.length;
    }
    return end;
}

TEST(SliderPieces, FillHeightFollowsPositionAndRange) {
    EXPECT_EQ(SliderFillHeight(60, 0, 120, 200), 100);
    EXPECT_EQ(SliderFillHeight(0, 0, 120, 200), 0);
    EXPECT_EQ(SliderFillHeight(120, 0, 120, 200), 200);
    EXPECT_EQ(SliderFillHeight(1, 0, 3, 200), 67);   // 66.67 rounds up
    EXPECT_EQ(SliderFillHeight(5, 5, 5, 200), 200);  // empty range: full
}

TEST(SliderPieces, HalfwayIsTopAndNineMiddles) {
    auto pieces = SliderPieces(100);
    EXPECT_EQ(count(pieces, PieceImage::Start), 1);
    EXPECT_EQ(count(pieces, PieceImage::Middle), 9);
    EXPECT_EQ(count(pieces, PieceImage::End), 0);
    EXPECT_EQ(covered(pieces), 100);
}

TEST(SliderPieces, EdgesOfEachRegime) {
    struct Case {
        int fill, middles, ends;
    } cases[] = {{0, 0, 0}, {9, 0, 0}, {10, 0, 0}, {15, 1, 0}, {189, 18, 0}, {190, 18, 1}, {200, 18, 1}};
    for (const Case& c : cases) {
        auto pieces = SliderPieces(c.fill);
        EXPECT_EQ(count(pieces, PieceImage::Middle), c.middles) << c.fill;
        EXPECT_EQ(count(pieces, PieceImage::End), c.ends) << c.fill;
        EXPECT_EQ(covered(pieces), c.fill) << c.fill;
    }
    EXPECT_EQ(SliderPieces(9).front(), (FillPiece{PieceImage::Start, 0, 9}));
    EXPECT_EQ(SliderPieces(200).back(), (FillPiece{PieceImage::End, 190, 10}));
}

TEST(ProgressPieces, FullBarHasBothEndsAndThirtyFourMiddles) {
    int fill = ProgressFillWidth(100, 0, 100, 357);
    EXPECT_EQ(fill, 357);
    auto pieces = ProgressPieces(fill);
    EXPECT_EQ(count(pieces, PieceImage::Start), 1);
    EXPECT_EQ(count(pieces, PieceImage::Middle), 34);
    EXPECT_EQ(pieces.back(), (FillPiece{PieceImage::End, 347, 10}));
    EXPECT_EQ(covered(pieces), 357);
}

TEST(ProgressPieces, NarrowTrackNeverReachesTheRightEnd) {
    int fill = ProgressFillWidth(100, 0, 100, 272);
    EXPECT_EQ(fill, 272);
    auto pieces = ProgressPieces(fill);
    EXPECT_EQ(count(pieces, PieceImage::End), 0);
    EXPECT_EQ(covered(pieces), 272);
    EXPECT_EQ(ProgressFillWidth(25, 0, 100, 272), 68);
}

TEST(ProgressPieces, EmptyRangeDrawsNothing) {
    EXPECT_EQ(ProgressFillWidth(3, 7, 7, 357), 0);
    EXPECT_TRUE(ProgressPieces(0).empty());
    EXPECT_EQ(covered(ProgressPieces(346)), 346);
}

TEST(BarRange, ReversedRangeIsOrderedAndThePositionStaysInside) {
    BarRange r;
    r.SetPos(150);
    EXPECT_EQ(r.Pos(), 100);
    r.SetRange(200, 120);
    EXPECT_EQ(r.Low(), 120);
    EXPECT_EQ(r.High(), 200);
    EXPECT_EQ(r.Pos(), 120);
    r.SetPos(-7);
    EXPECT_EQ(r.Pos(), 120);
    r.SetRange(5, 5);
    EXPECT_EQ(r.Pos(), 5);
}

}  // namespace
}  // namespace lumora
