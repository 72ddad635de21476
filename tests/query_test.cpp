#include <gtest/gtest.h>

#include "data/wubi_dictionary.h"
#include "query/code_query.h"
#include "query/screening.h"
#include "tests/gbk_literal.h"
#include "window/memory_window.h"

namespace {

const WubiDictionary& dictionary() {
    static const WubiDictionary d(gbkFromBytes(wubiEmbeddedDicDat()));
    return d;
}

// What Enter in the input box leaves in the result box, which starts with the about text.
GbkText resultOfEnter(const GbkText& input) {
    MemoryWindow window;
    window.setText(EditBox::Result, aboutText());
    window.setText(EditBox::Input, input);
    onInputKeyDown(window, dictionary(), loadForbiddenList(storedForbiddenList()), kEnterKey);
    return window.getText(EditBox::Result);
}

struct WorkedExample {
    const char* input;
    const char* result;
};

TEST(CodeQuery, WorkedExamplesByteForByte) {
    const WorkedExample examples[] = {
        {"中",
         "\r\n五笔编码：\r\n\r\n(中)的编码：  khk \r\n\r\n拼音编码：\r\n\r\n(中)的编码：  zhong"},
        {"哀",
         "\r\n五笔编码：\r\n\r\n(哀)的编码：  yeu \r\n\r\n拼音编码：\r\n\r\n(哀)的编码：  ai"},
        {"镕", "\r\n五笔编码：\r\n\r\n(镕)的编码：  qpwk\r\n\r\n拼音编码：\r\n\r\n(镕)的编码：  "},
        {"中国",
         "\r\n词组编码：\r\n\r\n词语(中国)五笔编码：  khlg\r\n\r\n词语(中国)拼音编码：  zhongguo"
         "\r\n\r\n\r\n单字编码：\r\n\r\n(中)的编码：khk \r\n\r\n(国)的编码：lgyi"},
        {"人人",
         "\r\n词组编码：\r\n\r\n词语(人人)五笔编码：  wwww\r\n\r\n词语(人人)拼音编码：  renren"
         "\r\n\r\n\r\n单字编码：\r\n\r\n(人)的编码：wwww\r\n\r\n(人)的编码：wwww"},
        {"计算机",
         "\r\n词组编码：\r\n\r\n三字词语(计算机)五笔编码：  ytsm\r\n\r\n三字词语(计算机)拼音编码： "
         " "
         "jisuanji\r\n\r\n\r\n单字编码：\r\n\r\n\r\n(计)的编码：yfh \r\n\r\n(算)的编码：thaj"
         "\r\n\r\n(机)的编码：smn "},
        {"中华人民共和国",
         "\r\n词组编码：\r\n\r\n多字词语(中华人民共和国)五笔编码：  kwwl\r\n\r\n"
         "多字词语(中华人民共和国)拼音编码：  zhonghuarenmingongheguo\r\n\r\n\r\n单字编码：\r\n\r\n"
         "(中)的编码：khk \r\n\r\n(华)的编码：wxfj\r\n\r\n(人)的编码：wwww\r\n\r\n(民)的编码：nav "
         "\r\n\r\n(共)的编码：awu \r\n\r\n(和)的编码：tkg \r\n\r\n(国)的编码：lgyi"},
        {"五笔字型",
         "\r\n词组编码：\r\n\r\n多字词语(五笔字型)五笔编码：  "
         "gtpg\r\n\r\n多字词语(五笔字型)拼音编码：  "
         "wubizixing\r\n\r\n\r\n单字编码：\r\n\r\n(五)的编码：gghg\r\n\r\n(笔)的编码：ttfn"
         "\r\n\r\n(字)的编码：pbf \r\n\r\n(型)的编码：gajf"},
    };
    for (const auto& e : examples) {
        EXPECT_EQ(resultOfEnter(gbk(e.input)), gbk(e.result)) << e.input;
    }
}

TEST(CodeQuery, SpacesNeverReachTheResult) {
    const GbkText plain = resultOfEnter(gbk("汉字"));
    EXPECT_EQ(resultOfEnter(gbk("汉 字")), plain);
    EXPECT_EQ(resultOfEnter(gbk("汉　字")), plain);
    EXPECT_EQ(resultOfEnter(gbk(" 汉　 字 ")), plain);
}

TEST(CodeQuery, InputsThatLeaveTheResultBoxUnchanged) {
    for (const char* input : {"", "   ", "　 　", "A", "中A", "中文A"}) {
        EXPECT_EQ(resultOfEnter(gbk(input)), aboutText()) << input;
    }
}

TEST(CodeQuery, OddLengthOfNineShowsPairsThreeFiveAndTheLastTwo) {
    // 中国人民 and one letter: the pairs are 中 国 人 民, then bytes 8-9 (the second byte of
    // 民 and the letter); byte 7 stands in no line after the first.
    const GbkText q = gbkConcat(gbk("中国人民"), GbkText("A"));
    const GbkText result = resultOfEnter(q);
    const GbkText expectedTail =
        gbkConcat(gbk("\r\n\r\n\r\n单字编码：\r\n\r\n(中)的编码：khk "
                      "\r\n\r\n(国)的编码：lgyi\r\n\r\n(人)的编码：wwww"),
                  gbk("\r\n\r\n("), gbkRight(q, 2), gbk(")的编码："),
                  wubiFullCode(dictionary(), gbkStripSpaces(gbkRight(q, 2))));
    EXPECT_EQ(gbkRight(result, gbkLength(expectedTail)), expectedTail);
    EXPECT_EQ(gbkLeft(result, gbkLength(gbk("\r\n词组编码：\r\n\r\n多字词语("))),
              gbk("\r\n词组编码：\r\n\r\n多字词语("));
}

TEST(CodeQuery, AFortyCharacterWordHasEveryCharacterLineInOrder) {
    const std::string chars =
        "天地玄黄宇宙洪荒日月盈昃辰宿列张寒来暑往秋收冬藏闰余成岁律吕调阳云腾致雨露结为霜";
    const GbkText word = gbk(chars);
    ASSERT_EQ(gbkLength(word), 80);
    const GbkText result = resultOfEnter(word);

    std::string expectedLines;
    for (std::int32_t i = 1; i <= 40; ++i) {
        GbkText c = gbkMid(word, 2 * i - 1, 2);
        expectedLines +=
            (i == 1 ? gbk("\r\n\r\n\r\n单字编码：\r\n\r\n(") : gbk("\r\n\r\n(")).bytes();
        expectedLines += c.bytes();
        expectedLines += gbk(")的编码：").bytes();
        expectedLines += wubiFullCode(dictionary(), c).bytes();
    }
    EXPECT_EQ(gbkRight(result, static_cast<std::int32_t>(expectedLines.size())),
              GbkText(expectedLines));
    const GbkText code =
        gbkConcat(wubiFirstCode(dictionary(), gbk("天")), wubiFirstCode(dictionary(), gbk("地")),
                  wubiFirstCode(dictionary(), gbk("玄")), wubiFirstCode(dictionary(), gbk("霜")));
    EXPECT_NE(gbkFind(result, gbkConcat(gbk(")五笔编码：  "), code, gbk("\r\n"))), -1);
}

TEST(CodeQuery, WordCodeRuleByLength) {
    const struct {
        const char* word;
        const char* code;
    } cases[] = {
        {"中国", "khlg"},       {"计算机", "ytsm"}, {"中华人民共和国", "kwwl"},
        {"五笔字型", "gtpg"},   {"有我", "detr"},   {"我爱人", "teww"},
        {"我有爱的人", "tdew"}, {"中", ""},         {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wubiWordCode(dictionary(), gbk(c.word)), GbkText(c.code)) << c.word;
    }
}

TEST(CodeQuery, AnInputChangedWhileThePinyinIsSpelledDoesNotMixTwoInputs) {
    MemoryWindow window;
    window.setText(EditBox::Input, gbk("中华人民共和国"));
    // A key press queued before the query: it changes the input box while the pinyin is spelled.
    window.postEvent([&] { window.setText(EditBox::Input, gbk("计算机")); });
    runCodeQuery(window, dictionary());
    MemoryWindow quiet;
    quiet.setText(EditBox::Input, gbk("中华人民共和国"));
    runCodeQuery(quiet, dictionary());
    EXPECT_EQ(window.getText(EditBox::Result), quiet.getText(EditBox::Result));
}

TEST(CodeQuery, ASecondQueryInsideTheFirstRunsToItsEndAndTheFirstWritesLast) {
    MemoryWindow window;
    window.setText(EditBox::Input, gbk("中国"));
    std::vector<GbkText> seen;
    window.postEvent([&] {
        window.setText(EditBox::Input, gbk("计算机"));
        runCodeQuery(window, dictionary());
        seen.push_back(window.getText(EditBox::Result));
    });
    runCodeQuery(window, dictionary());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(gbkFind(seen[0], gbk("三字词语(计算机)")), -1);
    EXPECT_NE(gbkFind(window.getText(EditBox::Result), gbk("词语(中国)五笔编码：  khlg")), -1);
    EXPECT_EQ(gbkFind(window.getText(EditBox::Result), gbk("计算机")), -1);
}

}  // namespace
