#include "protocol/query/RequestFailure.h"

#include <deque>
#include <mutex>

#include "protocol/cgi/CgiTimings.h"

namespace lumora {
namespace {

// Reports whose receiver never asks would otherwise pile up for the life of the process.
constexpr std::size_t kKeptFailures = 64;

struct Entry {
    std::uint64_t handle;
    RecordedFailure failure;
};

struct Record {
    std::mutex mutex;
    std::deque<Entry> entries;
};

Record& record() {
    static Record instance;
    return instance;
}

std::string Seconds(std::chrono::milliseconds time) { return std::to_string(time.count() / 1000) + " s"; }

}  // namespace

std::string DescribeRequestFailure(RequestFailure failure, std::string_view host) {
    const std::string at(host);
    constexpr CgiTimings kTimings;
    switch (failure) {
        case RequestFailure::None: return "no failure";
        case RequestFailure::BadAddress:
            return "could not connect to \"" + at + "\" (no usable address or route)";
        case RequestFailure::Refused: return "connection refused by " + at;
        case RequestFailure::NoAnswer:
            return "no answer from " + at + " in " + Seconds(kTimings.IdleBudget());
        case RequestFailure::SendFailed: return "the request could not be sent to " + at;
        case RequestFailure::Silent: return "no reply from " + at + " in " + Seconds(kTimings.IdleBudget());
        case RequestFailure::CutShort: return "the connection to " + at + " broke during the reply";
        case RequestFailure::TooSlow: return at + " was still replying after " + Seconds(kTimings.Cap());
        case RequestFailure::Stopped: return "the request to " + at + " was stopped";
        case RequestFailure::BadStatus: return at + " did not answer the request with status 200";
        case RequestFailure::Rejected:
            return at + " did not accept the request, or its reply could not be read";
    }
    return "unknown failure";
}

void RecordRequestFailure(std::uint64_t handle, RequestFailure failure, std::string_view host) {
    Record& r = record();
    std::lock_guard lock(r.mutex);
    r.entries.push_back({handle, {failure, std::string(host)}});
    while (r.entries.size() > kKeptFailures) r.entries.pop_front();
}

std::optional<RecordedFailure> TakeRequestFailure(std::uint64_t handle) {
    Record& r = record();
    std::lock_guard lock(r.mutex);
    for (auto it = r.entries.begin(); it != r.entries.end(); ++it) {
        if (it->handle != handle) continue;
        RecordedFailure taken = std::move(it->failure);
        r.entries.erase(it);
        return taken;
    }
    return std::nullopt;
}

}  // namespace lumora
