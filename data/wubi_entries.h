// The dictionary's entries read as records, for the console's look-ups (codes of a character,
// characters of a code). The window's lookups never parse entries; these do, from the same text.
#pragma once

#include <optional>
#include <vector>

#include "data/wubi_dictionary.h"

struct WubiEntry {
    GbkText character;
    GbkText fullCode;                 // 3 or 4 letters, without the filling space
    std::vector<GbkText> shortCodes;  // shorter codes, shortest last as the entry writes them
};

// The entry of a character the dictionary holds, or nothing.
std::optional<WubiEntry> wubiEntryOf(const WubiDictionary& dictionary, const GbkText& character);
// Every entry, in the dictionary's order.
std::vector<WubiEntry> wubiAllEntries(const WubiDictionary& dictionary);
