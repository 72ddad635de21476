// The vocabulary book at 10, 1,000 and 10,000 entries: an add (the duplicate search over the
// whole book text, the append and the save) and the load at start.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <map>
#include <string>

#include "book/vocabulary_book.h"
#include "cli/posix_book_file.h"
#include "window/memory_window.h"

namespace {

namespace fs = std::filesystem;

const WubiDictionary& benchDictionary() {
    static const WubiDictionary d(gbkFromBytes(wubiEmbeddedDicDat()));
    return d;
}

// The n-th of 10,000 different two-character words, made of the first 100 characters.
GbkText benchWord(int n) {
    auto character = [](int i) {
        const char bytes[] = {static_cast<char>(0xB0 + i / 94), static_cast<char>(0xA1 + i % 94)};
        return std::string(bytes, 2);
    };
    return GbkText(character(n / 100) + character(n % 100));
}

// A book of the given number of two-character entries.
const GbkText& benchBookText(int entries) {
    static std::map<int, GbkText> books;
    auto [it, made] = books.try_emplace(entries);
    if (made) {
        std::string bytes;
        for (int n = 0; n < entries; ++n) {
            bytes += composeEntry(benchWord(n), benchDictionary()).bytes();
        }
        it->second = GbkText(bytes);
    }
    return it->second;
}

// A book file that keeps nothing, to time the core alone.
class DiscardingBookFile : public BookFile {
public:
    ReadResult read(ByteArray&) override { return ReadResult::Absent; }
    bool replace(const ByteArray& bytes) override {
        benchmark::DoNotOptimize(bytes.data());
        return true;
    }
    std::string displayName() const override { return "nowhere"; }
};

class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (fs::temp_directory_path() / "mozhou-bench-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
    }
    ~BenchFolder() { fs::remove_all(folder_); }
    std::string book() const { return (folder_ / "book.txt").string(); }

private:
    fs::path folder_;
};

// Adds the word to a book of state.range(0) entries; the book is set back between rounds.
void benchAdd(benchmark::State& state, BookFile& file, const GbkText& word) {
    const GbkText& bookText = benchBookText(static_cast<int>(state.range(0)));
    MemoryWindow window;
    VocabularyBook book{file};
    window.setText(EditBox::Input, word);
    for (auto _ : state) {
        state.PauseTiming();
        window.setText(EditBox::Vocabulary, bookText);
        state.ResumeTiming();
        if (addToBook(window, benchDictionary(), book) != SaveOutcome::Saved) {
            state.SkipWithError("the save failed");
            break;
        }
    }
    state.counters["book bytes"] = gbkLength(bookText);
}

void BM_BookAddNewWord(benchmark::State& state) {
    DiscardingBookFile file;
    benchAdd(state, file, GbkText("\xD6\xD0\xB9\xFA"));  // 中国, not among the entries
}
BENCHMARK(BM_BookAddNewWord)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_BookAddDuplicateOfTheLastEntry(benchmark::State& state) {
    DiscardingBookFile file;
    benchAdd(state, file, benchWord(static_cast<int>(state.range(0)) - 1));
}
BENCHMARK(BM_BookAddDuplicateOfTheLastEntry)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

void BM_BookAddNewWordSavedToDisk(benchmark::State& state) {
    BenchFolder folder;
    PosixBookFile file(folder.book());
    benchAdd(state, file, GbkText("\xD6\xD0\xB9\xFA"));  // 中国
}
BENCHMARK(BM_BookAddNewWordSavedToDisk)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_BookLoadFromDisk(benchmark::State& state) {
    BenchFolder folder;
    PosixBookFile file(folder.book());
    const GbkText& bookText = benchBookText(static_cast<int>(state.range(0)));
    if (!file.replace(gbkToBytes(bookText))) {
        state.SkipWithError("cannot write the book");
        return;
    }
    for (auto _ : state) {
        MemoryWindow window;
        VocabularyBook book{file};
        loadBook(window, book);
        benchmark::DoNotOptimize(window.getText(EditBox::Vocabulary));
    }
    state.counters["book bytes"] = gbkLength(bookText);
}
BENCHMARK(BM_BookLoadFromDisk)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
