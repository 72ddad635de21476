#include "data/wubi_dictionary.h"

#include <utility>

namespace {

constexpr std::size_t kOneByteBase = 1;
constexpr std::size_t kTwoByteBase = kOneByteBase + 256;
constexpr std::size_t kTableSize = kTwoByteBase + 256 * 256;

std::size_t slotOfByte(char b) {
    return kOneByteBase + static_cast<unsigned char>(b);
}

std::size_t slotOfPair(char first, char second) {
    return kTwoByteBase + (static_cast<std::size_t>(static_cast<unsigned char>(first)) << 8 |
                           static_cast<unsigned char>(second));
}

// The slice of count bytes that starts offset bytes after the character's entry. The start is
// worked out wide, so that a position near the top of the 32-bit range gives the empty text
// instead of overflowing.
GbkText sliceAtEntry(const WubiDictionary& dictionary, const GbkText& character,
                     std::int32_t offset, std::int32_t count) {
    std::int64_t start = std::int64_t{wubiLocate(dictionary, character)} + offset;
    if (start > gbkLength(dictionary.text())) {
        return GbkText();
    }
    return gbkMid(dictionary.text(), static_cast<std::int32_t>(start), count);
}

}  // namespace

// One walk over the characters, as gbkFind steps: every boundary is a candidate, the first
// one to show a needle's bytes keeps its position. A 2-byte candidate may run on into the next
// character; a dangling lead byte is still a candidate for a 1-byte needle.
WubiDictionary::WubiDictionary(GbkText text)
    : text_(std::move(text)), firstPositions_(kTableSize, -1) {
    std::string_view bytes = text_.bytes();
    if (bytes.empty()) {
        return;
    }
    firstPositions_[0] = 1;
    for (std::size_t p = 0; p < bytes.size();) {
        auto position = static_cast<std::int32_t>(p + 1);
        std::int32_t& single = firstPositions_[slotOfByte(bytes[p])];
        if (single < 0) {
            single = position;
        }
        if (p + 1 < bytes.size()) {
            std::int32_t& pair = firstPositions_[slotOfPair(bytes[p], bytes[p + 1])];
            if (pair < 0) {
                pair = position;
            }
        }
        int n = gbkCharLength(bytes, p);
        if (n == 0) {
            break;
        }
        p += static_cast<std::size_t>(n);
    }
}

std::int32_t WubiDictionary::find(const GbkText& needle) const {
    std::string_view bytes = needle.bytes();
    switch (bytes.size()) {
        case 0:
            return firstPositions_[0];
        case 1:
            return firstPositions_[slotOfByte(bytes[0])];
        case 2:
            return firstPositions_[slotOfPair(bytes[0], bytes[1])];
        default:
            return gbkFind(text_, needle);
    }
}

std::int32_t wubiLocate(const WubiDictionary& dictionary, const GbkText& character) {
    return dictionary.find(character);
}

GbkText wubiFullCode(const WubiDictionary& dictionary, const GbkText& character) {
    return sliceAtEntry(dictionary, character, 2, 4);
}

GbkText wubiFirstTwoCodes(const WubiDictionary& dictionary, const GbkText& character) {
    return sliceAtEntry(dictionary, character, 2, 2);
}

GbkText wubiFirstCode(const WubiDictionary& dictionary, const GbkText& character) {
    return sliceAtEntry(dictionary, character, 2, 1);
}

GbkText wubiStoredChar(const WubiDictionary& dictionary, const GbkText& character) {
    return sliceAtEntry(dictionary, character, 0, 2);
}
