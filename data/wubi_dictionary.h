// The Wubi dictionary: the whole text of dic.dat and its five lookups.
//
// The file's format is described in data/FORMAT.md. Every lookup is a search of the dictionary
// text for the character's two bytes, stepping one character at a time, followed by a slice of
// the text; for an argument the text does not hold as an entry, whatever that search and slice
// give. The search is answered from a table of first positions built once from the text, which
// gives exactly what gbkFind gives on it for every needle of 0, 1 or 2 bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "text/gbk_text.h"

class WubiDictionary {
public:
    WubiDictionary() : WubiDictionary(GbkText()) {}
    explicit WubiDictionary(GbkText text);

    const GbkText& text() const { return text_; }
    // What gbkFind(text(), needle) gives, for a needle of at most 2 bytes; other needles are
    // searched in the text.
    std::int32_t find(const GbkText& needle) const;

private:
    GbkText text_;
    // First positions: [0] the empty needle, [1 + b] one byte b, [257 + (b1 << 8 | b2)] two bytes.
    std::vector<std::int32_t> firstPositions_;
};

// The dic.dat that the program carries, byte for byte.
std::string_view wubiEmbeddedDicDat();

std::int32_t wubiLocate(const WubiDictionary& dictionary, const GbkText& character);
// 4 bytes: the full-code field, four letters or three letters and a space.
GbkText wubiFullCode(const WubiDictionary& dictionary, const GbkText& character);
GbkText wubiFirstTwoCodes(const WubiDictionary& dictionary, const GbkText& character);
GbkText wubiFirstCode(const WubiDictionary& dictionary, const GbkText& character);
// The entry's own copy of the character.
GbkText wubiStoredChar(const WubiDictionary& dictionary, const GbkText& character);
