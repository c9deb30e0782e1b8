#include "protocol/cgi/FormatSequence.h"

#include <chrono>

#include "protocol/cgi/CgiCommands.h"
#include "protocol/cgi/CgiForms.h"
#include "protocol/query/Messages.h"

namespace lumora {

namespace {

// The once-a-second poll, posted by the ticker thread to the sequence's own window.
constexpr unsigned kTick = WM_USER + 1100;

}  // namespace

FormatSequence::FormatSequence(int nasIndex, const VolumeSpec& volumes, Listener listener)
    : nasIndex_(nasIndex), volumes_(volumes), listener_(std::move(listener)) {}

FormatSequence::~FormatSequence() { StopTicks(); }

bool FormatSequence::Start() {
    if (StopFileBrowser(window_.handle(), nasIndex_) != 0) return true;
    Fail("setting failed.");
    return false;
}

void FormatSequence::Fail(const std::string& text) {
    StopTicks();
    finished_ = true;
    listener_({Event::Failed, 0, text});
}

void FormatSequence::StartTicks() {
    polling_ = true;
    const HWND window = window_.handle();
    ticker_ = std::jthread([window](std::stop_token stop) {
        while (!stop.stop_requested()) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            if (!stop.stop_requested()) PostMessage(window, kTick);
        }
    });
}

void FormatSequence::StopTicks() {
    polling_ = false;
    if (ticker_.joinable()) {
        ticker_.request_stop();
        ticker_.join();
    }
}

void FormatSequence::StartRemount() {
    StopTicks();
    if (RemountDisks(window_.handle(), nasIndex_) == 0) Fail("setting failed.");
}

LRESULT FormatSequence::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (finished_) return 0;
    const HWND self = window_.handle();
    switch (message) {
        case kTick:
            if (polling_ && ReadFormatState(self, nasIndex_) == 0)
                listener_({Event::Failed, 0, "setting failed."});
            break;
        case WM_FORMAT_START_RESULT:
            if (wParam == 0) return Fail("setting failed."), 0;
            listener_({Event::Step, 0, "volumes created"});
            StartTicks();
            break;
        case WM_FORMAT_PROGRESS:
            // An answer to a poll still under way when the polling stopped changes nothing.
            if (!polling_) break;
            if (wParam == 1) {
                listener_({Event::Progress, static_cast<int>(lParam), {}});
                break;
            }
            if (wParam == 0) {
                formatError_ = true;
                listener_({Event::Step, static_cast<int>(lParam), "format error."});
            } else {
                listener_({Event::Progress, static_cast<int>(lParam), {}});
            }
            StartRemount();
            break;
        case WM_DISK_STEP_RESULT:
            switch (lParam) {
                case kKindStopFileBrowser:
                    if (wParam == 0) return Fail("setting failed."), 0;
                    listener_({Event::Step, 0, "file browser stopped"});
                    if (CreateVolumes(self, nasIndex_, volumes_) == 0) Fail("setting failed.");
                    break;
                case kKindRemount:
                    if (wParam == 0) return Fail("Set Remount failed."), 0;
                    listener_({Event::Step, 0, "disks remounted"});
                    if (CheckRemountState(self, nasIndex_) == 0) Fail("CheckDiskRemountState failed.");
                    break;
                case kKindCheckRemount:
                    if (wParam == 0) return Fail("CheckDiskRemountState  failed."), 0;
                    listener_({Event::Step, 0, "remount checked"});
                    if (FinishFormat(self, nasIndex_) == 0) Fail("setting failed.");
                    break;
                case kKindFinishFormat:
                    finished_ = true;
                    succeeded_ = wParam != 0;
                    listener_({succeeded_ ? Event::Done : Event::Failed, 100,
                               succeeded_ ? "Complete" : "finish refused"});
                    break;
                default: break;
            }
            break;
        default: break;
    }
    return 0;
}

}  // namespace lumora
