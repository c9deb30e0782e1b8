#include "protocol/datagram/Datagrams.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "support/DatagramReplies.h"

namespace lumora {
namespace {

const RequestId kId{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0, 0, 0, 0};
const HwTag kTag{0xaa, 0xbb, 0xcc, 0x01, 0x02, 0x03, 192, 168, 1, 20};

// A well-formed discovery reply for kId; tests spoil one thing at a time.
Bytes Reply(std::string_view name = "KL440-Office") {
    Bytes d = test::DiscoveryReplyBytes(kId, kTag, name, "255.255.255.0", "192.168.1.1", '1');
    std::memcpy(d.data() + layout::kExtra, "extra", 5);
    return d;
}

// The request layouts below are pinned with the wire's own numbers, not with the names
// of DatagramLayout.h, so that a wrong name cannot hide behind itself.
TEST(DatagramsTest, DiscoveryRequestIsTypeAndId) {
    Bytes d = BuildDiscoveryRequest(kId);
    ASSERT_EQ(d.size(), 11u);
    EXPECT_EQ(d[0], 1);
    EXPECT_TRUE(std::equal(kId.begin(), kId.end(), d.begin() + 1));
}

TEST(DatagramsTest, LoginRequestLayout) {
    Bytes d = BuildLoginRequest(kId, kTag, "admin", "");
    ASSERT_EQ(d.size(), 35u);  // admin with an empty password
    EXPECT_EQ(d[0], 3);
    EXPECT_TRUE(std::equal(kTag.begin(), kTag.end(), d.begin() + 11));
    EXPECT_EQ(d[21], 4);
    EXPECT_EQ(d[24], 7);
    EXPECT_EQ(std::string(d.begin() + 28, d.begin() + 33), "admin");
    EXPECT_EQ(d[33], 0x55);
    EXPECT_EQ(d[34], 0xAA);

    Bytes withPassword = BuildLoginRequest(kId, kTag, "bob", "secret");
    ASSERT_EQ(withPassword.size(), 39u);
    EXPECT_EQ(withPassword[24], 11);
    EXPECT_EQ(std::string(withPassword.begin() + 33, withPassword.end()), "secret");
    // Longer texts are cut to their 16-byte limit rather than overrunning the layout.
    EXPECT_EQ(BuildLoginRequest(kId, kTag, std::string(40, 'u'), std::string(40, 'p')).size(), 62u);
}

TEST(DatagramsTest, SetAddressRequestLayout) {
    IpConfigBlock block = MakeIpConfigBlock("10.1.0.50", "255.255.255.0", "10.1.0.1", false);
    Bytes d = BuildSetAddressRequest(kId, kTag, block);
    ASSERT_EQ(d.size(), 180u);
    EXPECT_EQ(d[0], 5);
    EXPECT_EQ(d[21], 0x15);
    EXPECT_STREQ(reinterpret_cast<const char*>(d.data() + 24), "255.255.255.0");
    EXPECT_STREQ(reinterpret_cast<const char*>(d.data() + 40), "10.1.0.1");
    EXPECT_EQ(d[56], 120);
    EXPECT_STREQ(reinterpret_cast<const char*>(d.data() + 60), "LAN1");
    EXPECT_STREQ(reinterpret_cast<const char*>(d.data() + 70), "10.1.0.50");
    EXPECT_EQ(d[60 + 58], '0');
    EXPECT_EQ(MakeIpConfigBlock("", "", "", true).mode, '1');
}

TEST(DatagramsTest, DiscoveryReplyFields) {
    auto reply = ParseDiscoveryReply(Reply(), kId);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->macText, "aa:bb:cc:01:02:03");
    EXPECT_EQ(reply->ip, "192.168.1.20");
    EXPECT_EQ(reply->dhcpFlag, '1');
    EXPECT_EQ(reply->netmask, "255.255.255.0");
    EXPECT_EQ(reply->gateway, "192.168.1.1");
    EXPECT_EQ(reply->extraText, "extra");
    EXPECT_EQ(reply->name, "KL440-Office");
    EXPECT_EQ(reply->hwTag, kTag);
}

TEST(DatagramsTest, DiscoveryReplyMatchesOnlyFirstSixIdBytes) {
    RequestId other = kId;
    other[6] = 9;  // bytes past the sixth are never compared
    EXPECT_TRUE(ParseDiscoveryReply(Reply(), other));
    other[5] ^= 1;
    EXPECT_FALSE(ParseDiscoveryReply(Reply(), other));
}

TEST(DatagramsTest, DiscoveryRepliesThatAreIgnored) {
    struct Case {
        const char* what;
        std::function<void(Bytes&)> spoil;
    };
    const Case cases[] = {
        {"wrong type", [](Bytes& d) { d[layout::kType] = kLoginReply; }},
        {"model tag 0,12,0", [](Bytes& d) { d[layout::kModelTag + 1] = 12; }},
        {"model tag byte 0", [](Bytes& d) { d[layout::kModelTag] = 1; }},
        {"model tag byte 2", [](Bytes& d) { d[layout::kModelTag + 2] = 1; }},
        {"name length past the datagram", [](Bytes& d) { d[layout::kNameLength] = 200; }},
        {"name length 256",
         [](Bytes& d) {
             d[layout::kNameLength] = 0;
             d[layout::kNameLength + 1] = 1;
             d.resize(layout::kName + 256, 'x');
         }},
        {"name length huge", [](Bytes& d) { d[layout::kNameLength + 3] = 0x80; }},
        {"shorter than the header", [](Bytes& d) { d.resize(layout::kName - 1); }},
        {"only the id", [](Bytes& d) { d.resize(7); }},
        {"empty", [](Bytes& d) { d.clear(); }},
    };
    for (const Case& c : cases) {
        Bytes d = Reply();
        c.spoil(d);
        EXPECT_FALSE(ParseDiscoveryReply(d, kId)) << c.what;
    }
}

TEST(DatagramsTest, DiscoveryReplyEdgeTexts) {
    // A name of 255 bytes fits; a name with a zero byte ends there.
    auto longest = ParseDiscoveryReply(Reply(std::string(255, 'n')), kId);
    ASSERT_TRUE(longest);
    EXPECT_EQ(longest->name.size(), 255u);
    auto cut = ParseDiscoveryReply(Reply(std::string("ab\0cd", 5)), kId);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->name, "ab");
    // Unterminated text fields stop at their field's width minus the terminator.
    Bytes d = Reply();
    std::memset(d.data() + layout::kNetmask, '9', layout::kNetmaskSize);
    std::memset(d.data() + layout::kExtra, 'e', layout::kExtraSize);
    auto full = ParseDiscoveryReply(d, kId);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->netmask, std::string(15, '9'));
    EXPECT_EQ(full->extraText, std::string(31, 'e'));
}

Bytes LoginReply(std::uint8_t result, std::array<std::uint8_t, 4> address = {192, 168, 1, 20}) {
    Bytes d = test::LoginReplyBytes(kId, address, static_cast<std::int8_t>(result));
    d.resize(layout::kLoginReplyMinSize);
    return d;
}

TEST(DatagramsTest, LoginReplyMatching) {
    EXPECT_EQ(ParseLoginReply(LoginReply(1), kId, "192.168.1.20"), std::optional<std::int8_t>(1));
    EXPECT_EQ(ParseLoginReply(LoginReply(0), kId, "192.168.1.20"), std::optional<std::int8_t>(0));
    EXPECT_EQ(ParseLoginReply(LoginReply(0xFF), kId, "192.168.1.20"), std::optional<std::int8_t>(-1));
    // Another appliance's answer to the same request is not ours.
    EXPECT_FALSE(ParseLoginReply(LoginReply(1, {192, 168, 1, 21}), kId, "192.168.1.20"));
    Bytes shortReply = LoginReply(1);
    shortReply.resize(28);
    EXPECT_FALSE(ParseLoginReply(shortReply, kId, "192.168.1.20"));
    RequestId other = kId;
    other[0] ^= 1;
    EXPECT_FALSE(ParseLoginReply(LoginReply(1), other, "192.168.1.20"));
}

TEST(DatagramsTest, SetAddressAckMatching) {
    Bytes ack(7, 0);
    ack[0] = kSetAddressAck;
    std::copy_n(kId.begin(), 6, ack.begin() + 1);
    EXPECT_EQ(MatchSetAddressAck(ack, kId), AckMatch::Matched);
    ack[3] ^= 1;
    EXPECT_EQ(MatchSetAddressAck(ack, kId), AckMatch::OtherId);
    EXPECT_EQ(MatchSetAddressAck(Bytes{6, 0x11}, kId), AckMatch::OtherId);  // too short to echo
    EXPECT_EQ(MatchSetAddressAck(Bytes{8}, kId), AckMatch::NotAck);
    EXPECT_EQ(MatchSetAddressAck(Bytes{}, kId), AckMatch::NotAck);
}

TEST(DatagramsTest, RequestIdFromSeconds) {
    RequestId a = MakeRequestId(1000), b = MakeRequestId(1000), c = MakeRequestId(1001);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    EXPECT_EQ(a[6] | a[7] | a[8] | a[9], 0);
}

}  // namespace
}  // namespace lumora
