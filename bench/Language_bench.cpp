// Cost of building a catalogue (join, parse, quadratic sort) and of one lookup.

#include "app/Language.h"
#include "app/Languages.h"

#include <benchmark/benchmark.h>

namespace {

using namespace lumora;

template <class Language>
void BuildCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        Language language;
        benchmark::DoNotOptimize(language.Count());
    }
}
BENCHMARK(BuildCatalogue<CLanguageFre>);
BENCHMARK(BuildCatalogue<CLanguageRus>);

void LookupHit(benchmark::State& state) {
    const CLanguageGer german;
    for (auto _ : state) benchmark::DoNotOptimize(german.Lookup(u"Pacific Time (US && Canada)"));
}
BENCHMARK(LookupHit);

void LookupMiss(benchmark::State& state) {
    const CLanguageGer german;
    for (auto _ : state) benchmark::DoNotOptimize(german.Lookup(u"result_sendto failed."));
}
BENCHMARK(LookupMiss);

void TrThroughCurrentCatalogue(benchmark::State& state) {
    SelectLanguage(4);
    for (auto _ : state)
        benchmark::DoNotOptimize(Tr(u"Welcome %s, do you want to go to wizard to setup your %s?"));
    g_pLanguage.reset();
}
BENCHMARK(TrThroughCurrentCatalogue);

}  // namespace

BENCHMARK_MAIN();
