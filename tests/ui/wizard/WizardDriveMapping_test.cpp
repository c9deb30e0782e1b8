// The drive-mapping page with the appliance's real share list and a stand-in for the
// PC's drive letters.

#include "ui/wizard/WizardTestSupport.h"

#include <atomic>
#include <functional>
#include <map>
#include <thread>

#include "platform/NetworkDrives.h"
#include "ui/skin/core/SkinMessages.h"

namespace lumora::test {
namespace {

using Id = CWizardDialog::Id;

class FakeDrives : public NetworkDriveProvider {
public:
    FakeDrives() { SetNetworkDriveProvider(this); }
    ~FakeDrives() override { SetNetworkDriveProvider(nullptr); }

    std::u16string GetConnection(const std::u16string& localName) override {
        auto it = connected.find(localName);
        return it == connected.end() ? std::u16string() : it->second;
    }
    DriveResult AddConnection(const DriveConnectRequest& request) override {
        added.push_back(request);
        if (whileAdding) whileAdding();
        if (!addWorks) return {false, "refused"};
        connected[request.localName] = request.remoteName;
        return {true, {}};
    }
    DriveResult CancelConnection(const std::u16string& localName, bool, bool) override {
        cancelled.push_back(localName);
        if (!cancelWorks) return {false, "refused"};
        connected.erase(localName);
        return {true, {}};
    }
    std::vector<std::u16string> LogicalDrives() override {
        std::vector<std::u16string> drives{u"C:\\", u"D:\\"};
        for (const auto& [letter, remote] : connected) drives.push_back(letter + u"\\");
        return drives;
    }

    std::map<std::u16string, std::u16string> connected;
    std::vector<DriveConnectRequest> added;
    std::vector<std::u16string> cancelled;
    bool addWorks = true;
    bool cancelWorks = true;
    std::function<void()> whileAdding;  // runs inside a mount, on the thread that mounts
};

class WizardDriveMappingTest : public WizardTest {
protected:
    // Picks `text` in the row's choice box, as the list reports an edit.
    void Choose(int row, std::u16string_view text) {
        pages.driveMapping.list->SetItemText(row, 1, text);
        SendMessage(pages.driveMapping.Handle(), WM_SKIN_LISTITEMEDITED, row, 1);
    }
    std::u16string Label(int row) const { return pages.driveMapping.list->GetItemText(row, 1); }

    FakeDrives drives;
};

TEST_F(WizardDriveMappingTest, SharesShowTheirLettersAndMapUnmapAndRemap) {
    ASSERT_NO_FATAL_FAILURE(StartAppliance());
    drives.connected[u"Y:"] = u"\\\\192.0.2.20\\Download";
    drives.connected[u"X:"] = u"\\\\attic\\Public";  // by host name: not recognised
    OpenWizard(false);
    ASSERT_TRUE(Press(Id::kSkipId));
    ASSERT_TRUE(WaitForPage(pages.driveMapping));
    CDriveMappingPage& page = pages.driveMapping;
    ASSERT_TRUE(PumpUntil([&] { return page.list->GetItemCount() == 3; }, 20s));
    EXPECT_EQ(page.list->GetItemText(0, 0), u"Public");
    EXPECT_EQ(Label(0), u"select");
    EXPECT_EQ(Label(1), u"Y:");
    Screenshot(*wizard, "6-drive-mapping");

    ChoiceList choices;
    SendMessage(page.Handle(), WM_SKIN_LISTGETCHOICES, 0, reinterpret_cast<LPARAM>(&choices));
    ChoiceList expected{u"select", u"Z:", u"W:"};
    for (char16_t c = u'V'; c >= u'E'; --c) expected.push_back(std::u16string{c, u':'});
    expected.insert(expected.end(), {u"B:", u"A:"});
    EXPECT_EQ(choices, expected);
    choices.clear();
    SendMessage(page.Handle(), WM_SKIN_LISTGETCHOICES, 1, reinterpret_cast<LPARAM>(&choices));
    EXPECT_NE(std::find(choices.begin(), choices.end(), u"Y:"), choices.end());  // its own letter

    // A mount runs beside the UI thread, which keeps serving its events meanwhile: the event
    // queued here is served before the mount ends (on the UI thread it never could be).
    std::atomic<bool> served{false};
    drives.whileAdding = [&served] {
        wxTheApp->CallAfter([&served] { served = true; });
        for (int i = 0; i < 2000 && !served; ++i) std::this_thread::sleep_for(10ms);
    };
    Choose(0, u"Z:");
    drives.whileAdding = nullptr;
    EXPECT_TRUE(served);
    ASSERT_EQ(drives.added.size(), 1u);
    EXPECT_EQ(drives.added[0].remoteName, u"\\\\192.0.2.20\\Public");
    EXPECT_EQ(drives.added[0].userName, u"bob");
    EXPECT_EQ(drives.added[0].password, u"bobpass12");
    EXPECT_TRUE(dialogs.Showed(u"Mount is successful."));
    EXPECT_EQ(Label(0), u"Z:");

    // A remap whose disconnect fails connects nothing and keeps the old letter.
    drives.cancelWorks = false;
    Choose(0, u"W:");
    EXPECT_TRUE(dialogs.Showed(u"Mount is failed."));
    EXPECT_EQ(drives.added.size(), 1u);
    EXPECT_EQ(Label(0), u"Z:");
    // Disconnected but not connected again: the row shows "select".
    drives.cancelWorks = true;
    drives.addWorks = false;
    Choose(0, u"W:");
    EXPECT_EQ(drives.cancelled.back(), u"Z:");
    EXPECT_EQ(Label(0), u"select");

    Choose(1, u"select");
    EXPECT_TRUE(dialogs.Showed(u"Unmount is successful."));
    EXPECT_EQ(drives.cancelled.back(), u"Y:");
    EXPECT_EQ(Label(1), u"select");
    EXPECT_FALSE(drives.connected.count(u"Y:"));
}

}  // namespace
}  // namespace lumora::test
