#include "protocol/cgi/CgiSocketPort.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace lumora {
namespace {

bool SetNonBlocking(int fd, bool on) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0) return false;
    return ::fcntl(fd, F_SETFL, on ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK)) == 0;
}

enum class Wait { Ready, Timeout, Failed };

Wait WaitFor(int fd, short events, std::chrono::milliseconds wait) {
    pollfd p{fd, events, 0};
    const int n = ::poll(&p, 1, static_cast<int>(wait.count()));
    if (n < 0) return errno == EINTR ? Wait::Timeout : Wait::Failed;
    if (n == 0) return Wait::Timeout;
    return Wait::Ready;
}

}  // namespace

CgiSocketPort::CgiSocketPort() : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    const int one = 1;
    if (fd_ >= 0 && ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

CgiSocketPort::~CgiSocketPort() {
    if (fd_ < 0) return;
    ::shutdown(fd_, SHUT_RDWR);
    ::close(fd_);
}

CgiPort::Opened CgiSocketPort::Open(std::string_view host, std::uint16_t port) {
    if (fd_ < 0 || host.empty() || port == 0) return Opened::Failed;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    if (::inet_pton(AF_INET, std::string(host).c_str(), &address.sin_addr) != 1) return Opened::Failed;
    if (!SetNonBlocking(fd_, true)) return Opened::Failed;
    if (::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return SetNonBlocking(fd_, false) ? Opened::Connected : Opened::Failed;
    // A refusal may come at once (loopback); the waits then see it like a later one.
    return errno == EINPROGRESS || errno == ECONNREFUSED ? Opened::Pending : Opened::Failed;
}

CgiPort::Connecting CgiSocketPort::WaitConnected(std::chrono::milliseconds wait) {
    const Wait w = WaitFor(fd_, POLLOUT, wait);
    if (w == Wait::Failed) return Connecting::Failed;
    if (w == Wait::Timeout) return Connecting::Waiting;
    // Writable after a non-blocking connect means either connected or failed; only a
    // socket with a peer counts as connected. The refusal's error is reported once; later
    // waits on the same socket see it writable without a peer, which is still a refusal.
    int error = 0;
    socklen_t len = sizeof error;
    if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &len) != 0) return Connecting::Failed;
    sockaddr_in peer{};
    socklen_t peerLen = sizeof peer;
    if (error != 0 || ::getpeername(fd_, reinterpret_cast<sockaddr*>(&peer), &peerLen) != 0)
        return Connecting::Refused;
    return SetNonBlocking(fd_, false) ? Connecting::Connected : Connecting::Failed;
}

CgiPort::Writable CgiSocketPort::WaitWritable(std::chrono::milliseconds wait) {
    switch (WaitFor(fd_, POLLOUT, wait)) {
        case Wait::Ready: return Writable::Ready;
        case Wait::Timeout: return Writable::Waiting;
        case Wait::Failed: break;
    }
    return Writable::Failed;
}

bool CgiSocketPort::Send(std::string_view request) {
    const ssize_t sent = ::send(fd_, request.data(), request.size(), MSG_NOSIGNAL);
    return sent == static_cast<ssize_t>(request.size());
}

CgiPort::Received CgiSocketPort::Receive(std::span<char> into, std::chrono::milliseconds wait) {
    const Wait w = WaitFor(fd_, POLLIN, wait);
    if (w == Wait::Failed) return {Received::Status::Failed, 0};
    if (w == Wait::Timeout) return {Received::Status::Waiting, 0};
    const ssize_t got = ::recv(fd_, into.data(), into.size(), 0);
    if (got < 0) {
        if (errno == EINTR || errno == EAGAIN) return {Received::Status::Data, 0};
        return {Received::Status::Failed, 0};
    }
    if (got == 0) return {Received::Status::Closed, 0};
    return {Received::Status::Data, static_cast<std::size_t>(got)};
}

}  // namespace lumora
