#pragma once
// The wizard's tests: a PC and one simulated appliance in private namespaces, the
// appliance found by a real discovery, the wizard opened modeless over it, scripted
// message boxes, the simulator's record of every CGI request, and screenshots.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/datagram/NasList.h"
#include "protocol/query/Credentials.h"
#include "protocol/query/Messages.h"
#include "protocol/query/Msg.h"
#include "protocol/query/Thread.h"
#include "support/ApplianceSection.h"
#include "support/ScriptedDialogs.h"
#include "support/SimNetwork.h"
#include "ui/main/MainWindowState.h"
#include "ui/skin/ScreenPixels.h"
#include "ui/skin/SkinTestSupport.h"
#include "ui/wizard/WizardPages.h"

namespace lumora::test {

using namespace std::chrono_literals;

// Stands for the main window: takes the discovery's result and answers WM_OTHER_SUBNET
// as the main window does, by closing the open modal window.
class OwnerWindow : public MessageTarget {
public:
    LRESULT OnMessage(unsigned message, WPARAM, LPARAM lParam) override {
        if (message == WM_QUERY_RESULT) {
            CMsg::Instance().TakeParam(lParam);
            discovered = true;
        }
        if (message == WM_OTHER_SUBNET) {
            ++otherSubnet;
            if (g_hOpenModal != kNoWindow) SendMessage(g_hOpenModal, WM_CLOSE);
        }
        return 0;
    }
    HWND handle() const { return registration.handle(); }

    bool discovered = false;
    int otherSubnet = 0;
    WindowRegistration registration{*this};
};

// Runs the format dialog for real (its modal loop), answers every other modal with IDOK.
class RunningDialogs : public ScriptedDialogs {
public:
    int RunModal(std::string_view name, const std::function<int()>& run) override {
        const int scripted = ScriptedDialogs::RunModal(name, run);
        return name == "CProcessDialog" ? run() : scripted;
    }
    // Whether a message box with exactly this text was shown.
    bool Showed(std::u16string_view text) const {
        for (const MessageBoxRequest& r : shown())
            if (r.text == text) return true;
        return false;
    }
    // Whether a message box containing this text was shown.
    bool ShowedPart(std::u16string_view part) const {
        for (const MessageBoxRequest& r : shown())
            if (r.text.find(part) != std::u16string::npos) return true;
        return false;
    }
};

class WizardTest : public ::testing::Test {
protected:
    static constexpr const char* kApplianceIp = "192.0.2.20";

    void SetUp() override {
        if (!net.ok()) GTEST_SKIP() << "network namespaces are not available here";
        record = files.path() / "requests.log";
    }
    void TearDown() override {
        delete wizard;
        wizard = nullptr;
        WaitForWorkers(30s);
        Pump(20ms);
        NasList::Instance().Clear();
        ClearCredentials();
        g_isAdmin = false;
        g_shareList.Set({});
    }

    // Starts the appliance (the lines of `extra` added to its section) and finds it.
    void StartAppliance(const std::string& extra = {}, const std::string& ip = kApplianceIp) {
        ASSERT_TRUE(net.AddAdapter("pc0", "192.0.2.1/24", "nas0"));
        const std::string config =
            ApplianceSection("Attic", "00:11:22:33:44:55", "nas0", ip,
                             "account = bob:bobpass12\nweb.record = " + record.string() +
                                 "\nweb.format_seconds = 2\nweb.move_delay = 1.5\n" + extra);
        ASSERT_TRUE(net.StartSim(SimBinary(), config));
        ASSERT_NO_FATAL_FAILURE(Discover());
    }
    void Discover() {
        owner.discovered = false;
        ASSERT_NE(StartDiscovery(owner.handle()), 0u);
        ASSERT_TRUE(PumpUntil([&] { return owner.discovered; }, 20s));
        ASSERT_EQ(NasList::Instance().Count(), 1);
    }

    // Opens the wizard for the administrator or for bob, logged in with `password`.
    void OpenWizard(bool admin, const char* password = nullptr) {
        SetCredentials(admin ? "admin" : "bob", password ? password : admin ? "admin" : "bobpass12");
        g_isAdmin = admin;
        wizard = new CWizardDialog(nullptr, owner.handle());
        AddWizardPages(*wizard, pages, 0, admin, AnsiToWide(kApplianceIp));
        wizard->SetPollPeriod(50ms);
        wizard->Move(0, 0);
        wizard->Open();
        wizard->Show();
        Pump(50ms);
    }

    // Presses a visible, enabled button of the frame (or a page) as the mouse does.
    bool Press(wxWindow* button) {
        if (button == nullptr || !button->IsShownOnScreen() || !button->IsEnabled()) return false;
        Click(*button, 5, 5);
        // What the click posted (a radio group's unchecking) lands before the next input, as with a user.
        Pump(30ms);
        return true;
    }
    bool Press(int frameButtonId) { return Press(wizard->Button(frameButtonId)); }
    bool IsShown(int frameButtonId) const {
        wxWindow* b = wizard->Button(frameButtonId);
        return b != nullptr && b->IsShown() && b->IsEnabled();
    }
    bool WaitForPage(const CWizardPage& page, std::chrono::milliseconds limit = 20s) {
        return PumpUntil([&] { return wizard->ActivePage() == &page; }, limit);
    }

    // Bodies of the recorded CGI requests that begin with `command`, oldest first.
    std::vector<std::string> Requests(std::string_view command) const {
        std::vector<std::string> bodies;
        for (const std::string& request : RecordedRequests()) {
            const std::size_t start = request.find("\r\n\r\n");
            if (start == std::string::npos) continue;
            const std::string body = request.substr(start + 4);
            if (body.rfind(command, 0) == 0) bodies.push_back(body);
        }
        return bodies;
    }
    std::vector<std::string> RecordedRequests() const {
        std::vector<std::string> requests;
        std::ifstream in(record, std::ios::binary);
        std::string line;
        while (std::getline(in, line) && !line.empty()) {
            std::string request(std::stoul(line), '\0');
            in.read(request.data(), static_cast<std::streamsize>(request.size()));
            in.get();
            requests.push_back(std::move(request));
        }
        return requests;
    }
    bool WaitForRequest(std::string_view command, std::size_t count = 1,
                        std::chrono::milliseconds limit = 20s) {
        return PumpUntil([&] { return Requests(command).size() >= count; }, limit);
    }

    // Saves what the screen shows of the window to the build's artifacts folder.
    static void Screenshot(wxWindow& window, const std::string& name) {
        EXPECT_TRUE(SaveScreenArea(
            window, std::filesystem::path(LUMORA_BINARY_DIR) / "artifacts" / "wizard" / (name + ".png")));
    }

    SimNetwork net;
    Sandbox files;
    std::filesystem::path record;
    RunningDialogs dialogs;
    OwnerWindow owner;
    WizardPages pages;
    CWizardDialog* wizard = nullptr;
};

}  // namespace lumora::test
