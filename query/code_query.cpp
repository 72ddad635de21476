#include "query/code_query.h"

#include "data/pinyin_table.h"

namespace {

// The result's literals, GBK. Parentheses, spaces and line breaks are ASCII; the colon after
// 编码 is the full-width one.
const GbkText kSingleOpen("\r\n\xCE\xE5\xB1\xCA\xB1\xE0\xC2\xEB\xA3\xBA\r\n\r\n(");  // 五笔编码：
const GbkText kSingleCodeSeparator(")\xB5\xC4\xB1\xE0\xC2\xEB\xA3\xBA  ");  // )的编码：
const GbkText kSinglePinyinOpen(
    "\r\n\r\n\xC6\xB4\xD2\xF4\xB1\xE0\xC2\xEB\xA3\xBA\r\n\r\n(");  // 拼音编码：
const GbkText kWord2Open(
    "\r\n\xB4\xCA\xD7\xE9\xB1\xE0\xC2\xEB\xA3\xBA\r\n\r\n\xB4\xCA\xD3\xEF(");  // 词组编码： 词语(
// 词组编码： and 三字词语(
const GbkText kWord3Open(
    "\r\n\xB4\xCA\xD7\xE9\xB1\xE0\xC2\xEB\xA3\xBA\r\n\r\n\xC8\xFD\xD7\xD6\xB4\xCA\xD3\xEF(");
// 词组编码： and 多字词语(
const GbkText kWordLongOpen(
    "\r\n\xB4\xCA\xD7\xE9\xB1\xE0\xC2\xEB\xA3\xBA\r\n\r\n\xB6\xE0\xD7\xD6\xB4\xCA\xD3\xEF(");
const GbkText kWordCodeSeparator(")\xCE\xE5\xB1\xCA\xB1\xE0\xC2\xEB\xA3\xBA  ");  // )五笔编码：
const GbkText kWord2PinyinOpen("\r\n\r\n\xB4\xCA\xD3\xEF(");                      // 词语(
const GbkText kWord3PinyinOpen("\r\n\r\n\xC8\xFD\xD7\xD6\xB4\xCA\xD3\xEF(");      // 三字词语(
const GbkText kWordLongPinyinOpen("\r\n\r\n\xB6\xE0\xD7\xD6\xB4\xCA\xD3\xEF(");   // 多字词语(
const GbkText kWordPinyinSeparator(")\xC6\xB4\xD2\xF4\xB1\xE0\xC2\xEB\xA3\xBA  ");  // )拼音编码：
// 单字编码：, followed by two line breaks, or by three in the three-character result.
const GbkText kCharactersOpen("\r\n\r\n\r\n\xB5\xA5\xD7\xD6\xB1\xE0\xC2\xEB\xA3\xBA\r\n\r\n(");
const GbkText kCharactersOpen3("\r\n\r\n\r\n\xB5\xA5\xD7\xD6\xB1\xE0\xC2\xEB\xA3\xBA\r\n\r\n\r\n(");
const GbkText kCharacterSeparator(")\xB5\xC4\xB1\xE0\xC2\xEB\xA3\xBA");  // )的编码：
const GbkText kNextCharacter("\r\n\r\n(");

GbkText pair(const GbkText& q, std::int32_t start) {
    return gbkMid(q, start, 2);
}
GbkText lastPair(const GbkText& q) {
    return gbkRight(q, 2);
}

// A character's line without its opening parenthesis: the two bytes, ")的编码：" and the full
// code. The look-up strips spaces once more, which changes only a pair cut across characters.
GbkText characterPiece(const WubiDictionary& dictionary, const GbkText& c) {
    return gbkConcat(c, kCharacterSeparator, wubiFullCode(dictionary, gbkStripSpaces(c)));
}

// The lines of the characters after the first one in a word of 7 bytes or more: the pairs at
// bytes 3, 5, ... (n = L / 2 - 2 of them), then the last two bytes. For an odd length the byte
// before the last pair stands in no line.
GbkText longWordCharacterLines(const WubiDictionary& dictionary, const GbkText& q) {
    std::int32_t n = gbkLength(q) / 2 - 2;
    std::string lines;
    for (std::int32_t i = 1; i <= n; ++i) {
        lines += kNextCharacter.bytes();
        lines += characterPiece(dictionary, pair(q, 2 * i + 1)).bytes();
    }
    lines += kNextCharacter.bytes();
    lines += characterPiece(dictionary, lastPair(q)).bytes();
    return GbkText(lines);
}

// Everything the result box is set to in one step; for a longer word its character lines after
// the first are appended afterwards.
GbkText codeQueryHead(const WubiDictionary& dictionary, const GbkText& q, const GbkText& pinyin) {
    switch (gbkLength(q)) {
        case 2:
            return gbkConcat(kSingleOpen, wubiStoredChar(dictionary, q), kSingleCodeSeparator,
                             wubiFullCode(dictionary, q), kSinglePinyinOpen, q,
                             kSingleCodeSeparator, pinyin);
        case 4:
            return gbkConcat(kWord2Open, q, kWordCodeSeparator, wubiWordCode(dictionary, q),
                             kWord2PinyinOpen, q, kWordPinyinSeparator, pinyin, kCharactersOpen,
                             characterPiece(dictionary, pair(q, 1)), kNextCharacter,
                             characterPiece(dictionary, lastPair(q)));
        case 6:
            return gbkConcat(kWord3Open, q, kWordCodeSeparator, wubiWordCode(dictionary, q),
                             kWord3PinyinOpen, q, kWordPinyinSeparator, pinyin, kCharactersOpen3,
                             characterPiece(dictionary, pair(q, 1)), kNextCharacter,
                             characterPiece(dictionary, pair(q, 3)), kNextCharacter,
                             characterPiece(dictionary, lastPair(q)));
        default:
            return gbkConcat(kWordLongOpen, q, kWordCodeSeparator, wubiWordCode(dictionary, q),
                             kWordLongPinyinOpen, q, kWordPinyinSeparator, pinyin, kCharactersOpen,
                             characterPiece(dictionary, pair(q, 1)));
    }
}

bool showsResult(const GbkText& q) {
    std::int32_t length = gbkLength(q);
    return length == 2 || length == 4 || length >= 6;
}

}  // namespace

GbkText wubiWordCode(const WubiDictionary& dictionary, const GbkText& q) {
    std::int32_t length = gbkLength(q);
    if (length == 4) {
        return gbkConcat(wubiFirstTwoCodes(dictionary, pair(q, 1)),
                         wubiFirstTwoCodes(dictionary, pair(q, 3)));
    }
    if (length == 6) {
        return gbkConcat(wubiFirstCode(dictionary, pair(q, 1)),
                         wubiFirstCode(dictionary, pair(q, 3)),
                         wubiFirstTwoCodes(dictionary, pair(q, 5)));
    }
    if (length >= 7) {
        return gbkConcat(
            wubiFirstCode(dictionary, pair(q, 1)), wubiFirstCode(dictionary, pair(q, 3)),
            wubiFirstCode(dictionary, pair(q, 5)), wubiFirstCode(dictionary, lastPair(q)));
    }
    return GbkText();
}

void runCodeQuery(WindowOperations& window, const WubiDictionary& dictionary) {
    // The input is read once: events that run while the pinyin is spelled may change the input
    // box, and every piece of this result must still come from the same text.
    const GbkText q = gbkStripSpaces(window.getText(EditBox::Input));
    if (!showsResult(q)) {
        return;
    }
    const GbkText pinyin = pinyinOfText(window, q);
    window.setText(EditBox::Result, codeQueryHead(dictionary, q, pinyin));
    if (gbkLength(q) >= 7) {
        // One append for all the remaining lines: nothing can run between single appends, so the
        // text and the view end the same, and a long paste costs one edit instead of thousands.
        window.appendText(EditBox::Result, longWordCharacterLines(dictionary, q));
    }
}
