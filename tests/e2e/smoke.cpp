// The smoke run: the program starts, shows its window, answers one query and one add exactly
// as the console front end and the book expect, and leaves its files behind when it closes.
#include "tests/e2e/files.h"
#include "tests/e2e/gbk.h"
#include "tests/e2e/groups.h"
#include "tests/e2e/mozhou_process.h"
#include "tests/e2e/program_texts.h"
#include "tests/e2e/report.h"
#include "tests/e2e/steps.h"

namespace {

constexpr int kResultTimeoutMs = 15000;
constexpr long long kDictionarySize = 140259;

}  // namespace

void runSmoke(const Options& options) {
    MozhouProcess program(options.folder);
    reportInfo("window shown and answering " + std::to_string(program.startUpMs()) +
               " ms after the process started");
    const MainWindowControls controls = controlsOf(program.window());

    runCase("title", [&] {
        return expectBytes("the title", gbkFromWide(wideTextOf(program.window())),
                           gbkFromWide(titleText()));
    });
    runCase("about text in the result box", [&] {
        const std::string about = textOf(controls.result);
        caseDetail("the result box holds: " + utf8FromGbk(about));
        return isAboutText(about);
    });
    runCase("Enter on 中国 gives the console front end's result", [&] {
        const std::string expected = throughWindow(expectedResult(options, "two-characters"));
        setTextOf(controls.input, gbk(u8"中国"));
        pressEnterInInput(program.window(), controls);
        waitForText(controls.result, expected, kResultTimeoutMs);
        return expectBytes("the result box", textOf(controls.result), expected);
    });
    runCase("the add button writes the book", [&] {
        const std::string entry = gbk(u8"\r\n词语(中国)的编码：  khlg");
        click(controls.addButton);
        const auto book = readWholeFile(pathIn(options.folder, kBookFileName));
        return expectTrue("生词本.txt exists", book.has_value()) &&
               expectBytes("生词本.txt", *book, entry) &&
               expectBytes("the vocabulary box", textOf(controls.vocabulary), entry);
    });
    screenshot(options, L"window");
    runCase("closes and leaves dic.dat and the skin library", [&] {
        bool held = expectNumber("the exit code", static_cast<long long>(program.close()), 0);
        const auto dictionary = readWholeFile(pathIn(options.folder, kDictionaryFileName));
        held = expectTrue("dic.dat exists", dictionary.has_value()) &&
               expectNumber("dic.dat's size", static_cast<long long>(dictionary->size()),
                            kDictionarySize) &&
               held;
        return expectTrue("mozhou-skin.dll exists",
                          fileExists(pathIn(options.folder, kSkinFileName))) &&
               held;
    });
}
