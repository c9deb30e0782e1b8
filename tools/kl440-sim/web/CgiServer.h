#pragma once
// The web side of one simulated appliance: an HTTP/1.0 server on TCP port 80 of
// the appliance's address, answering the CGI commands from its own state.
// Connections are served one at a time on the server's own thread.

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "web/CgiResponder.h"

namespace lumora::sim {

class CgiServer {
public:
    CgiServer(std::string address, CgiState state, std::uint16_t port = 80);
    ~CgiServer();
    CgiServer(const CgiServer&) = delete;
    CgiServer& operator=(const CgiServer&) = delete;

    // Binds, listens and starts serving; false (with errno's text on stderr) when binding fails.
    bool Start();
    // Stops serving and joins the thread; an unanswered connection is dropped.
    void Stop();

    // The address served now (it changes when a network setting moves the appliance).
    std::string address() const;
    // Every request received so far, byte for byte, in arrival order.
    std::vector<std::string> ReceivedRequests() const;
    // Runs `change` on the state under the server's lock (tests flip fault switches this way).
    void WithState(const std::function<void(CgiState&)>& change);
    // Copies the state under the lock.
    CgiState StateCopy() const;
    // Called on the server's thread, under the server's lock, after every request with the
    // state and the address the appliance is about to move to (if any); it runs before
    // the server binds the new address, so it can put that address on the link.
    using ServedHandler = std::function<void(const CgiState&, const std::optional<std::string>& newAddress)>;
    void OnServed(ServedHandler handler);
    // Moves the server to another address (the datagram side changed it); any thread.
    void MoveTo(const std::string& address, const std::string& netmask, const std::string& gateway,
                bool dhcp);
    // Also appends every request to this file ("<length>\n<bytes>\n" each) when not empty.
    void RecordTo(std::string path);

private:
    bool Bind(const std::string& address);
    void Serve();
    void ServeOne(int connection);
    void Record(const std::string& request);
    void Rebind(const std::string& address);

    mutable std::mutex mutex_;
    std::string address_;
    std::uint16_t port_;
    CgiResponder responder_;
    std::vector<std::string> received_;
    ServedHandler served_;
    std::optional<std::string> pendingAddress_;
    SimClock::time_point pendingAt_{};
    std::string recordPath_;
    int listener_ = -1;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

}  // namespace lumora::sim
