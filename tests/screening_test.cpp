#include <gtest/gtest.h>

#include "query/screening.h"
#include "tests/gbk_literal.h"
#include "window/memory_window.h"

namespace {

TEST(Screening, TheStoredListHas83MembersIn184Bytes) {
    const GbkText stored = storedForbiddenList();
    EXPECT_EQ(gbkLength(stored), 184);
    const GbkTextList list = loadForbiddenList(stored);
    ASSERT_EQ(list.size(), 83u);
    EXPECT_EQ(list[0], GbkText("1"));
    EXPECT_EQ(list[10], GbkText("q"));
    EXPECT_EQ(list[47], GbkText("+"));
    EXPECT_EQ(list[50], GbkText("+"));
    EXPECT_EQ(list[63], gbk("……"));
    EXPECT_EQ(list[68], GbkText("\""));
    EXPECT_EQ(list[69], GbkText("\""));
    EXPECT_EQ(list[80], gbk("，"));
    EXPECT_EQ(list[82], gbk("。"));
}

TEST(Screening, WarningAndAboutTextsByteForByte) {
    EXPECT_EQ(
        warningText(),
        gbk("\r\n\r\n墨舟V4.12版 \r\n\r\n提示您：\r\n\r\n你查询的内容中可能包含数字,字母,符号,"
            "请删除后查询！\r\n\r\n快捷键：\r\n\r\nF1呼出生词本 F2设置总在最前\r\n\r\n"));
    const GbkText aboutHead =
        gbk("\r\n墨舟V4.12修复版\r\n\r\nF1呼出生词本 F2设置总在最前 "
            "\r\n\r\n相对于V4.12版的修复如下：\r\n\r\n"
            "修复了一次输入两个字只出来一个字编码问题,输完汉字按下回车键即可查询\r\n\r\n");
    const GbkText about = aboutText();
    ASSERT_EQ(gbkLeft(about, gbkLength(aboutHead)), aboutHead);
    // Two credit lines with an empty line between them and no line break at the end.
    GbkTextList credits =
        gbkSplit(gbkMid(about, gbkLength(aboutHead) + 1, gbkLength(about)), GbkText("\r\n"));
    ASSERT_EQ(credits.size(), 3u);
    EXPECT_FALSE(gbkIsEmpty(credits[0]));
    EXPECT_TRUE(gbkIsEmpty(credits[1]));
    EXPECT_FALSE(gbkIsEmpty(credits[2]));
}

TEST(Screening, InputsAndTheirOutcome) {
    const struct {
        GbkText input;
        bool warns;
        const char* why;
    } cases[] = {
        {gbk("中国"), false, ""},
        {gbk("中 国"), false, "spaces are removed first"},
        {gbk("中　国"), false, "full-width space"},
        {gbk("1"), true, ""},
        {gbk("中国2"), true, ""},
        {gbk("a"), true, ""},
        {gbk("A"), false, "upper case is not listed"},
        {gbk("ａ"), false, "full-width letter"},
        {gbk("１"), false, "full-width digit"},
        {gbk("中,国"), true, "the comma test"},
        {gbk("中，国"), true, "full-width comma"},
        {gbk("…"), false, "one ellipsis"},
        {gbk("……"), true, ""},
        {GbkText("\x81\x40"), false, "@ as the second byte of a character"},
        {gbk("&"), false, ""},
        {gbk("<"), false, ""},
        {gbk(">"), false, ""},
        {gbk("？"), false, ""},
        {gbk("?"), true, ""},
        {gbk("中国。"), true, ""},
        {GbkText(), false, ""},
        {gbk("  "), false, ""},
        {gbk("\"+"), true, ""},
        {GbkText("\t"), false, "control characters are not listed"},
    };
    const GbkTextList list = loadForbiddenList(storedForbiddenList());
    for (const auto& c : cases) {
        EXPECT_EQ(countForbiddenHits(c.input, list) != 0, c.warns)
            << c.input.bytes() << " " << c.why;
    }
    EXPECT_EQ(countForbiddenHits(GbkText("\"+"), list), 4) << "members listed twice count twice";
    EXPECT_EQ(countForbiddenHits(GbkText("aa"), list), 1) << "a member counts once";
    EXPECT_EQ(countForbiddenHits(GbkText(","), GbkTextList()), 1) << "only the comma test is left";
}

TEST(Screening, EnterShowsTheWarningAndOtherKeysDoNothing) {
    const WubiDictionary dictionary;
    const GbkTextList list = loadForbiddenList(storedForbiddenList());
    MemoryWindow window;
    window.setText(EditBox::Result, GbkText("before"));
    window.setText(EditBox::Input, gbk("中国2"));
    window.setText(EditBox::Vocabulary, GbkText("book"));
    for (int key : {0, 8, 10, 32, 0x70, 0x0D + 256}) {
        onInputKeyDown(window, dictionary, list, key);
    }
    EXPECT_EQ(window.getText(EditBox::Result), GbkText("before"));
    onInputKeyDown(window, dictionary, list, kEnterKey);
    EXPECT_EQ(window.getText(EditBox::Result), warningText());
    EXPECT_EQ(window.getText(EditBox::Input), gbk("中国2"));
    EXPECT_EQ(window.getText(EditBox::Vocabulary), GbkText("book"));
    // The warning stays the box's whole text on a second Enter.
    onInputKeyDown(window, dictionary, list, kEnterKey);
    EXPECT_EQ(window.getText(EditBox::Result), warningText());
}

}  // namespace
