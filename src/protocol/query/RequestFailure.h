#pragma once
// Why a request to an appliance failed, kept beside the result codes the windows
// get (which say only that it failed), so a window or lumora-cli can tell the user.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

enum class RequestFailure : std::uint8_t {
    None,        // no failure (yet)
    BadAddress,  // no usable address, route or socket
    Refused,     // the appliance refused the connection
    NoAnswer,    // the connection was not taken within the turns
    SendFailed,  // the request could not be sent
    Silent,      // connected, but no reply came within the turns
    CutShort,    // the connection broke during the reply
    TooSlow,     // the reply still trickled in when the exchange's overall cap ran out
    Stopped,     // the request was stopped before it was done
    BadStatus,   // the reply's status was not 200
    Rejected,    // the reply was read, but did not say yes (or could not be understood)
};

// One sentence (English, no end stop) for lumora-cli and logs, e.g.
// "connection refused by 192.0.2.7" or "no answer from 192.0.2.7 in 8 s".
std::string DescribeRequestFailure(RequestFailure failure, std::string_view host);

// Keeps the failure of the request `handle` for its receiver (the report of some
// requests carries no request); a bounded record, oldest entries dropped. Any thread.
void RecordRequestFailure(std::uint64_t handle, RequestFailure failure, std::string_view host);

struct RecordedFailure {
    RequestFailure failure = RequestFailure::None;
    std::string host;
};
// Takes the recorded failure of `handle`, if any.
std::optional<RecordedFailure> TakeRequestFailure(std::uint64_t handle);

}  // namespace lumora
