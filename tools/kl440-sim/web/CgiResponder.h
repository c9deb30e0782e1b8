#pragma once
// Turns one received HTTP request into the bytes the simulated appliance sends
// back, applying every CGI command to the appliance's state. Not thread-safe: the
// server calls it under its own lock.

#include <optional>
#include <string>
#include <string_view>

#include "web/CgiState.h"
#include "web/FormatJob.h"

namespace lumora::sim {

struct WebReply {
    std::string bytes;                      // status line, headers and body
    bool neverAnswer = false;               // hold the connection, send nothing
    bool closeMidReply = false;             // send only the first half
    std::optional<std::string> newAddress;  // move to this address once the reply is out
};

class CgiResponder {
public:
    explicit CgiResponder(CgiState state) : state_(std::move(state)) {}

    // Answers one whole request received at `now`.
    WebReply Respond(std::string_view request, SimClock::time_point now);

    CgiState& state() { return state_; }
    const FormatJob& format() const { return format_; }

private:
    std::string Dispatch(const std::string& path, const std::string& body, SimClock::time_point now,
                         WebReply& reply);
    std::string AccountCommand(const std::string& cmd, const std::map<std::string, std::string>& form);
    std::string NetworkCommand(const std::string& cmd, const std::map<std::string, std::string>& form,
                               WebReply& reply);
    std::string DiskCommand(const std::string& cmd, const std::string& body, SimClock::time_point now);

    CgiState state_;
    FormatJob format_;
};

}  // namespace lumora::sim
