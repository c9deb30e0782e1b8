#pragma once
// The console side of lumora-cli: a message loop on the main thread, one
// window that receives the requests' reports, and a dialog service that
// keeps the messages the workers show.

#include <chrono>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/WindowMessages.h"
#include "protocol/query/Query.h"

namespace lumora::cli {

struct Report {
    unsigned message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::shared_ptr<CQuery> query;  // the redeemed request of a WM_QUERY_RESULT
};

class Session : public MessageTarget, public DialogService {
public:
    // Installs the loop and the dialog service for the life of the session.
    Session();
    ~Session() override;

    // Runs a discovery and waits for its report; false when nothing could be started.
    bool Discover();
    // Waits until a report of `message` for `handle` arrives, or the workers ended without one.
    std::optional<Report> WaitFor(unsigned message, RequestHandle handle, std::chrono::milliseconds timeout);
    // Delivers messages until `done` holds or the time is up; false on time-out.
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // The nasIndex of NAS given as list index, name or MAC (an index in the list wins over
    // a name of digits); -1 when none matches.
    int Resolve(const std::string& nas) const;
    // The messages the workers showed, oldest first (UTF-8).
    std::vector<std::string> Messages() const;

    HWND window() const { return registration_.handle(); }

    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;
    DialogAnswer ShowMessageBox(const MessageBoxRequest& request) override;
    int RunModal(std::string_view name, const std::function<int()>& run) override;

private:
    MessageLoop loop_;
    WindowRegistration registration_;
    std::deque<Report> reports_;
    mutable std::mutex messagesMutex_;
    std::vector<std::string> messages_;
};

// Keeps the reason the request `handle` recorded for its failure, if any, for the next
// failure message (see Fail); main thread.
void NoteFailureReason(RequestHandle handle);
// The kept reason ("connection refused by 192.0.2.7"), once; "" when none was kept.
std::string TakeFailureReason();

}  // namespace lumora::cli
