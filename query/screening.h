// Input screening: Enter in the input box shows the warning when the input holds a digit, a
// lower-case letter or a sign of the forbidden list, and runs the code query otherwise.
#pragma once

#include <cstdint>

#include "data/wubi_dictionary.h"
#include "text/gbk_text.h"
#include "window/window_operations.h"

// The forbidden list as the window stores it: 83 members joined by ",", 184 bytes.
GbkText storedForbiddenList();
// The text the result box shows when the input is refused.
GbkText warningText();
// The result box's text before the first query.
GbkText aboutText();

GbkTextList loadForbiddenList(const GbkText& stored);
// Members found in the space-free input, each counted once, plus 1 when it holds a comma.
std::int32_t countForbiddenHits(const GbkText& input, const GbkTextList& forbidden);

constexpr int kEnterKey = 13;
// Called for every key pressed in the input box; only Enter does anything, and the key is
// never swallowed.
void onInputKeyDown(WindowOperations& window, const WubiDictionary& dictionary,
                    const GbkTextList& forbidden, int key);
