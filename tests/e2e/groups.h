// The case groups the driver runs, one per invocation: mozhou-e2e GROUP --folder=... and so on.
#pragma once

#include <string>

struct Options {
    std::wstring group;        // the group's name, which the screenshots' names begin with
    std::wstring folder;       // the group's own folder, holding mozhou.exe and nothing else yet
    std::wstring expected;     // the console front end's results: <case>.out beside <case>.in
    std::wstring dictionary;   // data/dic.dat of the source tree, the bytes dic.dat must hold
    std::wstring skinLibrary;  // the built mozhou-skin.dll, the bytes written beside the exe
    std::wstring screenshots;  // where the group's pictures go
};

// Writes <case>.in for every query case into options.expected, in GBK, for the runner to give
// to the console front end.
void writeQueryInputs(const Options& options);

void runSmoke(const Options& options);
void runStartCases(const Options& options);
void runQueryCases(const Options& options);
void runBookCases(const Options& options);
void runReadOnlyBookCases(const Options& options);
void runPasteCases(const Options& options);
void runHotkeyCases(const Options& options);
void runSecondCopyCases(const Options& options);
void runLongQueryCases(const Options& options);
void writeLongQueryInputs(const Options& options);

// The console front end's result for a query case, as the result box must hold it.
std::string expectedResult(const Options& options, const std::string& caseId);
// Saves a picture of the screen as <screenshots>\<group>-<name>.bmp.
void screenshot(const Options& options, const std::wstring& name);
