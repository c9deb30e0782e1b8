// The adapters' discovery rounds run at the same time and list what the rounds one after
// another would have listed, on a scripted port and a fake clock.

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <gtest/gtest.h>

#include <random>

#include "platform/Text.h"
#include "protocol/datagram/DatagramExchange.h"
#include "support/DatagramReplies.h"
#include "support/ScriptedDatagramPort.h"

namespace lumora::test {
namespace {

using std::chrono::milliseconds;

const RequestId kId = MakeRequestId(4711);
const RequestId kOtherId = MakeRequestId(815);
constexpr milliseconds kWait{70};

struct Scripted {
    milliseconds at;
    int entry;
    Bytes bytes;  // empty: a failed receive
};

void Play(ScriptedDatagramPort& port, const std::vector<Scripted>& script, int onlyEntry = -1) {
    for (const Scripted& s : script) {
        if (onlyEntry >= 0 && s.entry != onlyEntry) continue;
        if (s.bytes.empty())
            port.FailAt(s.at, s.entry);
        else
            port.Arrive(s.at, s.bytes, s.entry);
    }
}

// One adapter's round as it ran alone, the reference the rounds at once are held to.
void RoundAlone(ScriptedDatagramPort& port, const AdapterTable& adapters, int entry, NasList& list) {
    Clock& clock = port.clock();
    port.Send(entry, BuildDiscoveryRequest(kId));
    const auto deadline = clock.Now() + kDiscoveryTurns * kWait + milliseconds(50);
    for (int turn = 0; turn < kDiscoveryTurns && clock.Now() < deadline;) {
        const ReceivedDatagram got = port.Receive(entry, kWait);
        if (got.status == ReceivedDatagram::Status::Failed) continue;
        if (got.status == ReceivedDatagram::Status::Timeout) {
            ++turn;
            continue;
        }
        const auto reply = ParseDiscoveryReply(got.bytes, kId);
        if (!reply) continue;
        ++turn;
        AddDiscoveredDevice(list, adapters, entry, *reply);
    }
}

std::vector<std::string> Described(const NasList& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i) {
        const NasDevice d = *list.At(i);
        out.push_back(std::string(FieldText(d.name)) + " " + std::string(FieldText(d.macText)) + " " +
                      std::string(FieldText(d.ip)) + " @" + std::to_string(d.adapterIndex));
    }
    return out;
}

TEST(DiscoveryRoundsTest, ListEqualsTheRoundsOneAfterAnotherForRandomInterleavedReplies) {
    std::mt19937 random(20261209);
    for (int trial = 0; trial < 300; ++trial) {
        AdapterTable adapters;
        const int count = 1 + static_cast<int>(random() % AdapterTable::kCapacity);
        for (int i = 0; i < count; ++i)
            adapters.Add("pc" + std::to_string(i), "10." + std::to_string(i + 1) + ".0.1", "255.255.255.0");

        // A few appliances, each heard on random adapters at random times, from several subnets
        // (so that some move to an adapter on their own subnet), among junk and failed receives.
        // Every other trial on a coarse grid, where arrivals meet the ends of waits exactly.
        const unsigned grain = trial % 2 ? 1 : 10;
        std::vector<Scripted> script;
        const int replies = static_cast<int>(random() % (60 * static_cast<unsigned>(count)));
        for (int r = 0; r < replies; ++r) {
            const int entry = static_cast<int>(random() % static_cast<unsigned>(count));
            const milliseconds at{grain * (random() % (3000 / grain))};
            const auto appliance = static_cast<std::uint8_t>(random() % 6);
            const auto subnet = static_cast<std::uint8_t>(1 + random() % (count + 1));
            const HwTag tag{0,         0,  0,      0, 0,
                            appliance, 10, subnet, 0, static_cast<std::uint8_t>(20 + appliance)};
            switch (random() % 5) {
                case 0: script.push_back({at, entry, DiscoveryReplyBytes(kOtherId, tag, "Stranger")}); break;
                case 1: script.push_back({at, entry, {}}); break;
                default:
                    script.push_back({at, entry, DiscoveryReplyBytes(kId, tag, "N" + std::to_string(r))});
                    break;
            }
        }

        ScriptedDatagramPort atOnce(count);
        Play(atOnce, script);
        NasList list;
        RunDiscoveryExchange(atOnce, adapters, BuildDiscoveryRequest(kId), kId, kKl440ModelTag, list);

        NasList reference;
        milliseconds longest{0};
        for (int entry = 0; entry < count; ++entry) {
            ScriptedDatagramPort alone(count);
            Play(alone, script, entry);
            RoundAlone(alone, adapters, entry, reference);
            longest = std::max(longest, alone.fakeClock().Elapsed());
        }
        ASSERT_EQ(Described(list), Described(reference)) << "trial " << trial << ", " << count << " adapters";
        // All rounds at once take as long as the longest of them.
        ASSERT_EQ(atOnce.fakeClock().Elapsed(), longest) << "trial " << trial;
    }
}

// An address entry of the system's list, chained in front of `next`.
struct FakeInterface {
    FakeInterface(const char* name, const char* address, unsigned flags, FakeInterface* next) {
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = inet_addr(address);
        mask.sin_family = AF_INET;
        mask.sin_addr.s_addr = inet_addr("255.255.255.0");
        entry.ifa_next = next ? &next->entry : nullptr;
        entry.ifa_name = const_cast<char*>(name);
        entry.ifa_flags = flags;
        entry.ifa_addr = reinterpret_cast<sockaddr*>(&addr);
        entry.ifa_netmask = reinterpret_cast<sockaddr*>(&mask);
    }
    sockaddr_in addr{};
    sockaddr_in mask{};
    ifaddrs entry{};
};

TEST(DiscoveryRoundsTest, AdaptersWithoutACarrierAreNotListed) {
    const unsigned up = IFF_UP | IFF_MULTICAST;
    FakeInterface bridge("virbr0", "192.0.2.1", up, nullptr);  // a bridge with no port up
    FakeInterface wired("eth0", "198.51.100.7", up | IFF_RUNNING, &bridge);
    FakeInterface wifi("wlan0", "203.0.113.9", up, &wired);  // no network joined
    FakeInterface loop("lo", "127.0.0.1", up | IFF_RUNNING | IFF_LOOPBACK, &wifi);
    AdapterTable table;
    table.Add("stale", "203.0.113.200", "255.255.255.0");
    table.Fill(&loop.entry);
    ASSERT_EQ(table.count, 1);
    EXPECT_EQ(table.interfaceName[0], "eth0");
    EXPECT_EQ(FieldText(table.address[0]), "198.51.100.7");
    EXPECT_EQ(FieldText(table.netmask[0]), "255.255.255.0");
}

}  // namespace
}  // namespace lumora::test
