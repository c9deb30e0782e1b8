#include "Appliance.h"
#include "Replies.h"

#include <gtest/gtest.h>

#include "protocol/datagram/Datagrams.h"

namespace lumora::sim {
namespace {

TEST(ApplianceConfigTest, ReadsAppliancesAndKeepsKeysOfOtherServices) {
    std::string error;
    auto set = ParseApplianceConfig(R"(# two appliances
[appliance]
name = Office
mac = 00:11:22:aa:bb:cc
interface = nas0
ip = 10.1.0.20
netmask = 255.255.255.0
gateway = 10.1.0.1
dhcp = 1
account = admin:admin
account = bob:pa:ss
volume = 1,standard,100
silent = login
model_tag = 0,12,0

[appliance]
interface = nas1
ip = 10.2.0.20
)",
                                    error);
    ASSERT_TRUE(set) << error;
    ASSERT_EQ(set->size(), 2u);
    const Appliance& a = *(*set)[0];
    EXPECT_EQ(a.name, "Office");
    EXPECT_EQ(a.mac, (std::array<std::uint8_t, 6>{0x00, 0x11, 0x22, 0xaa, 0xbb, 0xcc}));
    EXPECT_TRUE(a.dhcp);
    EXPECT_TRUE(a.Accepts("bob", "pa:ss"));
    EXPECT_FALSE(a.Accepts("bob", "pa"));
    EXPECT_EQ(a.Setting("volume"), std::optional<std::string>("1,standard,100"));
    EXPECT_FALSE(a.Setting("name"));
    EXPECT_TRUE(a.faults.silentLogin);
    EXPECT_FALSE(a.faults.silentDiscovery);
    EXPECT_EQ(a.faults.modelTag[1], 12);
    EXPECT_EQ((*set)[1]->interfaceName, "nas1");
}

TEST(ApplianceConfigTest, MalformedConfigurationsAreRefused) {
    const char* bad[] = {
        "name = outside any section\n",
        "[printer]\n",
        "[appliance]\ninterface = x\nip = 1.2.3.4\nmac = 00:11\n",
        "[appliance]\ninterface = x\nip = 1.2.3.4\ndelay_ms = soon\n",
        "[appliance]\ninterface = x\nip = 1.2.3.4\naccount = nobody\n",
        "[appliance]\nip = 1.2.3.4\n",
    };
    for (const char* text : bad) {
        std::string error;
        EXPECT_FALSE(ParseApplianceConfig(text, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

TEST(ApplianceRepliesTest, RepliesReadBackByTheTool) {
    std::string error;
    auto set = ParseApplianceConfig(
        "[appliance]\nname = Caf\xc3\xa9\nmac = 00:00:00:00:00:09\ninterface = n\n"
        "ip = 10.0.0.9\nnetmask = 255.0.0.0\naccount = u:p\n",
        error);
    ASSERT_TRUE(set);
    const Appliance& a = *(*set)[0];
    const RequestId id = MakeRequestId(7);
    Bytes request = BuildDiscoveryRequest(id);
    auto reply = ParseDiscoveryReply(DiscoveryReply(a, request), id);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->name, "Caf\xe9");  // the ANSI code page on the wire
    EXPECT_EQ(reply->ip, "10.0.0.9");

    HwTag tag{};
    std::copy(a.mac.begin(), a.mac.end(), tag.begin());
    Bytes login = BuildLoginRequest(id, tag, "u", "p");
    auto parsed = ReadLoginRequest(login);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->user, "u");
    EXPECT_EQ(parsed->password, "p");
    EXPECT_EQ(ParseLoginReply(LoginReply(a, login, true), id, "10.0.0.9"), std::optional<std::int8_t>(1));
    login.resize(29);  // cut inside the credentials
    EXPECT_FALSE(ReadLoginRequest(login));

    Bytes setAddress =
        BuildSetAddressRequest(id, tag, MakeIpConfigBlock("10.0.0.10", "255.0.0.0", "10.0.0.1", false));
    auto change = ReadSetAddressRequest(setAddress);
    ASSERT_TRUE(change);
    EXPECT_EQ(change->ip, "10.0.0.10");
    EXPECT_EQ(change->gateway, "10.0.0.1");
    EXPECT_EQ(MatchSetAddressAck(SetAddressAck(a, setAddress), id), AckMatch::Matched);
}

}  // namespace
}  // namespace lumora::sim
