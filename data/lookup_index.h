// The look-ups that go the other way round from the window's: from a toneless reading to the
// characters that have it, and from a Wubi code to the characters it gives. Both answer from one
// index built from the dictionary's entries and the pinyin table, once per run, and then only read.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "data/wubi_dictionary.h"
#include "data/wubi_entries.h"

enum class CodeMatch { Full, Short };

struct ExactCodeMatch {
    const WubiEntry* entry;
    CodeMatch match;
};

// Why a text is not a code.
enum class CodeFault { None, Empty, NotALetter, TooLong };

class LookupIndex {
public:
    explicit LookupIndex(const WubiDictionary& dictionary);
    // The look-ups hand out pointers into the index: it may move, but is never copied.
    LookupIndex(const LookupIndex&) = delete;
    LookupIndex& operator=(const LookupIndex&) = delete;
    LookupIndex(LookupIndex&&) = default;
    LookupIndex& operator=(LookupIndex&&) = default;

private:
    friend std::span<const WubiEntry* const> lookupCharactersOfReading(const LookupIndex&,
                                                                       const GbkText&);
    friend std::span<const ExactCodeMatch> lookupExactMatches(const LookupIndex&, const GbkText&);
    friend std::span<const WubiEntry* const> lookupCandidates(const LookupIndex&, const GbkText&);

    // The dictionary's entries in its order; then, for a character that the pinyin table gives a
    // reading but the dictionary lacks, an entry without codes, so that it is still found.
    std::vector<WubiEntry> entries_;
    std::vector<WubiEntry> uncodedEntries_;
    // Sorted by reading; the characters of one reading in the pinyin table's order.
    std::vector<std::string> readingKeys_;
    std::vector<const WubiEntry*> readingCharacters_;
    // Sorted by code, its letters packed into one number; the matches of one code in the
    // dictionary's order.
    std::vector<std::uint32_t> exactKeys_;
    std::vector<ExactCodeMatch> exactMatches_;
    // Every proper prefix of every full code, sorted likewise.
    std::vector<std::uint32_t> prefixKeys_;
    std::vector<const WubiEntry*> prefixCharacters_;
};

// A reading as the table writes it: full-width forms folded, letters in lower case, and ü
// (written v, u or ü) as u. Other bytes are kept, so that such a reading matches nothing.
GbkText lookupReadingKey(const GbkText& written);
// Every character that has the reading among its readings, in the pinyin table's code-point
// order; none for a reading that no character has.
std::span<const WubiEntry* const> lookupCharactersOfReading(const LookupIndex& index,
                                                            const GbkText& reading);

// A code as the dictionary writes it: full-width forms folded, letters in lower case.
GbkText lookupCodeKey(const GbkText& written);
// A code is 1 to 4 of the letters a to y, once lookupCodeKey has been applied.
CodeFault lookupCodeFault(const GbkText& code);
// The characters whose full code or one of whose short codes is the code, in the dictionary's
// order; none for a text that is not a code.
std::span<const ExactCodeMatch> lookupExactMatches(const LookupIndex& index, const GbkText& code);
// The characters whose full code begins with the code and is longer than it, in the
// dictionary's order: a full code equal to the code is an exact match and is not repeated here.
std::span<const WubiEntry* const> lookupCandidates(const LookupIndex& index, const GbkText& code);
