#pragma once
// The main window against kl440-sim in private namespaces: a PC adapter on
// 192.0.2.0/24 whose link holds two appliances on the PC's subnet and one on another,
// scripted message boxes, a recording launcher and a settings folder of the test's own.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <typeinfo>
#include <string>
#include <vector>

#include <wx/utils.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include "app/Language.h"
#include "app/Settings.h"
#include "platform/Text.h"
#include "protocol/datagram/DatagramTimings.h"
#include "protocol/datagram/NasList.h"
#include "protocol/query/Thread.h"
#include "support/ApplianceSection.h"
#include "support/ScriptedDialogs.h"
#include "support/SimNetwork.h"
#include "ui/main/Launcher.h"
#include "ui/main/MainWindowState.h"
#include "ui/main/TessilDlg.h"
#include "ui/skin/DialogKeys.h"
#include "ui/skin/WxText.h"
#include "ui/skin/ScreenPixels.h"
#include "ui/skin/SkinTestSupport.h"

namespace lumora::test {

// Presses the button `id` of `dialog` as a click does.
inline void PressButton(wxWindow& dialog, int id) {
    wxWindow* button = dialog.FindWindow(id);
    ASSERT_NE(button, nullptr) << id;
    lumora::PressButton(*button);
}

class RecordingLauncher : public Launcher {
public:
    RecordingLauncher() { SetLauncher(this); }
    ~RecordingLauncher() override { SetLauncher(nullptr); }
    void Open(const std::string& address) override { opened.push_back(address); }
    std::vector<std::string> opened;
};

// Where SaveScreenshot writes the screenshot NAME.
inline std::filesystem::path ScreenshotPath(const std::string& name) {
    return std::filesystem::path(LUMORA_BINARY_DIR) / "artifacts" / "main-window" / (name + ".png");
}

// Saves what the screen shows of `window` as artifacts/main-window/NAME.png.
inline bool SaveScreenshot(wxWindow& window, const std::string& name) {
    return SaveScreenArea(window, ScreenshotPath(name));
}

// True when no two children of `window` carry the same id. wx runs a dialog's own
// InitDialog on every Show, so a window built there as well would hold each control twice.
inline bool BuiltOnce(const wxWindow& window) {
    std::set<int> ids;
    for (const wxWindow* child : window.GetChildren())
        if (child->GetId() >= 0 && !ids.insert(child->GetId()).second) return false;
    return !ids.empty();
}

// Runs `step` once the modal dialog of type T is open (from inside its modal loop), after
// the messages the dialog posted while opening.
template <class T>
void WhenOpen(std::function<void(T&)> step, bool settled = false) {
    wxTheApp->CallAfter([step, settled] {
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* dialog = dynamic_cast<T*>(window); dialog != nullptr && dialog->IsModal()) {
                if (settled) {
                    EXPECT_TRUE(BuiltOnce(*dialog)) << typeid(T).name();
                    step(*dialog);
                } else
                    WhenOpen<T>(step, true);
                return;
            }
        WhenOpen<T>(step);  // not open yet: look again on the next turn of the loop
    });
}

// Destroys the main window at once: its destruction empties the process-wide appliance
// list, which must not happen later under the next window's search.
struct MainWindowCloser {
    void operator()(CTessilDlg* window) const {
        window->Destroy();
        PumpUntil([window] { return !wxPendingDelete.Member(window); });
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    static constexpr const char* kRecordFile = "web-requests.log";

    void SetUp() override {
        if (!net.ok()) GTEST_SKIP() << "network namespaces are not available here";
        ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
        NasList::Instance().Clear();
        // The first-open offer is tested on its own.
        WriteSetting(kSectionUsed, kKeyFirstOpen, u"FALSE");
    }
    void TearDown() override {
        window.reset();
        WaitForWorkers(std::chrono::seconds(30));
        g_pLanguage.reset();
        g_isAdmin = false;
    }

    // Starts the simulator with the three appliances; `extra` is added to "Office".
    void StartAppliances(const std::string& extra = {}) {
        recordPath = (config.path() / kRecordFile).string();
        const std::string common =
            "account = carol:p&ss#1\n"
            "web.volumes = 1:standard:sda:1000:250,2:standard:sdb:500:5\n"
            "web.shares = Public,Music\nweb.usb_shares = USB Stick\n"
            "web.access.bob = 1,1,1,1,0,1,1,1,0,1,0\n";
        ASSERT_TRUE(net.StartSim(
            SimBinary(), ApplianceSection("Office", "00:11:22:33:44:01", "nas0", "192.0.2.20",
                                          common + "web.record = " + recordPath + "\n" + extra) +
                             ApplianceSection("Attic", "00:11:22:33:44:02", "nas0", "192.0.2.30", common) +
                             ApplianceSection("Remote", "00:11:22:33:44:03", "nas0", "198.51.100.7", common)))
            << net.simOutput();
    }

    // Opens the main window and waits for the first search to list the appliances.
    void OpenListed() {
        window.reset(new CTessilDlg);
        window->OnInitDialog();
        window->Show();
        EXPECT_TRUE(BuiltOnce(*window));
        ASSERT_TRUE(
            PumpUntil([&] { return window->ApplianceList().GetCount() == 3; }, std::chrono::seconds(20)))
            << window->ApplianceList().GetCount() << " " << Shown();
    }

    // Connects to the selected appliance and waits until its volumes show.
    void ConnectAndWaitForPanel() {
        Press(CTessilDlg::kConnect);
        ASSERT_TRUE(PumpUntil([&] { return window->InfoPanel().IsShown(); }, std::chrono::seconds(20)))
            << Shown();
    }

    void Press(int id) {
        wxWindow* button = window->FindWindow(id);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->IsEnabled()) << id;
        wxCommandEvent click(wxEVT_BUTTON, id);
        click.SetEventObject(button);
        button->ProcessWindowEvent(click);
    }
    bool Enabled(int id) { return window->FindWindow(id)->IsEnabled(); }

    // The message boxes shown so far, one per line.
    std::string Shown() const {
        std::string all;
        for (const MessageBoxRequest& box : dialogs.shown()) all += WideToUtf8(box.text) + "\n";
        return all;
    }
    bool WasShown(std::u16string_view text) const {
        for (const MessageBoxRequest& box : dialogs.shown())
            if (box.text == text) return true;
        return false;
    }
    std::size_t RecordedRequests() const {
        std::ifstream in(recordPath);
        std::string line;
        std::size_t count = 0;
        while (std::getline(in, line))
            if (line.find("cmd=cgi_") != std::string::npos) ++count;
        return count;
    }

    ConfigHome config;  // before the network: the sandbox outlives the simulator
    SimNetwork net;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    std::unique_ptr<CTessilDlg, MainWindowCloser> window;
    std::string recordPath;
};

}  // namespace lumora::test
