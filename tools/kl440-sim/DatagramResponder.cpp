#include "DatagramResponder.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <random>

#include "HostAddress.h"
#include "Services.h"
#include "protocol/datagram/Datagrams.h"

namespace lumora::sim {
namespace {

sockaddr_in GroupEndpoint() {
    sockaddr_in group{};
    group.sin_family = AF_INET;
    group.sin_port = htons(kDiscoveryPort);
    group.sin_addr.s_addr = inet_addr(kDiscoveryGroup);
    return group;
}

// All responders of the set, one per link.
class DatagramService : public Service {
public:
    std::vector<std::unique_ptr<DatagramResponder>> responders;
};

}  // namespace

DatagramResponder::DatagramResponder(std::string interfaceName, std::vector<Appliance*> appliances)
    : interfaceName_(std::move(interfaceName)), appliances_(std::move(appliances)) {}

DatagramResponder::~DatagramResponder() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (receiveSocket_ >= 0) close(receiveSocket_);
    if (sendSocket_ >= 0) close(sendSocket_);
}

bool DatagramResponder::Start(std::string& error) {
    interfaceIndex_ = static_cast<int>(if_nametoindex(interfaceName_.c_str()));
    if (interfaceIndex_ == 0) {
        error = "no link named " + interfaceName_;
        return false;
    }
    receiveSocket_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sendSocket_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (receiveSocket_ < 0 || sendSocket_ < 0) {
        error = "cannot open sockets";
        return false;
    }
    int on = 1;
    setsockopt(receiveSocket_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    setsockopt(receiveSocket_, SOL_SOCKET, SO_BINDTODEVICE, interfaceName_.data(),
               static_cast<socklen_t>(interfaceName_.size()));
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(kDiscoveryPort);
    if (bind(receiveSocket_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        error = "cannot bind port 13579 on " + interfaceName_;
        return false;
    }
    ip_mreqn membership{};
    membership.imr_multiaddr.s_addr = inet_addr(kDiscoveryGroup);
    membership.imr_ifindex = interfaceIndex_;
    setsockopt(receiveSocket_, IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership);

    ip_mreqn outgoing{};
    outgoing.imr_ifindex = interfaceIndex_;
    setsockopt(sendSocket_, IPPROTO_IP, IP_MULTICAST_IF, &outgoing, sizeof outgoing);
    unsigned char loop = 0;
    setsockopt(sendSocket_, IPPROTO_IP, IP_MULTICAST_LOOP, &loop, sizeof loop);
    setsockopt(sendSocket_, SOL_SOCKET, SO_BINDTODEVICE, interfaceName_.data(),
               static_cast<socklen_t>(interfaceName_.size()));
    thread_ = std::thread([this] { Loop(); });
    return true;
}

void DatagramResponder::Loop() {
    std::vector<std::uint8_t> buffer(4096);
    while (!stop_) {
        pollfd ready{receiveSocket_, POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0) continue;
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t got = recvfrom(receiveSocket_, buffer.data(), buffer.size(), 0,
                                     reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (got >= 11) Handle(ByteView(buffer.data(), static_cast<std::size_t>(got)), from);
    }
}

Appliance* DatagramResponder::FindByMac(const std::array<std::uint8_t, 6>& mac) {
    for (Appliance* a : appliances_) {
        std::lock_guard lock(a->mutex);
        if (a->mac == mac) return a;
    }
    return nullptr;
}

void DatagramResponder::Send(const Appliance& appliance, const Bytes& datagram, const sockaddr_in& from) {
    sockaddr_in to = GroupEndpoint();
    if (appliance.faults.replyTo == "sender")
        to.sin_addr = from.sin_addr;
    else if (!appliance.faults.replyTo.empty())
        inet_pton(AF_INET, appliance.faults.replyTo.c_str(), &to.sin_addr);
    const int copies = appliance.faults.duplicate ? 2 : 1;
    for (int i = 0; i < copies; ++i)
        sendto(sendSocket_, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
}

void DatagramResponder::SendJunk(int count) {
    std::minstd_rand random(12345);
    const sockaddr_in to = GroupEndpoint();
    std::vector<std::uint8_t> junk(200);
    for (int i = 0; i < count; ++i) {
        const std::size_t size = 1 + random() % junk.size();
        for (auto& b : junk) b = static_cast<std::uint8_t>(random());
        // Some junk looks like replies of every type, for other requests.
        if (i % 3 == 0) junk[0] = static_cast<std::uint8_t>(std::array{4, 6, 8}[i / 3 % 3]);
        sendto(sendSocket_, junk.data(), size, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }
}

void DatagramResponder::Handle(ByteView request, const sockaddr_in& from) {
    if (request[0] == kDiscoveryRequest) {
        for (Appliance* a : appliances_) {
            Bytes reply;
            int delay = 0, junk = 0;
            {
                std::lock_guard lock(a->mutex);
                if (a->faults.silentDiscovery) continue;
                reply = DiscoveryReply(*a, request);
                delay = a->faults.delayMs;
                junk = a->faults.junk;
            }
            if (junk > 0) SendJunk(junk);
            if (delay > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delay));
            std::lock_guard lock(a->mutex);
            Send(*a, reply, from);
        }
        return;
    }
    // Login and set-address name their appliance by MAC; the others stay quiet.
    const bool login = request[0] == kLoginRequest;
    std::optional<LoginRequest> credentials = login ? ReadLoginRequest(request) : std::nullopt;
    std::optional<SetAddressRequest> change =
        request[0] == kSetAddressRequest ? ReadSetAddressRequest(request) : std::nullopt;
    Appliance* a = credentials ? FindByMac(credentials->mac) : change ? FindByMac(change->mac) : nullptr;
    if (a == nullptr) return;
    std::lock_guard lock(a->mutex);
    if (login ? a->faults.silentLogin : a->faults.silentSetAddress) return;
    if (login && a->faults.junk > 0) SendJunk(a->faults.junk);
    if (a->faults.delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(a->faults.delayMs));
    if (login) {
        Send(*a, LoginReply(*a, request, a->Accepts(credentials->user, credentials->password)), from);
    } else {
        Send(*a, SetAddressAck(*a, request), from);
        ApplyAddress(*a, *change);
    }
}

// Called with the appliance locked.
void DatagramResponder::ApplyAddress(Appliance& a, const SetAddressRequest& change) {
    std::string ip = change.ip, netmask = change.netmask, gateway = change.gateway;
    if (change.dhcp) {
        // A DHCP server hands out what the configuration says, or the address stays.
        ip = a.dhcpIp.empty() ? a.ip : a.dhcpIp;
        netmask = a.dhcpNetmask.empty() ? a.netmask : a.dhcpNetmask;
        gateway = a.dhcpGateway.empty() ? a.gateway : a.dhcpGateway;
    }
    in_addr check{};
    if (inet_pton(AF_INET, ip.c_str(), &check) != 1 || inet_pton(AF_INET, netmask.c_str(), &check) != 1) {
        std::fprintf(stderr, "kl440-sim: %s: ignoring bad address %s/%s\n", a.name.c_str(), ip.c_str(),
                     netmask.c_str());
        return;
    }
    if (a.manageAddress) {
        RemoveHostAddress(a.interfaceName, a.ip, a.netmask);
        AddHostAddress(a.interfaceName, ip, netmask);
    }
    a.ip = ip;
    a.netmask = netmask;
    a.gateway = gateway;
    a.dhcp = change.dhcp;
    ++a.addressGeneration;
    std::fprintf(stderr, "kl440-sim: %s moved to %s/%s\n", a.name.c_str(), ip.c_str(), netmask.c_str());
}

std::unique_ptr<Service> StartDatagramService(ApplianceSet& appliances, std::string& error) {
    std::map<std::string, std::vector<Appliance*>> byLink;
    for (auto& a : appliances) byLink[a->interfaceName].push_back(a.get());
    auto service = std::make_unique<DatagramService>();
    for (auto& [link, members] : byLink) {
        service->responders.push_back(std::make_unique<DatagramResponder>(link, members));
        if (!service->responders.back()->Start(error)) return nullptr;
    }
    return service;
}

}  // namespace lumora::sim
