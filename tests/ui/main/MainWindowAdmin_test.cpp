// The main window with an administrator: search, preselection, Connect with
// remembered credentials, volumes and folders, web centres, shares, logout and
// a reply made stale by Refresh.

#include "MainWindowFixture.h"

#include "protocol/query/Credentials.h"

namespace lumora::test {
namespace {

TEST_F(MainWindowTest, AdministratorSeesVolumesFoldersAndCentres) {
    StartAppliances();
    WriteSetting(kSectionCurrent, kKeyServName, u"Attic");
    RememberLogin(u"Attic", u"admin", u"admin");
    OpenListed();
    EXPECT_EQ(window->ApplianceList().GetSelection(), 1) << "the last appliance logged in to is preselected";
    EXPECT_TRUE(Enabled(CTessilDlg::kConnect));
    EXPECT_FALSE(Enabled(CTessilDlg::kLogout));
    EXPECT_FALSE(Enabled(CTessilDlg::kWizard));
    EXPECT_TRUE(SaveScreenshot(*window, "main-listed"));

    // Remembered credentials: the dialog is answered OK as it was filled.
    ConnectAndWaitForPanel();
    EXPECT_EQ(dialogs.modals(), std::vector<std::string>{"CLoginDialog"});
    EXPECT_EQ(window->InfoPanel().VolumeCount(), 2);
    EXPECT_TRUE(window->InfoPanel().Volume(0).IsShown());
    EXPECT_EQ(window->InfoPanel().Line(0).GetText(), "Attic");
    EXPECT_EQ(window->InfoPanel().Line(1).GetText(), "IP:192.0.2.30");
    EXPECT_EQ(window->WelcomeLine().GetText(), "Welcome admin");
    EXPECT_TRUE(Enabled(CTessilDlg::kManagementCenter));
    EXPECT_TRUE(Enabled(CTessilDlg::kLogout));
    EXPECT_TRUE(window->NoticesActivity());
    EXPECT_EQ(CredentialText(g_password), "admin");
    std::u16string stored;
    EXPECT_TRUE(ReadSetting(u"Attic", kKeyUserName, stored));
    EXPECT_TRUE(SaveScreenshot(*window, "main-volumes"));

    Press(CTessilDlg::kFolder);
    ASSERT_TRUE(PumpUntil([&] { return window->InfoPanel().FolderList().Grid().Count() == 3; }))
        << window->InfoPanel().FolderList().Grid().Count();
    EXPECT_TRUE(window->InfoPanel().FolderList().IsShown());
    EXPECT_FALSE(window->InfoPanel().Volume(0).IsShown());
    EXPECT_TRUE(SaveScreenshot(*window, "main-folders"));
    // A double-clicked folder opens in the file manager.
    PostMessage(window->InfoPanel().Handle(), WM_SKIN_FOLDEROPEN, 2, 0);
    Press(CTessilDlg::kManagementCenter);
    Press(CTessilDlg::kDownloadCenter);
    ASSERT_TRUE(PumpUntil([&] { return launcher.opened.size() == 3; })) << launcher.opened.size();
    EXPECT_EQ(launcher.opened[0], "http://192.0.2.30/web/tessil_redirect.html?m=2&u=admin&p=admin&d=status");
    EXPECT_EQ(launcher.opened[1], "http://192.0.2.30/web/tessil_redirect.html?m=3&u=admin&p=admin");
    EXPECT_EQ(launcher.opened[2], "smb://192.0.2.30/USB%20Stick");

    // Connect again but cancel the login dialog: the login stays as it was.
    dialogs.AnswerModal("CLoginDialog", IDCANCEL);
    Press(CTessilDlg::kConnect);
    EXPECT_TRUE(window->InfoPanel().IsShown());
    EXPECT_TRUE(window->NoticesActivity());
    EXPECT_TRUE(window->LoggedIn());

    Press(CTessilDlg::kLogout);
    EXPECT_FALSE(window->InfoPanel().IsShown());
    EXPECT_FALSE(Enabled(CTessilDlg::kLogout));
    EXPECT_TRUE(Enabled(CTessilDlg::kConnect));
    EXPECT_FALSE(window->NoticesActivity());
    EXPECT_TRUE(CredentialText(g_password).empty());
    EXPECT_EQ(window->WelcomeLine().GetText(), "");
    EXPECT_TRUE(SaveScreenshot(*window, "main-logged-out"));
}

TEST_F(MainWindowTest, ReplyToARequestMadeStaleByRefreshIsDiscarded) {
    StartAppliances();
    RememberLogin(u"Office", u"admin", u"admin");
    OpenListed();
    ConnectAndWaitForPanel();
    // The share list is asked for and, before its reply can arrive, a new search starts.
    Press(CTessilDlg::kFolder);
    Press(CTessilDlg::kRefresh);
    ASSERT_TRUE(PumpUntil([&] { return Enabled(CTessilDlg::kConnect); }, std::chrono::seconds(20)));
    ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(10)));
    Pump();
    EXPECT_EQ(window->InfoPanel().FolderList().Grid().Count(), 0);
    EXPECT_FALSE(window->InfoPanel().IsShown());
    EXPECT_EQ(window->ApplianceList().GetCount(), 3);
}

}  // namespace
}  // namespace lumora::test
