// The program-wide state: created before the main window, released when the program ends.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/hotkey_table.h"
#include "app/win32_handles.h"
#include "app/win32_window.h"
#include "app/windows_book_file.h"
#include "book/vocabulary_book.h"
#include "data/wubi_dictionary.h"
#include "text/gbk_text.h"

struct Program {
    std::wstring directory;
    GbkTextList forbiddenList;
    HotkeyTable hotkeys;
    WubiDictionary dictionary;
    Win32Window window;
    std::unique_ptr<WindowsBookFile> bookFile;
    std::unique_ptr<VocabularyBook> book;
    UniqueModule skinLibrary;
    // 宋体 for the result and vocabulary boxes; the other controls use the stock GUI font.
    UniqueFont simSunFont;
    WNDPROC inputBoxProcedure = nullptr;
    // The control that had the focus when the window was last deactivated.
    HWND lastFocus = nullptr;
    // One message per run of failed saves: set when it is shown, cleared by a save that works.
    bool saveFailureShown = false;
    // A fatal error has been shown; the program is ending.
    bool failed = false;
    int exitCode = 0;
};

// The program whose main window, or one of whose controls, is window; null before it is known.
inline Program* programOf(HWND window) {
    return reinterpret_cast<Program*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Exit codes: 0 for a normal end.
constexpr int kExitNoWindow = 1;
constexpr int kExitNoSkinLibrary = 2;
constexpr int kExitUnknownHotkey = 3;
