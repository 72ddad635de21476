#include "data/pinyin_table.h"

#include <string>

namespace {

constexpr std::uint16_t kPolyphoneBit = 0x8000;

// The entry of the character formed by the first two bytes, or 0 outside the table.
std::uint16_t entryOf(const GbkText& t) {
    const std::string_view bytes = t.bytes();
    if (bytes.size() < 2) {
        return 0;
    }
    const auto first = static_cast<unsigned char>(bytes[0]);
    const auto second = static_cast<unsigned char>(bytes[1]);
    if (first < 0xB0 || first > 0xF7 || second < 0xA1 || second > 0xFE) {
        return 0;
    }
    const std::size_t index = (first - 0xB0) * 94u + (second - 0xA1);
    const auto entries = pinyinTable().entries;
    return index < entries.size() ? entries[index] : 0;
}

// The piece numbered n; 0 and numbers past the last piece add nothing.
std::string_view piece(unsigned n) {
    const auto pieces = pinyinTable().pieces;
    return n < pieces.size() ? pieces[n] : std::string_view();
}

// The first piece, then the second.
GbkText writtenOut(std::uint16_t reading) {
    std::string out(piece(reading & 0xFFu));
    out += piece(reading >> 8);
    return GbkText(out);
}

// The readings an entry stands for, 0 where there is none.
std::array<std::uint16_t, 3> readingsOf(std::uint16_t entry) {
    if ((entry & kPolyphoneBit) == 0) {
        return {entry, 0, 0};
    }
    const auto polyphones = pinyinTable().polyphones;
    const std::size_t row = entry & ~kPolyphoneBit;
    return row < polyphones.size() ? polyphones[row] : std::array<std::uint16_t, 3>{};
}

}  // namespace

GbkText pinyinOfChar(const GbkText& t) {
    return writtenOut(readingsOf(entryOf(t))[0]);
}

GbkTextList pinyinReadingsOfChar(const GbkText& t) {
    GbkTextList readings;
    for (std::uint16_t reading : readingsOf(entryOf(t))) {
        if (reading != 0) {
            readings.push_back(writtenOut(reading));
        }
    }
    return readings;
}

GbkText pinyinOfText(WindowOperations& window, const GbkText& t) {
    // The folded copy is all that is read from here on: the events run below may change whatever
    // t refers to.
    const GbkText folded = gbkToHalfWidth(t);
    const std::int32_t pairs = gbkLength(folded) / 2;
    std::string result;
    for (std::int32_t i = 1; i <= pairs; ++i) {
        result += pinyinOfChar(gbkMid(folded, 2 * i - 1, 2)).bytes();
        window.processPendingEvents();
    }
    return GbkText(result);
}
