// Cost of reading the discovery replies: a busy LAN delivers many per turn.

#include <benchmark/benchmark.h>

#include <cstring>

#include "protocol/datagram/AdapterTable.h"
#include "protocol/datagram/DatagramExchange.h"
#include "protocol/datagram/Datagrams.h"
#include "protocol/datagram/NasList.h"

namespace {

using namespace lumora;

const RequestId kId = MakeRequestId(42);

Bytes Reply(int n) {
    Bytes d(104 + 12, 0);
    d[0] = kDiscoveryReply;
    std::copy_n(kId.begin(), 6, d.begin() + 1);
    d[16] = static_cast<std::uint8_t>(n);
    d[17] = 10, d[18] = 1, d[20] = static_cast<std::uint8_t>(n);
    std::memcpy(d.data() + 24, "255.255.255.0", 13);
    d[57] = 11;
    d[100] = 12;
    std::memcpy(d.data() + 104, "KL440-000000", 12);
    return d;
}

void BM_ParseDiscoveryReply(benchmark::State& state) {
    const Bytes reply = Reply(1);
    for (auto _ : state) benchmark::DoNotOptimize(ParseDiscoveryReply(reply, kId));
}
BENCHMARK(BM_ParseDiscoveryReply);

void BM_RejectJunk(benchmark::State& state) {
    Bytes junk = Reply(1);
    junk[3] ^= 0xFF;  // another request's reply
    for (auto _ : state) benchmark::DoNotOptimize(ParseDiscoveryReply(junk, kId));
}
BENCHMARK(BM_RejectJunk);

// Adding N distinct appliances (the list is searched by MAC for every reply).
void BM_AddDiscoveredDevices(benchmark::State& state) {
    AdapterTable adapters;
    adapters.Add("pc0", "10.1.0.1", "255.255.255.0");
    std::vector<DiscoveryReply> replies;
    for (int i = 0; i < state.range(0); ++i) replies.push_back(*ParseDiscoveryReply(Reply(i), kId));
    for (auto _ : state) {
        NasList list;
        for (const DiscoveryReply& r : replies) AddDiscoveredDevice(list, adapters, 0, r);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_AddDiscoveredDevices)->Arg(8)->Arg(64)->Arg(255);

}  // namespace

BENCHMARK_MAIN();
