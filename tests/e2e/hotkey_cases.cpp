// The global hotkeys as a user meets them: F1 and F2 act on the window while another program
// has the focus, without bringing it forward; keys with modifiers do nothing; a key that
// another program holds stays with that program; closing the window gives both keys back.
#include <windows.h>

#include "tests/e2e/groups.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/mozhou_process.h"
#include "tests/e2e/report.h"
#include "tests/e2e/wait.h"
#include "tests/e2e/window_access.h"

namespace {

constexpr int kHotkeyTimeoutMs = 5000;
constexpr int kStartWidth = 285;
constexpr int kPanelHiddenWidth = 283;
constexpr int kPanelShownWidth = 561;
constexpr int kPanelRight = 552;
constexpr int kOwnF1 = 101;
constexpr int kOwnF2 = 102;

bool widthBecomes(HWND main, int width) {
    return waitUntil(kHotkeyTimeoutMs, [&] { return outerWidth(main) == width; });
}

bool topmostBecomes(HWND main, bool topmost) {
    return waitUntil(kHotkeyTimeoutMs, [&] { return isTopmost(main) == topmost; });
}

bool stillInBackground(const OwnWindow& own) {
    return expectTrue("the other program keeps the focus", GetForegroundWindow() == own.handle());
}

void hotkeysWhileRunning(const Options& options, const OwnWindow& own) {
    MozhouProcess program(options.folder);
    HWND main = program.window();
    own.activate();

    runCase("F1: 285, 283, 561, 283, the other program keeping the focus", [&] {
        const RECT before = outerRect(main);
        bool held = expectNumber("the width after start", outerWidth(main), kStartWidth);
        for (int width : {kPanelHiddenWidth, kPanelShownWidth, kPanelHiddenWidth}) {
            pressKey(VK_F1);
            held = expectTrue("F1 gives the width " + std::to_string(width) + " (it is " +
                                  std::to_string(outerWidth(main)) + ")",
                              widthBecomes(main, width)) &&
                   held;
            if (width == kPanelShownWidth) {
                held = expectTrue("the panel is in view at 561",
                                  clientRect(main).right >= kPanelRight) &&
                       held;
                screenshot(options, L"panel-shown");
            }
        }
        const RECT after = outerRect(main);
        return expectTrue("position and height kept", after.left == before.left &&
                                                          after.top == before.top &&
                                                          after.bottom == before.bottom) &
                   stillInBackground(own) &&
               held;
    });
    runCase("F2 twice restores the topmost state", [&] {
        bool held = expectTrue("not topmost at first", !isTopmost(main));
        pressKey(VK_F2);
        held = expectTrue("topmost after F2", topmostBecomes(main, true)) && held;
        pressKey(VK_F2);
        held = expectTrue("not topmost after F2 again", topmostBecomes(main, false)) && held;
        return stillInBackground(own) && held;
    });
    // Hotkey messages are handled in order, so once the plain key that follows has acted, the
    // key with a modifier has had its chance to act.
    runCase("Shift+F1 does nothing", [&] {
        const int width = outerWidth(main);
        pressKey(VK_F1, {VK_SHIFT});
        pressKey(VK_F2);
        const bool fenced = topmostBecomes(main, true);
        pressKey(VK_F2);
        return expectTrue("F2 after Shift+F1 acted", fenced) &
               expectTrue("the topmost state back", topmostBecomes(main, false)) &
               expectNumber("the width", outerWidth(main), width);
    });
    runCase("Ctrl+F2 does nothing", [&] {
        const int width = outerWidth(main);
        const int next = width == kPanelHiddenWidth ? kPanelShownWidth : kPanelHiddenWidth;
        pressKey(VK_F2, {VK_CONTROL});
        pressKey(VK_F1);
        return expectTrue("F1 after Ctrl+F2 acted", widthBecomes(main, next)) &
               expectTrue("not topmost", !isTopmost(main));
    });
    runCase("closes cleanly", [&] {
        return expectNumber("the exit code", static_cast<long long>(program.close()), 0);
    });
    runCase("after the window closed, another program can register F1 and F2", [&] {
        const bool f1 = RegisterHotKey(nullptr, kOwnF1, 0, VK_F1) != 0;
        const bool f2 = RegisterHotKey(nullptr, kOwnF2, 0, VK_F2) != 0;
        UnregisterHotKey(nullptr, kOwnF1);
        UnregisterHotKey(nullptr, kOwnF2);
        return expectTrue("F1 registered", f1) & expectTrue("F2 registered", f2);
    });
}

void f1HeldByAnotherProgram(const Options& options, const OwnWindow& own) {
    if (!RegisterHotKey(nullptr, kOwnF1, 0, VK_F1)) {
        reportFail("F1 held by another program at start", "the driver cannot register F1");
        return;
    }
    {
        MozhouProcess program(options.folder);
        HWND main = program.window();
        own.activate();
        runCase("F1 held by another program at start: F1 stays with it, F2 works here", [&] {
            const int received = ownHotkeysReceived(kOwnF1);
            pressKey(VK_F1);
            const bool toOther = waitUntil(
                kHotkeyTimeoutMs, [&] { return ownHotkeysReceived(kOwnF1) == received + 1; });
            pressKey(VK_F2);
            const bool f2 = topmostBecomes(main, true);
            return expectTrue("F1 reached the other program", toOther) &
                   expectTrue("F2 made the window topmost", f2) &
                   expectNumber("the width", outerWidth(main), kStartWidth);
        });
        runCase("closes cleanly", [&] {
            return expectNumber("the exit code", static_cast<long long>(program.close()), 0);
        });
    }
    UnregisterHotKey(nullptr, kOwnF1);
}

}  // namespace

void runHotkeyCases(const Options& options) {
    const OwnWindow own;
    hotkeysWhileRunning(options, own);
    f1HeldByAnotherProgram(options, own);
}
