// The vocabulary book through the window: the add button appends an entry unless the same one
// is there, and 生词本.txt always holds exactly the vocabulary box's bytes; a book file present
// at start is loaded; an add that cannot be saved loses nothing and says so once.
#include <windows.h>

#include <vector>

#include "tests/e2e/files.h"
#include "tests/e2e/gbk.h"
#include "tests/e2e/groups.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/mozhou_process.h"
#include "tests/e2e/report.h"
#include "tests/e2e/steps.h"
#include "tests/e2e/wait.h"

namespace {

constexpr int kPanelShownWidth = 561;
constexpr int kPanelHiddenWidth = 283;
constexpr int kHotkeyTimeoutMs = 5000;
constexpr int kMessageBoxTimeoutMs = 10000;

struct AddStep {
    const char* name;
    std::string input;
    std::string appended;  // the entry the add appends, empty when it appends nothing
};

std::vector<AddStep> addSteps() {
    return {
        {"中国 on an empty book", gbk(u8"中国"), gbk(u8"\r\n词语(中国)的编码：  khlg")},
        {"中国 again: no duplicate", gbk(u8"中国"), ""},
        {"中 国 with a space: the same entry, no duplicate", gbk(u8"中 国"), ""},
        {"啊: a single character", gbk(u8"啊"), gbk(u8"\r\n(啊)的编码：  kbsk")},
        {"哀: a three-letter code keeps its filling space", gbk(u8"哀"),
         gbk(u8"\r\n(哀)的编码：  yeu ")},
        {"我爱人: three characters", gbk(u8"我爱人"), gbk(u8"\r\n三字词语(我爱人)的编码：  teww")},
        {"我有爱的人: a longer word", gbk(u8"我有爱的人"),
         gbk(u8"\r\n多字词语(我有爱的人)的编码：  tdew")},
    };
}

std::wstring bookPath(const Options& options) {
    return pathIn(options.folder, kBookFileName);
}

// The box and the file both hold exactly the book text.
bool expectBook(const Options& options, const MainWindowControls& controls,
                const std::string& book) {
    const auto file = readWholeFile(bookPath(options));
    return expectBytes("the vocabulary box", textOf(controls.vocabulary), book) &
           (expectTrue("生词本.txt exists", file.has_value()) &&
            expectBytes("生词本.txt", *file, book));
}

// An add changes neither the input box nor the result box.
bool addButtonOnly(const MainWindowControls& controls, const std::string& input) {
    setTextOf(controls.input, input);
    const std::string marker = putMarker(controls);
    click(controls.addButton);
    return expectBytes("the input box", textOf(controls.input), input) &
           expectBytes("the result box", textOf(controls.result), marker);
}

void pressF1Until(HWND main, int width) {
    pressKey(VK_F1);
    awaitCondition("F1 to set the width " + std::to_string(width), kHotkeyTimeoutMs,
                   [&] { return outerWidth(main) == width; });
}

void addsOnANewBook(const Options& options, std::string& book) {
    MozhouProcess program(options.folder);
    const MainWindowControls controls = controlsOf(program.window());

    runCase("an empty or spaces-only input adds nothing and makes no file", [&] {
        bool held = true;
        for (const std::string& input : {std::string(), gbk(u8"  　 ")}) {
            held = addButtonOnly(controls, input) && held;
        }
        return expectBytes("the vocabulary box", textOf(controls.vocabulary), "") &
                   expectTrue("no 生词本.txt", !fileExists(bookPath(options))) &&
               held;
    });
    // The panel is out of view during these adds: they work all the same.
    for (const AddStep& step : addSteps()) {
        runCase(step.name, [&] {
            book += step.appended;
            return addButtonOnly(controls, step.input) & expectBook(options, controls, book);
        });
    }
    runCase("a word of 3 bytes adds no entry but saves the book", [&] {
        DeleteFileW(bookPath(options).c_str());
        return addButtonOnly(controls, gbk(u8"中A")) & expectBook(options, controls, book);
    });
    runCase("text typed into the vocabulary box is kept by the next add, which goes at the end",
            [&] {
                HWND main = program.window();
                pressF1Until(main, kPanelHiddenWidth);
                pressF1Until(main, kPanelShownWidth);
                focusControl(main, controls.vocabulary);
                SendMessageW(controls.vocabulary, EM_SETSEL, 0, 0);
                const std::wstring typed = wide(u8"笔记 note");
                typeText(typed);
                book = gbkFromWide(typed) + book;
                awaitCondition("the typed text", kHotkeyTimeoutMs,
                               [&] { return textOf(controls.vocabulary) == book; });
                // A selection in the middle of the box does not move where the entry goes.
                SendMessageW(controls.vocabulary, EM_SETSEL, 2, 6);
                book += gbk(u8"\r\n词语(爱人)的编码：  epww");
                return addButtonOnly(controls, gbk(u8"爱人")) & expectBook(options, controls, book);
            });
    screenshot(options, L"panel-shown");
    runCase("closes cleanly, the book file as it was", [&] {
        return expectNumber("the exit code", static_cast<long long>(program.close()), 0) &
               expectBytes("生词本.txt", readWholeFile(bookPath(options)).value_or(""), book);
    });
}

void startWithABook(const Options& options, const std::string& book) {
    MozhouProcess program(options.folder);
    const MainWindowControls controls = controlsOf(program.window());
    runCase("the book file present at start is loaded",
            [&] { return expectBook(options, controls, book); });
    runCase("an entry loaded from the file counts: adding it again appends nothing", [&] {
        return addButtonOnly(controls, gbk(u8"中国")) & expectBook(options, controls, book);
    });
    runCase("closes cleanly", [&] {
        return expectNumber("the exit code", static_cast<long long>(program.close()), 0);
    });
}

}  // namespace

void runBookCases(const Options& options) {
    std::string book;
    addsOnANewBook(options, book);
    startWithABook(options, book);
}

// The runner has made the book file, or the whole folder, impossible to change.
void runReadOnlyBookCases(const Options& options) {
    const auto before = readWholeFile(bookPath(options));
    if (!before) {
        reportFail("set-up", "the runner left no 生词本.txt to start with");
        return;
    }
    MozhouProcess program(options.folder);
    const MainWindowControls controls = controlsOf(program.window());
    runCase("the book is loaded although it cannot be written", [&] {
        return expectBytes("the vocabulary box", textOf(controls.vocabulary), *before);
    });
    runCase("an add that cannot be saved: one message box naming the file, nothing lost", [&] {
        const std::string entry = gbk(u8"\r\n(啊)的编码：  kbsk");
        setTextOf(controls.input, gbk(u8"啊"));
        postClick(controls.addButton);
        awaitCondition("a message box", kMessageBoxTimeoutMs,
                       [&] { return messageBoxCountOf(program.processId()) > 0; });
        screenshot(options, L"message-box");
        const std::wstring message = messageBoxTextOf(program.processId());
        reportInfo("the message box says: " + utf8FromWide(message));
        const bool held =
            expectNumber("message boxes", messageBoxCountOf(program.processId()), 1) &
            expectTrue("the message names 生词本.txt",
                       message.find(kBookFileName) != std::wstring::npos) &
            expectBytes("the vocabulary box", textOf(controls.vocabulary), *before + entry);
        dismissMessageBoxesOf(program.processId());
        awaitCondition("the message box to close", kMessageBoxTimeoutMs,
                       [&] { return messageBoxCountOf(program.processId()) == 0; });
        return held &
               expectBytes("生词本.txt", readWholeFile(bookPath(options)).value_or(""), *before);
    });
    runCase("closes cleanly, the file unchanged", [&] {
        return expectNumber("the exit code", static_cast<long long>(program.close()), 0) &
               expectBytes("生词本.txt", readWholeFile(bookPath(options)).value_or(""), *before);
    });
}
