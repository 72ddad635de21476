// Steps that several case groups take in the program's window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "tests/e2e/window_access.h"

enum class EnterKey { Main, Keypad };

// Puts into the result box a text that no query or warning gives, so that a box that keeps its
// text can be told from one that shows the same result again; gives that text.
std::string putMarker(const MainWindowControls& controls);

// Presses Enter in the input box as a user does, then types one space as a fence and waits
// until it has arrived. Key strokes are handled in order, so the Enter has then been handled,
// or, for a query that lets waiting events run while it spells pinyin, has started. The space
// changes no result: spaces are removed before anything is looked up.
// Gives the time (nowMs) at which the Enter key was sent.
std::int64_t pressEnterInInput(HWND main, const MainWindowControls& controls,
                               EnterKey key = EnterKey::Main);

// Waits until the box holds exactly the text expected; false when timeoutMs passes first.
bool waitForText(HWND box, const std::string& expected, int timeoutMs);
