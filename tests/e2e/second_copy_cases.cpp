// A second copy started from the same folder while the first runs: both show their window and
// work, the hotkeys stay with the first, neither crashes, and dic.dat stays whole.
#include <windows.h>

#include "tests/e2e/files.h"
#include "tests/e2e/gbk.h"
#include "tests/e2e/groups.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/mozhou_process.h"
#include "tests/e2e/report.h"
#include "tests/e2e/steps.h"
#include "tests/e2e/wait.h"

namespace {

constexpr int kHotkeyTimeoutMs = 5000;
constexpr int kResultTimeoutMs = 15000;
constexpr int kStartWidth = 285;
constexpr int kPanelHiddenWidth = 283;

}  // namespace

void runSecondCopyCases(const Options& options) {
    const OwnWindow own;
    MozhouProcess first(options.folder);
    MozhouProcess second(options.folder);
    const MainWindowControls secondControls = controlsOf(second.window());

    runCase("both copies show their window", [&] {
        return expectTrue("two different windows", first.window() != second.window()) &
               expectTrue("both visible",
                          IsWindowVisible(first.window()) && IsWindowVisible(second.window()));
    });
    // Side by side for the screenshot; both start at the same centred place.
    const RECT place = outerRect(second.window());
    SetWindowPos(second.window(), nullptr, place.left + 300, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    runCase("F1 and F2 act on the first copy only", [&] {
        own.activate();
        pressKey(VK_F1);
        const bool firstNarrowed = waitUntil(
            kHotkeyTimeoutMs, [&] { return outerWidth(first.window()) == kPanelHiddenWidth; });
        pressKey(VK_F2);
        const bool firstOnTop =
            waitUntil(kHotkeyTimeoutMs, [&] { return isTopmost(first.window()); });
        pressKey(VK_F2);
        const bool firstBack =
            waitUntil(kHotkeyTimeoutMs, [&] { return !isTopmost(first.window()); });
        return expectTrue("F1 narrowed the first copy", firstNarrowed) &
               expectTrue("F2 switched the first copy", firstOnTop && firstBack) &
               expectNumber("the second copy's width", outerWidth(second.window()), kStartWidth) &
               expectTrue("the second copy not topmost", !isTopmost(second.window()));
    });
    runCase("the second copy answers a query", [&] {
        const std::string expected = throughWindow(expectedResult(options, "two-characters"));
        setTextOf(secondControls.input, gbk(u8"中国"));
        pressEnterInInput(second.window(), secondControls);
        waitForText(secondControls.result, expected, kResultTimeoutMs);
        return expectBytes("the result box", textOf(secondControls.result), expected);
    });
    screenshot(options, L"side-by-side");
    runCase("dic.dat is intact", [&] {
        const auto dictionary = readWholeFile(pathIn(options.folder, kDictionaryFileName));
        const auto source = readWholeFile(options.dictionary);
        return expectTrue("both files readable", dictionary.has_value() && source.has_value()) &&
               expectBytes("dic.dat", *dictionary, *source);
    });
    runCase("neither crashed; both close cleanly", [&] {
        const bool bothRunning = first.running() && second.running();
        return expectTrue("both still running", bothRunning) &
               expectNumber("the second's exit code", static_cast<long long>(second.close()), 0) &
               expectNumber("the first's exit code", static_cast<long long>(first.close()), 0);
    });
}
