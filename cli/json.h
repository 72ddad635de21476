// JSON output of the console front end.
#pragma once

#include <string>
#include <string_view>

#include "text/gbk_text.h"

// A JSON string of the text; bytes that are not UTF-8 become U+FFFD, so the output stays JSON.
std::string jsonString(std::string_view utf8);
// A JSON array of the texts, each converted from GBK.
std::string jsonArrayOfGbk(const GbkTextList& texts);
