// The windows as the X server shows them: each window's picture must reach the screen
// behind its controls, not only the window's own caches.

#include "MainWindowFixture.h"

#include "ui/main/LoginDialog.h"
#include "ui/main/SettingsDialog.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/ScreenPixels.h"

namespace lumora::test {
namespace {

// Saves the window's screenshot (which brings it up and lets it paint), then compares the
// screen with the window's picture on the free spots; a few may differ (a tooltip, the pointer).
void ExpectScreenShowsPicture(wxWindow& window, int pngId, const std::string& name) {
    ASSERT_TRUE(SaveScreenshot(window, "screen-" + name));
    wxImage screen;
    ASSERT_TRUE(screen.LoadFile(ScreenshotPath("screen-" + name).string(), wxBITMAP_TYPE_PNG)) << name;
    const ScreenComparison seen = CompareScreenWithPicture(screen, window, pngId);
    EXPECT_GT(seen.sampled, 100) << name;
    std::string first;
    for (std::size_t i = 0; i < seen.differing.size() && i < 5; ++i) first += "\n  " + seen.differing[i];
    EXPECT_LE(seen.differing.size(), static_cast<std::size_t>(seen.sampled / 50))
        << name << ": " << seen.differing.size() << " of " << seen.sampled << " spots differ" << first;
}

TEST_F(MainWindowTest, ScreenShowsEachWindowsPictureBehindItsControls) {
    StartAppliances();
    dialogs.RunReal("CLoginDialog");
    dialogs.RunReal("CSettingsDialog");
    OpenListed();
    // Showing again neither builds the controls again nor redraws the picture at another size.
    const std::size_t children = window->GetChildren().size();
    window->Hide();
    window->Show();
    EXPECT_EQ(window->GetChildren().size(), children);
    ExpectScreenShowsPicture(*window, IDB_BACKGROUND_MAIN, "main-window");

    WhenOpen<CLoginDialog>([](CLoginDialog& dialog) {
        ExpectScreenShowsPicture(dialog, IDB_PANEL_SMALL, "login-dialog");
        PressButton(dialog, CLoginDialog::kCancel);
    });
    Press(CTessilDlg::kConnect);

    WhenOpen<CSettingsDialog>([](CSettingsDialog& dialog) {
        ExpectScreenShowsPicture(dialog, IDB_PANEL_LARGE, "settings-dialog");
        PressButton(dialog, CSettingsDialog::kCancel);
    });
    Press(CTessilDlg::kSettings);
    EXPECT_TRUE(dialogs.shown().empty()) << Shown();
}

}  // namespace
}  // namespace lumora::test
