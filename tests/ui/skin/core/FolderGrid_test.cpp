#include "ui/skin/core/FolderGrid.h"
#include "ui/skin/core/VolumeUsage.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(FolderGrid, DisplayNameKeepsShortNamesAndShortensLongOnes) {
    EXPECT_EQ(FolderGrid::DisplayName(u"public"), u"public");
    EXPECT_EQ(FolderGrid::DisplayName(u"abcdefghijklm"), u"abcdefghijklm");   // 13: whole
    EXPECT_EQ(FolderGrid::DisplayName(u"abcdefghijklmn"), u"abcdefghi....");  // 14: cut
    EXPECT_EQ(FolderGrid::DisplayName(u"abcdefghijklmnopqrst"), u"abcdefghi....");
    // A pair cut in half would show a broken character.
    EXPECT_EQ(FolderGrid::DisplayName(u"abcdefgh\U0001F600xxxxxxx"), u"abcdefgh....");
}

TEST(FolderGrid, TilesFourToARowFromRow37) {
    EXPECT_EQ(FolderGrid::TileAt(0), (TileRect{0, 37, 116, 153}));
    EXPECT_EQ(FolderGrid::TileAt(3), (TileRect{390, 37, 506, 153}));
    EXPECT_EQ(FolderGrid::TileAt(4), (TileRect{0, 167, 116, 283}));
    EXPECT_EQ(FolderGrid::TileAt(25), (TileRect{130, 817, 246, 933}));
}

TEST(FolderGrid, ScrollBarFromTheFifthFolder) {
    FolderGrid grid;
    for (int i = 0; i < 4; ++i) grid.Add(u"f");
    EXPECT_FALSE(grid.NeedsScrollBar());
    EXPECT_EQ(grid.ScrollMaximum(), 0);
    grid.Add(u"f");
    EXPECT_TRUE(grid.NeedsScrollBar());
    EXPECT_EQ(grid.ScrollMaximum(), 120);  // 283 - 163
}

TEST(FolderGrid, TwentySixthShownTwentySeventhIgnored) {
    FolderGrid grid;
    for (int i = 0; i < 25; ++i) ASSERT_TRUE(grid.Add(u"x"));
    EXPECT_TRUE(grid.Add(u"26th"));
    EXPECT_FALSE(grid.Add(u"27th"));
    EXPECT_EQ(grid.Count(), 26);
    EXPECT_EQ(grid.Tiles().back().displayName, u"26th");
    EXPECT_EQ(grid.ScrollMaximum(), 933 - 163);
    grid.Clear();
    EXPECT_EQ(grid.Count(), 0);
    EXPECT_TRUE(grid.Add(u"again"));
}

TEST(FolderGrid, HitTestFindsTilesAndGaps) {
    FolderGrid grid;
    for (int i = 0; i < 6; ++i) grid.Add(u"f");
    EXPECT_EQ(grid.HitTest(0, 37), 0);
    EXPECT_EQ(grid.HitTest(115, 152), 0);
    EXPECT_EQ(grid.HitTest(116, 100), std::nullopt);  // gap between tiles
    EXPECT_EQ(grid.HitTest(10, 20), std::nullopt);    // above the first row
    EXPECT_EQ(grid.HitTest(140, 200), 5);
    EXPECT_EQ(grid.HitTest(270, 200), std::nullopt);  // where a 7th would be
}

TEST(VolumePercent, RoundsHalfUpAndSurvivesAnEmptyTotal) {
    EXPECT_EQ(VolumePercent(50, 200), 25u);
    EXPECT_EQ(VolumePercent(1, 3), 33u);
    EXPECT_EQ(VolumePercent(2, 3), 67u);
    EXPECT_EQ(VolumePercent(1, 8), 13u);  // 12.5 rounds up
    EXPECT_EQ(VolumePercent(0, 0), 0u);
    EXPECT_EQ(VolumePercent(7, 0), 0u);
    EXPECT_EQ(VolumePercent(4000000000u, 1), 4294967295u);
}

}  // namespace
}  // namespace lumora
