// The folder list and the volume control on a real window.

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "ui/skin/FolderListCtrl.h"
#include "ui/skin/VolumeInfoCtrl.h"

namespace lumora::test {
namespace {

class FolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.reset(new RecordingWindow());
        window->Show();
        folders = new CFolderListCtrl(window.get(), wxID_ANY, wxPoint(10, 10), wxSize(519, 200));
    }
    TestWindow<RecordingWindow> window;
    CFolderListCtrl* folders = nullptr;
};

TEST_F(FolderTest, TwentySixFoldersAndTheScrollRange) {
    for (int i = 0; i < 4; ++i) folders->AddFolder(u"f");
    EXPECT_FALSE(folders->ScrollBar().IsShown());
    folders->AddFolder(u"fifth");
    EXPECT_TRUE(folders->ScrollBar().IsShown());
    EXPECT_EQ(folders->ScrollBar().GetMax(), 120);
    EXPECT_EQ(folders->ScrollBar().GetRect(), wxRect(506, 0, 13, 200));
    for (int i = 5; i < 30; ++i) folders->AddFolder(u"f");
    EXPECT_EQ(folders->Grid().Count(), 26);
    folders->ClearFolders();
    EXPECT_FALSE(folders->ScrollBar().IsShown());
    EXPECT_EQ(folders->ScrollY(), 0);
}

TEST_F(FolderTest, TheSliderScrollsTheGrid) {
    for (int i = 0; i < 8; ++i) folders->AddFolder(u"f");
    CGdipSlider& bar = folders->ScrollBar();
    SendMouse(bar, wxEVT_LEFT_DOWN, 5, 100);
    SendMouse(bar, wxEVT_LEFT_UP, 5, 100);
    EXPECT_EQ(bar.GetPos(), 120 / 2 + (bar.GetMax() - 120) / 2);
    EXPECT_EQ(folders->ScrollY(), bar.GetPos());
    // A click at the scrolled second row selects the fifth folder.
    int y = 167 + 10 - folders->ScrollY();
    Click(*folders, 20, y);
    EXPECT_EQ(folders->Selected(), 4);
}

TEST_F(FolderTest, OnlyAStillClickSelectsAndADoubleClickOpens) {
    for (auto name : {u"public", u"music", u"photo"}) folders->AddFolder(name);
    SendMouse(*folders, wxEVT_LEFT_DOWN, 140, 50);
    SendMouse(*folders, wxEVT_LEFT_UP, 141, 50);
    EXPECT_EQ(folders->Selected(), -1) << "a press and release one pixel apart";
    Click(*folders, 140, 50);
    EXPECT_EQ(folders->Selected(), 1);
    Click(*folders, 120, 50);  // between tiles: selection kept
    EXPECT_EQ(folders->Selected(), 1);
    SendMouse(*folders, wxEVT_LEFT_DCLICK, 270, 60);
    EXPECT_EQ(folders->Selected(), 2);
    ASSERT_TRUE(PumpUntil([&] { return !window->Of(WM_SKIN_FOLDEROPEN).empty(); }));
    EXPECT_EQ(window->Of(WM_SKIN_FOLDEROPEN)[0].wParam, 2u);
    SendMouse(*folders, wxEVT_LEFT_DCLICK, 400, 190);  // no tile there
    Pump();
    EXPECT_EQ(window->Of(WM_SKIN_FOLDEROPEN).size(), 1u);
}

TEST(VolumeInfo, ShowsSizesPercentAndBar) {
    TestWindow<RecordingWindow> window(new RecordingWindow());
    auto* volume = new CVolumeInfoCtrl(window.get(), wxID_ANY, wxPoint(10, 10));
    EXPECT_FALSE(volume->HasVolume());
    struct Case {
        std::uint32_t first, second;
        const char* sizes;
        const char* percent;
        int bar;
    } cases[] = {{50, 200, "50G Used/200G Available", "25%", 25},
                 {1, 3, "1G Used/3G Available", "33%", 33},
                 {7, 0, "7G Used/0G Available", "0%", 0},
                 {300, 100, "300G Used/100G Available", "300%", 100}};
    for (const Case& c : cases) {
        volume->ShowVolume(u"Volume 1", c.first, c.second);
        EXPECT_TRUE(volume->HasVolume());
        EXPECT_EQ(volume->NameLabel().GetText(), "Volume 1");
        EXPECT_EQ(volume->SizesLabel().GetText(), c.sizes);
        EXPECT_EQ(volume->PercentLabel().GetText(), c.percent);
        EXPECT_EQ(volume->UsageBar().GetPos(), c.bar);
    }
    EXPECT_EQ(volume->UsageBar().GetRect(), wxRect(wxPoint(140, 16), wxPoint(411, 29)));
    volume->ClearVolume();
    EXPECT_FALSE(volume->HasVolume());
    EXPECT_EQ(volume->PercentLabel().GetText(), "");
}

}  // namespace
}  // namespace lumora::test
