// Why an appliance is or is not found: the readers of the system's tables, the
// verdict on each datagram heard, the conclusion, and the whole diagnosis in
// private namespaces against kl440-sim.

#include "protocol/diagnosis/Doctor.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

#include "platform/CommandRunner.h"
#include "support/ApplianceSection.h"
#include "support/SimNetwork.h"

namespace lumora::diagnosis {
namespace {

CommandResult RunTool(const std::vector<std::string>& argv) {
    return SystemCommandRunner().Run(argv, {}, std::chrono::seconds(30));
}

bool AnyContains(const std::vector<std::string>& lines, std::string_view part) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(part) != l.npos; });
}

TEST(DoctorTablesTest, RoutesUdpSocketsAndFirewallRulesAreRead) {
    const auto routes = ParseRouteTable(
        "Iface\tDestination\tGateway\tFlags\tRefCnt\tUse\tMetric\tMask\tMTU\tWindow\tIRTT\n"
        "eth0\t00000000\t0102000A\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
        "wlan0\t000000E0\t00000000\t0001\t0\t0\t600\t000000F0\t0\t0\t0\n"
        "eth1\t000000E0\t00000000\t0001\t0\t0\t50\t000000F0\t0\t0\t0\n"
        "br0\t010000E0\t00000000\t0000\t0\t0\t0\tFFFFFFFF\t0\t0\t0\n");
    ASSERT_EQ(routes.size(), 4u);
    // The group route beats the default; of two equal prefixes the lower metric wins; a down route never.
    EXPECT_EQ(RouteInterface(routes, inet_addr("224.0.0.1")), "eth1");
    EXPECT_EQ(RouteInterface(routes, inet_addr("192.0.2.9")), "eth0");
    EXPECT_EQ(RouteInterface({}, inet_addr("224.0.0.1")), std::nullopt);

    const auto holders = ParseUdpTable(
        "  sl  local_address rem_address   st tx_queue rx_queue tr tm->when retrnsmt   uid  timeout inode ref pointer drops\n"
        "  1: 00000000:350B 00000000:0000 07 00000000:00000000 00:00000000 00000000     0        0 4242 2 0 0\n"
        "  2: 0100007F:0035 00000000:0000 07 00000000:00000000 00:00000000 00000000     0        0 99 2 0 0\n"
        "  3: 010200C0:350B 00000000:0000 07 00000000:00000000 00:00000000 00000000  1000        0 77 2 0 0\n",
        13579);
    ASSERT_EQ(holders.size(), 2u);
    EXPECT_EQ(holders[0].localAddress, "0.0.0.0:13579");
    EXPECT_EQ(holders[0].inode, 4242u);
    EXPECT_EQ(holders[1].localAddress, "192.0.2.1:13579");

    const auto nft = DroppingNftRules(
        "table inet filter {\n"
        "\tchain input {\n\t\ttype filter hook input priority filter; policy accept;\n"
        "\t\tudp dport 13579 drop\n\t\tudp dport 135790 drop\n\t}\n"
        "\tchain output {\n\t\ttype filter hook output priority filter; policy drop;\n"
        "\t\ttcp dport 80 accept\n\t}\n"
        "\tchain forward {\n\t\ttype filter hook input priority filter; policy drop;\n"
        "\t\tudp dport { 53, 13579 } accept\n\t}\n}\n",
        13579);
    ASSERT_EQ(nft.size(), 2u) << nft.front();
    EXPECT_EQ(nft[0], "chain input: udp dport 13579 drop");
    EXPECT_EQ(nft[1], "chain output: policy drop, and no rule accepts UDP 13579");

    const auto ipt = DroppingIptablesRules(
        "-P INPUT ACCEPT\n-P OUTPUT DROP\n-A INPUT -p udp -m udp --dport 13579 -j REJECT\n"
        "-A OUTPUT -p tcp --dport 80 -j ACCEPT\n",
        13579);
    ASSERT_EQ(ipt.size(), 2u);
    EXPECT_EQ(ipt[0], "-A INPUT -p udp -m udp --dport 13579 -j REJECT");
    EXPECT_NE(ipt[1].find("-P OUTPUT DROP"), std::string::npos);
}

// A discovery reply as an appliance sends it.
Bytes Reply(const RequestId& id, std::array<std::uint8_t, 4> ip, ModelTag model = kKl440ModelTag,
            std::string name = "KL440-Office") {
    Bytes b(104 + name.size(), 0);
    b[0] = kDiscoveryReply;
    std::copy_n(id.begin(), 6, b.begin() + 1);
    for (int i = 0; i < 6; ++i) b[11 + i] = static_cast<std::uint8_t>(0x10 + i);
    std::copy(ip.begin(), ip.end(), b.begin() + 17);
    const std::string mask = "255.255.255.0";
    std::copy(mask.begin(), mask.end(), b.begin() + 24);
    for (int i = 0; i < 3; ++i) b[56 + i] = static_cast<std::uint8_t>(model[i]);
    b[100] = static_cast<std::uint8_t>(name.size());
    std::copy(name.begin(), name.end(), b.begin() + 104);
    return b;
}

TEST(DoctorVerdictTest, EachDatagramGetsTheReasonItCountsOrNot) {
    const RequestId id = MakeRequestId(1000);
    const RequestId other = MakeRequestId(2000);
    auto verdict = [&](const Bytes& d) { return Classify(d, id, "192.0.2.1", "255.255.255.0").verdict; };

    EXPECT_EQ(verdict(Reply(id, {192, 0, 2, 20})), Verdict::Accepted);
    EXPECT_EQ(verdict(Reply(id, {198, 51, 100, 20})), Verdict::OtherSubnet);
    EXPECT_EQ(verdict(Reply(other, {192, 0, 2, 20})), Verdict::OtherRequestId);
    EXPECT_EQ(verdict(Reply(id, {192, 0, 2, 20}, {0, 12, 0})), Verdict::OtherModel);
    EXPECT_EQ(verdict(BuildDiscoveryRequest(id)), Verdict::OwnRequest);
    EXPECT_EQ(verdict(Bytes{kLoginReply, 1, 2}), Verdict::NotAReply);
    EXPECT_EQ(verdict(Bytes{}), Verdict::NotAReply);
    Bytes cut = Reply(id, {192, 0, 2, 20});
    cut.resize(103);
    EXPECT_EQ(verdict(cut), Verdict::TooShort);
    Bytes longName = Reply(id, {192, 0, 2, 20});
    longName[100] = 200;  // a name running past the datagram
    EXPECT_EQ(verdict(longName), Verdict::TooShort);

    const HeardDatagram moved = Classify(Reply(id, {198, 51, 100, 20}), id, "192.0.2.1", "255.255.255.0");
    ASSERT_TRUE(moved.reply);
    EXPECT_EQ(SetAddressAdvice(*moved.reply, "192.0.2.1", "255.255.255.0"),
              "lumora-cli set-address 10:11:12:13:14:15 --ip 192.0.2.N --mask 255.255.255.0"
              "   (N: a free address of that network)");
    EXPECT_EQ(
        SetAddressAdvice(*moved.reply, "203.0.113.130", "255.255.255.128"),
        "lumora-cli set-address 10:11:12:13:14:15 --ip <a free address of 203.0.113.128/255.255.255.128> "
        "--mask 255.255.255.128");
}

// --- The whole diagnosis in namespaces

class DoctorNetworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!net.ok()) GTEST_SKIP() << "network namespaces are not available here";
        ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
    }
    DoctorReport Run() {
        DoctorReport report = Diagnose();
        std::string text;
        for (const std::string& f : report.findings) text += "  " + f + "\n";
        RecordProperty("conclusion", text);
        std::printf("conclusion:\n%s", text.c_str());
        return report;
    }
    test::SimNetwork net;
};

TEST_F(DoctorNetworkTest, FindsTheApplianceAndOneOnAnotherSubnetWithTheCommandThatMovesIt) {
    ASSERT_TRUE(net.StartSim(
        test::SimBinary(),
        test::ApplianceSection("KL440-Office", "00:11:22:33:44:55", "nas0", "192.0.2.20") +
            test::ApplianceSection("KL440-Attic", "00:11:22:33:44:66", "nas0", "198.51.100.20")));
    const DoctorReport report = Run();
    ASSERT_EQ(report.adapters.size(), 1u);
    EXPECT_EQ(report.adapters[0].facts.name, "pc0");
    EXPECT_TRUE(report.adapters[0].facts.multicast);
    EXPECT_TRUE(report.portHolders.empty());
    EXPECT_EQ(report.appliancesFound, 2);
    ASSERT_EQ(report.traces.size(), 1u);
    EXPECT_TRUE(report.traces[0].sent);
    EXPECT_TRUE(
        AnyContains(report.findings, "Found 1 appliance(s): \"KL440-Office\" at 192.0.2.20 (adapter pc0)"));
    EXPECT_TRUE(AnyContains(report.findings, "lumora-cli set-address 00:11:22:33:44:66 --ip 192.0.2.N"));
}

TEST_F(DoctorNetworkTest, NamesTheProgramHoldingThePort) {
    ASSERT_TRUE(net.StartSim(test::SimBinary(), test::ApplianceSection("KL440-Office", "00:11:22:33:44:55",
                                                                       "nas0", "192.0.2.20")));
    int holder = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(kDiscoveryPort);
    ASSERT_EQ(bind(holder, reinterpret_cast<sockaddr*>(&local), sizeof local), 0);
    const DoctorReport report = Run();
    close(holder);
    ASSERT_EQ(report.portHolders.size(), 1u);
    EXPECT_EQ(report.portHolders[0].pid, getpid());
    EXPECT_EQ(report.appliancesFound, 0);
    EXPECT_TRUE(
        AnyContains(report.findings, "UDP port 13579 cannot be opened for listening: it is held by \""));
}

TEST_F(DoctorNetworkTest, SaysWhenNothingAnswersAndThereIsNoGroupRoute) {
    RunTool({"ip", "route", "del", "224.0.0.0/4"});  // a namespace of the test script may carry one
    const DoctorReport report = Run();
    EXPECT_EQ(report.appliancesFound, 0);
    EXPECT_TRUE(report.adapters[0].groupRoute.empty());
    EXPECT_TRUE(AnyContains(report.findings, "No route covers 224.0.0.1"));
    EXPECT_TRUE(AnyContains(report.findings, "No datagram came back on UDP 13579"));
}

TEST_F(DoctorNetworkTest, ShowsTheFirewallRuleThatDropsDiscovery) {
    if (!RunTool({"nft", "--version"}).started) GTEST_SKIP() << "nft is not installed";
    ASSERT_TRUE(net.StartSim(test::SimBinary(), test::ApplianceSection("KL440-Office", "00:11:22:33:44:55",
                                                                       "nas0", "192.0.2.20")));
    const CommandResult added = RunTool(
        {"nft",
         "add table inet lumora_test; add chain inet lumora_test in { type filter hook input priority 0; }; "
         "add rule inet lumora_test in udp dport 13579 drop"});
    if (added.exitCode != 0) GTEST_SKIP() << "nft cannot change this namespace: " << added.err;
    const DoctorReport report = Run();
    EXPECT_EQ(report.firewall.state, FirewallState::Drops);
    EXPECT_EQ(report.appliancesFound, 0);
    EXPECT_TRUE(AnyContains(report.findings, "The firewall (nft) drops discovery traffic"));
    EXPECT_TRUE(AnyContains(report.findings, "udp dport 13579 drop"));
}

}  // namespace
}  // namespace lumora::diagnosis
