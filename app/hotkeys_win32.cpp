#include "app/hotkeys_win32.h"

#include <string>

#include "app/program.h"
#include "app/start_up.h"

HotkeySystem win32HotkeySystem() {
    return {
        [](void* window, std::int32_t id, std::uint32_t modifiers, std::uint32_t key) {
            return static_cast<int>(RegisterHotKey(static_cast<HWND>(window), id, modifiers, key));
        },
        [](void* window) {
            return static_cast<std::intptr_t>(
                SetWindowLongPtrW(static_cast<HWND>(window), GWLP_WNDPROC,
                                  reinterpret_cast<LONG_PTR>(&hotkeyWindowProc)));
        },
    };
}

LRESULT CALLBACK hotkeyWindowProc(HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam) noexcept {
    Program* program = programOf(window);
    if (program == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_HOTKEY) {
        if (program->failed) {
            return 0;
        }
        const HotkeyAction* action = hotkeyAction(program->hotkeys, wParam);
        if (action == nullptr) {
            // 收到了未登记的热键（编号 N）。
            std::wstring text =
                L"\u6536\u5230\u4E86\u672A\u767B\u8BB0\u7684\u70ED\u952E\uFF08"
                L"\u7F16\u53F7 " +
                std::to_wstring(wParam) + L"\uFF09\u3002";
            failFatally(*program, text, kExitUnknownHotkey);
            unregisterHotkeys(window, program->hotkeys);
            DestroyWindow(window);
            return 0;
        }
        return (*action)(HotkeyMessage{window, message, wParam, lParam});
    }
    const auto previous = reinterpret_cast<WNDPROC>(program->hotkeys.previousWindowProcedure);
    if (previous == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

void unregisterHotkeys(HWND window, const HotkeyTable& table) {
    for (std::int32_t id = 1; id <= hotkeyCount(table); ++id) {
        UnregisterHotKey(window, id);
    }
}
