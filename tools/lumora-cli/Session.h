#pragma once
// The console side of lumora-cli: a message loop on the main thread, a window of
// its own for every request, and a dialog service that keeps the messages the
// workers show.

#include <chrono>
#include <deque>
#include <functional>
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
    HWND window = kNoWindow;  // the request window it was posted to
    unsigned message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::shared_ptr<CQuery> query;  // the redeemed request of a WM_QUERY_RESULT
};

class Session;

// The window of one request. Reports name no request (WM_CGI_RESULT carries only the
// kind), so each request gets a window of its own: a report is its request's by the
// window it reached, and once the window is gone a late report of a request given up
// is dropped instead of being taken for the next one's.
class RequestWindow : public MessageTarget {
public:
    explicit RequestWindow(Session& session);
    // Drops the reports still kept for this window (and frees what they carry).
    ~RequestWindow() override;
    HWND handle() const { return registration_.handle(); }
    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

private:
    Session& session_;
    WindowRegistration registration_{*this};
};

class Session : public DialogService {
public:
    // Installs the loop and the dialog service for the life of the session.
    Session();
    ~Session() override;

    // Runs a discovery and waits for its report (showing so on a terminal); false when nothing
    // could be started.
    bool Discover();
    // Starts a request addressed to a window of its own (`start` gets the window and returns
    // the command's handle) and waits for the request's `message`; nothing when the command
    // started nothing, the time ran out or the workers ended without that report. `waiting`,
    // when given, is called about ten times a second meanwhile.
    std::optional<Report> Request(const std::function<RequestHandle(HWND)>& start, unsigned message,
                                  std::chrono::milliseconds timeout,
                                  const std::function<void()>& waiting = {});
    // Waits until a report of `message` reaches `window`, or the workers ended without one.
    std::optional<Report> WaitFor(HWND window, unsigned message, std::chrono::milliseconds timeout);
    // Delivers messages until `done` holds or the time is up; false on time-out.
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // The nasIndex of NAS given as list index, name or MAC (an index in the list wins over
    // a name of digits); -1 when none matches.
    int Resolve(const std::string& nas) const;
    // The messages the workers showed, oldest first (UTF-8).
    std::vector<std::string> Messages() const;

    DialogAnswer ShowMessageBox(const MessageBoxRequest& request) override;
    int RunModal(std::string_view name, const std::function<int()>& run) override;

private:
    friend class RequestWindow;
    void Keep(Report report);
    // WaitFor in short slices, calling `waiting` before each.
    std::optional<Report> WaitWhile(HWND window, unsigned message, std::chrono::milliseconds timeout,
                                    const std::function<void()>& waiting);
    void Forget(HWND window);

    MessageLoop loop_;
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
