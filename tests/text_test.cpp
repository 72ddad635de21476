#include <gtest/gtest.h>

#include "tests/gbk_literal.h"
#include "text/gbk_text.h"

namespace {

GbkText bytes(std::string_view b) {
    return GbkText(b);
}

TEST(GbkText, ConstructionCutsAtTheFirstNul) {
    EXPECT_EQ(GbkText(std::string_view("a\0b", 3)), bytes("a"));
    EXPECT_EQ(gbkFromBytes(std::string_view("\x61\x00\x62", 3)), bytes("a"));
    EXPECT_EQ(gbkFromBytes(""), GbkText());
    EXPECT_EQ(gbkToBytes(gbk("中")), ByteArray("\xD6\xD0"));
    EXPECT_EQ(gbkToBytes(GbkText()), ByteArray());
}

struct SliceCase {
    const char* what;
    GbkText result;
    GbkText expected;
};

TEST(GbkText, SlicesCountBytesAndGiveTheEmptyTextOutside) {
    const GbkText zhongguo = gbk("中国");
    const GbkText abc = bytes("abc");
    const SliceCase cases[] = {
        {"mid cuts characters", gbkMid(zhongguo, 2, 2), bytes("\xD0\xB9")},
        {"mid from 0", gbkMid(abc, 0, 4), GbkText()},
        {"mid from -1", gbkMid(abc, -1, 2), GbkText()},
        {"mid 1,4 of a short text", gbkMid(abc, 1, 4), abc},
        {"mid 1,4 of a long text", gbkMid(bytes("abcdef"), 1, 4), bytes("abcd")},
        {"mid from the last byte", gbkMid(abc, 3, 5), bytes("c")},
        {"mid past the end", gbkMid(abc, 4, 1), GbkText()},
        {"mid with count 0", gbkMid(abc, 1, 0), GbkText()},
        {"mid with a huge count", gbkMid(abc, 2, INT32_MAX), bytes("bc")},
        {"left 0", gbkLeft(abc, 0), GbkText()},
        {"left -3", gbkLeft(abc, -3), GbkText()},
        {"right 0", gbkRight(abc, 0), GbkText()},
        {"right -3", gbkRight(abc, -3), GbkText()},
        {"left beyond the length", gbkLeft(bytes("ab"), 10), bytes("ab")},
        {"right 2", gbkRight(abc, 2), bytes("bc")},
        {"right beyond the length", gbkRight(abc, INT32_MAX), abc},
        {"right cuts a character", gbkRight(zhongguo, 3), bytes("\xD0\xB9\xFA")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result, c.expected) << c.what;
    }
    EXPECT_EQ(gbkLength(zhongguo), 4);
    EXPECT_TRUE(gbkIsEmpty(GbkText()));
    EXPECT_FALSE(gbkIsEmpty(bytes(" ")));
}

struct FindCase {
    GbkText haystack;
    GbkText needle;
    std::int32_t expected;
    const char* why;
};

TEST(GbkText, FindMatchesOnlyWhereACharacterBegins) {
    const FindCase cases[] = {
        {gbk("中国"), gbk("国"), 3, ""},
        {gbk("中国"), gbk("泄"), -1, "D0 B9 stands at 2-3, inside characters"},
        {gbk("镕"), bytes("F"), -1, "the second byte of E9 46"},
        {bytes("abc"), GbkText(), 1, "the empty needle"},
        {GbkText(), GbkText(), -1, ""},
        {GbkText(), bytes("a"), -1, ""},
        {bytes("ab"), bytes("abc"), -1, "needle longer than haystack"},
        {bytes("Qq"), bytes("q"), 2, "no case folding"},
        {gbk("中国"), bytes("\xD6"), 1, "a needle may end inside a character"},
        {gbk("中国"), bytes("\xD0\xB9\xFA"), -1, ""},
        {bytes("a\xB0"), bytes("\xB0"), 2, "a dangling lead byte is still compared"},
        {bytes("\xB0\x61\x61"), bytes("a"), 3, "the lead byte takes the letter after it"},
        {gbk("中国人"), gbk("国人"), 3, "the comparison runs past the candidate character"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gbkFind(c.haystack, c.needle), c.expected) << c.why;
    }
}

TEST(GbkText, StripSpacesWalksCharacters) {
    EXPECT_EQ(gbkStripSpaces(gbk("中 国　文")), gbk("中国文"));
    EXPECT_EQ(gbkStripSpaces(bytes("\t")), bytes("\t"));
    EXPECT_EQ(gbkStripSpaces(bytes("ab\xB0")), bytes("ab"));
    EXPECT_EQ(gbkStripSpaces(bytes("\xB0\xA1\xA1\xB0")), bytes("\xB0\xA1\xA1\xB0"))
        << "A1 A1 straddles two characters";
    EXPECT_EQ(gbkStripSpaces(bytes("  \xA1\xA1 ")), GbkText());
    EXPECT_EQ(gbkStripSpaces(bytes("a\r\nb")), bytes("a\r\nb"));
}

TEST(GbkText, HalfWidthFoldsFullWidthForms) {
    const struct {
        GbkText in;
        GbkText out;
    } cases[] = {
        {gbk("ｑ１，"), bytes("q1,")},
        {gbk("，、。"), gbk(",、。")},
        {gbk("ＡＢ１！￥￣"), bytes("AB1!$~")},
        {gbk("　～☆★"), bytes(" ~**")},
        {gbk("中—"), gbk("中—")},
        {bytes("a\xA3"), bytes("a")},
        {bytes("\xA3\xA1\xA3"), bytes("!")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gbkToHalfWidth(c.in), c.out);
    }
}

TEST(GbkText, SplitAtAComma) {
    const GbkText comma = bytes(",");
    const struct {
        GbkText in;
        GbkTextList out;
    } cases[] = {
        {GbkText(), {}},
        {bytes("a,b"), {bytes("a"), bytes("b")}},
        {bytes("a,,b"), {bytes("a"), GbkText(), bytes("b")}},
        {bytes(",a"), {GbkText(), bytes("a")}},
        {bytes("a,"), {bytes("a")}},
        {bytes(","), {GbkText()}},
        {bytes("abc"), {bytes("abc")}},
        {bytes("\xB0,a,b"), {bytes("\xB0,a"), bytes("b")}},
        {bytes("a,\xB0"), {bytes("a"), bytes("\xB0")}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gbkSplit(c.in, comma), c.out) << c.in.bytes();
    }
    EXPECT_EQ(gbkSplit(bytes("a,b"), GbkText()), GbkTextList{bytes("a,b")});
}

TEST(GbkText, ConcatJoinsInOrder) {
    EXPECT_EQ(gbkConcat(GbkText(), GbkText()), GbkText());
    EXPECT_EQ(gbkConcat(bytes("a"), GbkText(), gbk("中"), bytes("b")), bytes("a\xD6\xD0"
                                                                             "b"));
    EXPECT_EQ(gbkJoin({bytes("x"), bytes("y")}), bytes("xy"));
}

}  // namespace
