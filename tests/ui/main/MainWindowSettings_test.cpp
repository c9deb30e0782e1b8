// Settings, Help, the first-open offer and the inactivity logout, with the real
// settings dialog.

#include "MainWindowFixture.h"

#include "protocol/query/Messages.h"
#include "ui/main/SettingsDialog.h"

namespace lumora::test {
namespace {

TEST_F(MainWindowTest, SettingsDialogStoresThePeriodAndCancelChangesNothing) {
    StartAppliances();
    dialogs.RunReal("CSettingsDialog");
    OpenListed();
    EXPECT_EQ(g_logoutPeriod, 3600000u) << "no stored period means an hour";

    WhenOpen<CSettingsDialog>([](CSettingsDialog& dialog) {
        EXPECT_EQ(dialog.Choice(CSettingsDialog::kMinutes60).GetCheck(), 1);
        dialog.Choice(CSettingsDialog::kMinutes5).SetCheck(1);
        // OK once the rest of the group has heard of it.
        WhenOpen<CSettingsDialog>([](CSettingsDialog& dialog) {
            EXPECT_EQ(dialog.Choice(CSettingsDialog::kMinutes60).GetCheck(), 0);
            EXPECT_TRUE(SaveScreenshot(dialog, "settings-dialog"));
            PressButton(dialog, CSettingsDialog::kOk);
        });
    });
    Press(CTessilDlg::kSettings);
    EXPECT_EQ(g_logoutPeriod, 300000u);
    std::u16string stored;
    EXPECT_TRUE(ReadSetting(kSectionCurrent, kKeyLoginOutTime, stored));
    EXPECT_EQ(stored, u"300000:");

    WhenOpen<CSettingsDialog>([](CSettingsDialog& dialog) {
        dialog.Choice(CSettingsDialog::kNever).SetCheck(1);
        wxKeyEvent escape(wxEVT_CHAR_HOOK);
        escape.m_keyCode = WXK_ESCAPE;
        escape.SetEventObject(&dialog);
        dialog.GetEventHandler()->ProcessEvent(escape);
    });
    Press(CTessilDlg::kSettings);
    EXPECT_EQ(g_logoutPeriod, 300000u);
    EXPECT_TRUE(ReadSetting(kSectionCurrent, kKeyLoginOutTime, stored));
    EXPECT_EQ(stored, u"300000:");

    Press(CTessilDlg::kHelp);
    ASSERT_FALSE(dialogs.shown().empty());
    EXPECT_EQ(dialogs.shown().back().text.substr(0, 20), u"Lumora ( 1.0.0.16 )\n");
}

TEST_F(MainWindowTest, IdleLoginSendsNothingAndTimesOutClosingTheSettingsDialog) {
    StartAppliances();
    dialogs.RunReal("CSettingsDialog");
    RememberLogin(u"Office", u"admin", u"admin");
    OpenListed();
    ConnectAndWaitForPanel();
    ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(10)));
    const std::size_t requestsWhenLoggedIn = RecordedRequests();
    EXPECT_EQ(requestsWhenLoggedIn, 1u) << "the volume list";

    // A short period; the settings dialog is left open until the timeout closes it.
    g_logoutPeriod = 1500;
    SendMessage(window->Handle(), WM_USER_ACTIVITY);  // as a key release would: the timer restarts
    // If the timeout never comes, the test ends the dialog itself and fails below.
    bool endedByTest = false;
    wxTimer guard;
    guard.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        WhenOpen<CSettingsDialog>([&](CSettingsDialog& dialog) {
            endedByTest = true;
            dialog.EndModal(IDOK);
        });
    });
    guard.StartOnce(30000);
    Press(CTessilDlg::kSettings);
    guard.Stop();
    EXPECT_FALSE(endedByTest);
    EXPECT_TRUE(WasShown(u"Time out, please login again.")) << Shown();
    EXPECT_EQ(g_hOpenModal, kNoWindow);
    std::u16string stored;
    EXPECT_FALSE(ReadSetting(kSectionCurrent, kKeyLoginOutTime, stored)) << "closed as Cancel";
    EXPECT_FALSE(window->LoggedIn());
    EXPECT_FALSE(window->NoticesActivity());
    EXPECT_FALSE(window->InfoPanel().IsShown());
    EXPECT_FALSE(Enabled(CTessilDlg::kLogout));
    // Idle means idle: the appliance heard nothing from the logged-in window.
    EXPECT_EQ(RecordedRequests(), requestsWhenLoggedIn);
}

TEST_F(MainWindowTest, FirstLoginOffersTheWizardOnce) {
    StartAppliances();
    WriteSetting(kSectionUsed, kKeyFirstOpen, u"");
    RememberLogin(u"Office", u"admin", u"admin");
    OpenListed();
    dialogs.Answer(DialogAnswer::Cancel);
    ConnectAndWaitForPanel();
    const std::u16string offer = u"Welcome admin, do you want to go to wizard to setup your KL-440?";
    EXPECT_TRUE(WasShown(offer)) << Shown();
    std::u16string stored;
    EXPECT_TRUE(ReadSetting(kSectionUsed, kKeyFirstOpen, stored));
    EXPECT_EQ(stored, u"FALSE");
    dialogs.Clear();
    Press(CTessilDlg::kConnect);
    ASSERT_TRUE(PumpUntil([&] { return window->InfoPanel().IsShown(); }, std::chrono::seconds(20)));
    EXPECT_FALSE(WasShown(offer));
}

}  // namespace
}  // namespace lumora::test
