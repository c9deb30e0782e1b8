#pragma once
// The CGI port over a real TCP socket (non-blocking connect, poll for every wait).

#include "protocol/cgi/CgiPort.h"

namespace lumora {

class CgiSocketPort final : public CgiPort {
public:
    // Makes the socket; a port whose socket could not be made fails to open.
    CgiSocketPort();
    // Shuts the connection down and closes the socket.
    ~CgiSocketPort() override;
    CgiSocketPort(const CgiSocketPort&) = delete;
    CgiSocketPort& operator=(const CgiSocketPort&) = delete;

    Opened Open(std::string_view host, std::uint16_t port) override;
    Connecting WaitConnected(std::chrono::milliseconds wait) override;
    Writable WaitWritable(std::chrono::milliseconds wait) override;
    bool Send(std::string_view request) override;
    Received Receive(std::span<char> into, std::chrono::milliseconds wait) override;
    Clock& clock() override { return SystemClock(); }

private:
    int fd_;
};

}  // namespace lumora
