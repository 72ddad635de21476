// The global hotkeys: ids given in order of successful registration, the action stored for each
// id, and the two actions (F1: the vocabulary panel, F2: always on top).
//
// The table knows nothing of Windows: the two Windows calls it makes, RegisterHotKey and putting
// the table's window procedure in place, are handed in as functions, so that registration and
// dispatch can be tested over fakes.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "window/window_operations.h"

// The four arguments of the window message that carries a hotkey.
struct HotkeyMessage {
    void* window = nullptr;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

using HotkeyAction = std::function<std::intptr_t(const HotkeyMessage&)>;

struct HotkeySystem {
    // RegisterHotKey: non-zero on success.
    std::function<int(void* window, std::int32_t id, std::uint32_t modifiers, std::uint32_t key)>
        registerHotKey;
    // Puts the table's window procedure in place of the window's and gives the one it replaced.
    std::function<std::intptr_t(void* window)> replaceWindowProcedure;
};

struct HotkeyEntry {
    std::uint32_t modifiers = 0;
    std::uint32_t key = 0;
    HotkeyAction action;
};

struct HotkeyTable {
    // Entry i holds id i + 1; only successful registrations have an entry.
    std::vector<HotkeyEntry> entries;
    // The window's procedure from before the first successful registration; 0 until then.
    std::intptr_t previousWindowProcedure = 0;
};

constexpr std::uint32_t kVirtualKeyF1 = 0x70;
constexpr std::uint32_t kVirtualKeyF2 = 0x71;
constexpr std::uint32_t kHotkeyMessage = 0x0312;  // WM_HOTKEY

// The outer widths between which F1 switches: the panel out of view and in view.
constexpr std::int32_t kPanelHiddenWidth = 283;
constexpr std::int32_t kPanelShownWidth = 561;

std::int32_t hotkeyCount(const HotkeyTable& table);

// Registers key with modifiers under the id count + 1. A failed registration leaves the table as
// it was, so the next one gets the same id. The first success replaces the window's procedure.
// Gives what RegisterHotKey gave.
int registerHotkey(HotkeyTable& table, const HotkeySystem& system, void* window,
                   std::uint32_t modifiers, std::uint32_t key, HotkeyAction action);

// The action stored for id, or null when id is outside 1..count.
const HotkeyAction* hotkeyAction(const HotkeyTable& table, std::uintptr_t id);

// 283 becomes 561; every other width, 285 after start-up included, becomes 283.
void toggleVocabularyPanel(WindowOperations& window);
void toggleAlwaysOnTop(WindowOperations& window);
