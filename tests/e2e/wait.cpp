#include "tests/e2e/wait.h"

#include <windows.h>

#include <map>
#include <string>

#include "tests/e2e/report.h"

namespace {

std::map<int, int> hotkeysReceived;

}  // namespace

std::int64_t nowMs() {
    return static_cast<std::int64_t>(GetTickCount64());
}

void pumpOwnMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_HOTKEY) {
            ++hotkeysReceived[static_cast<int>(message.wParam)];
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int ownHotkeysReceived(int id) {
    return hotkeysReceived[id];
}

namespace {

// Polls the condition until it holds or the deadline passes, handling the driver's own messages
// between polls; sleeping, when asked, only until something is posted or 10 ms have passed.
bool pollUntil(int timeoutMs, const std::function<bool()>& condition, bool sleepBetweenPolls) {
    const std::int64_t deadline = nowMs() + timeoutMs;
    for (;;) {
        pumpOwnMessages();
        if (condition()) {
            return true;
        }
        if (nowMs() > deadline) {
            return false;
        }
        if (sleepBetweenPolls) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
}

}  // namespace

bool waitUntil(int timeoutMs, const std::function<bool()>& condition) {
    return pollUntil(timeoutMs, condition, true);
}

bool spinUntil(int timeoutMs, const std::function<bool()>& condition) {
    return pollUntil(timeoutMs, condition, false);
}

void awaitCondition(std::string_view what, int timeoutMs, const std::function<bool()>& condition) {
    if (!waitUntil(timeoutMs, condition)) {
        throw DriverError("timed out after " + std::to_string(timeoutMs) + " ms waiting for " +
                          std::string(what));
    }
}
