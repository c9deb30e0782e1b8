#include "protocol/cgi/CgiReplyParsers.h"

#include <gtest/gtest.h>

#include "platform/Text.h"

namespace lumora {
namespace {

const std::string kHead = "HTTP/1.0 200 OK\r\nContent-Type: text/xml\r\nConnection: close\r\n\r\n";

std::string Reply(std::string_view body) { return kHead + "<?xml version=\"1.0\"?>\n" + std::string(body); }

TEST(CgiReplyParsersTest, PasswordStatus) {
    EXPECT_TRUE(ParsePasswordAccepted(Reply("<config><status>1</status></config>")));
    EXPECT_FALSE(ParsePasswordAccepted(Reply("<config><status>0</status></config>")));
    EXPECT_FALSE(ParsePasswordAccepted(Reply("<config><status> 1</status></config>")));
    EXPECT_FALSE(ParsePasswordAccepted(Reply("<config><res>1</res></config>")));
    EXPECT_FALSE(ParsePasswordAccepted(""));
}

TEST(CgiReplyParsersTest, WizardInfoReadsLanAndSystem) {
    const WizardInfo info = ParseWizardInfo(Reply(
        "<config><lan><dhcp_enable>1</dhcp_enable><ip>10.1.2.3</ip><netmask>255.0.0.0</netmask>"
        "<gateway>10.0.0.1</gateway><dns1>0.0.0.0</dns1><dns2>10.0.0.9</dns2></lan>"
        "<system><name>Caf\xC3\xA9</name><workgroup>HOME</workgroup><description>a &amp; b</description>"
        "<timezone>33</timezone></system></config>"));
    EXPECT_EQ(info.dhcpEnable, 1);
    EXPECT_EQ(FieldText(info.ip), "10.1.2.3");
    EXPECT_EQ(FieldText(info.netmask), "255.0.0.0");
    EXPECT_EQ(FieldText(info.gateway), "10.0.0.1");
    EXPECT_EQ(FieldText(info.dns1), "");  // "0.0.0.0" is no name server
    EXPECT_EQ(FieldText(info.dns2), "10.0.0.9");
    EXPECT_EQ(FieldText(info.name), "Caf\xE9");  // UTF-8 in, code page out
    EXPECT_EQ(FieldText(info.workgroup), "HOME");
    EXPECT_EQ(FieldText(info.description), "a & b");
    EXPECT_EQ(info.timeZone, 33);
}

TEST(CgiReplyParsersTest, WizardInfoEdgeCases) {
    // A missing field repeats the one found before it; overlong texts are cut to their field.
    const WizardInfo missing =
        ParseWizardInfo(Reply("<config><lan><ip>10.1.2.3</ip><gateway>10.0.0.1</gateway></lan>"
                              "<system><name>abcdefghijklmnopqrstuvwxyz</name></system></config>"));
    EXPECT_EQ(FieldText(missing.netmask), "10.1.2.3");
    EXPECT_EQ(FieldText(missing.gateway), "10.0.0.1");
    EXPECT_EQ(FieldText(missing.name), "abcdefghijklmno");
    // A byte of 0xF0 or above empties the whole document: everything stays zero.
    const WizardInfo high =
        ParseWizardInfo(Reply("<config><lan><ip>10.1.2.3</ip></lan><!-- \xF0\x9F\x92\xBE --></config>"));
    EXPECT_EQ(FieldText(high.ip), "");
    EXPECT_EQ(high.timeZone, 0);
}

TEST(CgiReplyParsersTest, LanInfo) {
    const std::optional<LanInfo> lan = ParseLanInfo(Reply(
        "<info><ip1>192.168.0.7</ip1><netmask1>255.255.0.0</netmask1><gateway1>192.168.0.1</gateway1></info>"));
    ASSERT_TRUE(lan);
    EXPECT_EQ(lan->ip, "192.168.0.7");
    EXPECT_EQ(lan->netmask, "255.255.0.0");
    EXPECT_EQ(lan->gateway, "192.168.0.1");
    EXPECT_FALSE(ParseLanInfo(Reply("<info><ip1>0.0.0.0</ip1><netmask1>255.0.0.0</netmask1></info>")));
    EXPECT_FALSE(ParseLanInfo(Reply("<config><ip1>1.2.3.4</ip1></config>")));
    // Without a usable address of its own the reply changes nothing (the old address stays).
    const char* const unusable[] = {
        "<info><netmask1>255.0.0.0</netmask1><gateway1>10.0.0.1</gateway1></info>",
        "<info><ip1></ip1><netmask1>255.0.0.0</netmask1></info>",
        "<info><ip1>nas.local</ip1></info>",
        "<info><ip1>10.0.0</ip1></info>",
        "<info><ip1>10.0.0.1.2</ip1></info>",
        "<info><ip1>10.0.0.256</ip1></info>",
        "<info><ip1> 10.0.0.1</ip1></info>",
        "<info><ip1>10.0.0.1x</ip1></info>",
        "<info><ip1>1000.0.0.1</ip1></info>",
    };
    for (const char* body : unusable) EXPECT_FALSE(ParseLanInfo(Reply(body))) << body;
}

TEST(CgiReplyParsersTest, ShareNames) {
    const auto names =
        ParseShareNames(Reply("<config><item>Public</item><item>M\xC3\xBCsik</item></config>"));
    ASSERT_TRUE(names);
    EXPECT_EQ(*names, (std::vector<std::u16string>{u"Public", u"M\u00FCsik"}));
    EXPECT_EQ(ParseShareNames(Reply("<config></config>"))->size(), 0u);
    EXPECT_FALSE(ParseShareNames(Reply("<config><item>x</item>")));
}

TEST(CgiReplyParsersTest, DiskInfo) {
    const auto two = ParseDiskInfo(
        Reply("<config><hd_info><device_info><device_num>2</device_num>"
              "<item><device_name>sda</device_name><hd_GiB_size>1000</hd_GiB_size></item>"
              "<item><device_name>sdb_very_long</device_name><hd_GiB_size>500</hd_GiB_size></item>"
              "</device_info></hd_info></config>"));
    ASSERT_TRUE(two);
    EXPECT_EQ(two->diskCount, 2);
    EXPECT_EQ(FieldText(two->disk1Name), "sda");
    EXPECT_EQ(two->disk1SizeGiB, 1000);
    EXPECT_EQ(FieldText(two->disk2Name), "sdb_very_");
    EXPECT_EQ(two->disk2SizeGiB, 500);
    const auto none = ParseDiskInfo(Reply("<config><other/></config>"));
    ASSERT_TRUE(none);
    EXPECT_EQ(none->diskCount, 0);
    EXPECT_FALSE(ParseDiskInfo(Reply("<config><hd_info>")));
}

TEST(CgiReplyParsersTest, ResAndFormatState) {
    EXPECT_EQ(ParseResValue(Reply("<config><res>1</res></config>")), 1);
    EXPECT_EQ(ParseResValue(Reply("<config/>")), 0);
    EXPECT_FALSE(ParseResValue(Reply("<config><res>1</res>")));
    EXPECT_FALSE(ParseResValue(kHead));  // empty body: nothing to load

    struct Case {
        const char* body;
        int state;
        int percent;
    };
    const Case cases[] = {
        {"<config><dm_state><finished>0</finished><errcode>1</errcode><percent>45</percent></dm_state></config>",
         1, 45},
        {"<config><dm_state><finished>1</finished><errcode>1</errcode><percent>100</percent></dm_state></config>",
         2, 100},
        {"<config><dm_state><finished>1</finished><errcode>0</errcode><percent>80</percent></dm_state></config>",
         0, 80},
        {"<config><dm_state><finished>0</finished><errcode>0</errcode></dm_state></config>", 0, 0},
        {"<config/>", 0, 0},
    };
    for (const Case& c : cases) {
        const auto state = ParseFormatState(Reply(c.body));
        ASSERT_TRUE(state) << c.body;
        EXPECT_EQ(state->state, c.state) << c.body;
        EXPECT_EQ(state->percent, c.percent) << c.body;
    }
}

TEST(CgiReplyParsersTest, VolumeUsageChainsOneRecordPerItem) {
    VolumeUsage first;
    ASSERT_TRUE(ParseVolumeUsage(
        Reply("<config>"
              "<item><volume>1</volume><total_size>1048576</total_size><use_size>5</use_size></item>"
              "<item><volume>2</volume><use_size>7</use_size></item>"
              "<item><volume>3</volume><total_size>9</total_size><use_size>1</use_size></item>"
              "</config>"),
        first));
    EXPECT_EQ(first.volume, 1);
    EXPECT_EQ(first.totalSize, 1048576);
    ASSERT_TRUE(first.next);
    EXPECT_EQ(first.next->volume, 2);
    EXPECT_EQ(first.next->totalSize, 0);  // missing stays zero
    EXPECT_EQ(first.next->usedSize, 7);
    ASSERT_TRUE(first.next->next);
    EXPECT_EQ(first.next->next->volume, 3);
    EXPECT_FALSE(first.next->next->next);

    VolumeUsage broken;
    EXPECT_FALSE(ParseVolumeUsage(Reply("<config><item>"), broken));
}

TEST(CgiReplyParsersTest, UserAccess) {
    EXPECT_EQ(ParseUserAccess(Reply("<config><authority>1,1,1,0,1,0</authority></config>")), u"1,1,1,0,1,0");
    EXPECT_EQ(ParseUserAccess(Reply("<config/>")), u"");
    EXPECT_FALSE(ParseUserAccess(Reply("<config>")));
}

}  // namespace
}  // namespace lumora
