// The program's window seen from outside, as any other program sees it: messages to its
// controls, its rectangle and styles.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct MainWindowControls {
    HWND input;
    HWND result;
    HWND panel;       // the group box that holds the vocabulary box
    HWND vocabulary;  // the vocabulary box, a child of the panel
    HWND addButton;
    HWND pasteButton;
};

// The controls by their ids; a missing one is a DriverError.
MainWindowControls controlsOf(HWND main);

// A control's text through WM_GETTEXT (another process's controls give GetWindowTextW nothing),
// converted to GBK; and set through WM_SETTEXT from GBK.
std::string textOf(HWND window);
std::wstring wideTextOf(HWND window);
int textLengthOf(HWND window);  // in UTF-16 units, WM_GETTEXTLENGTH
// The same, or nothing when the window does not answer within timeoutMs: a program busy in a
// long step answers later.
std::optional<int> textLengthWithin(HWND window, int timeoutMs);
void setTextOf(HWND window, std::string_view gbk);

// Clicks a button: returns once the program has handled the click.
void click(HWND button);
// Clicks a button without waiting, for a click whose handling may wait for the user.
void postClick(HWND button);

// Returns once the window's thread has handled everything sent to it before.
void roundTrip(HWND window);

RECT outerRect(HWND window);
int outerWidth(HWND window);
RECT clientRect(HWND window);
// A child's rectangle in its parent's client coordinates.
RECT rectInParent(HWND child);
bool isTopmost(HWND window);

std::wstring classNameOf(HWND window);
// The visible top-level windows of a process, of the given class when className is not empty.
std::vector<HWND> visibleWindowsOf(DWORD processId, std::wstring_view className = {});
