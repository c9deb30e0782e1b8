// Every CGI command end to end against the simulated appliance: the exact bytes
// it sends and what its handler makes of the real reply.

#include "protocol/cgi/CgiCommands.h"

#include "platform/Text.h"
#include "protocol/cgi/CgiForms.h"
#include "protocol/cgi/CgiReplyRecords.h"
#include "protocol/query/Messages.h"
#include "CgiTestFixture.h"

namespace lumora::test {
namespace {

class CgiCommandsTest : public CgiEndToEnd {};

TEST_F(CgiCommandsTest, EachCommandSendsItsExactRequest) {
    StartServer();
    SetCredentials("bob", "admin");
    DeviceSettings device;
    CopyToField(device.hostName, "nas-7");
    CopyToField(device.workgroup, "HOME");
    CopyToField(device.description, "Den & Co");
    NetworkSettings network;
    network.dhcpEnable = 0;
    CopyToField(network.address, "127.0.0.2");
    CopyToField(network.netmask, "255.0.0.0");
    CopyToField(network.gateway, "127.0.0.1");
    CopyToField(network.dns1, "127.0.0.53");
    VolumeSpec volume;
    volume.volumeNumber = 1;
    CopyToField(volume.raidLevel, "raid1");
    CopyToField(volume.fileSystem, "ext4");
    CopyToField(volume.devices, "sdasdb");
    volume.sizeGiB = 928;
    volume.matchedSizes = 1;
    volume.autoSync = 1;
    const HWND w = window.handle();
    struct Case {
        std::function<RequestHandle()> start;
        std::string_view path;
        std::string body;
    };
    const Case cases[] = {
        {[&] { return ChangePassword(w, 0, u"admin", u"admin"); }, "/cgi-bin/account_mgr.cgi",
         "cmd=cgi_chg_user_pw&uname=bob&opw=admin&pw=admin"},
        {[&] { return GetWizardInfo(w, 0); }, "/cgi-bin/wizard_mgr.cgi", "cmd=cgi_get_wizard"},
        {[&] { return SetDeviceInfo(w, 0, device); }, "/cgi-bin/system_mgr.cgi",
         "cmd=cgi_device&description=Den %26 Co&hostname=nas-7&workgroup=HOME"},
        {[&] { return SetTimeZone(w, 0, 14); }, "/cgi-bin/system_mgr.cgi", "cmd=cgi_timezone&f_timezone=14"},
        {[&] { return SetNetwork(w, 0, network); }, "/cgi-bin/network_mgr.cgi",
         "cmd=cgi_ip&f_dhcp_enable=0&f_ip=127.0.0.2&f_gateway=127.0.0.1&f_netmask=255.0.0.0&f_dns1=127.0.0.53"
         "&f_dns2=&vlan_enable=0&vlan_id=0&lan=0"},
        {[&] { return GetLanInfo(w, 0); }, "/cgi-bin/network_mgr.cgi", "cmd=cgi_get_lan_xml2&lan=0"},
        {[&] { return LockAddress(w, 0); }, "/cgi-bin/network_mgr.cgi", "cmd=cgi_setip_lock&lan=0"},
        {[&] { return GetShareList(w, 0, 0); }, "/cgi-bin/account_mgr.cgi",
         "cmd=cgi_get_share_info2&name=bob&usb=0"},
        {[&] { return GetShareList(w, 0, 1); }, "/cgi-bin/account_mgr.cgi",
         "cmd=cgi_get_share_info2&name=bob&usb=1"},
        {[&] { return GetDiskInfo(w, 0); }, "/xml/current_hd_info.xml", ""},
        {[&] { return StopFileBrowser(w, 0); }, "/cgi-bin/hd_config.cgi", "cmd=cgi_AJAXPlorer_Stop"},
        {[&] { return CreateVolumes(w, 0, volume); }, "/cgi-bin/hd_config.cgi",
         "cmd=cgi_FMT_Create_DiskMGR&f_create_volume_info=1,raid1,ext4,928,sdasdb,none,0,1,928,0,none,1,0,0,null"
         "&f_create_type=1&f_auto_sync=1"},
        {[&] { return ReadFormatState(w, 0); }, "/xml/dm_read_state.xml", ""},
        {[&] { return RemountDisks(w, 0); }, "/cgi-bin/hd_config.cgi", "cmd=cgi_Disk_Remount"},
        {[&] { return CheckRemountState(w, 0); }, "/cgi-bin/hd_config.cgi",
         "cmd=cgi_Check_Disk_Remount_State"},
        {[&] { return FinishFormat(w, 0); }, "/cgi-bin/hd_config.cgi", "cmd=cgi_FMT_Disk_Finish"},
        {[&] { return GetVolumeInfo(w, 0); }, "/cgi-bin/hd_config.cgi", "cmd=cgi_Status_Volume_Info"},
        {[&] { return GetUserAccess(w, 0); }, "/cgi-bin/account_mgr.cgi", "cmd=cgi_get_user_access&name=bob"},
    };
    for (const Case& c : cases) {
        const std::size_t before = server->ReceivedRequests().size();
        ASSERT_NE(c.start(), 0u) << c.body;
        ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(30)));
        ASSERT_EQ(server->ReceivedRequests().size(), before + 1) << c.body;
        EXPECT_EQ(LastRequest(), Expected(c.path, c.body));
    }
}

TEST_F(CgiCommandsTest, CommandsRefuseWhatTheyCannotSend) {
    StartServer();
    const HWND w = window.handle();
    EXPECT_EQ(GetWizardInfo(w, 1), 0u);  // no such appliance
    EXPECT_EQ(ChangePassword(w, 0, u"old", u"seventeen-chars!!"), 0u);
    SetCredentials("admin", std::string(16, '&'));
    DeviceSettings huge;
    CopyToField(huge.description, std::string(30, '&'));
    CopyToField(huge.hostName, std::string(15, '&'));
    CopyToField(huge.workgroup, std::string(15, '&'));
    EXPECT_NE(SetDeviceInfo(w, 0, huge), 0u);  // 180 encoded bytes still fit
    // A request text over 1023 characters is refused whole, never cut.
    CQuery tooLong(w);
    tooLong.nasIndex = 0;
    tooLong.kind = kKindDeviceInfo;
    EXPECT_FALSE(BuildCgiRequest(tooLong, std::string(1000, 'x')));
    EXPECT_TRUE(tooLong.request.empty());
    ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(30)));
    EXPECT_EQ(server->ReceivedRequests().size(), 1u);
}

TEST_F(CgiCommandsTest, WizardAndLanRepliesFillTheRecords) {
    sim::CgiState state;
    state.deviceName = "Caf\xC3\xA9";  // the appliance speaks UTF-8
    state.lan.ip = kAddress;
    state.lan.netmask = "255.0.0.0";
    state.lan.gateway = "127.0.0.1";
    state.lan.dns1 = "127.0.0.53";
    state.timeZone = 7;
    StartServer(state);
    g_wizardInfo.Set({});
    ASSERT_NE(GetWizardInfo(window.handle(), 0), 0u);
    ASSERT_TRUE(WaitForMessages(1));
    EXPECT_EQ(window.received[0].message, WM_CGI_RESULT);
    EXPECT_EQ(window.received[0].wParam, 0u);
    EXPECT_EQ(window.received[0].lParam, kKindWizardInfo);
    const WizardInfo info = g_wizardInfo.Get();
    EXPECT_EQ(FieldText(info.name), "Caf\xE9");
    EXPECT_EQ(FieldText(info.netmask), "255.0.0.0");
    EXPECT_EQ(FieldText(info.dns1), "127.0.0.53");
    EXPECT_EQ(FieldText(info.dns2), "");
    EXPECT_EQ(info.timeZone, 7);

    server->WithState([](sim::CgiState& s) { s.lan.netmask = "255.255.0.0"; });
    ASSERT_NE(GetLanInfo(window.handle(), 0), 0u);
    ASSERT_TRUE(WaitForMessages(2));
    EXPECT_EQ(window.received[1].wParam, 0u);
    EXPECT_EQ(FieldText(g_wizardInfo.Get().netmask), "255.255.0.0");
    EXPECT_EQ(FieldText(NasList::Instance().At(0)->ip), kAddress);
    EXPECT_EQ(FieldText(NasList::Instance().At(0)->netmask), "255.255.0.0");

    // An appliance that reports no address changes nothing and fails.
    server->WithState([](sim::CgiState& s) {
        s.faults.zeroLanAddress = true;
        s.lan.netmask = "255.255.255.0";
    });
    ASSERT_NE(GetLanInfo(window.handle(), 0), 0u);
    ASSERT_TRUE(WaitForMessages(3));
    EXPECT_EQ(window.received[2].wParam, 1u);
    EXPECT_EQ(FieldText(g_wizardInfo.Get().netmask), "255.255.0.0");
}

TEST_F(CgiCommandsTest, PasswordChangeReplacesTheSessionPasswordOnlyWhenAccepted) {
    StartServer();
    ASSERT_NE(ChangePassword(window.handle(), 0, u"wrong", u"next"), 0u);
    ASSERT_TRUE(WaitForMessages(1));
    EXPECT_EQ(window.received[0].wParam, 1u);
    EXPECT_EQ(CredentialText(g_password), "admin");

    ASSERT_NE(ChangePassword(window.handle(), 0, u"admin", u"n\u00E8xt&=1"), 0u);
    ASSERT_TRUE(WaitForMessages(2));
    EXPECT_EQ(window.received[1].wParam, 0u);
    EXPECT_EQ(CredentialText(g_password), "n\xE8xt&=1");
    EXPECT_EQ(server->StateCopy().passwords.at("admin"), "n\xE8xt&=1");  // decoded by the appliance
    // The next request authorises with the new password.
    ASSERT_NE(GetWizardInfo(window.handle(), 0), 0u);
    ASSERT_TRUE(WaitForMessages(3));
    EXPECT_EQ(window.received[2].wParam, 0u);
}

TEST_F(CgiCommandsTest, SettingsReachTheAppliance) {
    StartServer();
    DeviceSettings device;
    CopyToField(device.hostName, "attic");
    CopyToField(device.workgroup, "W=1&x");
    CopyToField(device.description, "a&description=b");
    ASSERT_NE(SetDeviceInfo(window.handle(), 0, device), 0u);
    ASSERT_NE(SetTimeZone(window.handle(), 0, -3), 0u);
    ASSERT_TRUE(WaitForMessages(2));
    for (const CgiReport& r : window.received) EXPECT_EQ(r.wParam, 0u);
    const sim::CgiState state = server->StateCopy();
    EXPECT_EQ(state.deviceName, "attic");
    EXPECT_EQ(state.workgroup, "W=1&x");
    EXPECT_EQ(state.description, "a&description=b");
    EXPECT_EQ(state.timeZone, -3);
}

TEST_F(CgiCommandsTest, PlainValuesArriveIntactAtAnApplianceThatDoesNotDecode) {
    sim::CgiState state;
    state.faults.noDecode = true;
    StartServer(state);
    DeviceSettings device;
    CopyToField(device.hostName, "attic");
    CopyToField(device.workgroup, "HOME OFFICE");
    CopyToField(device.description, "Caf\xC3\xA9 @ home! (2)");  // UTF-8, as the page sends it
    ASSERT_NE(SetDeviceInfo(window.handle(), 0, device), 0u);
    ASSERT_TRUE(WaitForMessages(1));  // before the password it authorises with changes
    ASSERT_NE(ChangePassword(window.handle(), 0, u"admin", u"p@ss w\u00F6rd!"), 0u);
    ASSERT_TRUE(WaitForMessages(2));
    for (const CgiReport& r : window.received) EXPECT_EQ(r.wParam, 0u);
    const sim::CgiState after = server->StateCopy();
    EXPECT_EQ(after.workgroup, "HOME OFFICE");
    EXPECT_EQ(after.description, "Caf\xC3\xA9 @ home! (2)");
    EXPECT_EQ(after.passwords.at("admin"), "p@ss w\xF6rd!");
    // The next request authorises with what the appliance stored.
    ASSERT_NE(GetWizardInfo(window.handle(), 0), 0u);
    ASSERT_TRUE(WaitForMessages(3));
    EXPECT_EQ(window.received[2].wParam, 0u);
}

TEST_F(CgiCommandsTest, SharesDisksVolumesAndAccess) {
    sim::CgiState state;
    state.shares = {"Public", "M\xC3\xBCsik"};
    state.usbShares = {"usb1"};
    state.disks = {{"sda", 1000}, {"sdb", 500}};
    state.volumes = {
        {1, "standard", "sda", 1000, 10}, {2, "standard", "sdb", 500, 1}, {3, "linear", "sdb", 1, 0}};
    state.userAccess["admin"] = "1,0,1,0,1,0";
    StartServer(state);
    const HWND w = window.handle();

    g_shareList.Set({});
    ASSERT_NE(GetShareList(w, 0, 0), 0u);
    ASSERT_TRUE(WaitForMessages(1));
    EXPECT_EQ(window.received[0].message, WM_CGI_RESULT);
    ASSERT_EQ(g_shareList.Get().size(), 2u);
    EXPECT_EQ(g_shareList.Get()[1].shareName, u"M\u00FCsik");

    g_shareList.Set({});
    ASSERT_NE(GetShareList(w, 0, 1), 0u);
    ASSERT_TRUE(WaitForMessages(2));
    EXPECT_EQ(window.received[1].message, WM_QUERY_RESULT);  // never WM_CGI_RESULT
    ASSERT_TRUE(window.received[1].query);
    EXPECT_EQ(g_shareList.Get().size(), 3u);

    ASSERT_NE(GetDiskInfo(w, 0), 0u);
    ASSERT_TRUE(WaitForMessages(4));
    EXPECT_EQ(window.received[2].message, WM_HDINFO_RESULT);
    EXPECT_EQ(window.received[2].lParam, 9);
    const std::shared_ptr<HdInfo> disks = window.received[2].disks;
    ASSERT_TRUE(disks);
    EXPECT_EQ(disks->diskCount, 2);
    EXPECT_EQ(FieldText(disks->disk2Name), "sdb");
    EXPECT_EQ(disks->disk2SizeGiB, 500);
    EXPECT_EQ(window.received[3].message, WM_CGI_RESULT);
    EXPECT_EQ(window.received[3].lParam, 9);

    const RequestHandle volumes = GetVolumeInfo(w, 0);
    ASSERT_NE(volumes, 0u);
    ASSERT_TRUE(WaitForMessages(5));
    ASSERT_TRUE(window.received[4].query);
    EXPECT_EQ(window.received[4].query->requestHandle, volumes);
    const VolumeUsage& first = window.received[4].query->volumes;
    EXPECT_EQ(first.totalSize >> 20, 1000);
    EXPECT_EQ(first.usedSize >> 20, 10);
    ASSERT_TRUE(first.next && first.next->next);
    EXPECT_EQ(first.next->next->volume, 3);

    ASSERT_NE(GetUserAccess(w, 0), 0u);
    ASSERT_TRUE(WaitForMessages(6));
    ASSERT_TRUE(window.received[5].query);
    EXPECT_EQ(window.received[5].query->authorityText, u"1,0,1,0,1,0");
}

TEST_F(CgiCommandsTest, DiskRecordOfAWindowThatClosedMeanwhileIsFreed) {
    sim::CgiState state;
    state.disks = {{"sda", 1000}};
    StartServer(state);
    {
        // The record is posted while the window still exists and arrives after it closed;
        // the leak checker of the sanitizer build sees a record nobody took back.
        CgiRecordingWindow brief;
        ASSERT_NE(GetDiskInfo(brief.handle(), 0), 0u);
        ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(30)));
    }
    loop.RunFor(std::chrono::milliseconds(20));
    EXPECT_TRUE(window.received.empty());
}

}  // namespace
}  // namespace lumora::test
