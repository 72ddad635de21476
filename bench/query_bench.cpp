// The dictionary search and lookups, and the code query from one character to a pasted article.
#include <benchmark/benchmark.h>

#include <string>

#include "data/wubi_dictionary.h"
#include "query/code_query.h"
#include "query/screening.h"
#include "window/memory_window.h"

namespace {

const WubiDictionary& benchDictionary() {
    static const WubiDictionary d(gbkFromBytes(wubiEmbeddedDicDat()));
    return d;
}

const GbkText kLastCharacter("\xF7\xFE");  // 齄, the last entry: the longest successful scan

// count GB2312 characters in code order from 啊 on, wrapping at the end of the table.
GbkText benchText(int count) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count) * 2);
    for (int i = 0; i < count; ++i) {
        int k = i % (72 * 94 - 5);
        int lead = 0xB0 + k / 94;
        int trail = 0xA1 + k % 94;
        if (lead == 0xD7 && trail >= 0xFA) {
            trail = 0xA1;
        }
        bytes += static_cast<char>(lead);
        bytes += static_cast<char>(trail);
    }
    return GbkText(bytes);
}

// From one character to a pasted article.
void queryLengths(benchmark::internal::Benchmark* benchmark) {
    for (int characters : {1, 2, 3, 4, 40, 1000, 100000}) {
        benchmark->Arg(characters);
    }
    benchmark->Unit(benchmark::kMicrosecond);
}

void BM_GbkFindOverTheDictionary(benchmark::State& state) {
    const GbkText& text = benchDictionary().text();
    for (auto _ : state) {
        benchmark::DoNotOptimize(gbkFind(text, kLastCharacter));
    }
}
BENCHMARK(BM_GbkFindOverTheDictionary)->Unit(benchmark::kMicrosecond);

void BM_DictionaryIndexBuild(benchmark::State& state) {
    const GbkText text = gbkFromBytes(wubiEmbeddedDicDat());
    for (auto _ : state) {
        WubiDictionary dictionary(text);
        benchmark::DoNotOptimize(dictionary);
    }
}
BENCHMARK(BM_DictionaryIndexBuild)->Unit(benchmark::kMicrosecond);

template <GbkText (*lookup)(const WubiDictionary&, const GbkText&)>
void BM_Lookup(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(lookup(benchDictionary(), kLastCharacter));
    }
}
BENCHMARK(BM_Lookup<wubiFullCode>)->Name("BM_WubiFullCode");
BENCHMARK(BM_Lookup<wubiFirstTwoCodes>)->Name("BM_WubiFirstTwoCodes");
BENCHMARK(BM_Lookup<wubiFirstCode>)->Name("BM_WubiFirstCode");
BENCHMARK(BM_Lookup<wubiStoredChar>)->Name("BM_WubiStoredChar");

void BM_WubiLocate(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(wubiLocate(benchDictionary(), kLastCharacter));
    }
}
BENCHMARK(BM_WubiLocate);

// Enter in the input box with state.range(0) characters: screening, then the query.
void BM_EnterWithCharacters(benchmark::State& state) {
    const GbkText input = benchText(static_cast<int>(state.range(0)));
    const GbkTextList forbidden = loadForbiddenList(storedForbiddenList());
    MemoryWindow window;
    window.setText(EditBox::Input, input);
    for (auto _ : state) {
        onInputKeyDown(window, benchDictionary(), forbidden, kEnterKey);
    }
    state.counters["result bytes"] = gbkLength(window.getText(EditBox::Result));
}
BENCHMARK(BM_EnterWithCharacters)->Apply(queryLengths);

// The query alone, without screening.
void BM_RunCodeQuery(benchmark::State& state) {
    MemoryWindow window;
    window.setText(EditBox::Input, benchText(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        runCodeQuery(window, benchDictionary());
    }
}
BENCHMARK(BM_RunCodeQuery)->Apply(queryLengths);

}  // namespace
