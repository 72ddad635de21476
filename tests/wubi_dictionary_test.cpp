#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "data/wubi_dictionary.h"
#include "tests/gbk_literal.h"
#include "text/gbk_text.h"

namespace {

const WubiDictionary& dictionary() {
    static const WubiDictionary d(gbkFromBytes(wubiEmbeddedDicDat()));
    return d;
}

GbkText bytes(std::string_view b) {
    return GbkText(b);
}

bool isLead(char b) {
    return static_cast<unsigned char>(b) >= 0x80;
}

unsigned codeOf(std::string_view character) {
    return static_cast<unsigned char>(character[0]) << 8 | static_cast<unsigned char>(character[1]);
}

struct Entry {
    std::size_t position;  // 1-based, of the character
    std::string_view character;
    std::string_view ascii;  // everything up to the next character
};

// Entries as the file lays them out: a character wherever a byte of 0x80 or more stands, then
// its run of ASCII.
std::vector<Entry> entriesOf(std::string_view file) {
    std::vector<Entry> entries;
    std::size_t i = 0;
    while (i < file.size()) {
        if (!isLead(file[i]) || i + 1 == file.size()) {
            ADD_FAILURE() << "no character at byte " << i + 1;
            return entries;
        }
        std::size_t end = i + 2;
        while (end < file.size() && !isLead(file[end])) {
            ++end;
        }
        entries.push_back({i + 1, file.substr(i, 2), file.substr(i + 2, end - i - 2)});
        i = end;
    }
    return entries;
}

bool isCodeLetter(char c) {
    return c >= 'a' && c <= 'y';
}

std::size_t letterRun(std::string_view s, std::size_t from) {
    std::size_t n = 0;
    while (from + n < s.size() && isCodeLetter(s[from + n])) {
        ++n;
    }
    return n;
}

TEST(WubiDictionaryFile, IsOneLineOfTheExactSize) {
    std::string_view file = wubiEmbeddedDicDat();
    EXPECT_EQ(file.size(), 140259u);
    EXPECT_EQ(file.find_first_of(std::string_view("\r\n\0", 3)), std::string_view::npos);
    EXPECT_EQ(gbkLength(dictionary().text()), 140259);
}

TEST(WubiDictionaryFile, HoldsEveryGb2312HanziAndRongOnceInCodeOrder) {
    std::vector<Entry> entries = entriesOf(wubiEmbeddedDicDat());
    ASSERT_EQ(entries.size(), 6764u);

    std::vector<unsigned> expected;
    for (unsigned lead = 0xB0; lead <= 0xF7; ++lead) {
        for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
            if (!(lead == 0xD7 && trail >= 0xFA)) {
                expected.push_back(lead << 8 | trail);
            }
        }
    }
    expected.push_back(0xE946);  // 镕
    std::sort(expected.begin(), expected.end());

    std::vector<unsigned> codes;
    for (const Entry& e : entries) {
        codes.push_back(codeOf(e.character));
    }
    EXPECT_EQ(std::adjacent_find(codes.begin(), codes.end(), std::greater_equal<>()), codes.end())
        << "not strictly ascending";
    EXPECT_EQ(codes, expected);
    EXPECT_EQ(entries[5353].position, 110566u);
    EXPECT_EQ(entries[5353].character, "\xE9\x46");  // 镕
    EXPECT_EQ(entries.back().position, 140242u);
}

// The ASCII run of every entry: full-code field, short-code field, last code, trailing spaces.
TEST(WubiDictionaryFile, EveryEntryHasItsFields) {
    std::vector<Entry> entries = entriesOf(wubiEmbeddedDicDat());
    std::set<char> firstLevelLetters;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const Entry& e = entries[k];
        std::string_view a = e.ascii;
        SCOPED_TRACE(testing::Message() << "entry " << k + 1 << " at byte " << e.position);
        ASSERT_GE(a.size(), 10u);
        ASSERT_LE(a.size(), 30u);
        ASSERT_TRUE(
            std::all_of(a.begin(), a.end(), [](char c) { return c == ' ' || isCodeLetter(c); }));

        std::size_t fullLength = letterRun(a.substr(0, 4), 0);
        ASSERT_TRUE(fullLength == 4 || (fullLength == 3 && a[3] == ' '));
        std::string_view full = a.substr(0, fullLength);

        // 啊 and 阿 write four spaces after their three-letter short code instead of one.
        std::size_t lastStart = k < 2 ? 11 : 8;
        std::string_view shortField = a.substr(4, lastStart - 4);
        std::size_t shortLetters = letterRun(shortField, 0);
        ASSERT_EQ(shortField.find_first_not_of(' ', shortLetters), std::string_view::npos);
        if (k < 2) {
            EXPECT_EQ(shortLetters, 3u);
        }
        if (shortLetters == 1) {
            EXPECT_TRUE(firstLevelLetters.insert(shortField[0]).second) << shortField[0];
        } else if (shortLetters == 3) {
            EXPECT_EQ(fullLength, 4u);
            EXPECT_EQ(shortField.substr(0, 3), full.substr(0, 3));
        } else {
            EXPECT_EQ(shortLetters, 0u);
        }

        std::size_t lastLength = letterRun(a, lastStart);
        EXPECT_GE(lastLength, 2u);
        EXPECT_EQ(a.substr(lastStart, lastLength), full.substr(0, lastLength)) << "not a prefix";
        std::size_t trailing = a.size() - lastStart - lastLength;
        EXPECT_LE(trailing, 17u);
        EXPECT_EQ(a.find_first_not_of(' ', lastStart + lastLength), std::string_view::npos);
    }
    EXPECT_EQ(firstLevelLetters.size(), 25u);
}

// Each entry quoted whole, up to the next character.
TEST(WubiDictionaryFile, TellingEntriesAreByteExact) {
    const char* const telling[] = {
        "啊kbskkbs    kb    ",     "阿bskgbsk    bs                 ",
        "埃fctd    fct          ", "哀yeu     yeu                ",
        "皑rmnn    rmnn        ",  "爱epdcepd ep ",
        "安pvf     pv           ", "的rqyyr   rqy           ",
        "有def e   def          ", "我trntq   trn          ",
        "人wwwww   wwww ",         "镕qpwk    qpwk           ",
        "齄thlg    thlg    ",
    };
    const GbkText& text = dictionary().text();
    for (const char* quoted : telling) {
        GbkText entry = gbk(quoted);
        std::int32_t at = wubiLocate(dictionary(), gbkLeft(entry, 2));
        std::int32_t next = at + gbkLength(entry);
        EXPECT_EQ(gbkMid(text, at, gbkLength(entry)), entry) << quoted;
        EXPECT_TRUE(next > gbkLength(text) || isLead(text.bytes()[next - 1])) << quoted;
    }
}

struct LookupCase {
    const char* character;
    std::int32_t position;
    const char* fullCode;
    const char* firstTwoCodes;
    const char* firstCode;
};

TEST(WubiDictionaryLookups, ReadTheFullCodeFieldOfTheEntry) {
    const LookupCase cases[] = {
        {"啊", 1, "kbsk", "kb", "k"},       // the first entry
        {"哀", 136, "yeu ", "ye", "y"},     // a three-letter full code keeps its filling space
        {"爱", 290, "epdc", "ep", "e"},     // letters go on right after the full code
        {"我", 59003, "trnt", "tr", "t"},   // not its first-level code q
        {"有", 68603, "def ", "de", "d"},   // not its first-level code e
        {"镕", 110566, "qpwk", "qp", "q"},  // the one character outside GB2312
        {"齄", 140242, "thlg", "th", "t"},  // the last entry: the end of the text is reachable
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.character);
        GbkText character = gbk(c.character);
        // A character that stands twice in a word is looked up twice, with the same answer.
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(wubiLocate(dictionary(), character), c.position);
            EXPECT_EQ(wubiFullCode(dictionary(), character), bytes(c.fullCode));
            EXPECT_EQ(wubiFirstTwoCodes(dictionary(), character), bytes(c.firstTwoCodes));
            EXPECT_EQ(wubiFirstCode(dictionary(), character), bytes(c.firstCode));
            EXPECT_EQ(wubiStoredChar(dictionary(), character), character);
        }
    }
}

struct FullCodeCase {
    const char* character;
    const char* fullCode;
    char firstLevel;  // the letter of its short-code field, or 0
};

// The 25 first-level characters, and the characters whose codes the query's and the book's
// results show.
TEST(WubiDictionaryLookups, FullCodesOfWellKnownCharacters) {
    const FullCodeCase cases[] = {
        {"工", "aaaa", 'a'}, {"了", "bnh ", 'b'}, {"以", "nywy", 'c'}, {"在", "dhfd", 'd'},
        {"有", "def ", 'e'}, {"地", "fbn ", 'f'}, {"一", "ggll", 'g'}, {"上", "hhgg", 'h'},
        {"不", "gii ", 'i'}, {"是", "jghu", 'j'}, {"中", "khk ", 'k'}, {"国", "lgyi", 'l'},
        {"同", "mgk ", 'm'}, {"民", "nav ", 'n'}, {"为", "yly ", 'o'}, {"这", "ypi ", 'p'},
        {"我", "trnt", 'q'}, {"的", "rqyy", 'r'}, {"要", "svf ", 's'}, {"和", "tkg ", 't'},
        {"产", "ute ", 'u'}, {"发", "ntcy", 'v'}, {"人", "wwww", 'w'}, {"经", "xca ", 'x'},
        {"主", "ygd ", 'y'}, {"阿", "bskg", 0},   {"埃", "fctd", 0},   {"皑", "rmnn", 0},
        {"安", "pvf ", 0},   {"计", "yfh ", 0},   {"算", "thaj", 0},   {"机", "smn ", 0},
        {"华", "wxfj", 0},   {"共", "awu ", 0},   {"五", "gghg", 0},   {"笔", "ttfn", 0},
        {"字", "pbf ", 0},   {"型", "gajf", 0},
    };
    for (const auto& c : cases) {
        GbkText character = gbk(c.character);
        EXPECT_EQ(wubiFullCode(dictionary(), character), bytes(c.fullCode)) << c.character;
        GbkText shortField =
            gbkMid(dictionary().text(), wubiLocate(dictionary(), character) + 6, 4);
        if (c.firstLevel != 0) {
            EXPECT_EQ(shortField, bytes(std::string(1, c.firstLevel) + "   ")) << c.character;
        } else {
            EXPECT_NE(gbkLength(gbkStripSpaces(shortField)), 1) << c.character;
        }
    }
}

struct UnheldCase {
    const char* what;
    GbkText text;
    GbkText argument;
    std::int32_t position;
    GbkText fullCode;
    GbkText firstTwoCodes;
    GbkText firstCode;
    GbkText storedChar;
};

// An argument that is no entry's character gets whatever the search and the slices give: after
// -1 the code slices start at byte 1 and the stored character is empty.
TEST(WubiDictionaryLookups, ArgumentsTheDictionaryDoesNotHold) {
    const GbkText dic = dictionary().text();
    const GbkText ah = gbk("啊");
    // The first 4 and the first byte of the text.
    const GbkText head4 = gbkConcat(ah, bytes("kb"));
    const GbkText head1 = bytes("\xB0");
    const UnheldCase cases[] = {
        {"full-width comma", dic, gbk("，"), -1, head4, ah, head1, {}},
        {"GBK character outside the table", dic, gbk("丂"), -1, head4, ah, head1, {}},
        {"the F of 镕 is no character", dic, bytes("F "), -1, head4, ah, head1, {}},
        {"trail byte and letter cut from a word", dic, bytes("\xA1k"), -1, head4, ah, head1, {}},
        {"code letters of an entry", dic, bytes("kb"), 3, bytes("skkb"), bytes("sk"), bytes("s"),
         bytes("kb")},
        {"one letter", dic, bytes("k"), 3, bytes("skkb"), bytes("sk"), bytes("s"), bytes("kb")},
        {"empty argument", dic, {}, 1, bytes("kbsk"), bytes("kb"), bytes("k"), ah},
        {"three bytes", dic, gbkConcat(ah, bytes("k")), 1, bytes("kbsk"), bytes("kb"), bytes("k"),
         ah},
        {"empty dictionary", {}, ah, -1, {}, {}, {}, {}},
        {"dictionary cut inside the code of 齄", gbkLeft(dic, 140245), gbk("齄"), 140242,
         bytes("th"), bytes("th"), bytes("t"), gbk("齄")},
        {"dictionary cut inside 齄", gbkLeft(dic, 140242), gbk("齄"), -1, head4, ah, head1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WubiDictionary d(c.text);
        EXPECT_EQ(wubiLocate(d, c.argument), c.position);
        EXPECT_EQ(wubiFullCode(d, c.argument), c.fullCode);
        EXPECT_EQ(wubiFirstTwoCodes(d, c.argument), c.firstTwoCodes);
        EXPECT_EQ(wubiFirstCode(d, c.argument), c.firstCode);
        EXPECT_EQ(wubiStoredChar(d, c.argument), c.storedChar);
    }
    EXPECT_EQ(wubiFullCode(WubiDictionary(), ah), GbkText());
}

// Every needle of 0, 1 or 2 bytes (byte 0 cannot stand in a text) against gbkFind.
void expectFindAgreesOnEveryShortNeedle(const GbkText& text) {
    WubiDictionary d(text);
    EXPECT_EQ(d.find(GbkText()), gbkFind(text, GbkText()));
    for (int b = 1; b < 256; ++b) {
        GbkText needle(std::string(1, static_cast<char>(b)));
        ASSERT_EQ(d.find(needle), gbkFind(text, needle)) << "byte " << b;
    }
    std::string pair(2, '\0');
    for (int b1 = 1; b1 < 256; ++b1) {
        for (int b2 = 1; b2 < 256; ++b2) {
            pair[0] = static_cast<char>(b1);
            pair[1] = static_cast<char>(b2);
            GbkText needle(pair);
            ASSERT_EQ(d.find(needle), gbkFind(text, needle)) << "bytes " << b1 << " " << b2;
        }
    }
}

// Texts with dangling lead bytes, lead bytes before ASCII, and pairs that straddle characters.
TEST(WubiDictionaryFind, AgreesWithGbkFindOnSmallTexts) {
    std::vector<std::string> texts = {"",
                                      "a",
                                      "\xB0",
                                      "ab",
                                      "a\xB0",
                                      "\xB0\xA1",
                                      "\xB0"
                                      "a",
                                      "\xE9\x46 F",
                                      "a\xB0\xA1\xB0"};
    const char alphabet[] = {' ', 'a', 'k', 'F', '\x80', '\xA1', '\xB0', '\xD6', '\xE9', '\xFF'};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 1);
    for (std::size_t length : {5, 16, 33, 64, 64}) {
        std::string t;
        for (std::size_t i = 0; i < length; ++i) {
            t += alphabet[pick(random)];
        }
        texts.push_back(t);
    }
    for (const std::string& t : texts) {
        SCOPED_TRACE(testing::PrintToString(t));
        expectFindAgreesOnEveryShortNeedle(GbkText(t));
    }
}

// On the 140 KB dictionary every search that finds nothing reads the whole text, so gbkFind is
// asked about every one-byte needle and a spread of two-byte needles; the tests above cover
// every needle on small texts.
TEST(WubiDictionaryFind, AgreesWithGbkFindOnTheDictionary) {
    const GbkText& text = dictionary().text();
    std::vector<GbkText> needles = {GbkText()};
    for (int b = 1; b < 256; ++b) {
        needles.emplace_back(std::string(1, static_cast<char>(b)));
    }
    // Characters from all over the file, pairs that straddle two characters or an entry's
    // character and its letters, and a stride through all two-byte needles.
    std::vector<Entry> entries = entriesOf(text.bytes());
    for (std::size_t k = 0; k < entries.size(); k += 97) {
        needles.emplace_back(entries[k].character);
    }
    for (std::string_view pair : {"\xA1k", "\xD0\xB9", "F ", "s ", "  ", "y\xB0", "\xFE\xB0"}) {
        needles.emplace_back(pair);
    }
    for (unsigned code = 0x0101; code <= 0xFFFF; code += 1021) {
        needles.emplace_back(std::string{static_cast<char>(code >> 8), static_cast<char>(code)});
    }
    for (const GbkText& needle : needles) {
        ASSERT_EQ(dictionary().find(needle), gbkFind(text, needle))
            << testing::PrintToString(std::string(needle.bytes()));
    }
    // Every entry's character finds its own entry.
    for (const Entry& e : entries) {
        ASSERT_EQ(dictionary().find(GbkText(e.character)), static_cast<std::int32_t>(e.position));
    }
}

}  // namespace

namespace {

// The same comparison for every needle on the real dictionary: 65,536 whole scans of 140 KB,
// seconds in an optimised build and minutes under the sanitizers, so the test command runs it in
// the optimised build only.
TEST(WubiDictionaryFind, AgreesWithGbkFindOnTheDictionaryForEveryNeedle) {
    if (std::getenv("MOZHOU_EXHAUSTIVE") == nullptr) {
        GTEST_SKIP() << "set MOZHOU_EXHAUSTIVE=1 (tools/test does, in the optimised build)";
    }
    expectFindAgreesOnEveryShortNeedle(dictionary().text());
}

}  // namespace
