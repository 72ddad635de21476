#include <gtest/gtest.h>

#include <set>
#include <string>

#include "data/pinyin_table.h"
#include "tests/gbk_literal.h"
#include "window/memory_window.h"

namespace {

GbkText bytes(std::string_view b) {
    return GbkText(b);
}

std::string spelled(const GbkText& t) {
    return std::string(t.bytes());
}

// The first reading value an entry stands for.
std::uint16_t firstReading(const PinyinTable& table, std::uint16_t entry) {
    return (entry & 0x8000) ? table.polyphones[entry & 0x7FFF][0] : entry;
}

std::size_t entryIndex(const GbkText& character) {
    const auto first = static_cast<unsigned char>(character.bytes()[0]);
    const auto second = static_cast<unsigned char>(character.bytes()[1]);
    return (first - 0xB0) * 94u + (second - 0xA1);
}

TEST(PinyinTable, PiecesAreNumberedOneToFiftyFive) {
    const std::string_view expected[] = {
        "",     "zh",   "ch",   "sh",  "b",   "p",   "m",   "f",   "d",   "t",  "n",  "l",
        "g",    "k",    "h",    "j",   "q",   "x",   "r",   "z",   "c",   "s",  "y",  "w",
        "ang",  "eng",  "an",   "ai",  "ao",  "ou",  "er",  "en",  "ei",  "a",  "o",  "e",
        "uang", "iang", "iong", "ing", "ong", "uai", "uan", "iao", "ian", "ui", "iu", "ie",
        "ue",   "in",   "un",   "ia",  "ua",  "uo",  "i",   "u"};
    const auto pieces = pinyinTable().pieces;
    ASSERT_EQ(pieces.size(), std::size(expected));
    for (std::size_t n = 0; n < pieces.size(); ++n) {
        EXPECT_EQ(pieces[n], expected[n]) << "piece " << n;
    }
}

// What every later look-up relies on: entries in range, rows numbered in code order, every
// reading spelled by real pieces, and a first reading wherever there is a row.
TEST(PinyinTable, EntriesAndRowsAreWellFormed) {
    const PinyinTable& table = pinyinTable();
    ASSERT_EQ(table.entries.size(), 6768u);
    auto wellFormed = [&](std::uint16_t reading) {
        const unsigned low = reading & 0xFF;
        const unsigned high = reading >> 8;
        return low >= 1 && low <= 55 && high <= 55;
    };
    std::size_t nextRow = 0;
    std::size_t zeros = 0;
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        const std::uint16_t entry = table.entries[i];
        if (entry == 0) {
            ++zeros;
        } else if (entry & 0x8000) {
            ASSERT_EQ(entry & 0x7FFFu, nextRow) << "entry " << i;
            const auto& row = table.polyphones[nextRow++];
            EXPECT_TRUE(wellFormed(row[0])) << "row " << nextRow - 1;
            EXPECT_TRUE(wellFormed(row[1])) << "a row holds at least two readings";
            EXPECT_TRUE(row[2] == 0 || wellFormed(row[2]));
            EXPECT_TRUE(row[0] != row[1] && row[1] != row[2] && row[0] != row[2]);
        } else {
            EXPECT_TRUE(wellFormed(entry)) << "entry " << i;
        }
    }
    EXPECT_EQ(nextRow, table.polyphones.size()) << "every row belongs to one character";
    EXPECT_EQ(zeros, 43u);
}

TEST(PinyinTable, TheFortyThreeEntriesWithoutAReadingAreZero) {
    // 丶匚刂冂亻勹亠冫冖讠卩阝廴凵艹廾扌呒彡犭夂饣忄丬氵宀辶彐屮纟攵灬礻肀钅疒衤虍, then the
    // unassigned D7 FA..D7 FE.
    const unsigned codes[] = {
        0xD8BC, 0xD8CE, 0xD8D6, 0xD8E7, 0xD8E9, 0xD9E8, 0xD9EF, 0xD9FB, 0xDAA2, 0xDAA5, 0xDAE0,
        0xDAE2, 0xDBC8, 0xDBC9, 0xDCB3, 0xDEC3, 0xDED0, 0xDFBC, 0xE1EA, 0xE1EB, 0xE2BA, 0xE2BB,
        0xE2E0, 0xE3DC, 0xE3DF, 0xE5B2, 0xE5C1, 0xE5E6, 0xE5F8, 0xE6F9, 0xEBB6, 0xECE1, 0xECEA,
        0xEDB1, 0xEEC4, 0xF0DA, 0xF1C2, 0xF2AE, 0xD7FA, 0xD7FB, 0xD7FC, 0xD7FD, 0xD7FE};
    for (unsigned code : codes) {
        const std::string pair{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        EXPECT_EQ(pinyinTable().entries[entryIndex(bytes(pair))], 0) << std::hex << code;
        EXPECT_EQ(pinyinOfChar(bytes(pair)), GbkText()) << std::hex << code;
        EXPECT_TRUE(pinyinReadingsOfChar(bytes(pair)).empty()) << std::hex << code;
    }
}

struct TellingRow {
    const char* character;
    std::uint16_t firstReading;
    const char* shown;
    std::set<std::string> readings;  // in any order
};

TEST(PinyinTable, TellingRowsShowTheirFirstReading) {
    const TellingRow rows[] = {
        {"啊", 0x0021, "a", {"a"}},
        {"阿", 0x0021, "a", {"a", "e"}},
        {"安", 0x001A, "an", {"an"}},
        {"中", 0x2801, "zhong", {"zhong"}},
        {"银", 0x3116, "yin", {"yin"}},
        {"女", 0x370A, "nu", {"nu", "ru"}},
        {"绿", 0x370B, "lu", {"lu"}},
        {"略", 0x300B, "lue", {"lue"}},
        {"行", 0x2711, "xing", {"xing", "hang", "heng"}},
        {"长", 0x1802, "chang", {"chang", "zhang"}},
        {"了", 0x230B, "le", {"le", "liao"}},
        {"和", 0x230E, "he", {"he", "hu", "huo"}},
        {"儿", 0x001E, "er", {"er"}},
        {"嗯", 0x0C0A, "ng", {"ng"}},  // no final: "n" then "g"
        {"唔", 0x3717, "wu", {"wu", "ng", "n"}},
        {"哼", 0x190E, "heng", {"heng"}},  // its reading hng has no spelling and is left out
    };
    const PinyinTable& table = pinyinTable();
    for (const auto& row : rows) {
        const GbkText character = gbk(row.character);
        const std::uint16_t entry = table.entries[entryIndex(character)];
        EXPECT_EQ(firstReading(table, entry), row.firstReading) << row.character;
        EXPECT_EQ(spelled(pinyinOfChar(character)), row.shown) << row.character;
        const GbkTextList readings = pinyinReadingsOfChar(character);
        ASSERT_FALSE(readings.empty()) << row.character;
        EXPECT_EQ(spelled(readings[0]), row.shown) << "the common reading comes first";
        std::set<std::string> all;
        for (const auto& r : readings) {
            all.insert(spelled(r));
        }
        EXPECT_EQ(all, row.readings) << row.character;
        EXPECT_EQ((entry & 0x8000) != 0, row.readings.size() > 1) << row.character;
    }
}

struct CharCase {
    GbkText input;
    const char* expected;
    const char* why;
};

TEST(PinyinOfChar, ReadsOnlyTheFirstTwoBytesOfTheChineseArea) {
    const CharCase cases[] = {
        {gbk("中国"), "zhong", "only the first two bytes count"},
        {gbk("镕"), "", "GBK, but outside GB2312 (E9 46)"},
        {bytes("a"), "", "one byte"},
        {GbkText(), "", "the empty text"},
        {bytes("\xD6"), "", "a lone lead byte"},
        {bytes("ab"), "", "ASCII"},
        {gbk("Ａ"), "", "full-width forms lie below B0"},
        {gbk("，"), "", "so do the symbols"},
        {bytes("\xB0\xA0"), "", "second byte below A1"},
        {bytes("\xB0\xFF"), "", "second byte above FE"},
        {bytes("\xAF\xFE"), "", "first byte below B0"},
        {bytes("\xF8\xA1"), "", "first byte above F7"},
        {bytes("\xF7\xFE"), "zha", "the last code point, 齄"},
        {bytes("\xB0\xA1\xFF"), "a", "whatever follows the pair"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(spelled(pinyinOfChar(c.input)), c.expected) << c.why;
    }
}

struct TextCase {
    const char* input;
    const char* expected;
    int processCalls;
    const char* why;
};

TEST(PinyinOfText, SpellsBytePairsAndLetsEventsRunAfterEach) {
    const TextCase cases[] = {
        {"中国", "zhongguo", 2, ""},
        {"行长", "xingchang", 2, "first readings only"},
        {"五笔", "wubi", 2, ""},
        {"女绿略", "nululue", 3, "u for ü"},
        {"中a", "zhong", 1, "an odd last byte is ignored"},
        {"a中", "", 1, "the pairs are 61 D6 and a lone D0"},
        {"Ａ中", "", 1, "Ａ folds to one byte, the pair is 41 D6"},
        {"ＡＢ中", "zhong", 2, "the pairs are 41 42 and D6 D0"},
        {"氵水", "shui", 2, "氵 adds nothing"},
        {"ab中国", "zhongguo", 3, "an ASCII pair adds nothing"},
        {"", "", 0, "the empty text calls nothing"},
        {"a", "", 0, "one byte is no pair"},
    };
    for (const auto& c : cases) {
        MemoryWindow window;
        EXPECT_EQ(spelled(pinyinOfText(window, gbk(c.input))), c.expected) << c.input << c.why;
        EXPECT_EQ(window.processPendingEventsCalls(), c.processCalls) << c.input;
    }
}

TEST(PinyinOfText, ADanglingLeadByteIsDroppedBeforePairing) {
    MemoryWindow window;
    EXPECT_EQ(spelled(pinyinOfText(window, bytes("\xD6\xD0\xB9"))), "zhong");
    EXPECT_EQ(window.processPendingEventsCalls(), 1);
}

// A queued event may run a second query inside the first; both come out whole.
TEST(PinyinOfText, QueuedEventsRunBetweenPairsAndMaySpellToo) {
    MemoryWindow window;
    std::string inner;
    window.postEvent([&] { inner = spelled(pinyinOfText(window, gbk("五笔"))); });
    window.postQuit();
    EXPECT_EQ(spelled(pinyinOfText(window, gbk("中国"))), "zhongguo");
    EXPECT_EQ(inner, "wubi");
    EXPECT_EQ(window.pendingEvents(), 1u) << "the quit request stays queued";
    EXPECT_EQ(window.processPendingEventsCalls(), 2 + 2);
}

}  // namespace
