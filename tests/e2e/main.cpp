// mozhou-e2e GROUP [--folder=DIR] [--expected=DIR] [--dictionary=FILE] [--skin-library=FILE]
//                  [--screenshots=DIR]
// Runs one group of cases against mozhou.exe and prints a line per case; the exit code is 1
// when a case failed. The group "inputs" writes the query cases' inputs instead.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>

#include "tests/e2e/gbk.h"
#include "tests/e2e/groups.h"
#include "tests/e2e/report.h"
#include "tests/e2e/screenshot.h"

namespace {

using Group = void (*)(const Options&);

const std::map<std::wstring, Group> kGroups = {
    {L"inputs", writeQueryInputs},
    {L"smoke", runSmoke},
    {L"start", runStartCases},
    {L"query", runQueryCases},
    {L"book", runBookCases},
    {L"readonly-book", runReadOnlyBookCases},
    {L"readonly-folder", runReadOnlyBookCases},
    {L"paste", runPasteCases},
    {L"hotkeys", runHotkeyCases},
    {L"second-copy", runSecondCopyCases},
    {L"long-query", runLongQueryCases},
};

bool takeOption(const std::wstring& argument, const wchar_t* name, std::wstring& value) {
    const std::wstring prefix = std::wstring(L"--") + name + L"=";
    if (argument.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    value = argument.substr(prefix.size());
    return true;
}

}  // namespace

void screenshot(const Options& options, const std::wstring& name) {
    if (options.screenshots.empty()) {
        return;
    }
    try {
        saveScreenshot(options.screenshots + L"\\" + options.group + L"-" + name + L".bmp");
    } catch (const DriverError& error) {
        reportInfo(std::string("no screenshot: ") + error.what());
    }
}

int wmain(int argc, wchar_t** argv) {
    // Lines end in LF alone, for the shell scripts that read them.
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2 || kGroups.count(argv[1]) == 0) {
        std::fputs(
            "usage: mozhou-e2e GROUP [--folder=DIR] [--expected=DIR] [--dictionary=FILE]\n"
            "                  [--skin-library=FILE] [--screenshots=DIR]\n"
            "groups: inputs smoke start query book readonly-book readonly-folder paste\n"
            "        hotkeys second-copy long-query\n",
            stderr);
        return 2;
    }
    Options options;
    options.group = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::wstring argument = argv[i];
        if (!takeOption(argument, L"folder", options.folder) &&
            !takeOption(argument, L"expected", options.expected) &&
            !takeOption(argument, L"dictionary", options.dictionary) &&
            !takeOption(argument, L"skin-library", options.skinLibrary) &&
            !takeOption(argument, L"screenshots", options.screenshots)) {
            std::fprintf(stderr, "mozhou-e2e: unknown argument %ls\n", argv[i]);
            return 2;
        }
    }
    reportGroup(utf8FromGbk(gbkFromWide(argv[1])));
    try {
        kGroups.at(argv[1])(options);
    } catch (const std::exception& error) {
        reportFail("group", error.what());
    }
    return reportedFailures() == 0 ? 0 : 1;
}
