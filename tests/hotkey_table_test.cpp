#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/hotkey_table.h"
#include "window/memory_window.h"

namespace {

// Stands in for RegisterHotKey and the window-procedure replacement: keys listed in taken are
// held by another program, and every call is recorded.
struct FakeWindows {
    std::set<std::uint32_t> taken;
    struct Registration {
        void* window;
        std::int32_t id;
        std::uint32_t modifiers;
        std::uint32_t key;
    };
    std::vector<Registration> registrations;
    std::vector<void*> replacedFor;
    std::intptr_t originalProcedure = 0x4000;

    HotkeySystem system() {
        return {
            [this](void* window, std::int32_t id, std::uint32_t modifiers, std::uint32_t key) {
                registrations.push_back({window, id, modifiers, key});
                return taken.count(key) != 0 ? 0 : 1;
            },
            [this](void* window) {
                replacedFor.push_back(window);
                return originalProcedure;
            },
        };
    }
};

void* const kWindow = reinterpret_cast<void*>(0x1234);

HotkeyAction recording(std::vector<int>& calls, int name) {
    return [&calls, name](const HotkeyMessage&) {
        calls.push_back(name);
        return std::intptr_t{name};
    };
}

TEST(HotkeyTable, IdsFollowSuccessfulRegistrationsOnly) {
    struct Case {
        std::set<std::uint32_t> taken;
        std::vector<int> results;       // of registering F1, then F2
        std::vector<std::int32_t> ids;  // as asked of RegisterHotKey
        std::int32_t count;
        std::size_t replacements;
        const char* reason;
    };
    const Case cases[] = {
        {{}, {1, 1}, {1, 2}, 2, 1, "both keys free: ids 1 and 2"},
        {{kVirtualKeyF1}, {0, 1}, {1, 1}, 1, 1, "F1 taken: F2 gets id 1"},
        {{kVirtualKeyF2}, {1, 0}, {1, 2}, 1, 1, "F2 taken: F1 keeps id 1"},
        {{kVirtualKeyF1, kVirtualKeyF2}, {0, 0}, {1, 1}, 0, 0, "both taken: procedure untouched"},
    };
    for (const Case& c : cases) {
        FakeWindows windows;
        windows.taken = c.taken;
        HotkeyTable table;
        std::vector<int> calls;
        std::vector<int> results;
        results.push_back(registerHotkey(table, windows.system(), kWindow, 0, kVirtualKeyF1,
                                         recording(calls, 1)));
        results.push_back(registerHotkey(table, windows.system(), kWindow, 0, kVirtualKeyF2,
                                         recording(calls, 2)));
        EXPECT_EQ(results, c.results) << c.reason;
        ASSERT_EQ(windows.registrations.size(), 2u) << c.reason;
        EXPECT_EQ(windows.registrations[0].id, c.ids[0]) << c.reason;
        EXPECT_EQ(windows.registrations[1].id, c.ids[1]) << c.reason;
        EXPECT_EQ(windows.registrations[1].window, kWindow) << c.reason;
        EXPECT_EQ(windows.registrations[1].modifiers, 0u) << c.reason;
        EXPECT_EQ(hotkeyCount(table), c.count) << c.reason;
        EXPECT_EQ(windows.replacedFor.size(), c.replacements) << c.reason;
        EXPECT_EQ(table.previousWindowProcedure, c.replacements != 0 ? 0x4000 : 0) << c.reason;
    }
}

TEST(HotkeyTable, DispatchFindsTheActionOfItsIdAndNothingOutsideTheTable) {
    FakeWindows windows;
    windows.taken = {kVirtualKeyF1};
    HotkeyTable table;
    std::vector<int> calls;
    registerHotkey(table, windows.system(), kWindow, 0, kVirtualKeyF1, recording(calls, 1));
    registerHotkey(table, windows.system(), kWindow, 0, kVirtualKeyF2, recording(calls, 2));
    registerHotkey(table, windows.system(), kWindow, 0, 0x72, recording(calls, 3));

    const HotkeyAction* first = hotkeyAction(table, 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ((*first)(HotkeyMessage{kWindow, kHotkeyMessage, 1, 0}), 2) << "F2 holds id 1";
    const HotkeyAction* second = hotkeyAction(table, 2);
    ASSERT_NE(second, nullptr);
    (*second)(HotkeyMessage{});
    EXPECT_EQ(calls, (std::vector<int>{2, 3}));

    for (std::uintptr_t id : {std::uintptr_t{0}, std::uintptr_t{3}, ~std::uintptr_t{0}}) {
        EXPECT_EQ(hotkeyAction(table, id), nullptr) << "id " << id;
    }
    EXPECT_EQ(hotkeyAction(HotkeyTable{}, 1), nullptr) << "an empty table has no id 1";
}

TEST(HotkeyTable, F1SwitchesBetween283And561FromAnyWidth) {
    MemoryWindow window;
    std::vector<std::int32_t> widths;
    window.setWindowWidth(285);  // as start-up leaves it
    for (int press = 0; press < 4; ++press) {
        toggleVocabularyPanel(window);
        widths.push_back(window.getWindowWidth());
    }
    EXPECT_EQ(widths, (std::vector<std::int32_t>{283, 561, 283, 561}))
        << "the first F1 after start narrows the window; only the second shows the panel";

    for (std::int32_t other : {0, 284, 562, 800, -1}) {
        window.setWindowWidth(other);
        toggleVocabularyPanel(window);
        EXPECT_EQ(window.getWindowWidth(), 283) << "from " << other;
    }
}

TEST(HotkeyTable, F2PressedTwiceRestoresTheState) {
    MemoryWindow window;
    toggleAlwaysOnTop(window);
    EXPECT_TRUE(window.getAlwaysOnTop());
    toggleAlwaysOnTop(window);
    EXPECT_FALSE(window.getAlwaysOnTop());
}

}  // namespace
