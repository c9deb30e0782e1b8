// The main window as a person meets it: in each language, kept responsive while an
// appliance never answers, and reached with the keyboard.

#include "MainWindowFixture.h"

#include <atomic>

#include <wx/textctrl.h>

#include "protocol/query/Messages.h"
#include "protocol/query/Thread.h"
#include "ui/main/ActivityFilter.h"
#include "ui/main/TessilApp.h"

namespace lumora::test {
namespace {

TEST_F(MainWindowTest, CaptionsFollowTheLanguageOfTheSettingsFile) {
    StartAppliances();
    RememberLogin(u"Office", u"admin", u"admin");
    const struct {
        const char16_t* code;
        const char* connect;
        const char* mask;
    } languages[] = {
        {u"", "Connect", "Mask:255.255.255.0"},
        {u"FRE", "Connecter", "Masque:255.255.255.0"},
        {u"GER", "Verbinden", nullptr},
        {u"SPA", "Conectar", nullptr},
        {u"RUS", "\xD0\x9F\xD0\xBE\xD0\xB4\xD0\xBA\xD0\xBB\xD1\x8E\xD1\x87\xD0\xB8\xD1\x82\xD1\x8C", nullptr},
    };
    for (const auto& language : languages) {
        WriteSetting(kSectionLanguage, kKeyLanguage, language.code);
        SelectLanguageFromSettings();
        OpenListed();
        EXPECT_EQ(window->FindWindow(CTessilDlg::kConnect)->GetLabel(), wxString::FromUTF8(language.connect));
        ConnectAndWaitForPanel();
        if (language.mask != nullptr) EXPECT_EQ(window->InfoPanel().Line(2).GetText(), language.mask);
        EXPECT_EQ(window->InfoPanel().Line(1).GetText(), "IP:192.0.2.20")
            << "the address prefix is not translated";
        const std::string name = language.code[0] == 0 ? "ENG" : WideToUtf8(language.code);
        EXPECT_TRUE(SaveScreenshot(*window, "language-" + name));
        window.reset();
        ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(10)));
    }
}

// The UI thread never waits on the network: while a volume request to an appliance that
// never answers runs, posted messages and timers are served.
TEST_F(MainWindowTest, StaysResponsiveWhileAnApplianceNeverAnswers) {
    StartAppliances("web.fault = never_answer\n");
    RememberLogin(u"Office", u"admin", u"admin");
    OpenListed();
    Press(CTessilDlg::kConnect);
    // The login is a datagram exchange; the volume request that follows is the silent one.
    ASSERT_TRUE(PumpUntil([&] { return window->LoggedIn(); }, std::chrono::seconds(20))) << Shown();

    struct Probe : MessageTarget {
        LRESULT OnMessage(unsigned, WPARAM, LPARAM) override {
            servedWhileWaiting = RunningWorkerCount() > 0;
            served = std::chrono::steady_clock::now();
            return 0;
        }
        WindowRegistration registration{*this};
        std::optional<bool> servedWhileWaiting;
        std::chrono::steady_clock::time_point served;
    } probe;
    bool timerWhileWaiting = false;
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { timerWhileWaiting = RunningWorkerCount() > 0; });

    ASSERT_GT(RunningWorkerCount(), 0);
    const auto posted = std::chrono::steady_clock::now();
    std::thread([handle = probe.registration.handle()] { PostMessage(handle, WM_USER + 1); }).join();
    timer.StartOnce(50);
    ASSERT_TRUE(PumpUntil([&] { return probe.servedWhileWaiting.has_value() && timerWhileWaiting; }));
    EXPECT_TRUE(*probe.servedWhileWaiting);
    EXPECT_FALSE(window->InfoPanel().IsShown()) << "the volumes never came";
    // Generous: the promise is 100 ms on an idle machine; this one is shared by parallel builds.
    EXPECT_LT(probe.served - posted, std::chrono::seconds(2));
}

TEST_F(MainWindowTest, TabVisitsTheControlsInReadingOrder) {
    StartAppliances();
    OpenListed();
    window->ApplianceList().SetFocus();
    std::vector<int> visited;
    for (int i = 0; i < 2; ++i) {
        window->FindFocus()->Navigate(wxNavigationKeyEvent::IsForward);
        Pump(std::chrono::milliseconds(20));
        visited.push_back(wxWindow::FindFocus() != nullptr ? wxWindow::FindFocus()->GetId() : -1);
    }
    EXPECT_EQ(visited[0], CTessilDlg::kConnect);
    EXPECT_EQ(visited[1], CTessilDlg::kRefresh);
}

}  // namespace
}  // namespace lumora::test

namespace lumora::test {
namespace {

// Run by the ctest "main-window-double-scale" with GDK_SCALE=2 on a screen big enough.
TEST_F(MainWindowTest, DrawnWholeAtDoubleScale) {
    const char* scale = std::getenv("GDK_SCALE");
    if (scale == nullptr || std::string(scale) != "2") GTEST_SKIP() << "needs GDK_SCALE=2";
    StartAppliances();
    RememberLogin(u"Office", u"admin", u"admin");
    OpenListed();
    ASSERT_EQ(window->GetContentScaleFactor(), 2.0);
    ConnectAndWaitForPanel();
    EXPECT_EQ(window->GetClientSize(), wxSize(CTessilDlg::kWidth, CTessilDlg::kHeight));
    ASSERT_TRUE(SaveScreenshot(*window, "double-scale"));
    wxImage shot(std::string(LUMORA_BINARY_DIR) + "/artifacts/main-window/double-scale.png",
                 wxBITMAP_TYPE_PNG);
    ASSERT_EQ(shot.GetSize(), wxSize(2 * CTessilDlg::kWidth, 2 * CTessilDlg::kHeight));
    // The close box in the far corner and the panel's last volume are drawn, not cut off.
    auto lit = [&shot](int x, int y) {
        return shot.GetRed(x, y) + shot.GetGreen(x, y) + shot.GetBlue(x, y) > 300;
    };
    int closeBox = 0, usageBar = 0;
    for (int y = 2 * 7; y < 2 * 32; ++y)
        for (int x = 2 * 991; x < 2 * 1016; ++x) closeBox += lit(x, y);
    for (int y = 2 * (256 + 185); y < 2 * (256 + 235); ++y)
        for (int x = 2 * 316; x < 2 * 897; ++x) usageBar += lit(x, y);
    EXPECT_GT(closeBox, 50);
    EXPECT_GT(usageBar, 50);
}

}  // namespace
}  // namespace lumora::test

namespace lumora::test {
namespace {

// Activity in any window of the tool reaches the main window: key releases of text and
// Enter, left-button releases; not navigation keys, modifiers or a button held down.
TEST(ActivityFilterTest, ReportsTheActionsThatCountFromEveryWindow) {
    struct Counter : MessageTarget {
        LRESULT OnMessage(unsigned message, WPARAM, LPARAM) override {
            count += message == WM_USER_ACTIVITY;
            return 0;
        }
        WindowRegistration registration{*this};
        int count = 0;
    } mainWindow;
    TestWindow<RecordingWindow> other(new RecordingWindow(wxSize(200, 100)));
    other->Show();
    auto* field = new wxTextCtrl(other.get(), wxID_ANY, "", wxPoint(10, 10), wxSize(100, 24));
    ActivityFilter filter(mainWindow.registration.handle());
    filter.Install();

    for (int key : {WXK_LEFT, WXK_TAB, WXK_SHIFT, WXK_CONTROL, WXK_ESCAPE})
        SendKey(*field, wxEVT_KEY_UP, key);
    auto press = [&field](bool repeat) {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = 'B';
        event.m_isRepeat = repeat;
        event.SetEventObject(field);
        field->GetEventHandler()->ProcessEvent(event);
    };
    press(false);  // a first press counts only when released
    SendMouse(*other, wxEVT_LEFT_DOWN, 5, 5);
    SendMouse(*other, wxEVT_MOTION, 6, 6);
    EXPECT_EQ(mainWindow.count, 0);
    SendMouse(*other, wxEVT_LEFT_UP, 6, 6);
    SendKey(*field, wxEVT_KEY_UP, 'A');
    SendKey(*field, wxEVT_KEY_UP, WXK_RETURN);
    press(true);  // a held key repeating
    EXPECT_EQ(mainWindow.count, 4);

    filter.Remove();
    SendKey(*field, wxEVT_KEY_UP, 'A');
    EXPECT_EQ(mainWindow.count, 4);
}

}  // namespace
}  // namespace lumora::test
