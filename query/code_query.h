// The code query: the input box's text becomes the Wubi code and pinyin in the result box.
#pragma once

#include "data/wubi_dictionary.h"
#include "text/gbk_text.h"
#include "window/window_operations.h"

// The code of a word from its space-free text q, by the Wubi word rules: for 4 bytes the first
// two letters of each character; for 6 the first letter of the first two and the first two of the
// third; for 7 or more the first letter of the first three and of the last two bytes. Empty for
// other lengths. The query and the vocabulary book both use it.
GbkText wubiWordCode(const WubiDictionary& dictionary, const GbkText& q);

// Reads the input box once and writes the result box; leaves it unchanged when there is
// nothing to show.
void runCodeQuery(WindowOperations& window, const WubiDictionary& dictionary);
