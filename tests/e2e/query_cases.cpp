// Queries through the window. Enter in the input box must give the console front end's result
// for the same input, byte for byte after the stay in the window (GBK to UTF-16 and back, as the
// program's own boundary converts); a screened input gives the warning; an input that gives no
// result leaves the result box as it was.
#include <windows.h>

#include <vector>

#include "tests/e2e/clipboard.h"
#include "tests/e2e/files.h"
#include "tests/e2e/gbk.h"
#include "tests/e2e/groups.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/mozhou_process.h"
#include "tests/e2e/program_texts.h"
#include "tests/e2e/report.h"
#include "tests/e2e/steps.h"
#include "tests/e2e/wait.h"

namespace {

constexpr int kResultTimeoutMs = 15000;

enum class Outcome {
    FrontEnd,  // the console front end's result, or the box unchanged when that gives none
    Warning,   // the warning text
};

enum class Delivery {
    SetText,      // the input box's text set whole, then Enter
    Keystrokes,   // the input typed key by key, then Enter
    KeypadEnter,  // the text set whole, then the Enter key of the numeric keypad
    Pasted,       // the text put on the clipboard and pasted with the paste button, then Enter
};

struct QueryCase {
    const char* id;
    std::string input;  // GBK
    Outcome outcome;
    Delivery delivery = Delivery::SetText;
};

std::vector<QueryCase> queryCases() {
    using enum Outcome;
    return {
        // Whole characters, by count.
        {"one-character", gbk(u8"中"), FrontEnd},
        {"three-letter-code", gbk(u8"哀"), FrontEnd},
        {"outside-gb2312", gbk(u8"镕"), FrontEnd},
        {"two-characters", gbk(u8"中国"), FrontEnd},
        {"same-character-twice", gbk(u8"人人"), FrontEnd},
        {"three-characters", gbk(u8"计算机"), FrontEnd},
        {"four-characters", gbk(u8"五笔字型"), FrontEnd},
        {"seven-characters", gbk(u8"中华人民共和国"), FrontEnd},
        {"forty-characters", levelOneCharacters(40, 500), FrontEnd},
        {"typed-keys", gbk(u8"计算机"), FrontEnd, Delivery::Keystrokes},
        {"keypad-enter", gbk(u8"中国"), FrontEnd, Delivery::KeypadEnter},
        {"pasted-1000-characters", levelOneCharacters(1000), FrontEnd, Delivery::Pasted},
        // Spaces go before anything is counted or looked up.
        {"ascii-space-inside", gbk(u8"汉 字"), FrontEnd},
        {"full-width-space-inside", gbk(u8"汉　字"), FrontEnd},
        {"spaces-around", gbk(u8"  中国　"), FrontEnd},
        // Odd byte lengths: 1, 3 and 5 give nothing, 7 and 9 the longer-word result.
        {"one-byte", "A", FrontEnd},
        {"three-bytes", gbk(u8"中A"), FrontEnd},
        {"five-bytes", gbk(u8"中文A"), FrontEnd},
        {"seven-bytes", gbk(u8"我爱人A"), FrontEnd},
        {"nine-bytes", gbk(u8"五笔字型A"), FrontEnd},
        {"empty", "", FrontEnd},
        {"spaces-only", gbk(u8"  　 "), FrontEnd},
        // Not screened: upper case, full-width letters, digits and signs outside the list, and
        // a sign's byte inside a character. Lookups of what the dictionary lacks still show.
        {"upper-case-pair", "AB", FrontEnd},
        {"full-width-letter", gbk(u8"ａ"), FrontEnd},
        {"full-width-digit", gbk(u8"１"), FrontEnd},
        {"full-width-question-mark", gbk(u8"？"), FrontEnd},
        {"one-ellipsis", gbk(u8"…"), FrontEnd},
        {"at-sign-byte-inside-character", gbk(u8"丂"), FrontEnd},
        {"ampersand-and-angle-brackets", gbk(u8"中&<>"), FrontEnd},
        // Screened: the warning instead of a query.
        {"digit", "1", Warning},
        {"digit-after-word", gbk(u8"中国2"), Warning},
        {"lower-case-letter", "a", Warning},
        {"lower-case-after-space", gbk(u8"中 a"), Warning},
        {"ascii-comma", gbk(u8"中,国"), Warning},
        {"full-width-comma", gbk(u8"中，国"), Warning},
        {"two-ellipses", gbk(u8"……"), Warning},
        {"ascii-question-mark", "?", Warning},
        {"full-stop", gbk(u8"中国。"), Warning},
        {"again-while-warning-shows", gbk(u8"中国。"), Warning},
        {"after-warning", gbk(u8"中国"), FrontEnd},
    };
}

void deliver(const MozhouProcess& program, const MainWindowControls& controls, HWND own,
             const QueryCase& query) {
    switch (query.delivery) {
        case Delivery::SetText:
        case Delivery::KeypadEnter:
            setTextOf(controls.input, query.input);
            break;
        case Delivery::Keystrokes:
            setTextOf(controls.input, "");
            focusControl(program.window(), controls.input);
            typeText(wideFromGbk(query.input));
            awaitCondition("the typed text", kResultTimeoutMs,
                           [&] { return textOf(controls.input) == query.input; });
            break;
        case Delivery::Pasted:
            setTextOf(controls.input, "");
            putTextOnClipboard(own, wideFromGbk(query.input));
            click(controls.pasteButton);
            break;
    }
    pressEnterInInput(program.window(), controls,
                      query.delivery == Delivery::KeypadEnter ? EnterKey::Keypad : EnterKey::Main);
}

bool runQueryCase(const Options& options, const MozhouProcess& program,
                  const MainWindowControls& controls, HWND own, const QueryCase& query) {
    const std::string marker = putMarker(controls);
    std::string expected = warningText();
    if (query.outcome == Outcome::FrontEnd) {
        // The console front end's box starts with the about text; when that is what it shows
        // afterwards, the input gave no result and the window's box keeps the marker.
        const std::string frontEnd = expectedResult(options, query.id);
        expected = isAboutText(frontEnd) ? marker : throughWindow(frontEnd);
    }
    deliver(program, controls, own, query);
    waitForText(controls.result, expected, kResultTimeoutMs);
    return expectBytes("the result box", textOf(controls.result), expected);
}

}  // namespace

std::string expectedResult(const Options& options, const std::string& caseId) {
    const std::wstring name = wideFromGbk(caseId);
    const auto bytes = readWholeFile(options.expected + L"\\" + name + L".out");
    if (!bytes) {
        throw DriverError("no result of the console front end for " + caseId +
                          " (mozhou-cli query --raw was not run)");
    }
    return *bytes;
}

void writeQueryInputs(const Options& options) {
    for (const QueryCase& query : queryCases()) {
        if (query.outcome == Outcome::FrontEnd) {
            writeWholeFile(options.expected + L"\\" + wideFromGbk(query.id) + L".in", query.input);
        }
    }
    writeLongQueryInputs(options);
}

void runQueryCases(const Options& options) {
    MozhouProcess program(options.folder);
    const MainWindowControls controls = controlsOf(program.window());
    const OwnWindow own;
    for (const QueryCase& query : queryCases()) {
        runCase(query.id,
                [&] { return runQueryCase(options, program, controls, own.handle(), query); });
        if (std::string_view(query.id) == "four-characters" ||
            std::string_view(query.id) == "digit") {
            screenshot(options, wideFromGbk(query.id));
        }
    }
    runCase("closes cleanly", [&] {
        return expectNumber("the exit code", static_cast<long long>(program.close()), 0);
    });
}
