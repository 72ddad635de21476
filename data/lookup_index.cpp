#include "data/lookup_index.h"

#include <algorithm>
#include <utility>

#include "data/pinyin_table.h"

namespace {

constexpr std::string_view kUmlautU = "\xA8\xB9";  // ü

bool isCodeLetter(char c) {
    return c >= 'a' && c <= 'y';
}

char lowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The letters of a code of 1 to 4 letters a to y in one number, first letter highest, so that
// numbers order as codes do; 0 for any other text.
std::uint32_t packedCode(std::string_view code) {
    if (code.empty() || code.size() > 4) {
        return 0;
    }
    std::uint32_t packed = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        char c = i < code.size() ? code[i] : '\0';
        if (i < code.size() && !isCodeLetter(c)) {
            return 0;
        }
        packed = packed << 8 | static_cast<unsigned char>(c);
    }
    return packed;
}

// Keys and values sorted by key and then by the order in which they were added, split into two
// arrays so that a key's values are one span.
template <typename Key, typename Value>
void sortInto(std::vector<std::pair<Key, Value>> pairs, std::vector<Key>& keys,
              std::vector<Value>& values) {
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    keys.reserve(pairs.size());
    values.reserve(pairs.size());
    for (auto& [key, value] : pairs) {
        keys.push_back(std::move(key));
        values.push_back(value);
    }
}

template <typename Key, typename Value>
std::span<const Value> valuesOf(const std::vector<Key>& keys, const std::vector<Value>& values,
                                const Key& key) {
    auto [first, last] = std::equal_range(keys.begin(), keys.end(), key);
    return std::span<const Value>(values).subspan(static_cast<std::size_t>(first - keys.begin()),
                                                  static_cast<std::size_t>(last - first));
}

// Every code point of the pinyin table, in its order.
std::vector<GbkText> pinyinTableCharacters() {
    std::vector<GbkText> characters;
    const std::size_t count = pinyinTable().entries.size();
    characters.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const char bytes[] = {static_cast<char>(0xB0 + i / 94), static_cast<char>(0xA1 + i % 94)};
        characters.emplace_back(std::string_view(bytes, 2));
    }
    return characters;
}

// The characters of the text folded to half width, each ASCII letter through letterKey.
template <typename LetterKey>
GbkText foldedKey(const GbkText& written, LetterKey letterKey) {
    const GbkText folded = gbkToHalfWidth(written);
    std::string_view bytes = folded.bytes();
    std::string key;
    for (std::size_t i = 0; i < bytes.size();) {
        const int n = gbkCharLength(bytes, i);
        std::string_view c = bytes.substr(i, n == 0 ? 1 : static_cast<std::size_t>(n));
        key += letterKey(c);
        i += c.size();
    }
    return GbkText(key);
}

std::uint16_t codePointOf(std::string_view character) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(character[0]) << 8 |
                                      static_cast<unsigned char>(character[1]));
}

}  // namespace

LookupIndex::LookupIndex(const WubiDictionary& dictionary) : entries_(wubiAllEntries(dictionary)) {
    std::vector<std::int32_t> entryAt(0x10000, -1);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        std::string_view c = entries_[i].character.bytes();
        if (c.size() == 2) {
            entryAt[codePointOf(c)] = static_cast<std::int32_t>(i);
        }
    }

    // The readings: the uncoded entries are all made before any pointer to one is taken.
    std::vector<std::pair<std::string, std::int32_t>> readings;
    for (const GbkText& character : pinyinTableCharacters()) {
        std::int32_t at = entryAt[codePointOf(character.bytes())];
        GbkTextList characterReadings = pinyinReadingsOfChar(character);
        if (at < 0 && !characterReadings.empty()) {
            uncodedEntries_.push_back(WubiEntry{character, GbkText(), {}});
            at = -static_cast<std::int32_t>(uncodedEntries_.size());
        }
        for (const GbkText& reading : characterReadings) {
            readings.emplace_back(std::string(reading.bytes()), at);
        }
    }
    std::vector<std::pair<std::string, const WubiEntry*>> readingPairs;
    readingPairs.reserve(readings.size());
    for (auto& [reading, at] : readings) {
        readingPairs.emplace_back(std::move(reading),
                                  at >= 0 ? &entries_[at] : &uncodedEntries_[-at - 1]);
    }
    sortInto(std::move(readingPairs), readingKeys_, readingCharacters_);

    std::vector<std::pair<std::uint32_t, ExactCodeMatch>> exact;
    std::vector<std::pair<std::uint32_t, const WubiEntry*>> prefixes;
    for (const WubiEntry& entry : entries_) {
        std::string_view full = entry.fullCode.bytes();
        // Full and short codes come out in the dictionary's order per code; an entry whose short
        // code repeated its full code would not be listed twice.
        if (std::uint32_t key = packedCode(full)) {
            exact.emplace_back(key, ExactCodeMatch{&entry, CodeMatch::Full});
            for (std::size_t n = 1; n < full.size(); ++n) {
                prefixes.emplace_back(packedCode(full.substr(0, n)), &entry);
            }
        }
        for (const GbkText& code : entry.shortCodes) {
            std::uint32_t key = packedCode(code.bytes());
            if (key != 0 && code.bytes() != full) {
                exact.emplace_back(key, ExactCodeMatch{&entry, CodeMatch::Short});
            }
        }
    }
    sortInto(std::move(exact), exactKeys_, exactMatches_);
    sortInto(std::move(prefixes), prefixKeys_, prefixCharacters_);
}

GbkText lookupReadingKey(const GbkText& written) {
    return foldedKey(written, [](std::string_view c) -> std::string {
        if (c == kUmlautU) {
            return "u";
        }
        if (c.size() == 1) {
            const char lower = lowerCase(c[0]);
            return std::string(1, lower == 'v' ? 'u' : lower);
        }
        return std::string(c);
    });
}

std::span<const WubiEntry* const> lookupCharactersOfReading(const LookupIndex& index,
                                                            const GbkText& reading) {
    const std::string key(lookupReadingKey(reading).bytes());
    return valuesOf(index.readingKeys_, index.readingCharacters_, key);
}

GbkText lookupCodeKey(const GbkText& written) {
    return foldedKey(written, [](std::string_view c) {
        return c.size() == 1 ? std::string(1, lowerCase(c[0])) : std::string(c);
    });
}

CodeFault lookupCodeFault(const GbkText& code) {
    std::string_view bytes = code.bytes();
    if (bytes.empty()) {
        return CodeFault::Empty;
    }
    if (!std::all_of(bytes.begin(), bytes.end(), isCodeLetter)) {
        return CodeFault::NotALetter;
    }
    return bytes.size() > 4 ? CodeFault::TooLong : CodeFault::None;
}

std::span<const ExactCodeMatch> lookupExactMatches(const LookupIndex& index, const GbkText& code) {
    std::uint32_t key = packedCode(lookupCodeKey(code).bytes());
    if (key == 0) {
        return {};
    }
    return valuesOf(index.exactKeys_, index.exactMatches_, key);
}

std::span<const WubiEntry* const> lookupCandidates(const LookupIndex& index, const GbkText& code) {
    std::uint32_t key = packedCode(lookupCodeKey(code).bytes());
    if (key == 0) {
        return {};
    }
    return valuesOf(index.prefixKeys_, index.prefixCharacters_, key);
}
