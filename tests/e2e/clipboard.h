// The clipboard, filled by the driver before the paste button is pressed.
#pragma once

#include <windows.h>

#include <string_view>

// Replaces the clipboard's content with a text (CF_UNICODETEXT, written as given, NULs included).
void putTextOnClipboard(HWND owner, std::wstring_view text);
// Replaces the clipboard's content with a small picture and no text.
void putImageOnClipboard(HWND owner);
// Leaves the clipboard empty.
void emptyClipboard(HWND owner);
