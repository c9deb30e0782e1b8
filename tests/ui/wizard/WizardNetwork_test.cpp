// Moving the appliance: the network page with the wizard's address poll, and the
// change-address dialog for an appliance found on another subnet.

#include "ui/wizard/WizardTestSupport.h"

#include "ui/wizard/SettingIpDialog.h"

namespace lumora::test {
namespace {

using Id = CWizardDialog::Id;

class WizardNetworkTest : public WizardTest {
protected:
    // Opens the network page and waits until it shows the appliance's static settings.
    void OpenNetworkPage() {
        OpenWizard(true);
        ASSERT_TRUE(Press(&wizard->Tab(3)));
        ASSERT_TRUE(WaitForPage(pages.network));
        ASSERT_TRUE(
            PumpUntil([&] { return !pages.network.IsDhcp() && !pages.network.fields[0]->IsBlank(); }, 20s));
    }
    void TypeAddress(int field, std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
        pages.network.fields[field]->SetOctets(a, b, c, d);
    }
};

TEST_F(WizardNetworkTest, ANewAddressOnTheSameSubnetIsFollowedAndTheWizardMovesOn) {
    ASSERT_NO_FATAL_FAILURE(StartAppliance());
    ASSERT_NO_FATAL_FAILURE(OpenNetworkPage());
    Screenshot(*wizard, "4-network");
    TypeAddress(CNetworkPage::kAddressField, 192, 0, 2, 60);
    ASSERT_TRUE(Press(Id::kNextId));
    ASSERT_TRUE(WaitForPage(pages.raid));
    EXPECT_STREQ(NasList::Instance().At(0)->ip.data(), "192.0.2.60");
    EXPECT_FALSE(wizard->IsPolling());
    ASSERT_EQ(Requests("cmd=cgi_ip").size(), 1u);
    EXPECT_NE(Requests("cmd=cgi_ip")[0].find("f_ip=192.0.2.60"), std::string::npos);
    EXPECT_EQ(owner.otherSubnet, 0);
    // A new discovery finds it at its new address.
    ASSERT_NO_FATAL_FAILURE(Discover());
    EXPECT_STREQ(NasList::Instance().At(0)->ip.data(), "192.0.2.60");
}

TEST_F(WizardNetworkTest, AnotherSubnetTellsTheMainWindowWhichClosesTheWizard) {
    ASSERT_NO_FATAL_FAILURE(StartAppliance());
    ASSERT_NO_FATAL_FAILURE(OpenNetworkPage());
    TypeAddress(CNetworkPage::kAddressField, 198, 51, 100, 20);
    TypeAddress(CNetworkPage::kGatewayField, 198, 51, 100, 1);
    ASSERT_TRUE(Press(Id::kNextId));
    ASSERT_TRUE(PumpUntil([&] { return owner.otherSubnet > 0; }, 20s));
    EXPECT_EQ(wizard->EndCode(), IDCANCEL);
    EXPECT_FALSE(wizard->IsShown());
    EXPECT_FALSE(wizard->IsPolling());
}

TEST_F(WizardNetworkTest, ThePollGivesUpAfterEightTries) {
    ASSERT_NO_FATAL_FAILURE(StartAppliance("web.fault = zero_lan_address\n"));
    ASSERT_NO_FATAL_FAILURE(OpenNetworkPage());
    TypeAddress(CNetworkPage::kAddressField, 192, 0, 2, 61);
    ASSERT_TRUE(Press(Id::kNextId));
    ASSERT_TRUE(PumpUntil([&] { return dialogs.Showed(u"get NAS new ip error."); }, 20s));
    EXPECT_FALSE(wizard->IsPolling());
    EXPECT_EQ(wizard->ActivePage(), &pages.network);
    EXPECT_TRUE(IsShown(Id::kNextId) && IsShown(Id::kPreviousId));
    WaitForWorkers(20s);
    EXPECT_EQ(Requests("cmd=cgi_get_lan_xml2").size(), 8u);
}

TEST_F(WizardNetworkTest, ChangeAddressDialogMovesAnApplianceFromAnotherSubnet) {
    ASSERT_NO_FATAL_FAILURE(StartAppliance({}, "203.0.113.20"));
    auto* dialog = new CSettingIpDialog(nullptr, 0);
    TestWindow<CSettingIpDialog> closer(dialog);
    dialog->Move(0, 0);
    dialog->Show();
    EXPECT_FALSE(dialog->IsDhcp());
    EXPECT_EQ(dialog->Field(CSettingIpDialog::kAddress).FieldText(0), u"203");
    Screenshot(*dialog, "0-change-address");

    dialog->Field(CSettingIpDialog::kAddress).SetOctets(127, 0, 0, 9);
    dialog->OnOK();
    EXPECT_TRUE(dialogs.Showed(u"IP address input error. Please try again."));
    // A gateway outside the new subnet is asked about; No keeps the dialog as it is.
    dialog->Field(CSettingIpDialog::kAddress).SetOctets(192, 0, 2, 77);
    dialog->Field(CSettingIpDialog::kGateway).SetOctets(203, 0, 113, 1);
    dialogs.Answer(DialogAnswer::No);
    dialog->OnOK();
    EXPECT_TRUE(dialogs.ShowedPart(u"Do you want to save this configuration?"));
    EXPECT_EQ(dialog->EndCode(), 0);

    dialog->Field(CSettingIpDialog::kGateway).SetOctets(192, 0, 2, 1);
    dialog->OnOK();
    ASSERT_TRUE(PumpUntil([&] { return dialog->EndCode() != 0; }, 20s));
    EXPECT_EQ(dialog->EndCode(), IDOK);
    ASSERT_NO_FATAL_FAILURE(Discover());
    EXPECT_STREQ(NasList::Instance().At(0)->ip.data(), "192.0.2.77");
}

}  // namespace
}  // namespace lumora::test
