#include "text/gbk_text.h"

#include <algorithm>
#include <limits>

namespace {

// Texts are counted with signed 32-bit numbers; longer byte strings are cut, so that every
// length and position a caller sees is exact.
constexpr std::size_t kMaxLength = std::numeric_limits<std::int32_t>::max();

std::string_view cutAtNul(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    return bytes.substr(0, std::min(bytes.size(), kMaxLength));
}

// Walks the characters of t and copies each to the result through fold, which may change it.
// A dangling lead byte is dropped.
template <typename Fold>
GbkText gbkMapChars(const GbkText& t, Fold fold) {
    std::string_view bytes = t.bytes();
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        int n = gbkCharLength(bytes, i);
        if (n == 0) {
            break;
        }
        fold(bytes.substr(i, n), out);
        i += n;
    }
    return GbkText(out);
}

}  // namespace

GbkText::GbkText(std::string_view bytes) : bytes_(cutAtNul(bytes)) {}

std::int32_t gbkLength(const GbkText& t) {
    return static_cast<std::int32_t>(t.bytes().size());
}

bool gbkIsEmpty(const GbkText& t) {
    return t.bytes().empty();
}

GbkText gbkLeft(const GbkText& t, std::int32_t n) {
    if (n <= 0) {
        return GbkText();
    }
    return GbkText(t.bytes().substr(0, static_cast<std::size_t>(n)));
}

GbkText gbkRight(const GbkText& t, std::int32_t n) {
    if (n <= 0) {
        return GbkText();
    }
    std::string_view bytes = t.bytes();
    std::size_t count = std::min(bytes.size(), static_cast<std::size_t>(n));
    return GbkText(bytes.substr(bytes.size() - count));
}

GbkText gbkMid(const GbkText& t, std::int32_t s, std::int32_t n) {
    if (s < 1 || s > gbkLength(t) || n <= 0) {
        return GbkText();
    }
    return GbkText(t.bytes().substr(static_cast<std::size_t>(s) - 1, static_cast<std::size_t>(n)));
}

std::int32_t gbkFind(const GbkText& haystack, const GbkText& needle) {
    std::string_view hay = haystack.bytes();
    std::string_view pin = needle.bytes();
    if (pin.empty()) {
        return hay.empty() ? -1 : 1;
    }
    // The comparison at a candidate may run on past the candidate character.
    for (std::size_t p = 0; hay.size() - p >= pin.size();) {
        if (hay.compare(p, pin.size(), pin) == 0) {
            return static_cast<std::int32_t>(p + 1);
        }
        int n = gbkCharLength(hay, p);
        if (n == 0) {
            break;
        }
        p += n;
    }
    return -1;
}

GbkText gbkStripSpaces(const GbkText& t) {
    return gbkMapChars(t, [](std::string_view c, std::string& out) {
        if (c != " " && c != "\xA1\xA1") {
            out += c;
        }
    });
}

GbkText gbkToHalfWidth(const GbkText& t) {
    return gbkMapChars(t, [](std::string_view c, std::string& out) {
        if (c.size() == 1) {
            out += c;
            return;
        }
        auto first = static_cast<unsigned char>(c[0]);
        auto second = static_cast<unsigned char>(c[1]);
        if (first == 0xA1 && second == 0xA1) {
            out += ' ';
        } else if (first == 0xA1 && second == 0xAB) {
            out += '~';
        } else if (first == 0xA1 && (second == 0xEE || second == 0xEF)) {
            out += '*';
        } else if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) {
            out += static_cast<char>(second - 0x80);
        } else {
            out += c;
        }
    });
}

GbkTextList gbkSplit(const GbkText& t, const GbkText& separator) {
    std::string_view bytes = t.bytes();
    std::string_view sep = separator.bytes();
    if (bytes.empty()) {
        return {};
    }
    if (sep.empty()) {
        return {t};
    }
    GbkTextList pieces;
    std::size_t start = 0;
    for (std::size_t p = 0; bytes.size() - p >= sep.size();) {
        if (bytes.compare(p, sep.size(), sep) == 0) {
            pieces.emplace_back(bytes.substr(start, p - start));
            p += sep.size();
            start = p;
            continue;
        }
        int n = gbkCharLength(bytes, p);
        if (n == 0) {
            break;
        }
        p += n;
    }
    if (start < bytes.size()) {
        pieces.emplace_back(bytes.substr(start));
    }
    return pieces;
}

GbkText gbkConcat(std::initializer_list<GbkText> parts) {
    std::string out;
    for (const GbkText& part : parts) {
        out += part.bytes();
    }
    return GbkText(out);
}

GbkText gbkJoin(const GbkTextList& parts) {
    std::string out;
    for (const GbkText& part : parts) {
        out += part.bytes();
    }
    return GbkText(out);
}

GbkText gbkFromBytes(std::string_view bytes) {
    return GbkText(bytes);
}

ByteArray gbkToBytes(const GbkText& t) {
    return ByteArray(t.bytes());
}
