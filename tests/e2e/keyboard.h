// Keys as a user presses them (SendInput), after putting the focus where the user would.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

// Makes main the foreground window and control the focused control, as a click on it would.
void focusControl(HWND main, HWND control);

// Presses and releases a key, holding the modifier keys (VK_SHIFT, VK_CONTROL) meanwhile.
void pressKey(WORD key, std::initializer_list<WORD> modifiers = {});
// The Enter key of the numeric keypad.
void pressKeypadEnter();
// Types a text character by character as Unicode key strokes.
void typeText(std::wstring_view text);

// A window of the driver's own, "another program" that holds the focus while hotkeys are
// pressed.
class OwnWindow {
public:
    OwnWindow();
    ~OwnWindow();
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;

    HWND handle() const { return window_; }
    // Brings it to the foreground and waits until it is there.
    void activate() const;

private:
    HWND window_ = nullptr;
};
