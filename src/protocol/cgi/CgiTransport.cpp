#include "protocol/cgi/CgiTransport.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "protocol/cgi/CgiRequestText.h"

namespace lumora {

namespace {

constexpr int kMaxTurns = 101;
constexpr int kWaitMs = 70;
constexpr auto kPause = std::chrono::milliseconds(10);

class Socket {
public:
    Socket() : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {}
    ~Socket() {
        if (fd_ < 0) return;
        ::shutdown(fd_, SHUT_RDWR);
        ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

bool SetNonBlocking(int fd, bool on) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0) return false;
    return ::fcntl(fd, F_SETFL, on ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK)) == 0;
}

enum class Wait { Ready, Timeout, Failed };

Wait WaitFor(int fd, short events) {
    pollfd p{fd, events, 0};
    const int n = ::poll(&p, 1, kWaitMs);
    if (n < 0) return errno == EINTR ? Wait::Timeout : Wait::Failed;
    if (n == 0) return Wait::Timeout;
    return Wait::Ready;
}

// Writable after a non-blocking connect means either connected or failed; only a
// socket with a peer counts as connected.
bool IsConnected(int fd) {
    int error = 0;
    socklen_t len = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len) != 0 || error != 0) return false;
    sockaddr_in peer{};
    socklen_t peerLen = sizeof peer;
    return ::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerLen) == 0;
}

bool Connect(int fd, std::string_view host, std::uint16_t port, const StopCheck& stopped) {
    if (host.empty() || port == 0 || fd < 0) return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    if (::inet_pton(AF_INET, std::string(host).c_str(), &address.sin_addr) != 1) return false;
    if (!SetNonBlocking(fd, true)) return false;
    bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    for (int turns = 0; !connected && turns < kMaxTurns && !stopped();) {
        const Wait w = WaitFor(fd, POLLOUT);
        if (w == Wait::Failed) break;
        if (w == Wait::Ready && IsConnected(fd)) {
            connected = true;
            break;
        }
        std::this_thread::sleep_for(kPause);
        ++turns;
    }
    return SetNonBlocking(fd, false) && connected;
}

bool Send(int fd, std::string_view request, const StopCheck& stopped) {
    for (int turns = 0; turns < kMaxTurns && !stopped();) {
        const Wait w = WaitFor(fd, POLLOUT);
        if (w == Wait::Failed) return false;
        if (w == Wait::Ready) {
            const ssize_t sent = ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
            return sent == static_cast<ssize_t>(request.size());
        }
        std::this_thread::sleep_for(kPause);
        ++turns;
    }
    return false;
}

std::optional<std::string> Receive(int fd, const StopCheck& stopped) {
    std::string reply(kMaxReplyText, '\0');
    std::size_t used = 0;
    for (int idle = 0; idle < kMaxTurns && !stopped();) {
        const Wait w = WaitFor(fd, POLLIN);
        if (w == Wait::Failed) return std::nullopt;
        if (w == Wait::Timeout) {
            std::this_thread::sleep_for(kPause);
            ++idle;
            continue;
        }
        const ssize_t got = ::recv(fd, reply.data() + used, reply.size() - used, 0);
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
        if (used == reply.size()) break;
    }
    reply.resize(used);
    return reply;
}

}  // namespace

std::optional<std::string> ExchangeCgiRequest(std::string_view host, std::uint16_t port, std::string_view request,
                                              const StopCheck& stopped) {
    Socket socket;
    if (socket.fd() < 0) return std::nullopt;
    const int one = 1;
    if (::setsockopt(socket.fd(), SOL_SOCKET, SO_REUSEADDR, &one, sizeof one) != 0) return std::nullopt;
    if (!Connect(socket.fd(), host, port, stopped)) return std::nullopt;
    if (!Send(socket.fd(), request, stopped)) return std::nullopt;
    return Receive(socket.fd(), stopped);
}

}  // namespace lumora
