// The pinyin of the GB2312 Chinese characters, as constant data of the program.
//
// A reading value is 16 bits: the low byte numbers the first syllable piece, the high byte the
// second (0: none). An entry per code point F S (F 0xB0..0xF7, S 0xA1..0xFE), row by row at
// (F - 0xB0) * 94 + (S - 0xA1): 0 for no reading, a reading value with bit 15 clear, or with
// bit 15 set the number of a row of three reading values in the polyphone table.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "text/gbk_text.h"
#include "window/window_operations.h"

struct PinyinTable {
    // Pieces 1..55; index 0 stands for "no piece".
    std::span<const std::string_view> pieces;
    std::span<const std::uint16_t> entries;                    // 6,768 values
    std::span<const std::array<std::uint16_t, 3>> polyphones;  // first reading first
};

const PinyinTable& pinyinTable();

// The first reading of the character formed by the first two bytes of t, or the empty text.
GbkText pinyinOfChar(const GbkText& t);
// Every reading of that character, the common one first: none, one, or up to three.
GbkTextList pinyinReadingsOfChar(const GbkText& t);
// The first readings of the byte pairs of t (folded to half width first), joined without
// separator; lets the window's queued events run after every pair.
GbkText pinyinOfText(WindowOperations& window, const GbkText& t);
