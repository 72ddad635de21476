// Texts as the program keeps them (GBK bytes) and as its windows hold them (UTF-16), converted
// with code page 936 whatever the system's own code page is, as the program itself converts.
#pragma once

#include <string>
#include <string_view>

std::wstring wideFromGbk(std::string_view gbk);
std::string gbkFromWide(std::wstring_view wide);

// The GBK bytes of a text written in UTF-8 in the source: gbk(u8"中国").
std::string gbk(std::u8string_view utf8);
std::wstring wide(std::u8string_view utf8);

// What a GBK text becomes after a stay in a window: GBK to UTF-16 and back. Bytes that are no
// GBK character (a lone lead byte) do not survive it unchanged.
std::string throughWindow(std::string_view gbk);

// For messages: the bytes in hexadecimal, and a GBK text shown as UTF-8.
std::string hexBytes(std::string_view bytes);
std::string utf8FromGbk(std::string_view gbk);
std::string utf8FromWide(std::wstring_view wide);

// Runs of GB2312 level-one characters in code order (B0A1, B0A2, ...), count characters from
// the one at index first, starting again at the beginning after the last one.
std::string levelOneCharacters(int count, int first = 0);
