#include "tests/e2e/steps.h"

#include "tests/e2e/gbk.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/report.h"
#include "tests/e2e/wait.h"

namespace {

constexpr int kFenceTimeoutMs = 10000;
constexpr int kPollAnswerTimeoutMs = 1000;

}  // namespace

std::string putMarker(const MainWindowControls& controls) {
    static int count = 0;
    const std::string marker = "[marker " + std::to_string(++count) + "]";
    setTextOf(controls.result, marker);
    return marker;
}

std::int64_t pressEnterInInput(HWND main, const MainWindowControls& controls, EnterKey key) {
    focusControl(main, controls.input);
    const int before = textLengthOf(controls.input);
    const std::int64_t sent = nowMs();
    if (key == EnterKey::Keypad) {
        pressKeypadEnter();
    } else {
        pressKey(VK_RETURN);
    }
    pressKey(VK_SPACE);
    // Polled without pauses: a query lets waiting events in only while it spells pinyin, and
    // whoever acts next on a running query should learn at once that it runs.
    if (!spinUntil(kFenceTimeoutMs, [&] { return textLengthOf(controls.input) == before + 1; })) {
        throw DriverError("the key strokes did not reach the input box within " +
                          std::to_string(kFenceTimeoutMs) + " ms");
    }
    return sent;
}

bool waitForText(HWND box, const std::string& expected, int timeoutMs) {
    const auto length = static_cast<int>(wideFromGbk(expected).size());
    // A program busy in a step that lets no message in answers a later poll.
    return waitUntil(timeoutMs, [&] {
        return textLengthWithin(box, kPollAnswerTimeoutMs) == length && textOf(box) == expected;
    });
}
