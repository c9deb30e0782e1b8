#include "protocol/datagram/DatagramExchange.h"

#include <arpa/inet.h>

#include "platform/Text.h"

namespace lumora {
namespace {

using Status = ReceivedDatagram::Status;

// Failed receives, datagrams for other addresses and datagrams that are not this
// exchange's reply take no turn: otherwise any traffic on the port (another PC's
// discovery and the replies to it, or a flood) would use up the turns before the
// appliance's answer is read. So that such traffic cannot hold a wait open for ever,
// no wait outlasts the time its turns take when nothing at all arrives.
Clock::TimePoint Deadline(Clock& clock, int turns, std::chrono::milliseconds wait,
                          std::chrono::milliseconds sleep) {
    return clock.Now() + turns * (wait + sleep) + std::chrono::milliseconds(50);
}

std::uint32_t Subnet(std::string_view address, std::string_view netmask) {
    return inet_addr(std::string(address).c_str()) & inet_addr(std::string(netmask).c_str());
}

}  // namespace

void AddDiscoveredDevice(NasList& list, const AdapterTable& adapters, int entry,
                         const DiscoveryReply& reply) {
    const auto i = static_cast<std::size_t>(entry);
    if (const int known = list.IndexOfMac(reply.macText); known >= 0) {
        // The same appliance seen through another adapter: prefer the adapter on its own subnet.
        if (Subnet(FieldText(adapters.address[i]), FieldText(adapters.netmask[i])) ==
            Subnet(reply.ip, reply.netmask))
            list.Update(known, reply.macText, [entry](NasDevice& device) { device.adapterIndex = entry; });
        return;
    }
    NasDevice device;
    CopyToField(device.name, reply.name);
    CopyToField(device.ip, reply.ip);
    CopyToField(device.netmask, reply.netmask);
    CopyToField(device.gateway, reply.gateway);
    CopyToField(device.dhcpFlag, std::string_view(&reply.dhcpFlag, 1));
    device.hwTag = reply.hwTag;
    CopyToField(device.extraText, reply.extraText);
    CopyToField(device.macText, reply.macText);
    device.adapterIndex = entry;
    list.Append(device);
}

void RunDiscoveryExchange(DatagramPort& port, const AdapterTable& adapters, ByteView request,
                          const RequestId& id, const ModelTag& modelTag, NasList& list,
                          const DatagramWaits& waits) {
    const auto wait = waits.discoveryWait;
    Clock& clock = port.clock();
    for (int entry = 0; entry < port.Count(); ++entry) {
        port.Send(entry, request);
        const auto deadline = Deadline(clock, kDiscoveryTurns, wait, {});
        for (int turn = 0; turn < kDiscoveryTurns && clock.Now() < deadline;) {
            ReceivedDatagram got = port.Receive(entry, wait);
            if (got.status == Status::Failed) continue;
            if (got.status == Status::Timeout) {
                ++turn;
                continue;
            }
            auto reply = ParseDiscoveryReply(got.bytes, id, modelTag);
            if (!reply) continue;
            ++turn;  // a reply takes its turn, also when the appliance is already listed
            AddDiscoveredDevice(list, adapters, entry, *reply);
        }
    }
}

std::int8_t RunLoginExchange(DatagramPort& port, int entry, ByteView request, const RequestId& id,
                             std::string_view targetIp, const std::function<void()>& sendFailed,
                             const DatagramWaits& waits) {
    Clock& clock = port.clock();
    if (!port.Send(entry, request) && sendFailed) sendFailed();
    const auto deadline = Deadline(clock, kLoginTurns, waits.loginWait, waits.loginSleep);
    for (int turns = 0; clock.Now() < deadline;) {
        ReceivedDatagram got = port.Receive(entry, waits.loginWait);
        if (got.status == Status::Failed) continue;
        if (got.status == Status::Datagram) {
            if (auto result = ParseLoginReply(got.bytes, id, targetIp)) return *result;
            continue;
        }
        if (++turns >= kLoginTurns) break;
        clock.SleepFor(waits.loginSleep);
    }
    return 0;
}

bool RunSetAddressExchange(DatagramPort& port, int entry, ByteView request, const RequestId& id,
                           const DatagramWaits& waits) {
    Clock& clock = port.clock();
    port.Send(entry, request);
    const auto deadline = Deadline(clock, kSetAddressTurns, waits.setAddressWait, waits.setAddressSleep);
    for (int turns = 0; clock.Now() < deadline;) {
        ReceivedDatagram got = port.Receive(entry, waits.setAddressWait);
        if (got.status == Status::Failed) continue;
        if (got.status == Status::Datagram) {
            AckMatch match = MatchSetAddressAck(got.bytes, id);
            if (match == AckMatch::Matched) return true;
            if (match == AckMatch::NotAck) continue;
        }
        if (++turns >= kSetAddressTurns) return false;
        clock.SleepFor(waits.setAddressSleep);
    }
    return false;
}

}  // namespace lumora
