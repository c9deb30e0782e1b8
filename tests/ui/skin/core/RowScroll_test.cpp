#include "ui/skin/core/RowScroll.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(RowScroll, ViewStaysInsideTheListAndFollowsTheRowAskedFor) {
    RowScroll s;
    s.Reset(30, 9);
    EXPECT_TRUE(s.CanScroll());
    EXPECT_EQ(s.MaxTop(), 21);
    EXPECT_TRUE(s.EnsureVisible(29));
    EXPECT_EQ(s.Top(), 21);
    EXPECT_FALSE(s.EnsureVisible(25)) << "already in view";
    EXPECT_TRUE(s.EnsureVisible(3));
    EXPECT_EQ(s.Top(), 3);
    EXPECT_FALSE(s.EnsureVisible(30)) << "no such row";
    EXPECT_TRUE(s.ScrollBy(100));
    EXPECT_EQ(s.Top(), 21);
    EXPECT_TRUE(s.ScrollTo(-5));
    EXPECT_EQ(s.Top(), 0);
    s.ScrollTo(21);
    s.Reset(10, 9);  // entries removed: the view comes back inside
    EXPECT_EQ(s.Top(), 1);
    s.Reset(5, 9);
    EXPECT_FALSE(s.CanScroll());
    EXPECT_EQ(s.Top(), 0);
}

TEST(RowScroll, ThumbMovesWithTheViewAndDraggingItGivesTheViewBack) {
    RowScroll s;
    s.Reset(30, 9);
    EXPECT_EQ(s.Thumb(216), (std::pair{0, 64}));  // 216 * 9 / 30
    s.ScrollTo(21);
    EXPECT_EQ(s.Thumb(216), (std::pair{152, 64}));
    EXPECT_EQ(s.TopForThumb(152, 216), 21);
    EXPECT_EQ(s.TopForThumb(76, 216), 11);  // half way: 10.5 rounds up
    EXPECT_EQ(s.TopForThumb(-40, 216), 0);
    EXPECT_EQ(s.TopForThumb(900, 216), 21);
    s.Reset(1000, 9);
    EXPECT_EQ(s.Thumb(216).second, RowScroll::kMinThumb) << "a long list keeps a thumb to grab";
    s.Reset(3, 9);
    EXPECT_EQ(s.Thumb(216), (std::pair{0, 216}));
}

}  // namespace
}  // namespace lumora
