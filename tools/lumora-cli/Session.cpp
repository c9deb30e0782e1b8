#include "Session.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "SearchProgress.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiReplyRecords.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/datagram/LoginRefusal.h"
#include "protocol/datagram/NasList.h"
#include "protocol/query/Messages.h"
#include "protocol/query/Msg.h"
#include "protocol/query/RequestFailure.h"

namespace lumora::cli {

namespace {

std::string& KeptFailureReason() {
    static std::string reason;
    return reason;
}

}  // namespace

void NoteFailureReason(RequestHandle handle) {
    if (const std::optional<RecordedFailure> failure = TakeRequestFailure(handle))
        KeptFailureReason() = DescribeRequestFailure(failure->failure, failure->host);
}

std::string TakeFailureReason() { return std::exchange(KeptFailureReason(), std::string()); }

// --- RequestWindow

RequestWindow::RequestWindow(Session& session) : session_(session) {}

RequestWindow::~RequestWindow() { session_.Forget(handle()); }

LRESULT RequestWindow::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    Report report{handle(), message, wParam, lParam, nullptr};
    if (message == WM_QUERY_RESULT) {
        CMsg::Taken taken = CMsg::Instance().TakeParam(lParam);
        if (!taken.found) return 0;
        report.query = std::move(taken.request);
    }
    session_.Keep(std::move(report));
    return 0;
}

// --- Session

Session::Session() {
    SetMessageDispatcher(&loop_);
    SetDialogService(this);
    // The settings file is the desktop program's; nothing here names its current appliance.
    SetRefusalForgetsRememberedLogin(false);
}

Session::~Session() {
    // Workers may still report while they end; let them finish before the loop goes.
    WaitForWorkers(std::chrono::seconds(60));
    SetDialogService(nullptr);
    SetMessageDispatcher(nullptr);
}

void Session::Keep(Report report) { reports_.push_back(std::move(report)); }

void Session::Forget(HWND window) {
    for (auto it = reports_.begin(); it != reports_.end();) {
        if (it->window != window) {
            ++it;
            continue;
        }
        // A disk record nobody took is freed with its report.
        if (it->message == WM_HDINFO_RESULT) TakeHdInfo(it->wParam);
        it = reports_.erase(it);
    }
}

DialogAnswer Session::ShowMessageBox(const MessageBoxRequest& request) {
    std::lock_guard lock(messagesMutex_);
    messages_.push_back(WideToUtf8(request.text));
    return DialogAnswer::Ok;
}

int Session::RunModal(std::string_view, const std::function<int()>&) { return IDCANCEL; }

std::vector<std::string> Session::Messages() const {
    std::lock_guard lock(messagesMutex_);
    return messages_;
}

std::optional<Report> Session::WaitFor(HWND window, unsigned message, std::chrono::milliseconds timeout) {
    auto take = [&]() -> std::optional<Report> {
        const auto it = std::find_if(reports_.begin(), reports_.end(), [&](const Report& r) {
            return r.window == window && r.message == message;
        });
        if (it == reports_.end()) return std::nullopt;
        Report report = std::move(*it);
        reports_.erase(it);
        return report;
    };
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (auto report = take()) return report;
        // A worker posts before it ends, so once none runs its report is already queued.
        if (RunningWorkerCount() == 0) {
            loop_.RunQueued();
            return take();
        }
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        const std::size_t kept = reports_.size();
        loop_.RunUntil([&] { return reports_.size() != kept; }, std::chrono::milliseconds(20));
    }
}

std::optional<Report> Session::WaitWhile(HWND window, unsigned message, std::chrono::milliseconds timeout,
                                         const std::function<void()>& waiting) {
    constexpr auto kSlice = std::chrono::milliseconds(100);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        waiting();
        if (std::optional<Report> report = WaitFor(window, message, kSlice)) return report;
        // Either the workers ended (a last look takes what they queued) or the slice ran out.
        if (RunningWorkerCount() == 0) return WaitFor(window, message, std::chrono::milliseconds(0));
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    }
}

std::optional<Report> Session::Request(const std::function<RequestHandle(HWND)>& start, unsigned message,
                                       std::chrono::milliseconds timeout,
                                       const std::function<void()>& waiting) {
    RequestWindow window(*this);
    const RequestHandle handle = start(window.handle());
    if (handle == 0) return std::nullopt;
    std::optional<Report> report = waiting ? WaitWhile(window.handle(), message, timeout, waiting)
                                           : WaitFor(window.handle(), message, timeout);
    // What went wrong is kept for the message the command prints.
    if (!report || report->wParam != 0) NoteFailureReason(handle);
    return report;
}

bool Session::PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        loop_.RunUntil(done, std::chrono::milliseconds(50));
    }
    return true;
}

bool Session::Discover() {
    SearchProgress progress;
    return Request(&StartDiscovery, WM_QUERY_RESULT, std::chrono::minutes(2), [&] { progress.Update(); })
        .has_value();
}

int Session::Resolve(const std::string& nas) const {
    const NasList& list = NasList::Instance();
    // A position in the list first; digits that are none may still be an appliance's name.
    if (!nas.empty() &&
        std::all_of(nas.begin(), nas.end(), [](unsigned char c) { return std::isdigit(c); })) {
        const int index = nas.size() < 4 ? std::stoi(nas) : -1;
        if (list.At(index)) return index;
    }
    auto lower = [](std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    for (int i = 0; i < list.Count(); ++i) {
        const std::optional<NasDevice> device = list.At(i);
        if (!device) break;
        if (WideToUtf8(AnsiToWide(FieldText(device->name))) == nas) return i;
        if (std::string(FieldText(device->macText)) == lower(nas)) return i;
    }
    return -1;
}

}  // namespace lumora::cli
