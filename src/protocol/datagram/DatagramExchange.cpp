#include "protocol/datagram/DatagramExchange.h"

#include <arpa/inet.h>

#include <algorithm>
#include <vector>

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
    // Every adapter's round runs at once, each with its own turns and its own wait, so that
    // many adapters take no longer than one. Replies are kept per adapter and listed at the
    // end, adapter after adapter: the list is the one the rounds would have made one after
    // another from the same replies.
    struct Round {
        int turns = 0;
        Clock::TimePoint waitEnds;            // when this adapter's current wait runs out
        std::vector<DiscoveryReply> replies;  // accepted, in the order they came
    };
    const auto wait = waits.discoveryWait;
    Clock& clock = port.clock();
    for (int entry = 0; entry < port.Count(); ++entry) port.Send(entry, request);
    const auto deadline = Deadline(clock, kDiscoveryTurns, wait, {});
    std::vector<Round> rounds(static_cast<std::size_t>(port.Count()), Round{0, clock.Now() + wait, {}});

    std::vector<int> open;
    for (;;) {
        // A round is over after its turns, or when a wait would begin at or after the deadline;
        // a wait begun before it runs its course.
        open.clear();
        auto until = Clock::TimePoint::max();
        for (int entry = 0; entry < port.Count(); ++entry) {
            const Round& round = rounds[static_cast<std::size_t>(entry)];
            if (round.turns >= kDiscoveryTurns || round.waitEnds - wait >= deadline) continue;
            open.push_back(entry);
            until = std::min(until, round.waitEnds);
        }
        if (open.empty()) break;
        const auto now = clock.Now();
        const ReceivedDatagram got =
            port.ReceiveAny(open, std::max(std::chrono::ceil<std::chrono::milliseconds>(until - now),
                                           std::chrono::milliseconds(0)));
        const auto at = clock.Now();
        // A wait that ran out is a turn. One that ends just as another adapter's datagram is
        // read is not over yet: a datagram of its own due at that moment may still be waiting.
        for (const int entry : open) {
            Round& round = rounds[static_cast<std::size_t>(entry)];
            const bool over = got.status == Status::Timeout ? round.waitEnds <= at : round.waitEnds < at;
            if (entry == got.entry || !over) continue;
            ++round.turns;
            round.waitEnds = at + wait;
        }
        if (got.status == Status::Timeout || got.entry < 0 || got.entry >= port.Count()) continue;
        Round& round = rounds[static_cast<std::size_t>(got.entry)];
        round.waitEnds = at + wait;  // after any datagram the adapter waits afresh
        if (got.status == Status::Failed) continue;
        auto reply = ParseDiscoveryReply(got.bytes, id, modelTag);
        if (!reply) continue;
        ++round.turns;  // a reply takes its turn, also when the appliance is already listed
        round.replies.push_back(std::move(*reply));
    }
    for (std::size_t entry = 0; entry < rounds.size(); ++entry)
        for (const DiscoveryReply& reply : rounds[entry].replies)
            AddDiscoveredDevice(list, adapters, static_cast<int>(entry), reply);
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
