#include "app/gbk_boundary.h"

#include <windows.h>

#include <climits>

namespace {

constexpr UINT kGbkCodePage = 936;

// A length Windows takes as an int; longer texts are cut, which no box or file of the program
// comes near.
int windowsLength(std::size_t length) {
    return length > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(length);
}

std::string narrow(UINT codePage, std::wstring_view text) {
    text = text.substr(0, text.find(L'\0'));
    if (text.empty()) {
        return {};
    }
    const int length = windowsLength(text.size());
    const int size =
        WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

}  // namespace

std::wstring gbkToWide(const GbkText& text) {
    const std::string_view bytes = text.bytes();
    if (bytes.empty()) {
        return {};
    }
    const int length = windowsLength(bytes.size());
    const int size = MultiByteToWideChar(kGbkCodePage, 0, bytes.data(), length, nullptr, 0);
    if (size <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(kGbkCodePage, 0, bytes.data(), length, wide.data(), size);
    return wide;
}

GbkText gbkFromWide(std::wstring_view text) {
    return gbkFromBytes(narrow(kGbkCodePage, text));
}

std::string utf8FromWide(std::wstring_view text) {
    return narrow(CP_UTF8, text);
}
