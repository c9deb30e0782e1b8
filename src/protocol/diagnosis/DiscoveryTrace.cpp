#include "protocol/diagnosis/DiscoveryTrace.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

namespace lumora::diagnosis {
namespace {

constexpr std::size_t kReplyNameOffset = 104;
constexpr std::size_t kModelTagOffset = 56;

class Socket {
public:
    Socket() : fd_(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {}
    ~Socket() {
        if (fd_ >= 0) ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

std::uint32_t AddressOf(const std::string& dotted) {
    in_addr a{};
    inet_pton(AF_INET, dotted.c_str(), &a);
    return a.s_addr;
}

std::string SenderText(const sockaddr_in& from) {
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
    return std::string(text) + ":" + std::to_string(ntohs(from.sin_port));
}

std::string ErrorText(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

const char* VerdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::Accepted: return "accepted";
        case Verdict::OtherSubnet: return "accepted, but on another subnet than the adapter";
        case Verdict::OwnRequest: return "ignored: a discovery request, not a reply";
        case Verdict::NotAReply: return "ignored: not a discovery reply";
        case Verdict::TooShort: return "ignored: too short for a reply";
        case Verdict::OtherRequestId: return "ignored: answers another request's id";
        case Verdict::OtherModel: return "ignored: another model";
    }
    return "";
}

HeardDatagram Classify(ByteView datagram, const RequestId& id, const std::string& address,
                       const std::string& netmask) {
    HeardDatagram heard;
    heard.length = datagram.size();
    heard.type = datagram.empty() ? -1 : datagram[0];
    if (heard.type == kDiscoveryRequest) {
        heard.verdict = Verdict::OwnRequest;
        return heard;
    }
    if (heard.type != kDiscoveryReply) {
        heard.verdict = Verdict::NotAReply;
        return heard;
    }
    if (datagram.size() < kReplyNameOffset) {
        heard.verdict = Verdict::TooShort;
        return heard;
    }
    if (!EchoesId(datagram, id)) {
        heard.verdict = Verdict::OtherRequestId;
        return heard;
    }
    for (std::size_t i = 0; i < kKl440ModelTag.size(); ++i)
        if (datagram[kModelTagOffset + i] != static_cast<std::uint8_t>(kKl440ModelTag[i])) {
            heard.verdict = Verdict::OtherModel;
            return heard;
        }
    heard.reply = ParseDiscoveryReply(datagram, id);
    if (!heard.reply) {  // the name length runs past the datagram
        heard.verdict = Verdict::TooShort;
        return heard;
    }
    std::uint32_t mask = AddressOf(netmask);
    bool sameSubnet = (AddressOf(heard.reply->ip) & mask) == (AddressOf(address) & mask);
    heard.verdict = sameSubnet ? Verdict::Accepted : Verdict::OtherSubnet;
    return heard;
}

std::vector<AdapterTrace> TraceDiscovery(const std::vector<AdapterFacts>& adapters,
                                         std::chrono::milliseconds listen) {
    std::vector<AdapterTrace> traces;
    const RequestId id = MakeRequestId(std::time(nullptr));
    const Bytes request = BuildDiscoveryRequest(id);
    for (const AdapterFacts& facts : adapters) {
        if (facts.loopback || !facts.up || facts.address.empty()) continue;
        AdapterTrace trace;
        trace.adapter = facts.name;
        trace.address = facts.address;
        trace.netmask = facts.netmask;

        Socket receiver;
        int on = 1;
        setsockopt(receiver.fd(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        setsockopt(receiver.fd(), SOL_SOCKET, SO_BINDTODEVICE, facts.name.data(),
                   static_cast<socklen_t>(facts.name.size()));
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_port = htons(kDiscoveryPort);
        local.sin_addr.s_addr = htonl(INADDR_ANY);
        if (bind(receiver.fd(), reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
            trace.problem = ErrorText("cannot listen on UDP 13579");
        } else {
            trace.bound = true;
            ip_mreq membership{};
            membership.imr_multiaddr.s_addr = AddressOf(kDiscoveryGroup);
            membership.imr_interface.s_addr = AddressOf(facts.address);
            if (setsockopt(receiver.fd(), IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership) != 0)
                trace.problem = ErrorText("cannot join 224.0.0.1");
        }

        Socket sender;
        unsigned char loop = 0;  // as a real discovery: our own request is not heard back
        setsockopt(sender.fd(), IPPROTO_IP, IP_MULTICAST_LOOP, &loop, sizeof loop);
        in_addr outgoing{};
        outgoing.s_addr = AddressOf(facts.address);
        setsockopt(sender.fd(), IPPROTO_IP, IP_MULTICAST_IF, &outgoing, sizeof outgoing);
        sockaddr_in group{};
        group.sin_family = AF_INET;
        group.sin_port = htons(kDiscoveryPort);
        group.sin_addr.s_addr = AddressOf(kDiscoveryGroup);
        trace.sent =
            sendto(sender.fd(), request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&group),
                   sizeof group) == static_cast<ssize_t>(request.size());
        if (!trace.sent && trace.problem.empty()) trace.problem = ErrorText("the request did not leave");

        const auto end = std::chrono::steady_clock::now() + listen;
        std::uint8_t buffer[4096];
        while (trace.bound) {
            auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (left.count() <= 0) break;
            pollfd p{receiver.fd(), POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
            sockaddr_in from{};
            socklen_t fromLength = sizeof from;
            ssize_t n = recvfrom(receiver.fd(), buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from),
                                 &fromLength);
            if (n < 0) continue;
            HeardDatagram heard =
                Classify(ByteView(buffer, static_cast<std::size_t>(n)), id, facts.address, facts.netmask);
            heard.sender = SenderText(from);
            trace.heard.push_back(std::move(heard));
        }
        traces.push_back(std::move(trace));
    }
    return traces;
}

}  // namespace lumora::diagnosis
