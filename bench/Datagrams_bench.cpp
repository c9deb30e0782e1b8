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
    namespace at = layout;
    Bytes d(at::kName + 12, 0);
    d[at::kType] = kDiscoveryReply;
    std::copy_n(kId.begin(), at::kIdEchoed, d.begin() + at::kId);
    d[at::kMac + at::kMacSize - 1] = static_cast<std::uint8_t>(n);
    d[at::kAddress] = 192, d[at::kAddress + 2] = 2, d[at::kAddress + 3] = static_cast<std::uint8_t>(n);
    std::memcpy(d.data() + at::kNetmask, "255.255.255.0", 13);
    d[at::kModelTag + 1] = 11;
    d[at::kNameLength] = 12;
    std::memcpy(d.data() + at::kName, "KL440-000000", 12);
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
    adapters.Add("pc0", "192.0.2.1", "255.255.255.0");
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
