// The window operations: the only way the logic reaches the window. The Windows program supplies
// them over its controls; tests and the console front end supply them in memory.
#pragma once

#include <cstdint>

#include "text/gbk_text.h"

// The edit boxes, named by their role in the window.
enum class EditBox {
    Input,                // 编辑框1: what the user types or pastes
    Result,               // 编辑框2: the about text, then the last result or the warning
    DictionaryHolder,     // 编辑框3: the dictionary text, set once at start
    ForbiddenListHolder,  // 编辑框4: the stored forbidden list
    WarningTextHolder,    // 编辑框5: the warning text
    Vocabulary,           // 编辑框6: the book text
};

class WindowOperations {
public:
    virtual ~WindowOperations() = default;

    virtual GbkText getText(EditBox box) const = 0;
    virtual void setText(EditBox box, const GbkText& text) = 0;
    // Puts the insertion point at the very end (dropping any selection), scrolls it into view
    // and inserts text there.
    virtual void appendText(EditBox box, const GbkText& text) = 0;

    // The window's outer width in pixels, frame included.
    virtual std::int32_t getWindowWidth() const = 0;
    // Keeps the window's position, outer height and z-order; does not activate it.
    virtual void setWindowWidth(std::int32_t width) = 0;

    virtual bool getAlwaysOnTop() const = 0;
    virtual void setAlwaysOnTop(bool on) = 0;

    // The clipboard's text up to its first NUL; empty when it is busy or holds no text.
    virtual GbkText getClipboardText() = 0;

    // Runs every event already queued for the window and returns when none is left or the next
    // one is a quit request, which stays queued. Other events' handlers run inside this call.
    virtual void processPendingEvents() = 0;
};
