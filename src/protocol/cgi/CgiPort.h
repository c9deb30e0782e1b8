#pragma once
// What a CGI exchange needs of the network: one TCP connection, opened, written
// and read with bounded waits, and a clock. CgiSocketPort is the real one; tests
// script one.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/Clock.h"

namespace lumora {

class CgiPort {
public:
    enum class Opened { Connected, Pending, Failed };
    enum class Connecting { Connected, Waiting, Refused, Failed };
    enum class Writable { Ready, Waiting, Failed };
    struct Received {
        enum class Status { Data, Waiting, Closed, Failed } status = Status::Failed;
        std::size_t size = 0;  // bytes written to the buffer (Data only)
    };

    virtual ~CgiPort() = default;
    // Starts connecting to host:port (a dotted IPv4 address); Failed when that is impossible.
    virtual Opened Open(std::string_view host, std::uint16_t port) = 0;
    // Waits up to `wait` for a pending connection; Refused when the peer turned it down.
    virtual Connecting WaitConnected(std::chrono::milliseconds wait) = 0;
    // Waits up to `wait` until the connection takes data.
    virtual Writable WaitWritable(std::chrono::milliseconds wait) = 0;
    // Sends the whole request in one call; false when not all of it left.
    virtual bool Send(std::string_view request) = 0;
    // Waits up to `wait` for reply bytes and reads at most `into.size()` of them.
    virtual Received Receive(std::span<char> into, std::chrono::milliseconds wait) = 0;
    // The clock the exchange counts its turns, pauses and cap by.
    virtual Clock& clock() = 0;
};

}  // namespace lumora
