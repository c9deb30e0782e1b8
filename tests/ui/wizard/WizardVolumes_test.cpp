// The volume page and the format dialog against the simulated appliance's disks.

#include "ui/wizard/WizardTestSupport.h"

#include <wx/timer.h>

#include "ui/wizard/ProcessDialog.h"

namespace lumora::test {
namespace {

using Id = CWizardDialog::Id;

// Looks at the open format dialog every few milliseconds while its modal loop runs.
class FormatWatcher : public wxTimer {
public:
    explicit FormatWatcher(std::function<void(CProcessDialog&)> look) : look_(std::move(look)) { Start(20); }
    void Notify() override {
        for (wxWindow* w : wxTopLevelWindows)
            if (auto* dialog = dynamic_cast<CProcessDialog*>(w); dialog != nullptr && dialog->IsModal())
                look_(*dialog);
    }

private:
    std::function<void(CProcessDialog&)> look_;
};

class WizardVolumesTest : public WizardTest {
protected:
    // Opens the volume page and waits for the disk answer.
    void OpenRaidPage() {
        OpenWizard(true);
        ASSERT_TRUE(Press(&wizard->Tab(4)));
        ASSERT_TRUE(WaitForPage(pages.raid));
        ASSERT_TRUE(PumpUntil([&] { return pages.raid.diskInfoReceived; }, 20s));
    }
    // Formats with the layout button `index`, watching the dialog until `done` says so, then OK.
    void Format(int index, const std::function<bool(CProcessDialog&)>& done) {
        ASSERT_TRUE(Press(pages.raid.buttons[index]));
        bool closed = false;
        FormatWatcher watcher([&](CProcessDialog& dialog) {
            if (!closed && done(dialog)) {
                closed = true;
                dialog.Close(IDOK);
            }
        });
        ASSERT_TRUE(Press(Id::kNextId));  // returns once the dialog closed
        EXPECT_TRUE(closed);
        ASSERT_TRUE(WaitForPage(pages.driveMapping));
    }
    std::string CreateRequest() const {
        const std::vector<std::string> sent = Requests("cmd=cgi_FMT_Create_DiskMGR");
        return sent.empty() ? std::string() : sent.back();
    }
    static std::string Volume(const std::string& number, const std::string& level, int size,
                              const std::string& devices, int extra, int matched) {
        const std::string s = std::to_string(size);
        return number + "," + level + ",ext4," + s + "," + devices + ",none," + std::to_string(extra) +
               ",1," + s + ",0,none," + std::to_string(matched) + ",0,0,null";
    }
};

TEST_F(WizardVolumesTest, TwoDifferentDisksInRaid0FormatToCompletion) {
    ASSERT_NO_FATAL_FAILURE(StartAppliance("web.disks = sda:1000,sdb:500\n"));
    ASSERT_NO_FATAL_FAILURE(OpenRaidPage());
    EXPECT_TRUE(pages.raid.buttons[3]->IsEnabled());
    Screenshot(*wizard, "5-raid");
    bool midShot = false;
    Format(2, [&](CProcessDialog& dialog) {
        if (!midShot && dialog.Percent() > 0 && dialog.Percent() < 100) {
            midShot = true;
            Screenshot(dialog, "7-format-progress");
        }
        if (dialog.Completed()) Screenshot(dialog, "8-format-complete");
        return dialog.Completed();
    });
    EXPECT_TRUE(midShot);
    EXPECT_EQ(CreateRequest(),
              "cmd=cgi_FMT_Create_DiskMGR&f_create_volume_info=" + Volume("1", "raid0", 994, "sdasdb", 0, 0) +
                  "," + Volume("2", "linear", 494, "sdasdb", 1, 0) + "&f_create_type=1&f_auto_sync=0");
    EXPECT_FALSE(dialogs.Showed(u"format error."));
    EXPECT_EQ(Requests("cmd=cgi_FMT_Disk_Finish").size(), 1u);
}

TEST_F(WizardVolumesTest, TwoEqualDisksMirrorAndUnusableAnswersFormatNothing) {
    ASSERT_NO_FATAL_FAILURE(StartAppliance("web.disks = sda:1000,sdb:1000\n"));
    ASSERT_NO_FATAL_FAILURE(OpenRaidPage());
    CRaidPage& page = pages.raid;

    // Names that do not fit one 10-byte field together are refused, not cut.
    auto longNames = std::make_unique<HdInfo>();
    longNames->diskCount = 2;
    CopyToField(longNames->disk1Name, "sdaaaa");
    CopyToField(longNames->disk2Name, "sdbbbb");
    longNames->disk1SizeGiB = longNames->disk2SizeGiB = 1000;
    SendMessage(page.Handle(), WM_HDINFO_RESULT, ReleaseHdInfo(std::move(longNames)), 9);
    ASSERT_TRUE(Press(page.buttons[3]));
    ASSERT_TRUE(Press(Id::kNextId));
    EXPECT_TRUE(dialogs.Showed(u"The disk names are too long to be joined for this layout."));
    // An answer without disks leaves nothing to format: no dialog opens.
    auto none = std::make_unique<HdInfo>();
    SendMessage(page.Handle(), WM_HDINFO_RESULT, ReleaseHdInfo(std::move(none)), 9);
    ASSERT_TRUE(Press(Id::kNextId));
    EXPECT_TRUE(dialogs.modals().empty());
    EXPECT_EQ(wizard->ActivePage(), &page);

    // Showing the page again asks the appliance again.
    ASSERT_TRUE(Press(Id::kPreviousId));
    ASSERT_TRUE(Press(&wizard->Tab(4)));
    ASSERT_TRUE(PumpUntil([&] { return page.diskCount == 2; }, 20s));
    // The mirror needs only the first answers; the dialog closes once the volumes were asked for.
    Format(3, [&](CProcessDialog&) { return !CreateRequest().empty(); });
    EXPECT_EQ(CreateRequest(),
              "cmd=cgi_FMT_Create_DiskMGR&f_create_volume_info=" + Volume("1", "raid1", 997, "sdasdb", 0, 1) +
                  "&f_create_type=1&f_auto_sync=1");
}

TEST_F(WizardVolumesTest, OneDiskWithAFormatErrorStillRemountsToCompletion) {
    ASSERT_NO_FATAL_FAILURE(StartAppliance("web.disks = sda:500\nweb.fault = format_error\n"));
    ASSERT_NO_FATAL_FAILURE(OpenRaidPage());
    EXPECT_TRUE(pages.raid.buttons[0]->IsEnabled());
    EXPECT_FALSE(pages.raid.buttons[1]->IsEnabled() || pages.raid.buttons[2]->IsEnabled() ||
                 pages.raid.buttons[3]->IsEnabled());
    // Cancel in the confirmation sends nothing.
    dialogs.Answer(DialogAnswer::Cancel);
    ASSERT_TRUE(Press(Id::kNextId));
    EXPECT_TRUE(dialogs.modals().empty());
    bool completed = false;
    Format(0, [&](CProcessDialog& dialog) {
        completed = dialog.Completed();
        return dialog.ButtonsEnabled();
    });
    EXPECT_TRUE(dialogs.Showed(u"format error."));
    EXPECT_TRUE(completed);
    EXPECT_EQ(CreateRequest(),
              "cmd=cgi_FMT_Create_DiskMGR&f_create_volume_info=" + Volume("1", "standard", 497, "sda", 0, 1) +
                  "&f_create_type=1&f_auto_sync=0");
}

}  // namespace
}  // namespace lumora::test
