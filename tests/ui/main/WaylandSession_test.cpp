// The main window on a Wayland compositor (run by tests/ui/main/wayland-session.sh under a
// headless weston): it is mapped and painted, Minimize takes it off the screen, and Close
// ends the window's modal run. What the compositor shows is compared, screen by screen.

#include "MainWindowFixture.h"

#include <cstdlib>

#include <wx/image.h>

namespace lumora::test {
namespace {

// The compositor's whole screen, taken by weston's screenshooter into artifacts/wayland/NAME.png.
wxImage CompositorScreen(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(LUMORA_BINARY_DIR) / "artifacts" / "wayland";
    const std::filesystem::path taken = std::filesystem::temp_directory_path() / ("shot-" + name);
    std::filesystem::remove_all(taken);
    std::filesystem::create_directories(taken);
    std::filesystem::create_directories(folder);
    // The screenshooter names its file by the clock and writes it where it runs.
    const wxString command =
        wxString::Format("sh -c 'cd \"%s\" && exec weston-screenshooter'", taken.string());
    if (wxExecute(command, wxEXEC_SYNC | wxEXEC_NOEVENTS) != 0) return {};
    for (const auto& entry : std::filesystem::directory_iterator(taken)) {
        std::filesystem::copy_file(entry.path(), folder / (name + ".png"),
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::remove_all(taken);
        return wxImage(wxString((folder / (name + ".png")).string()), wxBITMAP_TYPE_PNG);
    }
    return {};
}

// Pixels that differ plainly between two screens of the same size (-1 when they cannot be
// compared); the faint rest of a window fading out as it closes does not count.
long Differing(const wxImage& a, const wxImage& b) {
    if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize()) return -1;
    const unsigned char* p = a.GetData();
    const unsigned char* q = b.GetData();
    long count = 0;
    for (long i = 0, n = static_cast<long>(a.GetWidth()) * a.GetHeight(); i < n; ++i, p += 3, q += 3)
        count += std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 48;
    return count;
}

class WaylandSessionTest : public MainWindowTest {
protected:
    void SetUp() override {
        if (wxGetDisplayInfo().type != wxDisplayWayland) GTEST_SKIP() << "needs a Wayland display";
        MainWindowTest::SetUp();
    }
    // Lets the compositor take in what the window committed.
    static void Settle() { Pump(std::chrono::milliseconds(700)); }
};

TEST_F(WaylandSessionTest, ShowsPaintsMinimizesAndCloses) {
    StartAppliances();
    Settle();
    const wxImage empty = CompositorScreen("desktop");
    ASSERT_TRUE(empty.IsOk()) << "weston-screenshooter took no picture (weston needs --debug)";
    const long area = static_cast<long>(CTessilDlg::kWidth) * CTessilDlg::kHeight;

    OpenListed();
    bool painted = false;
    window->Bind(wxEVT_PAINT, [&painted](wxPaintEvent& event) {
        painted = true;
        event.Skip();
    });
    window->Refresh();
    ASSERT_TRUE(PumpUntil([&] { return painted; }, std::chrono::seconds(10)));
    Settle();
    // Most of the window's area is drawn over the desktop (the shell's clock may tick too).
    EXPECT_GT(Differing(empty, CompositorScreen("main-window")), area / 2);

    Press(CTessilDlg::kMinimize);
    Settle();
    EXPECT_LT(Differing(empty, CompositorScreen("minimized")), area / 20) << "still on the screen";
    EXPECT_TRUE(window->IsShown()) << "minimized, not hidden: the compositor brings it back";
    window.reset();
    ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(10)));

    // As the program runs it: modally, until Close.
    CTessilDlg running;
    running.OnInitDialog();
    WhenOpen<CTessilDlg>([](CTessilDlg& open) { PressButton(open, CTessilDlg::kClose); });
    EXPECT_EQ(running.ShowModal(), IDOK);
    Settle();
    EXPECT_LT(Differing(empty, CompositorScreen("closed")), area / 20);
}

}  // namespace
}  // namespace lumora::test
