#include "protocol/cgi/CgiForms.h"

#include <gtest/gtest.h>

#include "platform/Text.h"
#include "protocol/cgi/CgiRequestText.h"

namespace lumora {
namespace {

VolumeSpec Volume(int number, const char* level, int size, const char* devices, int extra, int matched) {
    VolumeSpec v;
    v.volumeNumber = number;
    CopyToField(v.raidLevel, level);
    CopyToField(v.fileSystem, "ext4");
    v.sizeGiB = size;
    CopyToField(v.devices, devices);
    v.extraFlag = extra;
    v.matchedSizes = matched;
    return v;
}

TEST(CgiFormsTest, PathsFollowTheKind) {
    const std::pair<int, std::string_view> cases[] = {{0, " "},
                                                      {1, "/cgi-bin/account_mgr.cgi"},
                                                      {2, "/cgi-bin/wizard_mgr.cgi"},
                                                      {4, "/cgi-bin/system_mgr.cgi"},
                                                      {7, "/cgi-bin/network_mgr.cgi"},
                                                      {9, "/xml/current_hd_info.xml"},
                                                      {12, "/xml/dm_read_state.xml"},
                                                      {16, "/cgi-bin/hd_config.cgi"},
                                                      {17, "/cgi-bin/usb_device.cgi"},
                                                      {18, "/cgi-bin/account_mgr.cgi"},
                                                      {19, " "},
                                                      {-1, " "}};
    for (const auto& [kind, path] : cases) EXPECT_EQ(CgiPath(kind), path) << kind;
}

TEST(CgiFormsTest, OnlyStructuralAndControlBytesAreEscaped) {
    // Plain values, spaces and high bytes included, are the bytes the appliance always received.
    const std::string plain = "Az09-._~ @!$'()*,/:?[]\x80\xE9\xFF\"<>";
    EXPECT_EQ(PercentEncode(plain), plain);
    EXPECT_EQ(PercentEncode("a&b;c=d+e%f#g"), "a%26b%3Bc%3Dd%2Be%25f%23g");
    EXPECT_EQ(PercentEncode("\x01\t\r\n\x1F\x7F"), "%01%09%0D%0A%1F%7F");
    EXPECT_EQ(PercentDecode("a%26b%3dc+d%2"), "a&b=c d%2");
    const std::string awkward = "x&y=\x01\x80 z+%;#";
    EXPECT_EQ(PercentDecode(PercentEncode(awkward)), awkward);
}

TEST(CgiFormsTest, BodiesHoldTheirFieldsInTheApplianceOrder) {
    DeviceSettings device;
    CopyToField(device.hostName, "nas1");
    CopyToField(device.workgroup, "HOME");
    CopyToField(device.description, "Tom & Jerry=1");
    NetworkSettings net;
    net.dhcpEnable = 0;
    CopyToField(net.address, "192.168.1.20");
    CopyToField(net.netmask, "255.255.255.0");
    CopyToField(net.gateway, "192.168.1.1");
    CopyToField(net.dns1, "192.168.1.2");
    const std::pair<std::string, std::string_view> cases[] = {
        {ChangePasswordForm("admin", "old", "n&w"), "cmd=cgi_chg_user_pw&uname=admin&opw=old&pw=n%26w"},
        {DeviceInfoForm(device), "cmd=cgi_device&description=Tom %26 Jerry%3D1&hostname=nas1&workgroup=HOME"},
        {TimeZoneForm(-5), "cmd=cgi_timezone&f_timezone=-5"},
        {NetworkForm(net),
         "cmd=cgi_ip&f_dhcp_enable=0&f_ip=192.168.1.20&f_gateway=192.168.1.1&f_netmask=255.255.255.0"
         "&f_dns1=192.168.1.2&f_dns2=&vlan_enable=0&vlan_id=0&lan=0"},
        {ShareListForm("bob", 1), "cmd=cgi_get_share_info2&name=bob&usb=1"},
        {UserAccessForm("bob"), "cmd=cgi_get_user_access&name=bob"},
    };
    for (const auto& [body, expected] : cases) EXPECT_EQ(body, expected);
}

TEST(CgiFormsTest, VolumeDescriptionListsFifteenValuesPerVolume) {
    VolumeSpec one = Volume(1, "standard", 100, "sda", 0, 1);
    EXPECT_EQ(VolumeDescription(one), "1,standard,ext4,100,sda,none,0,1,100,0,none,1,0,0,null");

    VolumeSpec two = Volume(1, "raid1", 497, "sdasdb", 0, 0);
    two.autoSync = 1;
    two.next = std::make_unique<VolumeSpec>(Volume(2, "linear", 494, "sdasdb", 1, 0));
    EXPECT_EQ(CreateVolumesForm(two),
              "cmd=cgi_FMT_Create_DiskMGR&f_create_volume_info="
              "1,raid1,ext4,497,sdasdb,none,0,1,497,0,none,0,0,0,null,"
              "2,linear,ext4,494,sdasdb,none,1,1,494,0,none,0,0,0,null&f_create_type=1&f_auto_sync=1");

    // A field holding a separator cannot shift the others; a blank stays as it is.
    VolumeSpec odd = Volume(1, "raid1,x& y", 10, "sda", 0, 0);
    EXPECT_EQ(VolumeDescription(odd), "1,raid1%2Cx%26 y,ext4,10,sda,none,0,1,10,0,none,0,0,0,null");
}

TEST(CgiRequestTextTest, RequestTextIsExact) {
    EXPECT_EQ(BuildCgiRequestText(16, "10.0.0.5", "cmd=cgi_Status_Volume_Info", "secret"),
              "POST /cgi-bin/hd_config.cgi HTTP/1.0\r\nConnection: close\r\nHost: 10.0.0.5\r\n"
              "Content-Length: 26\r\nAuthorization: Basic YWRtaW46c2VjcmV0\r\n"
              "Content-Type: application/x-www-form-urlencoded\r\n\r\ncmd=cgi_Status_Volume_Info");
    // Empty body and empty password: length 0, the blank line ends the text, "admin:" is still sent.
    const std::optional<std::string> empty = BuildCgiRequestText(9, "10.0.0.5", "", "");
    ASSERT_TRUE(empty);
    EXPECT_NE(empty->find("Content-Length: 0\r\n"), std::string::npos);
    EXPECT_NE(empty->find("Basic YWRtaW46\r\n"), std::string::npos);
    EXPECT_TRUE(empty->ends_with("\r\n\r\n"));
}

TEST(CgiRequestTextTest, TextOverTheLimitIsRefusedNotCut) {
    const std::string head = *BuildCgiRequestText(3, "10.0.0.5", "", "pw");
    // "Content-Length: 0" grows by two digits for a body of three.
    const std::string fits(kMaxRequestText - head.size() - 2, 'x');
    EXPECT_EQ(BuildCgiRequestText(3, "10.0.0.5", fits, "pw").value_or("").size(), kMaxRequestText);
    EXPECT_FALSE(BuildCgiRequestText(3, "10.0.0.5", fits + "x", "pw").has_value());
}

TEST(CgiRequestTextTest, StatusCheck) {
    const std::pair<std::string_view, bool> cases[] = {
        {"HTTP/1.0 200 OK\r\n\r\n<a/>", true},
        {"HTTP/1.0 200\r\nContent-Type: text/xml\r\n\r\n", true},  // no reason phrase
        {"HTTP/1.0 200", true},
        {"HTTP/1.1 200 OK\r\n", false},
        {"HTTP/1.0 404 Not Found\r\n", false},
        {"HTTP/1.0 2000 OK\r\n", false},
        {"HTTP/1.0\r\n200 OK", false},
        {"http/1.0 200 OK\r\n", false},
        {"", false},
        {"HTTP/", false},
    };
    for (const auto& [reply, ok] : cases) EXPECT_EQ(CgiStatusOk(reply), ok) << reply;
}

}  // namespace
}  // namespace lumora
