#include "app/hotkey_table.h"

#include <utility>

std::int32_t hotkeyCount(const HotkeyTable& table) {
    return static_cast<std::int32_t>(table.entries.size());
}

int registerHotkey(HotkeyTable& table, const HotkeySystem& system, void* window,
                   std::uint32_t modifiers, std::uint32_t key, HotkeyAction action) {
    const std::int32_t id = hotkeyCount(table) + 1;
    const int registered = system.registerHotKey(window, id, modifiers, key);
    if (registered == 0) {
        return 0;
    }
    table.entries.push_back({modifiers, key, std::move(action)});
    if (hotkeyCount(table) == 1) {
        table.previousWindowProcedure = system.replaceWindowProcedure(window);
    }
    return registered;
}

const HotkeyAction* hotkeyAction(const HotkeyTable& table, std::uintptr_t id) {
    if (id < 1 || id > table.entries.size()) {
        return nullptr;
    }
    return &table.entries[id - 1].action;
}

void toggleVocabularyPanel(WindowOperations& window) {
    window.setWindowWidth(window.getWindowWidth() == kPanelHiddenWidth ? kPanelShownWidth
                                                                       : kPanelHiddenWidth);
}

void toggleAlwaysOnTop(WindowOperations& window) {
    window.setAlwaysOnTop(!window.getAlwaysOnTop());
}
