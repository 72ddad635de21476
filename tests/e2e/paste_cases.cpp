// The paste button: the clipboard's text replaces the input box's whole text; a clipboard
// without text empties it; nothing is screened or queried.
#include <windows.h>

#include <functional>
#include <vector>

#include "tests/e2e/clipboard.h"
#include "tests/e2e/gbk.h"
#include "tests/e2e/groups.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/mozhou_process.h"
#include "tests/e2e/report.h"
#include "tests/e2e/steps.h"

namespace {

struct PasteCase {
    const char* name;
    std::function<void(HWND owner)> fillClipboard;
    std::string input;  // what the input box then holds, GBK
};

std::vector<PasteCase> pasteCases() {
    return {
        {"Chinese text replaces the input box",
         [](HWND owner) { putTextOnClipboard(owner, wide(u8"墨舟 粘贴测试，五笔")); },
         gbk(u8"墨舟 粘贴测试，五笔")},
        {"a text is taken up to its first NUL",
         [](HWND owner) { putTextOnClipboard(owner, wide(u8"中国") + L'\0' + wide(u8"日本")); },
         gbk(u8"中国")},
        {"a text with a digit and letters is not screened",
         [](HWND owner) { putTextOnClipboard(owner, L"abc 123"); }, "abc 123"},
        {"an image empties the input box", [](HWND owner) { putImageOnClipboard(owner); }, ""},
        {"an empty clipboard empties the input box", [](HWND owner) { emptyClipboard(owner); }, ""},
    };
}

}  // namespace

void runPasteCases(const Options& options) {
    MozhouProcess program(options.folder);
    const MainWindowControls controls = controlsOf(program.window());
    const OwnWindow own;
    for (const PasteCase& paste : pasteCases()) {
        runCase(paste.name, [&] {
            setTextOf(controls.input, gbk(u8"原来的文字"));
            const std::string marker = putMarker(controls);
            paste.fillClipboard(own.handle());
            click(controls.pasteButton);
            return expectBytes("the input box", textOf(controls.input), paste.input) &
                   expectBytes("the result box (no query runs)", textOf(controls.result), marker);
        });
        if (paste.input == gbk(u8"墨舟 粘贴测试，五笔")) {
            screenshot(options, L"chinese-text");
        }
    }
    runCase("closes cleanly", [&] {
        return expectNumber("the exit code", static_cast<long long>(program.close()), 0);
    });
}
