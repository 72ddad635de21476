// An in-memory supplier of the window operations, for tests and the console front end.
#pragma once

#include <array>
#include <deque>
#include <functional>

#include "window/window_operations.h"

class MemoryWindow : public WindowOperations {
public:
    using Event = std::function<void()>;

    GbkText getText(EditBox box) const override;
    void setText(EditBox box, const GbkText& text) override;
    void appendText(EditBox box, const GbkText& text) override;
    std::int32_t getWindowWidth() const override { return width_; }
    void setWindowWidth(std::int32_t width) override { width_ = width; }
    bool getAlwaysOnTop() const override { return alwaysOnTop_; }
    void setAlwaysOnTop(bool on) override { alwaysOnTop_ = on; }
    GbkText getClipboardText() override { return clipboard_; }
    void processPendingEvents() override;

    // What a user or another program would do to the window.
    void setClipboardText(const GbkText& text) { clipboard_ = text; }
    // A selection as the user makes it; the next append still goes to the very end.
    void select(EditBox box, std::int32_t start, std::int32_t end);
    struct Selection {
        std::int32_t start = 0;
        std::int32_t end = 0;
    };
    Selection selection(EditBox box) const { return selections_[index(box)]; }
    void postEvent(Event event) { queue_.push_back({std::move(event), false}); }
    void postQuit() { queue_.push_back({nullptr, true}); }
    std::size_t pendingEvents() const { return queue_.size(); }
    int processPendingEventsCalls() const { return processCalls_; }

private:
    static std::size_t index(EditBox box) { return static_cast<std::size_t>(box); }

    struct Queued {
        Event event;
        bool quit;
    };
    std::array<GbkText, 6> texts_;
    std::array<Selection, 6> selections_;
    std::int32_t width_ = 284;
    bool alwaysOnTop_ = false;
    GbkText clipboard_;
    std::deque<Queued> queue_;
    int processCalls_ = 0;
};
