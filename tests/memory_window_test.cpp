#include <gtest/gtest.h>

#include "window/memory_window.h"

namespace {

TEST(MemoryWindow, AppendGoesToTheVeryEndWhateverTheSelection) {
    MemoryWindow window;
    window.setText(EditBox::Result, GbkText("abcdef"));
    window.select(EditBox::Result, 2, 4);
    window.appendText(EditBox::Result, GbkText("XY"));
    EXPECT_EQ(window.getText(EditBox::Result), GbkText("abcdefXY"));
    EXPECT_EQ(window.selection(EditBox::Result).start, 8);
    window.select(EditBox::Result, 1, 1);
    window.appendText(EditBox::Result, GbkText());
    EXPECT_EQ(window.getText(EditBox::Result), GbkText("abcdefXY"));
    EXPECT_EQ(window.selection(EditBox::Result).end, 8) << "an empty append still moves the caret";
    EXPECT_EQ(window.getText(EditBox::Input), GbkText()) << "other boxes keep their texts";
}

TEST(MemoryWindow, WidthAndTopmostAreKeptAsSet) {
    MemoryWindow window;
    window.setWindowWidth(561);
    EXPECT_EQ(window.getWindowWidth(), 561);
    EXPECT_FALSE(window.getAlwaysOnTop());
    window.setAlwaysOnTop(true);
    window.setAlwaysOnTop(true);
    EXPECT_TRUE(window.getAlwaysOnTop());
}

TEST(MemoryWindow, PendingEventsRunInOrderAndAQuitStaysQueued) {
    MemoryWindow window;
    std::string order;
    window.postEvent([&] {
        order += 'a';
        window.postEvent([&] { order += 'c'; });
    });
    window.postEvent([&] { order += 'b'; });
    window.postQuit();
    window.postEvent([&] { order += 'd'; });
    window.processPendingEvents();
    EXPECT_EQ(order, "ab") << "the event queued by a is behind the quit";
    EXPECT_EQ(window.pendingEvents(), 3u);
    window.processPendingEvents();
    EXPECT_EQ(order, "ab");
    EXPECT_EQ(window.processPendingEventsCalls(), 2);
}

TEST(MemoryWindow, ProcessingWithNothingQueuedReturnsAtOnce) {
    MemoryWindow window;
    window.processPendingEvents();
    EXPECT_EQ(window.pendingEvents(), 0u);
}

}  // namespace
