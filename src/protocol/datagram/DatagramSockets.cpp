#include "protocol/datagram/DatagramSockets.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <thread>

#include "protocol/datagram/Datagrams.h"

namespace lumora {
namespace {

std::uint32_t GroupAddress() { return inet_addr(kDiscoveryGroup); }

// Option results are ignored on purpose: an adapter whose socket cannot be set
// up simply brings no replies, and the exchange goes on with the others.
int OpenSendSocket() {
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    unsigned char loop = 0;
    setsockopt(fd, IPPROTO_IP, IP_MULTICAST_LOOP, &loop, sizeof loop);
    return fd;
}

int OpenReceiveSocket(const std::string& interfaceName, std::uint32_t address) {
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    // Bound to the adapter's interface rather than its address: on this system a
    // socket bound to a unicast address never sees group traffic.
    if (!interfaceName.empty())
        setsockopt(fd, SOL_SOCKET, SO_BINDTODEVICE, interfaceName.data(),
                   static_cast<socklen_t>(interfaceName.size()));
    setsockopt(fd, IPPROTO_IP, IP_PKTINFO, &on, sizeof on);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(kDiscoveryPort);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local);
    ip_mreq membership{};
    membership.imr_multiaddr.s_addr = GroupAddress();
    membership.imr_interface.s_addr = address;
    setsockopt(fd, IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership);
    unsigned char loop = 0;
    setsockopt(fd, IPPROTO_IP, IP_MULTICAST_LOOP, &loop, sizeof loop);
    return fd;
}

void CloseSocket(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

DatagramSockets::DatagramSockets(const AdapterTable& table) : buffer_(kReplyBufferSize, 0) {
    adapters_.resize(static_cast<std::size_t>(table.count));
    for (std::size_t i = 0; i < adapters_.size(); ++i) {
        adapters_[i].address = inet_addr(table.address[i].data());
        if (!table.interfaceName[i].empty())
            adapters_[i].interfaceIndex = if_nametoindex(table.interfaceName[i].c_str());
        adapters_[i].sendSocket = OpenSendSocket();
    }
    for (std::size_t i = 0; i < adapters_.size(); ++i)
        adapters_[i].receiveSocket = OpenReceiveSocket(table.interfaceName[i], adapters_[i].address);
}

DatagramSockets::~DatagramSockets() {
    for (Adapter& adapter : adapters_) {
        CloseSocket(adapter.sendSocket);
        CloseSocket(adapter.receiveSocket);
    }
}

bool DatagramSockets::Send(int entry, std::span<const std::uint8_t> datagram) {
    if (entry < 0 || entry >= Count()) return false;
    Adapter& adapter = adapters_[static_cast<std::size_t>(entry)];
    if (adapter.sendSocket < 0) return false;
    in_addr outgoing{};
    outgoing.s_addr = adapter.address;
    setsockopt(adapter.sendSocket, IPPROTO_IP, IP_MULTICAST_IF, &outgoing, sizeof outgoing);
    sockaddr_in group{};
    group.sin_family = AF_INET;
    group.sin_port = htons(kDiscoveryPort);
    group.sin_addr.s_addr = GroupAddress();
    const ssize_t sent = ::sendto(adapter.sendSocket, datagram.data(), datagram.size(), MSG_NOSIGNAL,
                                  reinterpret_cast<sockaddr*>(&group), sizeof group);
    return sent == static_cast<ssize_t>(datagram.size());
}

ReceivedDatagram DatagramSockets::Receive(int entry, std::chrono::milliseconds wait) {
    return ReceiveAny({entry}, wait);
}

ReceivedDatagram DatagramSockets::ReceiveAny(const std::vector<int>& entries,
                                             std::chrono::milliseconds wait) {
    // A missing socket (or adapter) stays in the set with a negative descriptor, which poll
    // skips: it behaves like a silent one, and a set of only such waits out the whole wait.
    std::vector<pollfd> ready;
    ready.reserve(entries.size());
    for (const int entry : entries) {
        const bool known = entry >= 0 && entry < Count();
        ready.push_back({known ? adapters_[static_cast<std::size_t>(entry)].receiveSocket : -1, POLLIN, 0});
    }
    const int polled = ::poll(ready.data(), ready.size(),
                              static_cast<int>(std::max<std::chrono::milliseconds::rep>(wait.count(), 0)));
    if (polled == 0) return {ReceivedDatagram::Status::Timeout, {}, -1};
    if (polled < 0) return {};
    // The search for a ready socket starts after the one served last.
    for (std::size_t k = 0; k < ready.size(); ++k) {
        const std::size_t i = (nextReady_ + k) % ready.size();
        if (ready[i].fd < 0 || ready[i].revents == 0) continue;
        nextReady_ = i + 1;
        return ReadFrom(entries[i]);
    }
    return {};
}

ReceivedDatagram DatagramSockets::ReadFrom(int entry) {
    ReceivedDatagram result;
    result.entry = entry;
    const Adapter& adapter = adapters_[static_cast<std::size_t>(entry)];
    iovec data{buffer_.data(), buffer_.size() - 1};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))];
    msghdr message{};
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    const ssize_t got = ::recvmsg(adapter.receiveSocket, &message, MSG_DONTWAIT);
    if (got < 0) return result;
    const auto size = static_cast<std::size_t>(got);
    buffer_[size] = 0;

    // Only what came in on this adapter, sent to the group or to its own address, counts as
    // received. The interface is checked here too, as the tie to the interface is not granted
    // everywhere (older systems reserve it to privileged programs).
    bool forUs = true;
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c != nullptr; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level != IPPROTO_IP || c->cmsg_type != IP_PKTINFO) continue;
        in_pktinfo info;
        std::memcpy(&info, CMSG_DATA(c), sizeof info);
        forUs = (info.ipi_addr.s_addr == GroupAddress() || info.ipi_addr.s_addr == adapter.address) &&
                (adapter.interfaceIndex == 0 ||
                 static_cast<unsigned>(info.ipi_ifindex) == adapter.interfaceIndex);
    }
    if (!forUs) return result;
    result.status = ReceivedDatagram::Status::Datagram;
    result.bytes = std::span<const std::uint8_t>(buffer_.data(), size);
    return result;
}

}  // namespace lumora
