// LoadText throughput and a full walk of the XML reader against pugixml reading the
// same generated appliance-style replies, from UTF-16 and from UTF-8, at the sizes
// replies really have (up to 8 KiB of UTF-16 for the 4,095 bytes a reply may have on
// the wire) and at 64 KiB and 16 MiB. Rates are in MB/s of the UTF-16 document for
// every reader, so they compare directly; the closing lines print the time ratios
// (medians of interleaved repetitions) and the bytes held per element.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "xml/XmlReader.h"

namespace {

using lumora::XmlReader;

// A reply listing as many items as fit into `bytes` of UTF-16 (at least one).
std::u16string MakeReply(size_t bytes) {
    std::u16string doc = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<reply><status>ok</status><list>\n";
    const std::u16string_view tail = u"</list></reply>\n";
    char buf[512];
    for (unsigned i = 0;; ++i) {
        const int n = std::snprintf(
            buf, sizeof buf,
            "<item id=\"%u\" type='share' state=\"ok\"><name>share_%u</name><path>/mnt/HD_a2/share_%u</path>"
            "<size>%u</size><comment>Caf\xE9 &amp; files &lt;%u&gt; &#169;</comment><public/></item>\n",
            i, i, i, i * 7919u % 1000000u, i % 97);
        if (i > 0 && (doc.size() + n + tail.size()) * 2 > bytes) break;
        for (int k = 0; k < n; ++k) doc += static_cast<char16_t>(static_cast<unsigned char>(buf[k]));
    }
    doc += tail;
    return doc;
}

std::string ToUtf8(std::u16string_view text) {  // the generator writes the BMP only
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80)
            out += static_cast<char>(c);
        else if (c < 0x800)
            out += static_cast<char>(0xC0 | (c >> 6)), out += static_cast<char>(0x80 | (c & 0x3F));
        else
            out += static_cast<char>(0xE0 | (c >> 12)), out += static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

struct Documents {
    std::u16string utf16;
    std::string utf8;
};

const Documents& Doc(size_t bytes) {
    static std::map<size_t, Documents> docs;
    auto it = docs.find(bytes);
    if (it == docs.end()) {
        Documents d{MakeReply(bytes), {}};
        d.utf8 = ToUtf8(d.utf16);
        it = docs.emplace(bytes, std::move(d)).first;
    }
    return it->second;
}

void SetRate(benchmark::State& state, const Documents& d) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * d.utf16.size() * 2));
}

// --- Memory: pugixml's allocations are counted to compare the memory each reader holds

size_t g_pugiLive = 0;
constexpr size_t kHeader = 16;  // keeps pugixml's blocks 16-byte aligned

void* CountingAllocate(size_t size) {
    auto* block = static_cast<char*>(std::malloc(size + kHeader));
    if (!block) return nullptr;
    *reinterpret_cast<size_t*>(block) = size;
    g_pugiLive += size;
    return block + kHeader;
}

void CountingDeallocate(void* ptr) {
    if (!ptr) return;
    char* block = static_cast<char*>(ptr) - kHeader;
    g_pugiLive -= *reinterpret_cast<size_t*>(block);
    std::free(block);
}

size_t CountElements(const pugi::xml_node& node) {
    size_t n = 0;
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element) n += 1 + CountElements(c);
    return n;
}

// --- Loading

void LumoraLoad(benchmark::State& state) {
    const Documents& d = Doc(state.range(0));
    XmlReader reader;
    for (auto _ : state) benchmark::DoNotOptimize(reader.LoadText(std::u16string_view(d.utf16)));
    SetRate(state, d);
    const double elements = reader.EntryCount() - 1;
    const double table = static_cast<double>(reader.Table().Capacity() * sizeof(lumora::ElementEntry));
    state.counters["elements"] = elements;
    state.counters["doc_B"] = static_cast<double>(d.utf16.size() * 2);
    state.counters["index_B/element"] = table / elements;
    state.counters["held_B/element"] = (table + reader.Document().size() * 2) / elements;
}

// pugixml parsing `bytes` of `encoding`; reports the memory its document holds.
void PugiLoad(benchmark::State& state, const void* data, size_t bytes, pugi::xml_encoding encoding) {
    pugi::xml_document doc;
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.load_buffer(data, bytes, pugi::parse_default, encoding));
    const double elements = static_cast<double>(CountElements(doc));
    state.counters["elements"] = elements;
    state.counters["held_B/element"] = static_cast<double>(g_pugiLive) / elements;
}

void PugiLoadUtf16(benchmark::State& state) {
    const Documents& d = Doc(state.range(0));
    PugiLoad(state, d.utf16.data(), d.utf16.size() * 2, pugi::encoding_utf16_le);
    SetRate(state, d);
}

void PugiLoadUtf8(benchmark::State& state) {
    const Documents& d = Doc(state.range(0));
    PugiLoad(state, d.utf8.data(), d.utf8.size(), pugi::encoding_utf8);
    SetRate(state, d);
}

// --- Walking: every element visited, every leaf's text read

// Texts as views: of the document, or of one reused buffer where references are decoded.
size_t WalkLumora(XmlReader& r, std::u16string& scratch) {
    size_t chars = 0;
    while (r.FindNextChild()) {
        r.Descend();
        chars += r.CurrentTextView(scratch).size();
        chars += WalkLumora(r, scratch);
        r.Ascend();
    }
    return chars;
}

// Every text as a string of its own.
size_t WalkLumoraCopy(XmlReader& r) {
    size_t chars = 0;
    while (r.FindNextChild()) {
        r.Descend();
        chars += r.CurrentText().size();
        chars += WalkLumoraCopy(r);
        r.Ascend();
    }
    return chars;
}

size_t WalkPugi(const pugi::xml_node& node) {
    size_t chars = 0;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        chars += std::char_traits<char>::length(child.child_value());
        chars += WalkPugi(child);
    }
    return chars;
}

// The same walk copying each text into a string of its own, as XmlReader hands it out.
size_t WalkPugiCopy(const pugi::xml_node& node) {
    size_t chars = 0;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        const std::string text = child.child_value();
        chars += text.size();
        chars += WalkPugiCopy(child);
    }
    return chars;
}

void LumoraWalk(benchmark::State& state) {
    const Documents& d = Doc(state.range(0));
    XmlReader reader;
    reader.LoadText(std::u16string_view(d.utf16));
    std::u16string scratch;
    for (auto _ : state) {
        reader.Rewind();
        benchmark::DoNotOptimize(WalkLumora(reader, scratch));
    }
    SetRate(state, d);
}

void LumoraWalkCopy(benchmark::State& state) {
    const Documents& d = Doc(state.range(0));
    XmlReader reader;
    reader.LoadText(std::u16string_view(d.utf16));
    for (auto _ : state) {
        reader.Rewind();
        benchmark::DoNotOptimize(WalkLumoraCopy(reader));
    }
    SetRate(state, d);
}

// `walk` over a pugixml tree of the document; the load is outside the timing.
template <size_t (*walk)(const pugi::xml_node&)>
void PugiWalkWith(benchmark::State& state) {
    const Documents& d = Doc(state.range(0));
    pugi::xml_document doc;
    doc.load_buffer(d.utf8.data(), d.utf8.size(), pugi::parse_default, pugi::encoding_utf8);
    for (auto _ : state) benchmark::DoNotOptimize(walk(doc));
    SetRate(state, d);
}

void PugiWalk(benchmark::State& state) { PugiWalkWith<WalkPugi>(state); }
void PugiWalkCopy(benchmark::State& state) { PugiWalkWith<WalkPugiCopy>(state); }

// Document sizes in bytes of UTF-16: replies (a reply has at most 4,095 bytes on the
// wire, so at most 8 KiB here), then far larger documents.
const int64_t kSizes[] = {512, 1536, 4096, 8192, 64 << 10, 16 << 20};

void Sizes(benchmark::internal::Benchmark* b) {
    for (int64_t size : kSizes) b->Arg(size);
    b->Unit(benchmark::kMicrosecond);
}

BENCHMARK(LumoraLoad)->Apply(Sizes);
BENCHMARK(PugiLoadUtf16)->Apply(Sizes);
BENCHMARK(PugiLoadUtf8)->Apply(Sizes);
BENCHMARK(LumoraWalk)->Apply(Sizes);
BENCHMARK(PugiWalk)->Apply(Sizes);
BENCHMARK(LumoraWalkCopy)->Apply(Sizes);
BENCHMARK(PugiWalkCopy)->Apply(Sizes);

// Keeps each run's CPU time per iteration (the median when runs are repeated) so the
// ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.error_occurred) continue;
            const std::string name = r.run_name.str();
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                medians[name] = r.GetAdjustedCPUTime();
            else if (r.run_type == Run::RT_Iteration && r.repetitions <= 1)
                medians[name] = r.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
    // Repeated, interleaved runs by default: the medians hold up on a busy machine.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=7",
                interleave = "--benchmark_enable_random_interleaving=true",
                aggregates = "--benchmark_report_aggregates_only=true";
    if (argc == 1) args.insert(args.end(), {repetitions.data(), interleave.data(), aggregates.data()});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    pugi::set_memory_management_functions(CountingAllocate, CountingDeallocate);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ratio = [&](const std::string& ours, const std::string& theirs) {
        auto a = reporter.medians.find(ours), b = reporter.medians.find(theirs);
        if (a == reporter.medians.end() || b == reporter.medians.end()) return;
        std::printf("%-24s %10.3f us   %-24s %10.3f us   ratio %5.2f (>1: XmlReader faster)\n", ours.c_str(),
                    a->second, theirs.c_str(), b->second, b->second / a->second);
    };
    std::printf("\nCPU time per document (medians):\n");
    for (int64_t size : kSizes) {
        char arg[24];
        std::snprintf(arg, sizeof arg, "/%lld", static_cast<long long>(size));
        auto named = [&](const char* name) { return std::string(name) + arg; };
        ratio(named("LumoraLoad"), named("PugiLoadUtf16"));
        ratio(named("LumoraLoad"), named("PugiLoadUtf8"));
        ratio(named("LumoraWalk"), named("PugiWalk"));
        ratio(named("LumoraWalkCopy"), named("PugiWalkCopy"));
    }
    std::printf("index entry: %zu bytes per element (see index_B/element for the table as sized)\n",
                sizeof(lumora::ElementEntry));
    benchmark::Shutdown();
    return 0;
}
