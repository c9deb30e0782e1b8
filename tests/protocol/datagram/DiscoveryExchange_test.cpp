// Discovery against simulated appliances over veth links in private namespaces.

#include "protocol/datagram/AdapterTable.h"

#include "ExchangeFixture.h"

namespace lumora::test {
namespace {

class DiscoveryExchangeTest : public ExchangeTest {};

TEST_F(DiscoveryExchangeTest, OneAdapterOneApplianceWithEveryField) {
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    ASSERT_TRUE(net.StartSim(SimBinary(), ApplianceSection("KL440-Office", "00:11:22:33:44:55", "nas0",
                                                           "192.0.2.20", "extra = shelf 2\ndhcp = 1\n")));
    Discover();

    const AdapterTable& adapters = AdapterTable::Instance();
    ASSERT_EQ(adapters.count, 1);
    EXPECT_EQ(FieldText(adapters.address[0]), "192.0.2.1");
    EXPECT_EQ(FieldText(adapters.netmask[0]), "255.255.255.0");

    ASSERT_EQ(NasList::Instance().Count(), 1);
    const NasDevice d = *NasList::Instance().At(0);
    EXPECT_EQ(FieldText(d.name), "KL440-Office");
    EXPECT_EQ(FieldText(d.ip), "192.0.2.20");
    EXPECT_EQ(FieldText(d.netmask), "255.255.255.0");
    EXPECT_EQ(FieldText(d.gateway), "192.0.2.1");
    EXPECT_EQ(FieldText(d.dhcpFlag), "1");
    EXPECT_EQ(FieldText(d.extraText), "shelf 2");
    EXPECT_EQ(FieldText(d.macText), "00:11:22:33:44:55");
    EXPECT_EQ(d.adapterIndex, 0);
    const HwTag tag{0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 192, 0, 2, 20};
    EXPECT_EQ(d.hwTag, tag);
}

TEST_F(DiscoveryExchangeTest, NoAdapterReportsAtOnceWithAnEmptyList) {
    NasList::Instance().Append(NasDevice{});  // left over from an earlier discovery
    Discover();
    EXPECT_EQ(AdapterTable::Instance().count, 0);
    EXPECT_EQ(NasList::Instance().Count(), 0);
}

TEST_F(DiscoveryExchangeTest, TwoAdaptersOnOneLanListEachApplianceOnceOnItsOwnSubnet) {
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    ASSERT_TRUE(net.AddAdapter("pc1", "198.51.100.1/24", "nas1"));
    ASSERT_TRUE(net.AddBridge("lan", {"nas0", "nas1"}));
    ASSERT_TRUE(net.StartSim(SimBinary(),
                             ApplianceSection("First", "00:00:00:00:00:01", "lan", "192.0.2.20") +
                                 ApplianceSection("Second", "00:00:00:00:00:02", "lan", "198.51.100.20") +
                                 ApplianceSection("Elsewhere", "00:00:00:00:00:03", "lan", "203.0.113.20")));
    Discover();
    ASSERT_EQ(AdapterTable::Instance().count, 2);
    ASSERT_EQ(ListedNames(), (std::vector<std::string>{"First", "Second", "Elsewhere"}));
    NasList& list = NasList::Instance();
    EXPECT_EQ(list.At(0)->adapterIndex, 0);  // its subnet is the first adapter's
    EXPECT_EQ(list.At(1)->adapterIndex, 1);  // moved: its subnet is the second adapter's
    EXPECT_EQ(list.At(2)->adapterIndex, 0);  // no adapter's subnet: stays with the first
}

TEST_F(DiscoveryExchangeTest, SeveralAppliancesOnSeveralLinks) {
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    ASSERT_TRUE(net.AddAdapter("pc1", "198.51.100.1/24", "nas1"));
    std::string config;
    for (int i = 0; i < 4; ++i)
        config += ApplianceSection("A" + std::to_string(i), "00:00:00:00:01:0" + std::to_string(i), "nas0",
                                   "192.0.2." + std::to_string(20 + i));
    config += ApplianceSection("B0", "00:00:00:00:02:00", "nas1", "198.51.100.20");
    ASSERT_TRUE(net.StartSim(SimBinary(), config));
    Discover();
    ASSERT_EQ(ListedNames(), (std::vector<std::string>{"A0", "A1", "A2", "A3", "B0"}));
    EXPECT_EQ(NasList::Instance().At(3)->adapterIndex, 0);
    EXPECT_EQ(NasList::Instance().At(4)->adapterIndex, 1);
    EXPECT_EQ(FieldText(NasList::Instance().At(4)->ip), "198.51.100.20");
}

TEST_F(DiscoveryExchangeTest, RepliesThatBreakTheRulesAreIgnored) {
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    std::string config =
        ApplianceSection("Good", "00:00:00:00:00:01", "nas0", "192.0.2.20", "duplicate = 1\n");
    const std::vector<std::pair<std::string, std::string>> faults = {
        {"OtherModel", "model_tag = 0,12,0\n"}, {"OtherId", "wrong_id = 1\n"},
        {"Short", "truncate = 90\n"},           {"NamePastEnd", "name_length = 200\n"},
        {"NameTooLong", "name_length = 256\n"}, {"Silent", "silent = discovery\n"},
    };
    int n = 2;
    for (const auto& [name, fault] : faults) {
        config += ApplianceSection(name, "00:00:00:00:00:0" + std::to_string(n), "nas0",
                                   "192.0.2." + std::to_string(20 + n), fault);
        ++n;
    }
    ASSERT_TRUE(net.StartSim(SimBinary(), config));
    Discover();
    // Only the good one, once although it answered twice.
    EXPECT_EQ(ListedNames(), std::vector<std::string>{"Good"});
}

TEST_F(DiscoveryExchangeTest, AnAdapterTakesRepliesToTheGroupOrToItsOwnAddressOnly) {
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    // A second address on the same adapter: the table keeps the first, so replies sent to
    // the second are not this adapter's.
    ASSERT_EQ(RunProgram({"ip", "addr", "add", "192.0.2.2/24", "dev", "pc0"}), 0);
    ASSERT_TRUE(net.StartSim(
        SimBinary(),
        ApplianceSection("Direct", "00:00:00:00:00:01", "nas0", "192.0.2.20", "reply_to = sender\n") +
            ApplianceSection("Group", "00:00:00:00:00:02", "nas0", "192.0.2.21") +
            ApplianceSection("Astray", "00:00:00:00:00:03", "nas0", "192.0.2.22", "reply_to = 192.0.2.2\n")));
    Discover();
    ASSERT_EQ(AdapterTable::Instance().count, 1);
    EXPECT_EQ(FieldText(AdapterTable::Instance().address[0]), "192.0.2.1");
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"Direct", "Group"}));
}

TEST_F(DiscoveryExchangeTest, AnAddressLabelIsNoAdapterOfItsOwnAndTakesNoOtherLinksReplies) {
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    // The second adapter's address carries a label, as aliases made the old way do.
    ASSERT_TRUE(net.AddAdapter("pc1", "198.51.100.1/24", "nas1"));
    ASSERT_EQ(RunProgram({"ip", "addr", "del", "198.51.100.1/24", "dev", "pc1"}), 0);
    ASSERT_EQ(RunProgram({"ip", "addr", "add", "198.51.100.2/24", "dev", "pc1", "label", "pc1:alias"}), 0);
    ASSERT_EQ(RunProgram({"ip", "addr", "add", "203.0.113.1/24", "dev", "pc0", "label", "pc0:more"}), 0);
    // On the first adapter's link, but on the second adapter's subnet.
    ASSERT_TRUE(
        net.StartSim(SimBinary(), ApplianceSection("Here", "00:00:00:00:00:01", "nas0", "198.51.100.20")));
    Discover();
    const AdapterTable& adapters = AdapterTable::Instance();
    ASSERT_EQ(adapters.count, 2);
    EXPECT_EQ(adapters.interfaceName[0], "pc0");
    EXPECT_EQ(adapters.interfaceName[1], "pc1");
    EXPECT_EQ(FieldText(adapters.address[1]), "198.51.100.2");
    ASSERT_EQ(ListedNames(), std::vector<std::string>{"Here"});
    // Its replies never arrive on pc1, so it stays with the adapter it is reached through.
    EXPECT_EQ(NasList::Instance().At(0)->adapterIndex, 0);
}

TEST_F(DiscoveryExchangeTest, ThreeAdaptersAtOnceListInAdapterOrderAndSkipOneWithoutCarrier) {
    ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    ASSERT_TRUE(net.AddAdapter("pc1", "198.51.100.1/24", "nas1"));
    ASSERT_TRUE(net.AddAdapter("pc2", "203.0.113.1/25", "nas2"));
    // Its other end is down: up, with an address, and no carrier. (Its subnet is the upper half
    // of the third adapter's range.)
    ASSERT_TRUE(net.AddAdapter("pc3", "203.0.113.129/25", "nas3"));
    ASSERT_EQ(net.appliances().Run({"ip", "link", "set", "nas3", "down"}), 0);
    // The system takes the carrier's loss in a moment of its own; wait until it shows.
    ASSERT_TRUE(PumpUntil(
        [] {
            return CaptureProgram({"ip", "-o", "link", "show", "pc3"}).out.find("DOWN") != std::string::npos;
        },
        std::chrono::seconds(10)));
    ASSERT_TRUE(net.AddBridge("lan", {"nas1", "nas2"}));
    ASSERT_TRUE(
        net.StartSim(SimBinary(), ApplianceSection("A0", "00:00:00:00:00:01", "nas0", "192.0.2.20") +
                                      ApplianceSection("A1", "00:00:00:00:00:02", "nas0", "192.0.2.21") +
                                      ApplianceSection("Mid", "00:00:00:00:00:03", "lan", "198.51.100.20") +
                                      ApplianceSection("Far", "00:00:00:00:00:04", "lan", "203.0.113.20")));
    Discover();
    const AdapterTable& adapters = AdapterTable::Instance();
    ASSERT_EQ(adapters.count, 3);
    EXPECT_EQ(adapters.interfaceName[2], "pc2");
    // The LAN's appliances answer on both of its adapters; each is listed once, where it was
    // first heard, and reached through the adapter on its own subnet.
    ASSERT_EQ(ListedNames(), (std::vector<std::string>{"A0", "A1", "Mid", "Far"}));
    const NasList& list = NasList::Instance();
    EXPECT_EQ(list.At(1)->adapterIndex, 0);
    EXPECT_EQ(list.At(2)->adapterIndex, 1);
    EXPECT_EQ(list.At(3)->adapterIndex, 2);
}

}  // namespace
}  // namespace lumora::test
