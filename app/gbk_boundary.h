// Text at the Windows boundary. The program keeps its texts as GBK bytes and talks to Windows in
// UTF-16; these are the only conversions between the two, always through code page 936, whatever
// the system's ANSI code page. Bytes that are not valid GBK are converted as Windows' own ANSI
// functions convert them on a GBK system, never refused.
#pragma once

#include <string>
#include <string_view>

#include "text/gbk_text.h"

std::wstring gbkToWide(const GbkText& text);
// Up to the first NUL, as a text ends there.
GbkText gbkFromWide(std::wstring_view text);

// For file names in messages of the core, which takes them as UTF-8.
std::string utf8FromWide(std::wstring_view text);
