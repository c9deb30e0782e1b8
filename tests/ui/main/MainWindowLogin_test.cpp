// Logging in through the real login dialog: new credentials of a user whose rights
// come from the appliance, a refused login, and remembered credentials that cannot be
// sent as they stand.

#include "MainWindowFixture.h"

#include "protocol/query/Credentials.h"
#include "ui/main/LoginDialog.h"

namespace lumora::test {
namespace {

// Types the credentials into the open login dialog and presses OK.
void AnswerLogin(const wxString& user, const wxString& password, bool remember,
                 const std::string& screenshot = {}) {
    WhenOpen<CLoginDialog>([=](CLoginDialog& dialog) {
        dialog.UserEdit().ChangeValue(user);
        dialog.PasswordEdit().ChangeValue(password);
        dialog.RememberBox().SetCheck(remember ? 1 : 0);
        if (!screenshot.empty()) {
            EXPECT_TRUE(SaveScreenshot(dialog, screenshot));
        }
        PressButton(dialog, CLoginDialog::kOk);
    });
}

TEST_F(MainWindowTest, UserLogsInWithNewCredentialsAndGetsTheCentresTheApplianceGrants) {
    StartAppliances();
    dialogs.RunReal("CLoginDialog");
    OpenListed();
    ASSERT_EQ(window->ApplianceList().GetSelection(), 0);

    AnswerLogin("bob", "secret", false, "login-dialog");
    ConnectAndWaitForPanel();
    EXPECT_FALSE(g_isAdmin);
    EXPECT_EQ(window->WelcomeLine().GetText(), "Welcome bob");
    // "1,1,1,1,0,1,1,1,0,1,0": Download and Backup granted, Management not.
    EXPECT_TRUE(Enabled(CTessilDlg::kDownloadCenter));
    EXPECT_TRUE(Enabled(CTessilDlg::kBackupCenter));
    EXPECT_FALSE(Enabled(CTessilDlg::kManagementCenter));
    EXPECT_TRUE(Enabled(CTessilDlg::kFolder));
    std::u16string stored = u"unchanged";
    EXPECT_FALSE(ReadSetting(u"Office", kKeyUserName, stored)) << "not remembered: the key is kept empty";
    stored.clear();
    EXPECT_TRUE(ReadSetting(kSectionCurrent, kKeyServName, stored));
    EXPECT_EQ(stored, u"Office");

    // A password the address would cut short reaches the web page whole.
    AnswerLogin("carol", "p&ss#1", true);
    ConnectAndWaitForPanel();
    Press(CTessilDlg::kDownloadCenter);
    ASSERT_EQ(launcher.opened.size(), 1u);
    EXPECT_EQ(launcher.opened[0], "http://192.0.2.20/web/tessil_redirect.html?m=3&u=carol&p=p%26ss%231");
    EXPECT_EQ(ReadRememberedLogin(u"Office").password, u"p&ss#1");
}

TEST_F(MainWindowTest, RefusedLoginLeavesTheWindowListed) {
    StartAppliances();
    dialogs.RunReal("CLoginDialog");
    OpenListed();
    AnswerLogin("admin", "wrong", true);
    Press(CTessilDlg::kConnect);
    ASSERT_TRUE(PumpUntil([&] { return WasShown(u"Username or password error."); }, std::chrono::seconds(20)))
        << Shown();
    ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(10)));
    Pump();
    EXPECT_FALSE(window->InfoPanel().IsShown());
    EXPECT_FALSE(Enabled(CTessilDlg::kLogout));
    EXPECT_TRUE(Enabled(CTessilDlg::kConnect));
    EXPECT_TRUE(ReadRememberedLogin(u"Office").userName.empty()) << "a refused login is forgotten";
}

TEST_F(MainWindowTest, RememberedCredentialsThatCannotBeSentAreRefusedNotCut) {
    StartAppliances();
    dialogs.RunReal("CLoginDialog");
    RememberLogin(u"Office", u"admin", u"admin-and-more-than-16");
    OpenListed();
    WhenOpen<CLoginDialog>([](CLoginDialog& dialog) {
        EXPECT_EQ(dialog.PasswordEdit().GetValue(), "admin-and-more-than-16") << "shown whole";
        EXPECT_EQ(dialog.RememberBox().GetCheck(), 1);
        PressButton(dialog, CLoginDialog::kOk);
        EXPECT_TRUE(dialog.IsModal()) << "refused: the dialog stays open";
        dialog.UserEdit().ChangeValue(
            wxString::FromUTF8("\xE2\x82\xAC\xE5\xAD\x97"));  // "€字": no byte for 字
        dialog.PasswordEdit().ChangeValue("admin");
        PressButton(dialog, CLoginDialog::kOk);
        EXPECT_TRUE(dialog.IsModal());
        dialog.UserEdit().ChangeValue("");
        PressButton(dialog, CLoginDialog::kOk);
        // Escape cancels.
        wxKeyEvent escape(wxEVT_CHAR_HOOK);
        escape.m_keyCode = WXK_ESCAPE;
        escape.SetEventObject(&dialog);
        dialog.GetEventHandler()->ProcessEvent(escape);
    });
    const RequestHandle search = window->LastRequest();
    Press(CTessilDlg::kConnect);
    const std::vector<MessageBoxRequest> shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 3u) << Shown();
    EXPECT_EQ(shown[0].text, CredentialProblem(u"admin-and-more-than-16"));
    EXPECT_EQ(shown[1].text, CredentialProblem(u"\u20AC\u5B57"));
    EXPECT_EQ(shown[2].text, u"User name couldn't be empty.");
    EXPECT_EQ(window->LastRequest(), search) << "nothing was sent";
    EXPECT_EQ(ReadRememberedLogin(u"Office").password, u"admin-and-more-than-16")
        << "the settings are untouched";
}

}  // namespace
}  // namespace lumora::test
