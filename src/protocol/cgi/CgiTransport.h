#pragma once
// One CGI exchange over a fresh TCP connection: connect with a bounded wait, send
// the request in one piece, read the reply until the peer closes, the buffer is
// full or the line stays silent. Runs on the query worker's thread.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// Asked between waits; true ends the exchange (connect and send fail, receive keeps what it has).
using StopCheck = std::function<bool()>;

// The reply text (at most 4095 bytes), or nullopt when the socket, connect, send or
// receive failed. Each wait is 70 ms followed by a 10 ms pause, at most 101 turns:
// a silent address gives up after about 8 s, a refused one after about 1 s.
std::optional<std::string> ExchangeCgiRequest(std::string_view host, std::uint16_t port, std::string_view request,
                                              const StopCheck& stopped);

}  // namespace lumora
