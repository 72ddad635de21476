// The look-ups of pinyin and decode: building the index once per run, and one look-up on it,
// from the shortest answer to the longest (yi has the most characters, a single letter the most
// candidates).
#include <benchmark/benchmark.h>

#include "data/lookup_index.h"

namespace {

const WubiDictionary& benchDictionary() {
    static const WubiDictionary d(gbkFromBytes(wubiEmbeddedDicDat()));
    return d;
}

const LookupIndex& benchIndex() {
    static const LookupIndex index(benchDictionary());
    return index;
}

void BM_LookupIndexBuild(benchmark::State& state) {
    for (auto _ : state) {
        LookupIndex index(benchDictionary());
        benchmark::DoNotOptimize(&index);
    }
}
BENCHMARK(BM_LookupIndexBuild)->Unit(benchmark::kMillisecond);

// The look-up, and a read of every character it gives, as the command prints them.
void BM_LookupReading(benchmark::State& state, const char* reading) {
    const GbkText text(reading);
    std::size_t found = 0;
    for (auto _ : state) {
        auto characters = lookupCharactersOfReading(benchIndex(), text);
        for (const WubiEntry* entry : characters) {
            benchmark::DoNotOptimize(entry->fullCode.bytes().data());
        }
        found = characters.size();
    }
    state.counters["characters"] = static_cast<double>(found);
}
BENCHMARK_CAPTURE(BM_LookupReading, zhong, "zhong")->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_LookupReading, LV, "LV")->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_LookupReading, yi, "yi")->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_LookupReading, unknown, "xyz")->Unit(benchmark::kNanosecond);

void BM_LookupCode(benchmark::State& state, const char* code) {
    const GbkText text(code);
    std::size_t found = 0;
    for (auto _ : state) {
        if (lookupCodeFault(lookupCodeKey(text)) != CodeFault::None) {
            state.SkipWithError("not a code");
            break;
        }
        auto exact = lookupExactMatches(benchIndex(), text);
        auto candidates = lookupCandidates(benchIndex(), text);
        for (const ExactCodeMatch& match : exact) {
            benchmark::DoNotOptimize(match.entry->fullCode.bytes().data());
        }
        for (const WubiEntry* entry : candidates) {
            benchmark::DoNotOptimize(entry->fullCode.bytes().data());
        }
        found = exact.size() + candidates.size();
    }
    state.counters["characters"] = static_cast<double>(found);
}
BENCHMARK_CAPTURE(BM_LookupCode, k, "k")->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_LookupCode, kh, "kh")->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_LookupCode, khk, "khk")->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_LookupCode, trnt, "trnt")->Unit(benchmark::kNanosecond);

}  // namespace
