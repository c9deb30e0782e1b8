#include "Session.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/Text.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/datagram/LoginRefusal.h"
#include "protocol/query/Messages.h"
#include "protocol/query/Msg.h"
#include "protocol/query/RequestFailure.h"
#include "protocol/datagram/NasList.h"

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

Session::Session() : registration_(*this) {
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

LRESULT Session::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    Report report{message, wParam, lParam, nullptr};
    if (message == WM_QUERY_RESULT) {
        CMsg::Taken taken = CMsg::Instance().TakeParam(lParam);
        if (!taken.found) return 0;
        report.query = std::move(taken.request);
    }
    reports_.push_back(std::move(report));
    return 0;
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

std::optional<Report> Session::WaitFor(unsigned message, RequestHandle handle,
                                       std::chrono::milliseconds timeout) {
    auto take = [&]() -> std::optional<Report> {
        for (auto it = reports_.begin(); it != reports_.end(); ++it) {
            // A query result counts only when it is this request's (the window's latest).
            if (it->message != message || (it->query && it->query->requestHandle != handle)) continue;
            Report report = std::move(*it);
            reports_.erase(it);
            return report;
        }
        return std::nullopt;
    };
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (auto report = take()) return report;
        // A worker posts before it ends, so once none runs its report is already queued.
        const bool ended = RunningWorkerCount() == 0;
        loop_.RunUntil([&] { return !reports_.empty(); }, std::chrono::milliseconds(ended ? 1 : 20));
        if (ended) {
            std::optional<Report> report = take();
            if (!report) NoteFailureReason(handle);
            return report;
        }
    }
    NoteFailureReason(handle);
    return std::nullopt;
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
    const RequestHandle handle = StartDiscovery(window());
    return handle != 0 && WaitFor(WM_QUERY_RESULT, handle, std::chrono::minutes(2)).has_value();
}

int Session::Resolve(const std::string& nas) const {
    NasList& list = NasList::Instance();
    // A position in the list first; digits that are none may still be an appliance's name.
    if (!nas.empty() && std::all_of(nas.begin(), nas.end(), [](unsigned char c) { return std::isdigit(c); })) {
        const int index = nas.size() < 4 ? std::stoi(nas) : -1;
        if (list.At(index)) return index;
    }
    auto lower = [](std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    for (int i = 0; i < list.Count(); ++i) {
        const NasDevice& device = *list.At(i);
        if (WideToUtf8(AnsiToWide(FieldText(device.name))) == nas) return i;
        if (std::string(FieldText(device.macText)) == lower(nas)) return i;
    }
    return -1;
}

}  // namespace lumora::cli
