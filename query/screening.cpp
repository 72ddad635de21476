#include "query/screening.h"

#include "query/code_query.h"

GbkText storedForbiddenList() {
    // Digits; lower-case letters in keyboard order; ASCII signs (the plus sign twice); ！ ￥ ……
    // （ ）; : ; " " '; “ ” ： ； ‘ ’ — ｛ ｝ ， 、 。
    return GbkText(
        "1,2,3,4,5,6,7,8,9,0,"
        "q,w,e,r,t,y,u,i,o,p,l,k,j,h,g,f,d,s,a,z,x,c,v,b,n,m,"
        "~,!,@,#,$,%,^,*,(,),_,+,-,=,+,.,`,\\,[,],{,},|,/,?,"
        "\xA3\xA1,\xA3\xA4,\xA1\xAD\xA1\xAD,\xA3\xA8,\xA3\xA9,"
        ":,;,\",\",',"
        "\xA1\xB0,\xA1\xB1,\xA3\xBA,\xA3\xBB,\xA1\xAE,\xA1\xAF,\xA1\xAA,\xA3\xFB,\xA3\xFD,\xA3\xAC,"
        "\xA1\xA2,\xA1\xA3");
}

GbkText warningText() {
    // 墨舟V4.12版 / 提示您： / 你查询的内容中可能包含数字,字母,符号,请删除后查询！ / 快捷键： /
    // F1呼出生词本 F2设置总在最前
    return GbkText(
        "\r\n\r\n\xC4\xAB\xD6\xDBV4.12\xB0\xE6 \r\n\r\n\xCC\xE1\xCA\xBE\xC4\xFA\xA3\xBA\r\n\r\n"
        "\xC4\xE3\xB2\xE9\xD1\xAF\xB5\xC4\xC4\xDA\xC8\xDD\xD6\xD0\xBF\xC9\xC4\xDC\xB0\xFC\xBA\xAC"
        "\xCA\xFD\xD7\xD6,\xD7\xD6\xC4\xB8,\xB7\xFB\xBA\xC5,"
        "\xC7\xEB\xC9\xBE\xB3\xFD\xBA\xF3\xB2\xE9"
        "\xD1\xAF\xA3\xA1\r\n\r\n\xBF\xEC\xBD\xDD\xBC\xFC\xA3\xBA\r\n\r\n"
        "F1\xBA\xF4\xB3\xF6\xC9\xFA\xB4\xCA\xB1\xBE "
        "F2\xC9\xE8\xD6\xC3\xD7\xDC\xD4\xDA\xD7\xEE\xC7\xB0"
        "\r\n\r\n");
}

GbkText aboutText() {
    // 墨舟V4.12修复版 / F1呼出生词本 F2设置总在最前 / 相对于V4.12版的修复如下： /
    // 修复了一次输入两个字只出来一个字编码问题,输完汉字按下回车键即可查询 / and the credits:
    // 墨舟开发组编写，愿您打字如飞 / 五笔数据取自ibus-table-wubi，拼音取自pinyin-pro
    return GbkText(
        "\r\n\xC4\xAB\xD6\xDBV4.12\xD0\xDE\xB8\xB4\xB0\xE6\r\n\r\n"
        "F1\xBA\xF4\xB3\xF6\xC9\xFA\xB4\xCA\xB1\xBE "
        "F2\xC9\xE8\xD6\xC3\xD7\xDC\xD4\xDA\xD7\xEE\xC7\xB0"
        " \r\n\r\n"
        "\xCF\xE0\xB6\xD4\xD3\xDAV4."
        "12\xB0\xE6\xB5\xC4\xD0\xDE\xB8\xB4\xC8\xE7\xCF\xC2\xA3\xBA\r\n\r\n"
        "\xD0\xDE\xB8\xB4\xC1\xCB\xD2\xBB\xB4\xCE\xCA\xE4\xC8\xEB\xC1\xBD\xB8\xF6\xD7\xD6\xD6\xBB"
        "\xB3"
        "\xF6\xC0\xB4\xD2\xBB\xB8\xF6\xD7\xD6\xB1\xE0\xC2\xEB\xCE\xCA\xCC\xE2,"
        "\xCA\xE4\xCD\xEA\xBA\xBA"
        "\xD7\xD6\xB0\xB4\xCF\xC2\xBB\xD8\xB3\xB5\xBC\xFC\xBC\xB4\xBF\xC9\xB2\xE9\xD1\xAF\r\n\r\n"
        "\xC4\xAB\xD6\xDB\xBF\xAA\xB7\xA2\xD7\xE9\xB1\xE0\xD0\xB4\xA3\xAC\xD4\xB8\xC4\xFA\xB4\xF2"
        "\xD7"
        "\xD6\xC8\xE7\xB7\xC9\r\n\r\n"
        "\xCE\xE5\xB1\xCA\xCA\xFD\xBE\xDD\xC8\xA1\xD7\xD4ibus-table-wubi\xA3\xAC"
        "\xC6\xB4\xD2\xF4\xC8\xA1\xD7\xD4pinyin-pro");
}

GbkTextList loadForbiddenList(const GbkText& stored) {
    return gbkSplit(stored, GbkText(","));
}

std::int32_t countForbiddenHits(const GbkText& input, const GbkTextList& forbidden) {
    const GbkText screened = gbkStripSpaces(input);
    std::int32_t count = 0;
    // Every member is tested, also after a hit; a member listed twice counts twice.
    for (const GbkText& member : forbidden) {
        if (gbkFind(screened, member) != -1) {
            ++count;
        }
    }
    // The comma separates the stored members and so cannot be one; it has its own test.
    if (gbkFind(screened, GbkText(",")) != -1) {
        ++count;
    }
    return count;
}

void onInputKeyDown(WindowOperations& window, const WubiDictionary& dictionary,
                    const GbkTextList& forbidden, int key) {
    if (key != kEnterKey) {
        return;
    }
    if (countForbiddenHits(window.getText(EditBox::Input), forbidden) != 0) {
        window.setText(EditBox::Result, warningText());
        return;
    }
    runCodeQuery(window, dictionary);
}
