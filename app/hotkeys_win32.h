// The hotkey table's Windows side: RegisterHotKey, the window procedure that receives WM_HOTKEY,
// and unregistration at close.
#pragma once

#include <windows.h>

#include "app/hotkey_table.h"

HotkeySystem win32HotkeySystem();

// Runs the action of a hotkey's id; an id outside the table is a fatal error. Every other
// message goes on to the window's previous procedure.
LRESULT CALLBACK hotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

void unregisterHotkeys(HWND window, const HotkeyTable& table);
