#include "window/memory_window.h"

GbkText MemoryWindow::getText(EditBox box) const {
    return texts_[index(box)];
}

void MemoryWindow::setText(EditBox box, const GbkText& text) {
    texts_[index(box)] = text;
    selections_[index(box)] = {};
}

void MemoryWindow::appendText(EditBox box, const GbkText& text) {
    GbkText& current = texts_[index(box)];
    current = gbkConcat(current, text);
    std::int32_t end = gbkLength(current);
    selections_[index(box)] = {end, end};
}

void MemoryWindow::select(EditBox box, std::int32_t start, std::int32_t end) {
    selections_[index(box)] = {start, end};
}

void MemoryWindow::processPendingEvents() {
    ++processCalls_;
    // An event may queue further events; they run in this same call, as a message loop would.
    while (!queue_.empty() && !queue_.front().quit) {
        Event event = std::move(queue_.front().event);
        queue_.pop_front();
        event();
    }
}
