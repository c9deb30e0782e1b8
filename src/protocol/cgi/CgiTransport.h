#pragma once
// One CGI exchange over a fresh TCP connection: connect with a bounded wait, send
// the request in one piece, read the reply until the peer closes, the buffer is
// full or the line stays silent. Runs on the query worker's thread.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "protocol/cgi/CgiPort.h"
#include "protocol/cgi/CgiTimings.h"
#include "protocol/query/RequestFailure.h"

namespace lumora {

// Asked between waits; true ends the exchange (connect and send fail, receive keeps what it has).
using StopCheck = std::function<bool()>;

struct CgiExchangeResult {
    std::optional<std::string> reply;               // at most 4095 bytes; nullopt when the exchange failed
    RequestFailure failure = RequestFailure::None;  // why there is no reply, or why it is empty
};

// Runs the exchange through `port` by the turns, waits and cap of `timings` (see CgiTimings.h).
// A stop during the receive keeps what arrived; reaching the cap fails the exchange
// (TooSlow), as a reply still trickling in then is not one to trust. An empty reply is
// returned as such, with the failure Silent (nothing came) or Stopped.
CgiExchangeResult ExchangeCgiRequest(CgiPort& port, std::string_view host, std::uint16_t tcpPort,
                                     std::string_view request, const StopCheck& stopped,
                                     const CgiTimings& timings = {});

// The same over a fresh TCP socket, at the product's timings.
CgiExchangeResult ExchangeCgiRequest(std::string_view host, std::uint16_t tcpPort, std::string_view request,
                                     const StopCheck& stopped);

}  // namespace lumora
