// Enter on long inputs: how long until the result box holds the result, whether the window
// answers a repaint and F1 while the query runs, and a close request in the middle of a query,
// which must end the program cleanly without touching the book.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "tests/e2e/files.h"
#include "tests/e2e/gbk.h"
#include "tests/e2e/groups.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/mozhou_process.h"
#include "tests/e2e/report.h"
#include "tests/e2e/steps.h"
#include "tests/e2e/wait.h"

namespace {

constexpr int kLongCharacters = 100000;
constexpr int kMediumCharacters = 10000;
constexpr int kAnswerTimeoutMs = 10000;
constexpr int kMediumResultTimeoutMs = 60000;
constexpr int kLongResultTimeoutMs = 90000;
constexpr int kBusyPollMs = 500;
constexpr int kLateEventTimeoutMs = 2000;
constexpr int kAttempts = 3;
constexpr int kPanelHiddenWidth = 283;

std::string caseId(int characters) {
    return "long-" + std::to_string(characters);
}

std::string bookBefore() {
    return gbk(u8"\r\n词语(中国)的编码：  khlg");
}

// What the driver saw of a query that it started.
struct StartedQuery {
    std::int64_t enteredAt;
    std::int64_t letEventsInAt;
    bool letEventsIn;
};

// Presses Enter in the input box and returns as soon as the query lets waiting events run: a
// repaint asked for right behind the Enter waits for every other message, so the window paints
// inside the query, when the query first looks at its queue. The query lets events in only
// while it spells the pinyin, a few milliseconds for 100,000 characters; the caller acts at once.
StartedQuery startQueryAndSeeItLetEventsIn(HWND main, const MainWindowControls& controls) {
    focusControl(main, controls.input);
    StartedQuery query{};
    query.enteredAt = nowMs();
    pressKey(VK_RETURN);
    InvalidateRect(main, nullptr, TRUE);
    query.letEventsIn =
        spinUntil(kAnswerTimeoutMs, [&] { return !GetUpdateRect(main, nullptr, FALSE); });
    query.letEventsInAt = nowMs();
    return query;
}

// An event that comes after the query stopped letting events in is handled only once the result
// box has the result, minutes later under Wine; such a late attempt is made again with a new copy
// of the program. A program that never lets the event in during a query fails every attempt.
bool inSomeAttempt(const std::function<bool(int attempt)>& attempt) {
    for (int number = 1; number <= kAttempts; ++number) {
        if (attempt(number)) {
            return true;
        }
    }
    return false;
}

void closeDuringQuery(const Options& options) {
    const std::wstring book = pathIn(options.folder, kBookFileName);
    runCase("a close request during the query ends the program cleanly, the book unchanged", [&] {
        std::optional<DWORD> exitCode;
        const bool closed = inSomeAttempt([&](int attempt) {
            writeWholeFile(book, bookBefore());
            MozhouProcess program(options.folder);
            const MainWindowControls controls = controlsOf(program.window());
            setTextOf(controls.input, levelOneCharacters(kLongCharacters));
            putMarker(controls);
            const StartedQuery query = startQueryAndSeeItLetEventsIn(program.window(), controls);
            PostMessageW(program.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
            const std::int64_t asked = nowMs();
            const bool ended = waitUntil(kLateEventTimeoutMs, [&] { return !program.running(); });
            reportInfo(
                "attempt " + std::to_string(attempt) + ": close requested " +
                std::to_string(asked - query.enteredAt) + " ms after Enter; " +
                (ended ? "ended " + std::to_string(nowMs() - asked) + " ms later"
                       : "still running " + std::to_string(kLateEventTimeoutMs) + " ms later"));
            if (!ended) {
                program.terminate();
                return false;
            }
            exitCode = program.waitForExit(kLateEventTimeoutMs);
            return true;
        });
        return expectTrue("the program ended on the close request", closed) &&
               expectNumber("the exit code", static_cast<long long>(*exitCode), 0) &
                   expectBytes("生词本.txt", readWholeFile(book).value_or(""), bookBefore());
    });
}

// Enter on a long input; the time until the result box holds the result.
void timedQuery(const Options& options, int characters, int resultTimeoutMs) {
    MozhouProcess program(options.folder);
    const MainWindowControls controls = controlsOf(program.window());
    const std::string expected = throughWindow(expectedResult(options, caseId(characters)));
    const auto finalLength = static_cast<int>(wideFromGbk(expected).size());
    setTextOf(controls.input, levelOneCharacters(characters));
    putMarker(controls);

    const std::string label = "Enter on " + std::to_string(characters) + " characters";
    const std::int64_t start = pressEnterInInput(program.window(), controls);
    // The window answers while the query spells pinyin and then not while the result box takes
    // the result: note from when it is silent.
    std::optional<std::int64_t> silentFrom;
    const bool done = waitUntil(resultTimeoutMs, [&] {
        const auto length = textLengthWithin(controls.result, kBusyPollMs);
        if (!length && !silentFrom) {
            silentFrom = nowMs() - kBusyPollMs;
        }
        return length == finalLength;
    });
    const std::int64_t elapsed = nowMs() - start;
    const std::string silence = silentFrom
                                    ? "; the window answered nothing from about " +
                                          std::to_string(*silentFrom - start) + " ms after Enter on"
                                    : "";
    if (done) {
        reportInfo(label + ": the result box held the result (" + std::to_string(expected.size()) +
                   " bytes) " + std::to_string(elapsed) + " ms after Enter" + silence);
        runCase(label + ": the result box holds the console front end's result",
                [&] { return expectBytes("the result box", textOf(controls.result), expected); });
        screenshot(options, L"done-" + std::to_wstring(characters));
        runCase(label + ": closes cleanly", [&] {
            return expectNumber("the exit code", static_cast<long long>(program.close()), 0);
        });
        return;
    }
    reportInfo(label + ": no whole result " + std::to_string(elapsed) + " ms after Enter" +
               silence);
    reportSkip(label + ": the result box holds the console front end's result",
               "Wine's edit control lays out a line that has no break opportunity in time that "
               "grows with the square of its length, and this result has lines of " +
                   std::to_string(characters) +
                   " characters and more (the word, its pinyin); the program is ended");
    program.terminate();
}

// A repaint and F1 while the query runs: F1 is pressed as soon as the query is seen letting
// events in, and both must be answered before the query ends.
void answersWhileLongQueryRuns(const Options& options) {
    const std::string label = "Enter on " + std::to_string(kLongCharacters) + " characters";
    bool painted = false;
    bool narrowed = false;
    inSomeAttempt([&](int attempt) {
        MozhouProcess program(options.folder);
        const MainWindowControls controls = controlsOf(program.window());
        HWND main = program.window();
        setTextOf(controls.input, levelOneCharacters(kLongCharacters));
        const auto markerLength = static_cast<int>(putMarker(controls).size());
        const StartedQuery query = startQueryAndSeeItLetEventsIn(main, controls);
        pressKey(VK_F1);
        narrowed =
            spinUntil(kLateEventTimeoutMs, [&] { return outerWidth(main) == kPanelHiddenWidth; });
        const std::int64_t narrowedAt = nowMs();
        // The result box still shows the marker, or the program is busy taking the result: the
        // query had not ended when the answers came.
        const auto length = textLengthWithin(controls.result, kBusyPollMs);
        const bool stillRunning = !length || *length == markerLength;
        painted = query.letEventsIn && stillRunning;
        narrowed = narrowed && stillRunning;
        reportInfo(
            "attempt " + std::to_string(attempt) + ": painted " +
            std::to_string(query.letEventsInAt - query.enteredAt) +
            " ms after Enter, F1 pressed then " +
            (narrowed
                 ? "answered " + std::to_string(narrowedAt - query.enteredAt) + " ms after Enter"
                 : "not answered within " + std::to_string(kLateEventTimeoutMs) + " ms"));
        if (attempt == 1) {
            screenshot(options, L"running");
        }
        program.terminate();
        return narrowed;
    });
    runCase(label + ": a repaint is answered while the query runs",
            [&] { return expectTrue("the window painted before the query ended", painted); });
    runCase(label + ": F1 is answered while the query runs",
            [&] { return expectTrue("F1 gave the width 283 before the query ended", narrowed); });
}

}  // namespace

void writeLongQueryInputs(const Options& options) {
    for (int characters : {kMediumCharacters, kLongCharacters}) {
        writeWholeFile(options.expected + L"\\" + wideFromGbk(caseId(characters)) + L".in",
                       levelOneCharacters(characters));
    }
}

void runLongQueryCases(const Options& options) {
    closeDuringQuery(options);
    answersWhileLongQueryRuns(options);
    timedQuery(options, kMediumCharacters, kMediumResultTimeoutMs);
    timedQuery(options, kLongCharacters, kLongResultTimeoutMs);
}
