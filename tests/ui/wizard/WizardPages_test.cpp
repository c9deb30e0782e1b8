// The wizard against a simulated appliance: pages by role, the password, device and
// time-zone pages end to end.

#include "ui/wizard/WizardTestSupport.h"

#include "protocol/cgi/CgiReplyRecords.h"
#include "ui/skin/WxText.h"

namespace lumora::test {
namespace {

using Id = CWizardDialog::Id;

class WizardPagesTest : public WizardTest {};

TEST_F(WizardPagesTest, AdministratorGetsSixPagesAndAUserTwo) {
    ASSERT_NO_FATAL_FAILURE(StartAppliance());
    OpenWizard(false);
    ASSERT_EQ(wizard->Pages().size(), 2u);
    for (int step = 0; step < 6; ++step)
        EXPECT_EQ(wizard->Tab(step).IsEnabled(), step == 0 || step == 5) << step;
    EXPECT_TRUE(IsShown(Id::kNextId) && IsShown(Id::kSkipId));
    EXPECT_FALSE(IsShown(Id::kFinishId) || IsShown(Id::kPreviousId));
    ASSERT_TRUE(Press(Id::kSkipId));
    ASSERT_TRUE(WaitForPage(pages.driveMapping));
    EXPECT_TRUE(IsShown(Id::kFinishId) && IsShown(Id::kPreviousId));
    EXPECT_FALSE(IsShown(Id::kNextId));
    EXPECT_TRUE(Requests("cmd=cgi_chg_user_pw").empty());  // Skip sent nothing
    ASSERT_TRUE(Press(Id::kFinishId));
    EXPECT_EQ(wizard->EndCode(), CWizardDialog::ID_WIZFINISH);
    delete wizard;
    wizard = nullptr;

    OpenWizard(true);
    ASSERT_EQ(wizard->Pages().size(), 6u);
    for (int step = 0; step < 6; ++step) EXPECT_TRUE(wizard->Tab(step).IsEnabled()) << step;
    EXPECT_EQ(wizard->Tab(0).GetStepState(), StepState::Current);
    EXPECT_EQ(wizard->Tab(1).GetStepState(), StepState::ToCome);
    EXPECT_EQ(g_hOpenModal, wizard->Handle());
    Screenshot(*wizard, "1-password");
}

TEST_F(WizardPagesTest, PasswordChangeRefusedThenAcceptedAndUsedByTheNextRequest) {
    ASSERT_NO_FATAL_FAILURE(StartAppliance());
    OpenWizard(true);
    CUserNamePage& page = pages.password;
    page.oldEdit->ChangeValue("admin");
    page.newEdit->ChangeValue("abc");
    page.confirmEdit->ChangeValue("abd");
    ASSERT_TRUE(Press(Id::kNextId));
    EXPECT_TRUE(dialogs.Showed(u"The password and confirmation password characters do not match."));
    page.newEdit->ChangeValue("pass_word1");
    page.confirmEdit->ChangeValue("pass_word1");
    ASSERT_TRUE(Press(Id::kNextId));
    EXPECT_TRUE(dialogs.ShowedPart(u"at least 8 characters"));
    EXPECT_TRUE(Requests("cmd=cgi_chg_user_pw").empty());

    // The appliance refuses a wrong old password: the page stays and can be skipped.
    page.oldEdit->ChangeValue("wrong");
    page.newEdit->ChangeValue("Secret123");
    page.confirmEdit->ChangeValue("Secret123");
    ASSERT_TRUE(Press(Id::kNextId));
    ASSERT_TRUE(PumpUntil([&] { return dialogs.Showed(u"password error."); }, 20s));
    EXPECT_EQ(wizard->ActivePage(), &page);
    EXPECT_TRUE(IsShown(Id::kNextId) && IsShown(Id::kSkipId));
    EXPECT_EQ(CredentialText(g_password), "admin");

    page.oldEdit->ChangeValue("admin");
    ASSERT_TRUE(Press(Id::kNextId));
    ASSERT_TRUE(WaitForPage(pages.device));
    EXPECT_EQ(CredentialText(g_password), "Secret123");
    // The device page's own request already authorises with the new password.
    ASSERT_TRUE(PumpUntil([&] { return pages.device.nameEdit->GetValue() == "Attic"; }, 20s));
    const std::vector<std::string> all = RecordedRequests();
    ASSERT_FALSE(all.empty());
    EXPECT_NE(all.back().find("Authorization: Basic " + Base64Encode("admin:Secret123")), std::string::npos)
        << all.back();
    EXPECT_EQ(Requests("cmd=cgi_chg_user_pw").size(), 2u);
}

TEST_F(WizardPagesTest, DeviceInformationRefusesWhatCannotBeSentAndSendsTheRest) {
    ASSERT_NO_FATAL_FAILURE(StartAppliance());
    OpenWizard(true);
    ASSERT_TRUE(Press(Id::kSkipId));
    ASSERT_TRUE(WaitForPage(pages.device));
    CUserGroupPage& page = pages.device;
    ASSERT_TRUE(PumpUntil([&] { return page.nameEdit->GetValue() == "Attic"; }, 20s));
    EXPECT_EQ(page.workgroupEdit->GetValue(), "WORKGROUP");
    Screenshot(*wizard, "2-device-info");

    // '*' comes before '#' in the list, so the workgroup is named although the name is wrong too.
    page.nameEdit->ChangeValue("Attic#2");
    page.workgroupEdit->ChangeValue("HOME*");
    ASSERT_TRUE(Press(Id::kNextId));
    EXPECT_TRUE(dialogs.Showed(u"The Workgroup must not include the following characters:" +
                               std::u16string(kForbiddenNameCharacters) + u"."));
    // Fifteen letters that take two bytes each do not fit the name's 15 bytes.
    page.nameEdit->ChangeValue(
        wxString::FromUTF8("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"));
    page.workgroupEdit->ChangeValue("HOME");
    ASSERT_TRUE(Press(Id::kNextId));
    EXPECT_TRUE(dialogs.ShowedPart(u"The Name is too long"));
    EXPECT_TRUE(Requests("cmd=cgi_device").empty());

    page.nameEdit->ChangeValue("Cellar_2");
    page.descriptionEdit->ChangeValue(wxString::FromUTF8("Caf\xC3\xA9 shelf #3"));
    ASSERT_TRUE(Press(Id::kNextId));
    ASSERT_TRUE(WaitForPage(pages.timeZone));
    const std::vector<std::string> sent = Requests("cmd=cgi_device");
    ASSERT_EQ(sent.size(), 1u);
    // Form values escape only what would change the form: the UTF-8 bytes and spaces go as they are.
    EXPECT_NE(sent[0].find("Caf\xC3\xA9 shelf %233"), std::string::npos) << sent[0];
    EXPECT_NE(sent[0].find("Cellar_2"), std::string::npos) << sent[0];
    EXPECT_NE(sent[0].find("HOME"), std::string::npos) << sent[0];
}

TEST_F(WizardPagesTest, TimeZoneIsSentAsLoadedOrAsClickedAndNeverOutsideTheList) {
    ASSERT_NO_FATAL_FAILURE(StartAppliance("web.timezone = 74\n"));
    OpenWizard(true);
    ASSERT_TRUE(Press(&wizard->Tab(2)));
    ASSERT_TRUE(WaitForPage(pages.timeZone));
    CTimeZonePage& page = pages.timeZone;
    ASSERT_TRUE(PumpUntil([&] { return page.loadedRow == 73; }, 20s));
    EXPECT_EQ(page.list->GetSelection(), 73);
    EXPECT_EQ(page.list->GetItemText(73, 1), u"GMT+08:00");
    Screenshot(*wizard, "3-time-zone");

    // An answer naming no zone selects nothing, and Next then sends nothing.
    g_wizardInfo.Update([](WizardInfo& info) { info.timeZone = 97; });
    SendMessage(page.Handle(), WM_CGI_RESULT, 0, 2);
    EXPECT_EQ(page.list->GetSelection(), -1);
    EXPECT_EQ(page.loadedRow, -1);
    ASSERT_TRUE(Press(Id::kNextId));
    EXPECT_EQ(wizard->ActivePage(), &page);
    EXPECT_TRUE(Requests("cmd=cgi_timezone").empty());

    // Unclicked, the loaded zone goes back as it was; the arrow keys do not choose.
    g_wizardInfo.Update([](WizardInfo& info) { info.timeZone = 74; });
    SendMessage(page.Handle(), WM_CGI_RESULT, 0, 2);
    SendKey(*page.list, wxEVT_KEY_DOWN, WXK_DOWN);
    ASSERT_TRUE(Press(Id::kNextId));
    ASSERT_TRUE(WaitForPage(pages.network));
    EXPECT_EQ(Requests("cmd=cgi_timezone"), std::vector<std::string>{"cmd=cgi_timezone&f_timezone=74"});

    ASSERT_TRUE(Press(Id::kPreviousId));
    ASSERT_TRUE(WaitForPage(page));
    ASSERT_TRUE(PumpUntil([&] { return page.loadedRow == 73; }, 20s));
    const int top = page.list->GetTopIndex();
    Click(*page.list, 40, 2 * 30 + 10);  // the third row shown
    Pump(30ms);
    ASSERT_TRUE(Press(Id::kNextId));
    ASSERT_TRUE(WaitForPage(pages.network));
    const std::vector<std::string> sent = Requests("cmd=cgi_timezone");
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1], "cmd=cgi_timezone&f_timezone=" + std::to_string(top + 3));
}

}  // namespace
}  // namespace lumora::test
