// GBK text: immutable byte strings and the operations every other module is built from.
//
// A text is a sequence of bytes 0x01..0xFF; it never holds 0x00. Lengths and positions count
// bytes, positions start at 1. Read from its first byte, a text falls into characters: a byte
// below 0x80 is one character; a lead byte (0x80..0xFF) forms a character with the byte after
// it, whatever that byte is; a lead byte that ends the text is a dangling lead byte.
// Slices count bytes and may cut a character; search, split, strip and fold walk characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Bytes as they stand in a file or a resource; unlike a text they may hold 0x00.
using ByteArray = std::string;

class GbkText {
public:
    GbkText() = default;
    // Takes the bytes before the first 0x00, as gbkFromBytes does.
    explicit GbkText(std::string_view bytes);

    std::string_view bytes() const { return bytes_; }
    bool operator==(const GbkText&) const = default;

private:
    std::string bytes_;
};

using GbkTextList = std::vector<GbkText>;

std::int32_t gbkLength(const GbkText& t);
bool gbkIsEmpty(const GbkText& t);

// Empty for n <= 0; otherwise the first (last) min(n, length) bytes.
GbkText gbkLeft(const GbkText& t, std::int32_t n);
GbkText gbkRight(const GbkText& t, std::int32_t n);
// Empty when s < 1, s > length or n <= 0; otherwise bytes s .. min(s + n - 1, length).
GbkText gbkMid(const GbkText& t, std::int32_t s, std::int32_t n);

// Position of the first occurrence of needle that begins on a character boundary of haystack,
// or -1. The empty needle is found at 1 in any non-empty haystack.
std::int32_t gbkFind(const GbkText& haystack, const GbkText& needle);

// Drops ASCII spaces, full-width spaces (A1 A1 as one character) and a dangling lead byte.
GbkText gbkStripSpaces(const GbkText& t);
// Folds full-width ASCII forms (A3 A1..A3 FE), the full-width space, ～, ☆ and ★ to one
// ASCII byte each; drops a dangling lead byte.
GbkText gbkToHalfWidth(const GbkText& t);
// Pieces between separators; a trailing separator adds no empty piece.
GbkTextList gbkSplit(const GbkText& t, const GbkText& separator);

GbkText gbkConcat(std::initializer_list<GbkText> parts);
template <typename... Texts>
GbkText gbkConcat(const GbkText& first, const Texts&... rest) {
    return gbkConcat({first, rest...});
}
GbkText gbkJoin(const GbkTextList& parts);

GbkText gbkFromBytes(std::string_view bytes);
ByteArray gbkToBytes(const GbkText& t);

// The length of the character that begins at byte index i (0-based) of bytes: 1, 2, or 0 for a
// dangling lead byte. The one character-stepping rule, shared by every walk over a text.
inline int gbkCharLength(std::string_view bytes, std::size_t i) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
        return 1;
    }
    return i + 1 < bytes.size() ? 2 : 0;
}
