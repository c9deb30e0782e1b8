// Set-address requests against simulated appliances.

#include "ExchangeFixture.h"

namespace lumora::test {
namespace {

class SetAddressExchangeTest : public ExchangeTest {
protected:
    // Sends the request and pumps until its report; returns the report.
    RecordedMessage SetAddress(int nasIndex, const IpConfigBlock& block) {
        window.got.clear();
        EXPECT_NE(StartSetAddress(registration.handle(), nasIndex, block), 0u);
        EXPECT_TRUE(WaitForMessages(1));
        return window.got.empty() ? RecordedMessage{} : window.got[0];
    }
};

TEST_F(SetAddressExchangeTest, ApplianceOnAnotherSubnetMovesOntoTheAdapters) {
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    ASSERT_TRUE(
        net.StartSim(SimBinary(), ApplianceSection("Stray", "00:00:00:00:00:07", "nas0", "198.51.100.20")));
    Discover();
    ASSERT_EQ(NasList::Instance().Count(), 1);
    EXPECT_EQ(FieldText(NasList::Instance().At(0)->ip), "198.51.100.20");
    EXPECT_EQ(NasList::Instance().At(0)->adapterIndex, 0);

    RecordedMessage report =
        SetAddress(0, MakeIpConfigBlock("192.0.2.50", "255.255.255.0", "192.0.2.1", false));
    EXPECT_EQ(report.message, WM_SETIP_RESULT);
    EXPECT_EQ(report.wParam, 0u);
    EXPECT_EQ(report.lParam, 4);

    Discover();
    ASSERT_EQ(NasList::Instance().Count(), 1);
    const NasDevice moved = *NasList::Instance().At(0);
    EXPECT_EQ(FieldText(moved.ip), "192.0.2.50");
    EXPECT_EQ(FieldText(moved.gateway), "192.0.2.1");
    EXPECT_EQ(FieldText(moved.dhcpFlag), "0");
    // The appliance really holds its new address on its link.
    EXPECT_EQ(net.appliances().Run({"ip", "-4", "addr", "show", "to", "192.0.2.50/32", "dev", "nas0"}), 0);
}

TEST_F(SetAddressExchangeTest, DhcpTakesTheAddressTheServerHandsOut) {
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    ASSERT_TRUE(net.StartSim(SimBinary(), ApplianceSection("Dyn", "00:00:00:00:00:08", "nas0", "192.0.2.20",
                                                           "dhcp_ip = 192.0.2.99\n")));
    Discover();
    EXPECT_EQ(SetAddress(0, MakeIpConfigBlock("", "", "", true)).wParam, 0u);
    Discover();
    ASSERT_EQ(NasList::Instance().Count(), 1);
    EXPECT_EQ(FieldText(NasList::Instance().At(0)->ip), "192.0.2.99");
    EXPECT_EQ(FieldText(NasList::Instance().At(0)->dhcpFlag), "1");
}

TEST_F(SetAddressExchangeTest, AcknowledgementOfAnotherRequestIsAFailureAfterEveryTurn) {
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    ASSERT_TRUE(
        net.StartSim(SimBinary(), ApplianceSection("Odd", "00:00:00:00:00:01", "nas0", "192.0.2.20")));
    Discover();
    net.StopSim();
    ASSERT_TRUE(net.StartSim(
        SimBinary(), ApplianceSection("Odd", "00:00:00:00:00:01", "nas0", "192.0.2.20", "wrong_id = 1\n")));
    // At the product's timing this waits all 301 turns (about 33 s).
    const RecordedMessage report = SetAddress(0, MakeIpConfigBlock("192.0.2.61", "255.255.255.0", "", false));
    EXPECT_EQ(report.message, WM_SETIP_RESULT);
    EXPECT_EQ(report.wParam, 1u);
    EXPECT_EQ(report.lParam, 4);
}

}  // namespace
}  // namespace lumora::test
