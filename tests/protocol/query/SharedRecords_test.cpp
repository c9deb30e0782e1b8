// Records that workers write and the UI thread reads, under overlapping requests as
// the wizard makes them: a LAN poll every second while other requests run, a password
// change and a new discovery in between. The sanitizer builds catch what a plain run
// cannot see (ThreadSanitizer: unguarded records; AddressSanitizer: freed ones).

#include <gtest/gtest.h>

#include "protocol/cgi/CgiCommands.h"
#include "protocol/cgi/CgiTestFixture.h"
#include "protocol/datagram/DatagramCommands.h"

namespace lumora::test {
namespace {

constexpr const char* kMac = "00:11:22:33:44:55";

class SharedRecordsTest : public CgiEndToEnd {
protected:
    void ListTheAppliance() {
        NasDevice device;
        CopyToField(device.ip, kAddress);
        CopyToField(device.macText, kMac);
        NasList::Instance().Append(device);
    }
    // What a window does between messages: look at every shared record.
    void ReadEverything() {
        const WizardInfo info = g_wizardInfo.Get();
        const std::optional<NasDevice> device = NasList::Instance().At(0);
        reads += FieldText(info.ip).size() + (device ? FieldText(device->ip).size() : 0) +
                 g_shareList.Get().size() + CredentialText(g_password).size();
    }
    std::size_t reads = 0;
};

TEST_F(SharedRecordsTest, LanPollsPasswordChangesAndDiscoveryOverlap) {
    sim::CgiState state;
    state.lan.ip = kAddress;
    state.lan.netmask = "255.0.0.0";
    state.lan.gateway = "127.0.0.1";
    // bob's password changes; requests authorise as "admin" with whichever password bob
    // had when they were built, and one still in flight may be refused: that is fine here.
    state.passwords["bob"] = "admin";
    StartServer(state);
    NasList::Instance().Clear();
    ListTheAppliance();
    SetCredentials("bob", "admin");
    const HWND w = window.handle();
    constexpr int kRounds = 6;
    std::size_t expected = 0;
    for (int round = 0; round < kRounds; ++round) {
        for (int poll = 0; poll < 3; ++poll) expected += GetLanInfo(w, 0) != 0;
        expected += GetWizardInfo(w, 0) != 0;
        g_shareList.Set({});
        expected += GetShareList(w, 0, 0) != 0;
        const bool even = round % 2 == 0;
        ASSERT_NE(ChangePassword(w, 0, even ? u"admin" : u"n\u00E8xt", even ? u"n\u00E8xt" : u"admin"), 0u);
        ++expected;
        if (round == kRounds / 2) {
            // A new discovery empties the list while LAN replies are on their way (there is
            // no adapter in this namespace: it reports at once), then the appliance is back.
            ASSERT_NE(StartDiscovery(w), 0u);
            ++expected;
            ListTheAppliance();
        }
        ASSERT_TRUE(loop.RunUntil(
            [&] {
                ReadEverything();
                return window.received.size() >= expected;
            },
            std::chrono::seconds(60)));
        ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(30)));
    }
    loop.RunFor(std::chrono::milliseconds(1));
    EXPECT_EQ(window.received.size(), expected);
    for (const CgiReport& r : window.received)
        if (r.message == WM_CGI_RESULT && r.lParam == kKindChangePassword) {
            EXPECT_EQ(r.wParam, 0u);
        }
    EXPECT_EQ(CredentialText(g_password), "admin");  // an even number of changes
    EXPECT_EQ(FieldText(NasList::Instance().At(0)->ip), kAddress);
    EXPECT_EQ(FieldText(g_wizardInfo.Get().netmask), "255.0.0.0");
    EXPECT_GT(reads, 0u);
}

TEST_F(SharedRecordsTest, VolumeRecordsTravelWithTheirRequest) {
    sim::CgiState state;
    state.volumes = {{1, "standard", "sda", 900, 3}, {2, "standard", "sdb", 800, 4}};
    StartServer(state);
    {
        // This caller gives up before the reply: nothing of its own may be written later.
        CgiRecordingWindow gaveUp;
        ASSERT_NE(GetVolumeInfo(gaveUp.handle(), 0), 0u);
    }
    const RequestHandle handle = GetVolumeInfo(window.handle(), 0);
    ASSERT_NE(handle, 0u);
    ASSERT_TRUE(WaitForMessages(1));
    ASSERT_TRUE(WaitForWorkers(std::chrono::seconds(30)));
    loop.RunFor(std::chrono::milliseconds(1));
    ASSERT_EQ(window.received.size(), 1u);
    const std::shared_ptr<CQuery> query = window.received[0].query;
    ASSERT_TRUE(query);
    EXPECT_EQ(query->requestHandle, handle);
    EXPECT_EQ(query->volumes.volume, 1);
    ASSERT_TRUE(query->volumes.next);
    EXPECT_EQ(query->volumes.next->usedSize >> 20, 4);
    EXPECT_FALSE(query->volumes.next->next);
}

TEST_F(SharedRecordsTest, LanReplyChangesOnlyTheApplianceItWasAskedOf) {
    NasList::Instance().Clear();
    ListTheAppliance();
    // A reply that meets another appliance at its position (a discovery in between)
    // leaves that appliance's record alone.
    NasList& list = NasList::Instance();
    EXPECT_FALSE(list.Update(0, "00:00:00:00:00:09", [](NasDevice& d) { CopyToField(d.ip, "10.9.9.9"); }));
    EXPECT_FALSE(list.Update(1, kMac, [](NasDevice& d) { CopyToField(d.ip, "10.9.9.9"); }));
    EXPECT_EQ(FieldText(list.At(0)->ip), kAddress);
    EXPECT_TRUE(list.Update(0, kMac, [](NasDevice& d) { CopyToField(d.netmask, "255.0.0.0"); }));
    EXPECT_EQ(FieldText(list.At(0)->netmask), "255.0.0.0");
}

}  // namespace
}  // namespace lumora::test
