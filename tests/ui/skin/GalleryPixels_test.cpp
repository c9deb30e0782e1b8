// Runs the skin gallery and checks the pixels of its screenshot where a drawing rule is
// exact: list colours, the tooltip outline, the half-opacity disabled face, and the fill
// pieces of the slider and the progress bar composed over their tracks.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <wx/image.h>

#include "../../../tools/skin-gallery/GalleryLayout.h"
#include "support/Sandbox.h"
#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/ImageIds.h"

namespace lumora::test {
namespace {

using namespace lumora::gallery;

struct Rgb {
    double r, g, b;
};

Rgb At(const wxImage& image, int x, int y) {
    return {double(image.GetRed(x, y)), double(image.GetGreen(x, y)), double(image.GetBlue(x, y))};
}

// Lays picture `id`'s pixel (px, py) over `below` at `opacity`.
Rgb Over(Rgb below, int id, int px, int py, double opacity = 1.0) {
    CGdiPlusBitmapResource picture(id);
    const wxImage& image = picture.Image();
    double a = image.GetAlpha(px, py) / 255.0 * opacity;
    Rgb top = At(image, px, py);
    return {below.r * (1 - a) + top.r * a, below.g * (1 - a) + top.g * a, below.b * (1 - a) + top.b * a};
}

void ExpectPixel(const wxImage& shot, int x, int y, Rgb expected, const char* what) {
    Rgb got = At(shot, x, y);
    EXPECT_NEAR(got.r, expected.r, 3) << what << " at " << x << "," << y;
    EXPECT_NEAR(got.g, expected.g, 3) << what << " at " << x << "," << y;
    EXPECT_NEAR(got.b, expected.b, 3) << what << " at " << x << "," << y;
}

class GalleryPixels : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        sandbox = new Sandbox();
        shot = Run("", "gallery.png");
        darkShot = Run("GTK_THEME=Adwaita:dark ", "gallery-dark.png");
    }
    static wxImage* Run(const std::string& environment, const std::string& name) {
        std::string out = (sandbox->path() / name).string();
        std::string command =
            environment + "\"" + LUMORA_BINARY_DIR + "/tools/skin-gallery/skin-gallery\" \"" + out + "\"";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return new wxImage(out, wxBITMAP_TYPE_PNG);
    }
    static void TearDownTestSuite() {
        delete shot;
        delete darkShot;
        delete sandbox;
    }
    // The window background at a point (the picture is 1280 wide, drawn unscaled).
    static Rgb Background(int x, int y) { return Over({0, 0, 0}, IDB_BACKGROUND_MAIN, x, y); }

    static inline Sandbox* sandbox = nullptr;
    static inline wxImage* shot = nullptr;
    static inline wxImage* darkShot = nullptr;
};

TEST_F(GalleryPixels, ScreenshotHasTheWindowSize) {
    ASSERT_TRUE(shot->IsOk());
    EXPECT_EQ(shot->GetWidth(), kWidth);
    EXPECT_EQ(shot->GetHeight(), kHeight);
}

TEST_F(GalleryPixels, ListRowsHeaderAndLines) {
    ASSERT_TRUE(shot->IsOk());
    // Row 1 is selected: right of the last column it is an empty cell in the selected grey.
    ExpectPixel(*shot, kListAt.x + 410, kListAt.y + 22 + 30 + 10, {80, 80, 80}, "selected row");
    // Each empty row below the items ends in its line.
    ExpectPixel(*shot, kListAt.x + 100, kListAt.y + 22 + 5 * 30 - 1, {75, 75, 75}, "row line");
    ExpectPixel(*shot, kListAt.x + 50, kListAt.y + 21, {255, 255, 255}, "header rule");
    ExpectPixel(*shot, kListAt.x + 100, kListAt.y + 22 + 5 * 30 - 10,
                Background(kListAt.x + 100, kListAt.y + 162), "empty row shows the window");
}

TEST_F(GalleryPixels, TooltipIsBlackWithAGreyOutline) {
    ASSERT_TRUE(shot->IsOk());
    int left = kShortcutRow.x + kShortcutStep + 60;
    int top = kShortcutRow.y + 30 + 20;
    ExpectPixel(*shot, left, top + 6, {200, 200, 200}, "outline left");
    ExpectPixel(*shot, left + 6, top, {200, 200, 200}, "outline top");
    ExpectPixel(*shot, left + 1, top + 6, {0, 0, 0}, "inside");
}

TEST_F(GalleryPixels, PushFacesByStateAndTheDisabledOneAtHalfOpacity) {
    ASSERT_TRUE(shot->IsOk());
    for (int px : {4, 55}) {
        int y = kPushRow.y + 3;
        int normal = kPushRow.x + px, hover = normal + kPushStep, pressed = normal + 2 * kPushStep;
        int disabled = normal + 3 * kPushStep;
        ExpectPixel(*shot, normal, y, Over(Background(normal, y), IDB_BUTTON_GREY, px, 3), "normal face");
        ExpectPixel(*shot, hover, y, Over(Background(hover, y), IDB_BUTTON_BLUE, px, 3), "hover face");
        ExpectPixel(*shot, pressed, y, Over(Background(pressed, y), IDB_BUTTON_BLUE, px, 3), "pressed face");
        ExpectPixel(*shot, disabled, y, Over(Background(disabled, y), IDB_BUTTON_GREY, px, 3, 0.5),
                    "disabled face");
    }
}

TEST_F(GalleryPixels, SliderAndProgressPiecesOverTheirTracks) {
    ASSERT_TRUE(shot->IsOk());
    // The second slider: range 0-120 at 60 fills the top 100 of its 200 pixels.
    int sx = kSliderRow.x + kSliderStep;
    for (int y : {55, 95}) {
        Rgb track = Over(Background(sx + 6, kSliderRow.y + y), IDB_SCROLL_TRACK, 6, y);
        ExpectPixel(*shot, sx + 6, kSliderRow.y + y, Over(track, IDB_SCROLL_MIDDLE, 6, y % 10),
                    "slider fill");
    }
    ExpectPixel(*shot, sx + 6, kSliderRow.y + 150,
                Over(Background(sx + 6, kSliderRow.y + 150), IDB_SCROLL_TRACK, 6, 150),
                "slider track below the fill");
    // The full progress bar ends in the right-end piece from x 347.
    int py = kProgressRow.y + 48;
    for (int x : {352, 200, 3}) {
        int piece = x >= 347 ? IDB_PROGRESS_RIGHT : x >= 10 ? IDB_PROGRESS_MIDDLE : IDB_PROGRESS_LEFT;
        int px = x >= 347 ? x - 347 : x >= 10 ? (x - 10) % 10 : x;
        Rgb track = Over(Background(kProgressRow.x + x, py + 8), IDB_PROGRESS_TRACK, x, 8);
        ExpectPixel(*shot, kProgressRow.x + x, py + 8, Over(track, piece, px, 8), "progress piece");
    }
}

// Pixels of `area` that differ by more than a rounding step between the two screenshots.
int Differing(const wxImage& a, const wxImage& b, const wxRect& area) {
    int count = 0;
    for (int y = area.y; y < area.GetBottom(); ++y)
        for (int x = area.x; x < area.GetRight(); ++x)
            count += std::abs(a.GetRed(x, y) - b.GetRed(x, y)) > 2 ||
                     std::abs(a.GetGreen(x, y) - b.GetGreen(x, y)) > 2 ||
                     std::abs(a.GetBlue(x, y) - b.GetBlue(x, y)) > 2;
    return count;
}

TEST_F(GalleryPixels, ALongComboListOpensScrolledToItsLastEntry) {
    ASSERT_TRUE(shot->IsOk());
    // Six rows fit, so the last entry is the sixth row, highlighted.
    int x = kLongComboAt.x + 3, y = kLongComboAt.y + 30 + 5 * 24 + 2;
    ExpectPixel(*shot, x, y, {0, 120, 215}, "highlighted last entry");
    ExpectPixel(*shot, x, y - 24, {255, 255, 255}, "the entry above it");
}

TEST_F(GalleryPixels, ADarkDesktopThemeChangesNothingSkinned) {
    ASSERT_TRUE(shot->IsOk() && darkShot->IsOk());
    struct Area {
        const char* what;
        wxRect rect;
    } areas[] = {
        {"address controls and their dots", wxRect(kAddressRow, wxSize(3 * 195, 28))},
        {"combo boxes", wxRect(kComboRow, wxSize(500, 104))},
        {"opened combo list", wxRect(kLongComboAt + wxPoint(0, 30), wxSize(kLongComboSize.x, 6 * 24))},
        {"time-zone list", wxRect(kTimeZoneAt, kTimeZoneSize)},
        {"report list", wxRect(kListAt, kListSize)},
    };
    for (const Area& area : areas) EXPECT_EQ(Differing(*shot, *darkShot, area.rect), 0) << area.what;
}

}  // namespace
}  // namespace lumora::test
