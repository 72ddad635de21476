#include "tests/e2e/gbk.h"

#include <windows.h>

namespace {

constexpr UINT kGbkCodePage = 936;

std::wstring toWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), length);
    return text;
}

std::string fromWide(UINT codePage, std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::string_view bytesOf(std::u8string_view utf8) {
    return {reinterpret_cast<const char*>(utf8.data()), utf8.size()};
}

}  // namespace

std::wstring wideFromGbk(std::string_view gbk) {
    return toWide(kGbkCodePage, gbk);
}

std::string gbkFromWide(std::wstring_view wide) {
    return fromWide(kGbkCodePage, wide);
}

std::string gbk(std::u8string_view utf8) {
    return gbkFromWide(wide(utf8));
}

std::wstring wide(std::u8string_view utf8) {
    return toWide(CP_UTF8, bytesOf(utf8));
}

std::string throughWindow(std::string_view gbk) {
    return gbkFromWide(wideFromGbk(gbk));
}

std::string hexBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (!hex.empty()) {
            hex += ' ';
        }
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

std::string utf8FromGbk(std::string_view gbk) {
    return utf8FromWide(wideFromGbk(gbk));
}

std::string utf8FromWide(std::wstring_view wide) {
    return fromWide(CP_UTF8, wide);
}

std::string levelOneCharacters(int count, int first) {
    // Level one is rows B0 to D7, 94 characters a row, except the last five places of row D7.
    constexpr int kRowLength = 94;
    constexpr int kLevelOneCount = 40 * kRowLength - 5;
    std::string text;
    text.reserve(static_cast<size_t>(count) * 2);
    for (int i = 0; i < count; ++i) {
        const int index = (first + i) % kLevelOneCount;
        text += static_cast<char>(0xB0 + index / kRowLength);
        text += static_cast<char>(0xA1 + index % kRowLength);
    }
    return text;
}
