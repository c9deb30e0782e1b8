// GetVolumeInfo against the simulated appliance's web side on loopback, with curl
// posting the same request to the same server as the baseline.
//
// Must run inside a private network namespace (it serves 127.0.0.2:80):
//   scripts/in-netns.sh build/bench/cgi_bench
// Prints, per case, requests per second and p50/p99 latency, then the ratio of our
// time per request to curl's (goal: at most 1.2).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "platform/WindowMessages.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/cgi/CgiForms.h"
#include "protocol/cgi/CgiReplyParsers.h"
#include "protocol/cgi/CgiRequestText.h"
#include "protocol/cgi/CgiTransport.h"
#include "protocol/query/Credentials.h"
#include "protocol/query/Messages.h"
#include "protocol/query/Msg.h"
#include "protocol/datagram/NasList.h"
#include "web/CgiServer.h"

namespace {

using namespace lumora;
using Clock = std::chrono::steady_clock;

constexpr const char* kAddress = "127.0.0.2";
constexpr int kSequential = 1000;
constexpr int kConcurrent = 64;
constexpr int kConcurrentRounds = 10;

struct Summary {
    double perSecond = 0;
    double p50Ms = 0;
    double p99Ms = 0;
};
std::map<std::string, Summary> g_results;

Summary Summarise(std::vector<double> latenciesMs, double wallSeconds) {
    std::sort(latenciesMs.begin(), latenciesMs.end());
    auto at = [&](double q) { return latenciesMs[static_cast<std::size_t>(q * (latenciesMs.size() - 1))]; };
    return {latenciesMs.size() / wallSeconds, at(0.50), at(0.99)};
}

void Report(benchmark::State& state, const std::string& name, const Summary& s) {
    state.counters["req_per_s"] = s.perSecond;
    state.counters["p50_ms"] = s.p50Ms;
    state.counters["p99_ms"] = s.p99Ms;
    g_results[name] = s;
}

// Counts the volume results and notes when each request's answer arrived.
class Receiver : public MessageTarget {
public:
    LRESULT OnMessage(unsigned message, WPARAM, LPARAM lParam) override {
        if (message != WM_QUERY_RESULT) return 0;
        CMsg::Taken taken = CMsg::Instance().TakeParam(lParam);
        if (taken.request) done[taken.request->requestHandle] = Clock::now();
        return 0;
    }
    std::map<RequestHandle, Clock::time_point> done;
    WindowRegistration registration{*this};
};

MessageLoop g_loop;

std::vector<double> RunOurs(int count, int atOnce, double& wallSeconds) {
    Receiver receiver;
    std::vector<double> latencies;
    const Clock::time_point begin = Clock::now();
    for (int started = 0; started < count; started += atOnce) {
        std::map<RequestHandle, Clock::time_point> sent;
        for (int i = 0; i < atOnce; ++i) {
            const Clock::time_point t = Clock::now();
            sent[GetVolumeInfo(receiver.registration.handle(), 0)] = t;
        }
        g_loop.RunUntil([&] { return receiver.done.size() == sent.size(); }, std::chrono::seconds(30));
        for (const auto& [handle, t] : sent)
            if (auto d = receiver.done.find(handle); d != receiver.done.end())
                latencies.push_back(std::chrono::duration<double, std::milli>(d->second - t).count());
        receiver.done.clear();
    }
    wallSeconds = std::chrono::duration<double>(Clock::now() - begin).count();
    return latencies;
}

// The same POST (HTTP/1.0, same headers and body) from curl: each curl run carries
// `batch` transfers, one after another or all at once, and prints each transfer's time.
std::vector<double> RunCurl(int count, int batch, bool parallel, double& wallSeconds) {
    std::string urls;
    for (int i = 0; i < batch; ++i) urls += " -o /dev/null http://127.0.0.2/cgi-bin/hd_config.cgi";
    const std::string command =
        std::string("curl -s --no-progress-meter -0 -w '%{time_total}\\n'") +
        (parallel ? " -Z --parallel-max 64" : "") +
        " -H 'Connection: close' -H 'Content-Type: application/x-www-form-urlencoded' -u admin:admin"
        " --data-binary 'cmd=cgi_Status_Volume_Info'" +
        urls + " 2>/dev/null";
    std::vector<double> latencies;
    const Clock::time_point begin = Clock::now();
    for (int done = 0; done < count; done += batch) {
        FILE* out = popen(command.c_str(), "r");
        if (!out) break;
        double seconds = 0;
        while (std::fscanf(out, "%lf", &seconds) == 1) latencies.push_back(seconds * 1000);
        pclose(out);
    }
    wallSeconds = std::chrono::duration<double>(Clock::now() - begin).count();
    return latencies;
}

// The same request without the worker thread and the message: the transport and the
// reply handler alone, to show what the per-request thread and report cost.
void ExchangeOnly(benchmark::State& state) {
    const std::string request = *BuildCgiRequestText(kKindVolumeInfo, kAddress, kVolumeInfoForm, "admin");
    for (auto _ : state) {
        std::vector<double> latencies;
        const Clock::time_point begin = Clock::now();
        for (int i = 0; i < kSequential; ++i) {
            const Clock::time_point t = Clock::now();
            const std::optional<std::string> reply =
                ExchangeCgiRequest(kAddress, 80, request, [] { return false; }).reply;
            VolumeUsage first;
            if (reply && CgiStatusOk(*reply)) ParseVolumeUsage(*reply, first);
            latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t).count());
        }
        const double wall = std::chrono::duration<double>(Clock::now() - begin).count();
        Report(state, "exchange only", Summarise(std::move(latencies), wall));
    }
}

void Sequential(benchmark::State& state) {
    for (auto _ : state) {
        double wall = 0;
        std::vector<double> latencies = RunOurs(kSequential, 1, wall);
        Report(state, "ours sequential", Summarise(std::move(latencies), wall));
    }
}

void Concurrent(benchmark::State& state) {
    for (auto _ : state) {
        double wall = 0;
        std::vector<double> latencies = RunOurs(kConcurrent * kConcurrentRounds, kConcurrent, wall);
        Report(state, "ours 64 at once", Summarise(std::move(latencies), wall));
    }
}

// curl starts once per 100 transfers, so its process start hardly counts.
void CurlSequential(benchmark::State& state) {
    for (auto _ : state) {
        double wall = 0;
        std::vector<double> latencies = RunCurl(kSequential, 100, false, wall);
        Report(state, "curl sequential", Summarise(std::move(latencies), wall));
    }
}

void CurlConcurrent(benchmark::State& state) {
    for (auto _ : state) {
        double wall = 0;
        std::vector<double> latencies = RunCurl(kConcurrent * kConcurrentRounds, kConcurrent, true, wall);
        Report(state, "curl 64 at once", Summarise(std::move(latencies), wall));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const char* inNamespace = std::getenv("LUMORA_IN_NETNS");
    if (!inNamespace || std::string(inNamespace) != "1") {
        std::fprintf(stderr, "cgi_bench serves 127.0.0.2:80; run it as: scripts/in-netns.sh %s\n", argv[0]);
        return 1;
    }
    sim::CgiServer server(kAddress, sim::CgiState{});
    if (!server.Start()) return 1;
    SetMessageDispatcher(&g_loop);
    NasList::Instance().Clear();
    NasDevice device;
    CopyToField(device.ip, kAddress);
    NasList::Instance().Append(device);
    SetCredentials("admin", "admin");

    benchmark::RegisterBenchmark("GetVolumeInfo/sequential_1000", Sequential)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("exchange_only/sequential_1000", ExchangeOnly)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("curl/sequential_1000", CurlSequential)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("GetVolumeInfo/concurrent_64", Concurrent)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("curl/concurrent_64", CurlConcurrent)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\n%-18s %10s %9s %9s\n", "case", "req/s", "p50 ms", "p99 ms");
    for (const auto& [name, s] : g_results)
        std::printf("%-18s %10.0f %9.3f %9.3f\n", name.c_str(), s.perSecond, s.p50Ms, s.p99Ms);
    for (const char* mode : {"sequential", "64 at once"}) {
        const auto ours = g_results.find(std::string("ours ") + mode),
                   curl = g_results.find(std::string("curl ") + mode);
        if (ours == g_results.end() || curl == g_results.end()) continue;
        std::printf("%-10s time per request, ours / curl: %.2f (p50 %.2f)\n", mode,
                    curl->second.perSecond / ours->second.perSecond, ours->second.p50Ms / curl->second.p50Ms);
    }
    // curl's own figure times the transfer alone; the transport without thread and message compares with it.
    const auto exchange = g_results.find("exchange only"), curl = g_results.find("curl sequential");
    if (exchange != g_results.end() && curl != g_results.end())
        std::printf("transfer alone, p50 ours / curl: %.2f\n", exchange->second.p50Ms / curl->second.p50Ms);
    SetMessageDispatcher(nullptr);
    server.Stop();
    return 0;
}
