#include "data/wubi_entries.h"

namespace {

// The entry whose character stands at 0-based index at of bytes: its letters run up to the next
// byte of 0x80 or more. The first four letters are the full-code field; the words after it are
// the short codes, of which one equal to the full code is not a short code.
WubiEntry entryAt(std::string_view bytes, std::size_t at, std::size_t* next) {
    std::size_t end = at + 2;
    while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80) {
        ++end;
    }
    *next = end;
    std::string_view letters = bytes.substr(at + 2, end - at - 2);
    std::string_view field = letters.substr(0, 4);
    std::string_view full = field.substr(0, field.find(' '));
    WubiEntry entry{GbkText(bytes.substr(at, 2)), GbkText(full), {}};
    std::string_view rest = letters.substr(field.size());
    while (!rest.empty()) {
        std::size_t start = rest.find_first_not_of(' ');
        if (start == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(start);
        std::string_view code = rest.substr(0, rest.find(' '));
        rest.remove_prefix(code.size());
        if (code != full) {
            entry.shortCodes.emplace_back(code);
        }
    }
    return entry;
}

}  // namespace

std::optional<WubiEntry> wubiEntryOf(const WubiDictionary& dictionary, const GbkText& character) {
    std::string_view c = character.bytes();
    // Only a two-byte character begins an entry; letters found inside codes do not.
    if (c.size() != 2 || static_cast<unsigned char>(c[0]) < 0x80) {
        return std::nullopt;
    }
    std::int32_t position = wubiLocate(dictionary, character);
    if (position < 1) {
        return std::nullopt;
    }
    std::size_t next = 0;
    return entryAt(dictionary.text().bytes(), static_cast<std::size_t>(position - 1), &next);
}

std::vector<WubiEntry> wubiAllEntries(const WubiDictionary& dictionary) {
    std::string_view bytes = dictionary.text().bytes();
    std::vector<WubiEntry> entries;
    std::size_t at = 0;
    while (at < bytes.size() && static_cast<unsigned char>(bytes[at]) < 0x80) {
        ++at;
    }
    while (at + 1 < bytes.size()) {
        std::size_t next = 0;
        entries.push_back(entryAt(bytes, at, &next));
        at = next;
    }
    return entries;
}
