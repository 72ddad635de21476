// Conversion between UTF-8 and the GBK bytes of the core (code page 936), for the console.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/gbk_text.h"

// Nothing when utf8 holds a character that GBK cannot hold, or is not UTF-8.
std::optional<GbkText> gbkFromUtf8(std::string_view utf8);
// Bytes that do not form a GBK character become U+FFFD.
std::string gbkToUtf8(const GbkText& text);
// The texts in UTF-8, with separator between them.
std::string gbkJoinToUtf8(const GbkTextList& texts, std::string_view separator);
