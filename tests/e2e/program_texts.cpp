#include "tests/e2e/program_texts.h"

#include "app/control_ids.h"
#include "tests/e2e/gbk.h"

std::string aboutTextBeforeCredits() {
    return gbk(
        u8"\r\n墨舟V4.12修复版\r\n\r\nF1呼出生词本 F2设置总在最前 "
        u8"\r\n\r\n相对于V4.12版的修复如下：\r\n"
        u8"\r\n修复了一次输入两个字只出来一个字编码问题,输完汉字按下回车键即可查询\r\n\r\n");
}

std::string warningText() {
    return gbk(
        u8"\r\n\r\n墨舟V4.12版 "
        u8"\r\n\r\n提示您：\r\n\r\n你查询的内容中可能包含数字,字母,符号,请删除后查询！"
        u8"\r\n\r\n快捷键：\r\n\r\nF1呼出生词本 F2设置总在最前\r\n\r\n");
}

std::wstring titleText() {
    return MOZHOU_WINDOW_TITLE;
}
std::wstring addButtonText() {
    return wide(u8"加入生词本");
}
std::wstring pasteButtonText() {
    return wide(u8"粘贴");
}
std::wstring panelText() {
    return wide(u8"生词本");
}

bool isAboutText(const std::string& text) {
    const std::string fixed = aboutTextBeforeCredits();
    if (text.compare(0, fixed.size(), fixed) != 0) {
        return false;
    }
    const std::string credits = text.substr(fixed.size());
    const size_t gap = credits.find("\r\n\r\n");
    if (gap == std::string::npos || gap == 0) {
        return false;
    }
    const std::string first = credits.substr(0, gap);
    const std::string second = credits.substr(gap + 4);
    auto isOneLine = [](const std::string& line) {
        return !line.empty() && line.find_first_of("\r\n") == std::string::npos;
    };
    return isOneLine(first) && isOneLine(second);
}
