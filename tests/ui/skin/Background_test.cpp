// The parent-background link: what a control inside a dialog, or inside a container on
// a dialog, gets painted behind it.

#include <algorithm>

#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include "SkinTestSupport.h"
#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/SkinCachedPanel.h"
#include "ui/skin/SkinPanel.h"
#include "ui/skin/TransStatic.h"
#include "ui/skin/VolumeInfoCtrl.h"

namespace lumora::test {
namespace {

wxColour PixelOf(const wxBitmap& bitmap, int x, int y) {
    wxImage image = bitmap.ConvertToImage();
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

// What a control gets when it asks for its parent's background.
wxBitmap BackgroundOf(wxWindow& control) {
    wxBitmap target(control.GetClientSize().x, control.GetClientSize().y, 24);
    wxMemoryDC dc(target);
    RequestBackground(control.GetParent(), HandleOf(&control), dc);
    dc.SelectObject(wxNullBitmap);
    return target;
}

TEST(Background, ControlsGetTheCacheBehindThemselvesEvenInsideContainers) {
    TestWindow<RecordingWindow> window(new RecordingWindow(wxSize(640, 480)));
    window->SetBackground(IDB_BACKGROUND_MAIN);
    const wxBitmap& cache = window->BackgroundCache();
    ASSERT_TRUE(cache.IsOk());
    auto* label = new CTransStatic(window.get(), wxID_ANY, "x", wxPoint(200, 150), wxSize(40, 20));
    auto* volume = new CVolumeInfoCtrl(window.get(), wxID_ANY, wxPoint(100, 100));
    for (auto [x, y] : {std::pair{0, 0}, {39, 19}, {17, 5}})
        EXPECT_EQ(PixelOf(BackgroundOf(*label), x, y), PixelOf(cache, 200 + x, 150 + y));
    // The percentage label sits at (422, 16) inside the volume control.
    for (auto [x, y] : {std::pair{0, 0}, {30, 10}})
        EXPECT_EQ(PixelOf(BackgroundOf(volume->PercentLabel()), x, y),
                  PixelOf(cache, 100 + 422 + x, 100 + 16 + y));
}

// A label at (100,5) in a panel at (10,20) in `outer`, which sits at (30,40) of its window.
CTransStatic* LabelTwoDeepIn(CSkinPanel* outer) {
    auto* inner = new CSkinPanel(outer, wxID_ANY, wxPoint(10, 20), wxSize(300, 300));
    return new CTransStatic(inner, wxID_ANY, "x", wxPoint(100, 5), wxSize(40, 20));
}

TEST(Background, PanelsPassRequestsOnToTheDialog) {
    TestWindow<RecordingWindow> window(new RecordingWindow(wxSize(640, 480)));
    window->SetBackground(IDB_BACKGROUND_MAIN);
    auto* label = LabelTwoDeepIn(new CSkinPanel(window.get(), wxID_ANY, wxPoint(30, 40), wxSize(500, 400)));
    wxWindow* inner = label->GetParent();
    const wxBitmap& cache = window->BackgroundCache();
    EXPECT_EQ(PixelOf(BackgroundOf(*label), 3, 4), PixelOf(cache, 30 + 10 + 100 + 3, 40 + 20 + 5 + 4));
    EXPECT_EQ(PixelOf(BackgroundOf(*inner), 0, 0), PixelOf(cache, 40, 60));
}

// A pane whitened at alpha 20, as the information panel draws itself.
class WhitePane : public CSkinCachedPanel {
public:
    using CSkinCachedPanel::CSkinCachedPanel;
    int composed = 0;

protected:
    void PaintCache(wxMemoryDC& dc) override {
        ++composed;
        BlendOver(dc, wxRect(wxPoint(0, 0), GetClientSize()), 0xFFFFFF, 20);
    }
};

TEST(Background, ACachedContainerGivesItsChildrenItsOwnLookAndAPlainPanelItsColour) {
    TestWindow<RecordingWindow> window(new RecordingWindow(wxSize(640, 480)));
    window->SetBackground(IDB_BACKGROUND_MAIN);
    auto* pane = new WhitePane(window.get(), wxID_ANY, wxPoint(30, 40), wxSize(500, 400));
    auto* label = LabelTwoDeepIn(pane);
    wxColour dialog = PixelOf(window->BackgroundCache(), 30 + 10 + 100 + 3, 40 + 20 + 5 + 4);
    wxColour got = PixelOf(BackgroundOf(*label), 3, 4);
    auto whitened = [](int c) { return c + (255 - c) * 20 / 255.0; };
    EXPECT_NEAR(got.Red(), whitened(dialog.Red()), 1.5);
    EXPECT_NEAR(got.Blue(), whitened(dialog.Blue()), 1.5);
    EXPECT_EQ(PixelOf(pane->Cache(), 10 + 100 + 3, 20 + 5 + 4), got) << "the child's part of the pane";
    EXPECT_EQ(pane->composed, 1) << "composed once, answered from the cache after";
    pane->InvalidateCache();
    BackgroundOf(*label);
    EXPECT_EQ(pane->composed, 2);

    // A plain wxPanel breaks the link: its children get the panel's own colour.
    auto* plain = new wxPanel(window.get(), wxID_ANY, wxPoint(300, 10), wxSize(100, 100));
    plain->SetBackgroundColour(wxColour(1, 2, 3));
    auto* lost = new CTransStatic(plain, wxID_ANY, "x", wxPoint(5, 5), wxSize(20, 10));
    EXPECT_EQ(PixelOf(BackgroundOf(*lost), 3, 3), wxColour(1, 2, 3));
}

TEST(Background, APictureLargerThanTheWindowIsScaledDown) {
    TestWindow<RecordingWindow> window(new RecordingWindow(wxSize(640, 360)));
    window->SetBackground(IDB_BACKGROUND_MAIN);  // 1280 x 720
    CGdiPlusBitmapResource picture(IDB_BACKGROUND_MAIN);
    ASSERT_TRUE(picture.IsLoaded());
    // The bright line near the top of the picture lands at half its height.
    wxImage cache = window->BackgroundCache().ConvertToImage();
    wxImage scaled = picture.Image().Scale(640, 360, wxIMAGE_QUALITY_BILINEAR);
    for (int y : {10, 52, 200, 359}) EXPECT_NEAR(cache.GetGreen(320, y), scaled.GetGreen(320, y), 2) << y;

    // Prepared on another thread, the cache is the same; prepared for another picture,
    // the one asked for is drawn all the same.
    TestWindow<RecordingWindow> prepared(new RecordingWindow(wxSize(640, 360)));
    prepared->PrepareBackground(IDB_BACKGROUND_MAIN);
    prepared->SetBackground(IDB_BACKGROUND_MAIN);
    wxImage same = prepared->BackgroundCache().ConvertToImage();
    ASSERT_EQ(same.GetSize(), cache.GetSize());
    EXPECT_TRUE(std::equal(cache.GetData(), cache.GetData() + 640 * 360 * 3, same.GetData()));
    prepared->PrepareBackground(IDB_PANEL_SMALL);
    prepared->SetBackground(IDB_BACKGROUND_MAIN);
    same = prepared->BackgroundCache().ConvertToImage();
    EXPECT_TRUE(std::equal(cache.GetData(), cache.GetData() + 640 * 360 * 3, same.GetData()));
}

TEST(Background, APlainParentShowsItsOwnColour) {
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "plain");
    frame->SetBackgroundColour(wxColour(10, 200, 30));
    auto* label = new CTransStatic(frame, wxID_ANY, "x", wxPoint(5, 5), wxSize(20, 10));
    EXPECT_EQ(PixelOf(BackgroundOf(*label), 3, 3), wxColour(10, 200, 30));
    frame->Destroy();
}

TEST(Images, MissingAndBrokenPicturesLeaveTheImageEmpty) {
    CGdiPlusBitmapResource image;
    EXPECT_TRUE(image.LoadPng(IDB_RADIO_ON));
    EXPECT_EQ(image.Width(), 18);
    // Decoded once per process: every image of the picture shares the pixels.
    CGdiPlusBitmapResource again(IDB_RADIO_ON);
    ASSERT_TRUE(image.Image().IsOk());
    EXPECT_EQ(again.Image().GetData(), image.Image().GetData());
    EXPECT_EQ(again.Image().GetSize(), wxSize(18, again.Height()));
    EXPECT_FALSE(image.LoadPng(210));  // no such picture: the earlier one is released too
    EXPECT_FALSE(image.IsLoaded());
    const unsigned char broken[] = {0x89, 'P', 'N', 'G', 0, 1, 2, 3};
    EXPECT_FALSE(image.LoadPngBytes(broken));
    wxBitmap target(10, 10, 24);
    wxMemoryDC dc(target);
    image.Draw(dc, wxRect(0, 0, 10, 10));  // draws nothing, does not crash
}

}  // namespace
}  // namespace lumora::test
