#include "web/CgiServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "web/HttpRequest.h"

namespace lumora::sim {

namespace {

constexpr int kPollMs = 100;
constexpr auto kReadLimit = std::chrono::seconds(3);
constexpr std::size_t kMaxRequest = 64 * 1024;

void SendAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            if (sent < 0 && errno == EINTR) continue;
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

}  // namespace

CgiServer::CgiServer(std::string address, CgiState state, std::uint16_t port)
    : address_(std::move(address)), port_(port), responder_(std::move(state)) {
    if (responder_.state().lan.ip.empty()) responder_.state().lan.ip = address_;
}

CgiServer::~CgiServer() { Stop(); }

bool CgiServer::Bind(const std::string& address) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port_);
    if (::inet_pton(AF_INET, address.c_str(), &a.sin_addr) != 1 ||
        ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd, 128) != 0) {
        std::fprintf(stderr, "kl440-sim: cannot serve %s:%u: %s\n", address.c_str(), port_,
                     std::strerror(errno));
        ::close(fd);
        return false;
    }
    if (listener_ >= 0) ::close(listener_);
    listener_ = fd;
    return true;
}

bool CgiServer::Start() {
    if (!Bind(address())) return false;
    stopping_ = false;
    thread_ = std::thread([this] { Serve(); });
    return true;
}

void CgiServer::Stop() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ >= 0) ::close(listener_);
    listener_ = -1;
}

std::string CgiServer::address() const {
    std::lock_guard lock(mutex_);
    return address_;
}

std::vector<std::string> CgiServer::ReceivedRequests() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void CgiServer::WithState(const std::function<void(CgiState&)>& change) {
    std::lock_guard lock(mutex_);
    change(responder_.state());
}

CgiState CgiServer::StateCopy() const {
    std::lock_guard lock(mutex_);
    return const_cast<CgiResponder&>(responder_).state();
}

void CgiServer::OnServed(ServedHandler handler) {
    std::lock_guard lock(mutex_);
    served_ = std::move(handler);
}

void CgiServer::MoveTo(const std::string& address, const std::string& netmask, const std::string& gateway,
                       bool dhcp) {
    std::lock_guard lock(mutex_);
    SimLan& lan = responder_.state().lan;
    lan.ip = address;
    lan.netmask = netmask;
    lan.gateway = gateway;
    lan.dhcpEnable = dhcp ? 1 : 0;
    if (address != address_) pendingAddress_ = address, pendingAt_ = SimClock::now();
}

void CgiServer::Rebind(const std::string& address) {
    if (!Bind(address)) return;
    std::lock_guard lock(mutex_);
    address_ = address;
}

void CgiServer::RecordTo(std::string path) {
    std::lock_guard lock(mutex_);
    recordPath_ = std::move(path);
}

void CgiServer::Serve() {
    while (!stopping_) {
        std::optional<std::string> move;
        {
            std::lock_guard lock(mutex_);
            if (pendingAddress_ && SimClock::now() >= pendingAt_) move.swap(pendingAddress_);
        }
        if (move) Rebind(*move);
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, kPollMs) <= 0) continue;
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) continue;
        ServeOne(connection);
        ::close(connection);
    }
}

void CgiServer::ServeOne(int fd) {
    std::string received;
    const auto deadline = SimClock::now() + kReadLimit;
    char chunk[4096];
    while (!stopping_ && SimClock::now() < deadline && received.size() < kMaxRequest) {
        const std::optional<std::size_t> missing = MissingRequestBytes(received);
        if (missing && *missing == 0) break;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, kPollMs) <= 0) continue;
        const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
        if (got <= 0) break;
        received.append(chunk, static_cast<std::size_t>(got));
    }
    WebReply reply;
    {
        std::lock_guard lock(mutex_);
        received_.push_back(received);
        Record(received);
        reply = responder_.Respond(received, SimClock::now());
        if (served_) served_(responder_.state(), reply.newAddress);
        if (reply.newAddress) {
            pendingAddress_ = reply.newAddress;
            pendingAt_ =
                SimClock::now() + std::chrono::duration_cast<SimClock::duration>(
                                      std::chrono::duration<double>(responder_.state().moveDelaySeconds));
        }
    }
    if (reply.neverAnswer) {
        // Hold the line open until the client gives up or the server stops.
        while (!stopping_) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, kPollMs) > 0 && ::recv(fd, chunk, sizeof chunk, 0) <= 0) break;
        }
        return;
    }
    SendAll(fd, reply.closeMidReply ? std::string_view(reply.bytes).substr(0, reply.bytes.size() / 2)
                                    : std::string_view(reply.bytes));
    ::shutdown(fd, SHUT_WR);
}

void CgiServer::Record(const std::string& request) {
    if (recordPath_.empty()) return;
    std::ofstream out(recordPath_, std::ios::binary | std::ios::app);
    out << request.size() << '\n' << request << '\n';
}

}  // namespace lumora::sim
