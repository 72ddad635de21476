// Tests write their texts in UTF-8; the core sees them as GBK.
#pragma once

#include <stdexcept>
#include <string_view>

#include "cli/gbk_utf8.h"

inline GbkText gbk(std::string_view utf8) {
    auto text = gbkFromUtf8(utf8);
    if (!text) {
        throw std::invalid_argument("not representable in GBK");
    }
    return *text;
}
