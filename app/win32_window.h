// The window operations over the main window's controls.
#pragma once

#include <windows.h>

#include <array>

#include "window/window_operations.h"

class Win32Window : public WindowOperations {
public:
    // The main window and its edit boxes, once they are created.
    void attach(HWND window, const std::array<HWND, 6>& editBoxes);
    // From the main window's destruction on, every operation does nothing and reads give empty
    // texts: a query that a close request interrupted may still be running.
    void markDestroyed() { destroyed_ = true; }

    HWND handle() const { return window_; }
    HWND editBox(EditBox box) const { return editBoxes_[static_cast<std::size_t>(box)]; }
    bool isAlive() const;

    GbkText getText(EditBox box) const override;
    void setText(EditBox box, const GbkText& text) override;
    void appendText(EditBox box, const GbkText& text) override;
    std::int32_t getWindowWidth() const override;
    void setWindowWidth(std::int32_t width) override;
    bool getAlwaysOnTop() const override { return alwaysOnTop_; }
    void setAlwaysOnTop(bool on) override;
    GbkText getClipboardText() override;
    void processPendingEvents() override;

private:
    HWND window_ = nullptr;
    // When processPendingEvents last looked at the queue, in GetTickCount64 milliseconds.
    ULONGLONG lastQueueLook_ = 0;
    std::array<HWND, 6> editBoxes_{};
    bool destroyed_ = false;
    bool alwaysOnTop_ = false;
};
