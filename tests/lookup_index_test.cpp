#include "data/lookup_index.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "data/pinyin_table.h"
#include "tests/gbk_literal.h"

namespace {

const WubiDictionary& dictionary() {
    static const WubiDictionary d(gbkFromBytes(wubiEmbeddedDicDat()));
    return d;
}

const LookupIndex& carriedIndex() {
    static const LookupIndex i(dictionary());
    return i;
}

// The characters of a look-up, one after the other, in UTF-8.
std::string charactersOf(std::span<const WubiEntry* const> entries) {
    std::string out;
    for (const WubiEntry* entry : entries) {
        out += gbkToUtf8(entry->character);
    }
    return out;
}

// Exact matches as "中short 衣full", in UTF-8.
std::string exactOf(std::span<const ExactCodeMatch> matches) {
    std::string out;
    for (const ExactCodeMatch& m : matches) {
        out += (out.empty() ? "" : " ") + gbkToUtf8(m.entry->character) +
               (m.match == CodeMatch::Full ? "full" : "short");
    }
    return out;
}

std::string readingCharacters(std::string_view reading) {
    return charactersOf(lookupCharactersOfReading(carriedIndex(), gbk(reading)));
}

bool contains(std::string_view haystack, std::string_view needle) {
    return haystack.find(needle) != std::string_view::npos;
}

TEST(LookupByReading, ReadingsAsPeopleWriteThem) {
    struct Case {
        const char* reading;
        const char* found;  // characters that must be among the answer
        const char* why;
    };
    const Case cases[] = {
        {"zhong", "中钟种重", "a single reading; 种 and 重 have others too"},
        {"hang", "行", "行 is xing first, hang second"},
        {"huo", "和", "和 is he, hu, huo: found under its third reading"},
        {"liao", "了", "了 is le first"},
        {"zhang", "长", "长 is chang first"},
        {"lv", "驴绿吕", "ü written as v"},
        {"lu", "驴绿路", "ü written as u, and lu itself"},
        {"lü", "驴路", "ü written as ü"},
        {"nv", "女", ""},
        {"lve", "略", "ue after l"},
        {"ZHONG", "中", "case does not count"},
        {"Zhong", "中", ""},
        {"ｚｈｏｎｇ", "中", "full-width letters"},
    };
    for (const Case& c : cases) {
        std::string found = readingCharacters(c.reading);
        for (std::size_t i = 0; c.found[i] != '\0'; i += 3) {
            EXPECT_TRUE(contains(found, std::string_view(c.found + i, 3)))
                << c.reading << " lacks " << std::string_view(c.found + i, 3) << ": " << c.why;
        }
    }
    EXPECT_EQ(readingCharacters("zhong").substr(0, 12), "中盅忠钟") << "code-point order";
    EXPECT_EQ(readingCharacters("lv"), readingCharacters("lu"));
    EXPECT_EQ(readingCharacters("lü"), readingCharacters("LV"));
    EXPECT_EQ(readingCharacters("ZHONG"), readingCharacters("zhong"));
}

TEST(LookupByReading, WhatNoCharacterHasFindsNothing) {
    for (const char* reading : {"xyz", "", "zhong1", "zh ong", "中", "zhongg", "zhōng", "v"}) {
        EXPECT_EQ(readingCharacters(reading), "") << reading;
    }
}

TEST(LookupByReading, KeysAreWrittenAsTheTableWritesThem) {
    EXPECT_EQ(lookupReadingKey(gbk("LüE")), GbkText("lue"));
    EXPECT_EQ(lookupReadingKey(gbk("Nv")), GbkText("nu"));
    EXPECT_EQ(lookupReadingKey(gbk("ｌｖ")), GbkText("lu"));
    EXPECT_EQ(lookupReadingKey(gbk("zh1")), GbkText("zh1"));
    EXPECT_EQ(lookupReadingKey(GbkText("l\xB0")), GbkText("l")) << "a dangling lead byte goes";
}

TEST(LookupByReading, TheCharacterComesWithItsCodes) {
    auto characters = lookupCharactersOfReading(carriedIndex(), gbk("zhong"));
    ASSERT_FALSE(characters.empty());
    const WubiEntry& zhong = *characters[0];
    EXPECT_EQ(zhong.character, gbk("中"));
    EXPECT_EQ(zhong.fullCode, GbkText("khk"));
    EXPECT_EQ(zhong.shortCodes, (GbkTextList{GbkText("k"), GbkText("kh")}));
}

// Every reading of every character of the table, against the table read directly: each
// character is found under each of its readings, in code-point order, and under no other.
TEST(LookupByReading, AgreesWithThePinyinTableForEveryReading) {
    std::map<std::string, std::string> expected;
    const std::size_t count = pinyinTable().entries.size();
    for (std::size_t i = 0; i < count; ++i) {
        const char bytes[] = {static_cast<char>(0xB0 + i / 94), static_cast<char>(0xA1 + i % 94)};
        const GbkText character(std::string_view(bytes, 2));
        for (const GbkText& reading : pinyinReadingsOfChar(character)) {
            expected[std::string(reading.bytes())] += gbkToUtf8(character);
        }
    }
    ASSERT_GT(expected.size(), 350u);
    for (const auto& [reading, characters] : expected) {
        EXPECT_EQ(charactersOf(lookupCharactersOfReading(carriedIndex(), GbkText(reading))),
                  characters)
            << reading;
    }
}

TEST(LookupByCode, CodesAsTypistsMeetThem) {
    struct Case {
        const char* code;
        const char* exact;
        const char* why;
    };
    const Case cases[] = {
        {"k", "中short", "a first-level code"},
        {"q", "我short", "a first-level letter that is not the full code's first"},
        {"dw", "春short 舂short", "a short code shared by two characters"},
        {"rdf", "翱short 振short", "a three-letter short code shared"},
        {"khk", "中full", "a three-letter full code"},
        {"trnt", "我full", "a four-letter full code"},
        {"yeu", "哀full 衣full", "a full code shared, 衣 also with short code ye"},
        {"kh", "中short", "a prefix of many full codes"},
        {"KH", "中short", "case does not count"},
        {"ｋｈ", "中short", "full-width letters"},
        {"li", "", "a code that gives nothing"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lookupCodeFault(lookupCodeKey(gbk(c.code))), CodeFault::None) << c.code;
        EXPECT_EQ(exactOf(lookupExactMatches(carriedIndex(), gbk(c.code))), c.exact)
            << c.code << ": " << c.why;
    }
    EXPECT_EQ(charactersOf(lookupCandidates(carriedIndex(), gbk("khk"))), "躁");
    EXPECT_EQ(charactersOf(lookupCandidates(carriedIndex(), gbk("trnt"))), "");
    EXPECT_EQ(charactersOf(lookupCandidates(carriedIndex(), gbk("li"))), "");
    std::string kh = charactersOf(lookupCandidates(carriedIndex(), gbk("kh")));
    EXPECT_TRUE(contains(kh, "中") && contains(kh, "路")) << kh;
    EXPECT_EQ(kh, charactersOf(lookupCandidates(carriedIndex(), gbk("KH"))));
}

TEST(LookupByCode, WhatIsNotACodeSaysWhyAndFindsNothing) {
    const std::pair<const char*, CodeFault> cases[] = {
        {"", CodeFault::Empty},
        {"z", CodeFault::NotALetter},
        {"kz", CodeFault::NotALetter},
        {"k1", CodeFault::NotALetter},
        {"k h", CodeFault::NotALetter},
        {"中", CodeFault::NotALetter},
        {"abcde", CodeFault::TooLong},
        {"khkkk", CodeFault::TooLong},
        {"aaaaaaaaz", CodeFault::NotALetter},
    };
    for (const auto& [code, fault] : cases) {
        EXPECT_EQ(lookupCodeFault(lookupCodeKey(gbk(code))), fault) << code;
        EXPECT_TRUE(lookupExactMatches(carriedIndex(), gbk(code)).empty()) << code;
        EXPECT_TRUE(lookupCandidates(carriedIndex(), gbk(code)).empty()) << code;
    }
    // A lead byte takes the next byte: 镕's second byte is F, and must not become f.
    EXPECT_EQ(lookupCodeKey(GbkText("K\xE9\x46")), GbkText("k\xE9\x46"));
}

// Every code of 1 to 3 letters, and every code of 4 letters that the dictionary holds, against
// the entries read one by one: exact matches and candidates, in the dictionary's order.
TEST(LookupByCode, AgreesWithTheEntriesForEveryCode) {
    std::map<std::string, std::string> exact;
    std::map<std::string, std::string> candidates;
    for (const WubiEntry& entry : wubiAllEntries(dictionary())) {
        const std::string character = gbkToUtf8(entry.character);
        const std::string full(entry.fullCode.bytes());
        auto addExact = [&](const std::string& code, const char* match) {
            std::string& line = exact[code];
            line += (line.empty() ? "" : " ") + character + match;
        };
        addExact(full, "full");
        for (const GbkText& code : entry.shortCodes) {
            addExact(std::string(code.bytes()), "short");
        }
        for (std::size_t n = 1; n < full.size(); ++n) {
            candidates[full.substr(0, n)] += character;
        }
    }
    std::vector<std::string> codes;
    const std::string letters = "abcdefghijklmnopqrstuvwxy";
    for (char a : letters) {
        codes.emplace_back(1, a);
        for (char b : letters) {
            codes.push_back(std::string{a, b});
            for (char c : letters) {
                codes.push_back(std::string{a, b, c});
            }
        }
    }
    for (const auto& [code, line] : exact) {
        if (code.size() == 4) {
            codes.push_back(code);
        }
    }
    for (const std::string& code : codes) {
        ASSERT_EQ(exactOf(lookupExactMatches(carriedIndex(), GbkText(code))), exact[code]) << code;
        ASSERT_EQ(charactersOf(lookupCandidates(carriedIndex(), GbkText(code))), candidates[code])
            << code;
    }
}

TEST(LookupIndex, AnEmptyDictionaryStillKnowsTheReadings) {
    LookupIndex built{WubiDictionary()};
    const LookupIndex moved = std::move(built);
    auto characters = lookupCharactersOfReading(moved, gbk("zhong"));
    ASSERT_FALSE(characters.empty());
    EXPECT_EQ(characters[0]->character, gbk("中"));
    EXPECT_TRUE(gbkIsEmpty(characters[0]->fullCode));
    EXPECT_TRUE(lookupExactMatches(moved, gbk("k")).empty());
    EXPECT_TRUE(lookupCandidates(moved, gbk("k")).empty());
}

}  // namespace
