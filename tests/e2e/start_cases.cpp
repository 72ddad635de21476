// Start-up as a user meets it: the window as laid out, the files written beside the exe, a
// dic.dat that the user edited or that cannot be read, and a skin library that cannot be loaded.
#include <windows.h>

#include <algorithm>
#include <set>
#include <vector>

#include "app/control_ids.h"
#include "tests/e2e/files.h"
#include "tests/e2e/gbk.h"
#include "tests/e2e/groups.h"
#include "tests/e2e/mozhou_process.h"
#include "tests/e2e/program_texts.h"
#include "tests/e2e/report.h"
#include "tests/e2e/steps.h"
#include "tests/e2e/wait.h"

namespace {

constexpr int kLayoutWidth = 284;
constexpr int kStartWidth = 285;
constexpr int kHeight = 287;
constexpr int kPanelLeft = 280;
constexpr int kResultTimeoutMs = 15000;
constexpr int kMessageBoxTimeoutMs = 20000;
constexpr long long kDictionarySize = 140259;

struct ControlPlace {
    const char* name;
    int id;
    bool inPanel;
    RECT place;            // left, top, right, bottom in the parent's client area
    std::wstring caption;  // checked when not empty
};

bool expectPlace(const char* name, RECT actual, RECT expected) {
    const bool same = actual.left == expected.left && actual.top == expected.top &&
                      actual.right == expected.right && actual.bottom == expected.bottom;
    if (!same) {
        caseDetail(std::string(name) + " at " + std::to_string(actual.left) + "," +
                   std::to_string(actual.top) + " size " +
                   std::to_string(actual.right - actual.left) + "x" +
                   std::to_string(actual.bottom - actual.top) + ", expected " +
                   std::to_string(expected.left) + "," + std::to_string(expected.top) + " size " +
                   std::to_string(expected.right - expected.left) + "x" +
                   std::to_string(expected.bottom - expected.top));
    }
    return same;
}

bool checkControls(HWND main) {
    const std::vector<ControlPlace> places = {
        {"input box", IDC_INPUT, false, {7, 10, 147, 34}, L""},
        {"add button", IDC_ADD_BUTTON, false, {151, 10, 223, 34}, addButtonText()},
        {"paste button", IDC_PASTE_BUTTON, false, {224, 10, 272, 34}, pasteButtonText()},
        {"result box", IDC_RESULT, false, {7, 40, 271, 249}, L""},
        {"vocabulary panel", IDC_VOCABULARY_PANEL, false, {280, 8, 552, 248}, panelText()},
        {"vocabulary box", IDC_VOCABULARY, true, {8, 16, 264, 232}, L""},
    };
    bool held = true;
    HWND panel = GetDlgItem(main, IDC_VOCABULARY_PANEL);
    for (const ControlPlace& place : places) {
        HWND control = GetDlgItem(place.inPanel ? panel : main, place.id);
        if (control == nullptr) {
            caseDetail(std::string("no ") + place.name);
            held = false;
            continue;
        }
        held = expectPlace(place.name, rectInParent(control), place.place) && held;
        held =
            expectTrue(std::string(place.name) + " is visible", IsWindowVisible(control)) && held;
        if (!place.caption.empty()) {
            held = expectBytes(std::string(place.name) + "'s caption",
                               gbkFromWide(wideTextOf(control)), gbkFromWide(place.caption)) &&
                   held;
        }
    }
    // The query button and the holders, where they exist as controls, are hidden.
    for (int id : {IDC_QUERY_BUTTON, IDC_DICTIONARY_HOLDER, IDC_FORBIDDEN_LIST_HOLDER,
                   IDC_WARNING_TEXT_HOLDER}) {
        if (HWND hidden = GetDlgItem(main, id)) {
            held = expectTrue("control " + std::to_string(id) + " is hidden",
                              !IsWindowVisible(hidden)) &&
                   held;
        }
    }
    return held;
}

struct EditStyle {
    const char* name;
    HWND box;
    LONG_PTR required;
    LONG_PTR forbidden;
};

bool checkEditBoxes(const MainWindowControls& controls) {
    const std::vector<EditStyle> styles = {
        {"input box", controls.input, ES_AUTOHSCROLL, ES_MULTILINE | ES_READONLY},
        {"result box", controls.result, ES_MULTILINE | ES_CENTER | WS_VSCROLL,
         ES_READONLY | ES_AUTOHSCROLL},
        {"vocabulary box", controls.vocabulary, ES_MULTILINE | WS_VSCROLL,
         ES_READONLY | ES_AUTOHSCROLL | ES_CENTER | ES_RIGHT},
    };
    bool held = true;
    for (const EditStyle& edit : styles) {
        const LONG_PTR style = GetWindowLongPtrW(edit.box, GWL_STYLE);
        held =
            expectTrue(std::string(edit.name) + " has its styles",
                       (style & edit.required) == edit.required && (style & edit.forbidden) == 0) &&
            held;
        // No limit on the length of the text: the largest an edit box takes.
        const auto limit =
            static_cast<unsigned long long>(SendMessageW(edit.box, EM_GETLIMITTEXT, 0, 0));
        held = expectTrue(std::string(edit.name) + " takes texts of any length (limit " +
                              std::to_string(limit) + ")",
                          limit >= 0x7FFFFFFEull) &&
               held;
    }
    return held;
}

bool checkFrame(HWND main) {
    const LONG_PTR style = GetWindowLongPtrW(main, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(main, GWL_EXSTYLE);
    return expectTrue("a caption with the system menu",
                      (style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) != 0) &
           expectTrue("no minimise or maximise box, not resizable",
                      (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0) &
           expectTrue("shown in the taskbar (no owner, not a tool window)",
                      GetWindow(main, GW_OWNER) == nullptr && (exStyle & WS_EX_TOOLWINDOW) == 0) &
           expectTrue("not always on top", (exStyle & WS_EX_TOPMOST) == 0);
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
#pragma pack(pop)

// The exe's first icon group: five square sizes at 32 bits per pixel.
bool checkIconResource(const std::wstring& exe) {
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        caseDetail("cannot open the exe's resources");
        return false;
    }
    struct Search {
        HRSRC found;
    } search{nullptr};
    EnumResourceNamesW(
        module, RT_GROUP_ICON,
        [](HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR context) -> BOOL {
            reinterpret_cast<Search*>(context)->found = FindResourceW(module, name, type);
            return FALSE;
        },
        reinterpret_cast<LONG_PTR>(&search));
    HRSRC found = search.found;
    bool held = expectTrue("the exe holds an icon", found != nullptr);
    if (held) {
        const auto* header =
            static_cast<const IconGroupHeader*>(LockResource(LoadResource(module, found)));
        const auto* entries = reinterpret_cast<const IconGroupEntry*>(header + 1);
        std::set<int> sizes;
        bool allDeep = true;
        for (int i = 0; i < header->count; ++i) {
            sizes.insert(entries[i].width == 0 ? 256 : entries[i].width);
            allDeep = allDeep && entries[i].bitCount == 32 && entries[i].width == entries[i].height;
        }
        held = expectTrue("the icon has the sizes 128, 64, 48, 32 and 16",
                          sizes == std::set<int>{128, 64, 48, 32, 16} && header->count == 5) &
               expectTrue("every size is square at 32 bits per pixel", allDeep);
    }
    FreeLibrary(module);
    return held;
}

bool checkFilesWritten(const Options& options) {
    const auto dictionary = readWholeFile(pathIn(options.folder, kDictionaryFileName));
    const auto source = readWholeFile(options.dictionary);
    bool held = expectTrue("dic.dat exists", dictionary.has_value()) &&
                expectNumber("dic.dat's size", static_cast<long long>(dictionary->size()),
                             kDictionarySize) &&
                expectTrue("the source tree's data/dic.dat is readable", source.has_value()) &&
                expectBytes("dic.dat", *dictionary, *source);
    const auto library = readWholeFile(pathIn(options.folder, kSkinFileName));
    held = expectTrue("mozhou-skin.dll exists", library.has_value()) && held;
    if (library && !options.skinLibrary.empty()) {
        const auto built = readWholeFile(options.skinLibrary);
        held = expectTrue("the built skin library is readable", built.has_value()) &&
               expectTrue("mozhou-skin.dll holds the built library's bytes", *library == *built) &&
               held;
    }
    return held;
}

bool queryGivesFrontEndResult(const Options& options, const MozhouProcess& program,
                              const MainWindowControls& controls) {
    const std::string expected = throughWindow(expectedResult(options, "one-character"));
    putMarker(controls);
    setTextOf(controls.input, gbk(u8"中"));
    pressEnterInInput(program.window(), controls);
    waitForText(controls.result, expected, kResultTimeoutMs);
    return expectBytes("the result box after Enter on 中", textOf(controls.result), expected);
}

void firstStart(const Options& options) {
    MozhouProcess program(options.folder);
    reportInfo("window shown and answering " + std::to_string(program.startUpMs()) +
               " ms after the process started");
    const MainWindowControls controls = controlsOf(program.window());
    HWND main = program.window();

    runCase("title", [&] {
        return expectBytes("the title", gbkFromWide(wideTextOf(main)), gbkFromWide(titleText()));
    });
    runCase("about text in the result box", [&] {
        const std::string about = textOf(controls.result);
        caseDetail("the result box holds: " + utf8FromGbk(about));
        return isAboutText(about);
    });
    runCase("outer size 285 x 287 after start-up", [&] {
        const RECT outer = outerRect(main);
        return expectNumber("the width", outer.right - outer.left, kStartWidth) &
               expectNumber("the height", outer.bottom - outer.top, kHeight);
    });
    runCase("the vocabulary panel is out of view", [&] {
        return expectTrue("the client area ends left of x = 280 (it is " +
                              std::to_string(clientRect(main).right) + " wide)",
                          clientRect(main).right <= kPanelLeft);
    });
    runCase("centred on the screen", [&] {
        const RECT outer = outerRect(main);
        return expectNumber("the left edge", outer.left,
                            (GetSystemMetrics(SM_CXSCREEN) - kLayoutWidth) / 2) &
               expectNumber("the top edge", outer.top,
                            (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2);
    });
    runCase("fixed frame, in the taskbar", [&] { return checkFrame(main); });
    runCase("controls at their places with their captions", [&] { return checkControls(main); });
    runCase("edit boxes: lines, alignment, scroll bars, none read-only, no length limit",
            [&] { return checkEditBoxes(controls); });
    runCase("the exe carries an icon of five sizes",
            [&] { return checkIconResource(pathIn(options.folder, L"mozhou.exe")); });
    // Another process's class data is out of reach under Wine, and its default window
    // procedure answers WM_GETICON with nothing for a class icon; the caption shows it.
    if (SendMessageW(main, WM_GETICON, ICON_BIG, 0) != 0 ||
        SendMessageW(main, WM_GETICON, ICON_SMALL2, 0) != 0 ||
        GetClassLongPtrW(main, GCLP_HICON) != 0) {
        reportPass("the window shows an icon");
    } else {
        reportSkip("the window shows an icon",
                   "Wine gives no other process a window's class icon; see the caption in "
                   "start-window.png");
    }
    runCase("dic.dat and the skin library written beside the exe",
            [&] { return checkFilesWritten(options); });
    runCase("no book file: the vocabulary box is empty and no file is made", [&] {
        return expectBytes("the vocabulary box", textOf(controls.vocabulary), "") &
               expectTrue("no 生词本.txt", !fileExists(pathIn(options.folder, kBookFileName)));
    });
    screenshot(options, L"window");
    runCase("closes cleanly and makes no book file", [&] {
        return expectNumber("the exit code", static_cast<long long>(program.close()), 0) &
               expectTrue("no 生词本.txt", !fileExists(pathIn(options.folder, kBookFileName)));
    });
}

void startWithEditedDictionary(const Options& options) {
    const std::wstring dictionaryPath = pathIn(options.folder, kDictionaryFileName);
    auto edited = readWholeFile(dictionaryPath).value_or("");
    // The user's edit: 中's code changed and a line of their own added.
    const std::string zhong = gbk(u8"中");
    if (const size_t at = edited.find(zhong); at != std::string::npos) {
        edited.replace(at + zhong.size(), 4, "zzzz");
    }
    writeWholeFile(dictionaryPath, edited + "\r\nuser's own line");
    MozhouProcess program(options.folder);
    const MainWindowControls controls = controlsOf(program.window());
    runCase("a dic.dat edited by the user is replaced at the next start",
            [&] { return checkFilesWritten(options); });
    runCase("queries then use the program's dictionary",
            [&] { return queryGivesFrontEndResult(options, program, controls); });
    program.close();
}

// dic.dat that can be neither written nor read, because a folder has its name: the program
// uses the dictionary it carries, not an empty one.
void startWithUnreadableDictionary(const Options& options) {
    const std::wstring folder = options.folder + L"\\unreadable dic.dat";
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW(pathIn(options.folder, L"mozhou.exe").c_str(), pathIn(folder, L"mozhou.exe").c_str(),
              FALSE);
    CreateDirectoryW(pathIn(folder, kDictionaryFileName).c_str(), nullptr);
    MozhouProcess program(folder);
    const MainWindowControls controls = controlsOf(program.window());
    runCase("dic.dat unreadable: queries use the program's own dictionary",
            [&] { return queryGivesFrontEndResult(options, program, controls); });
    runCase("dic.dat unreadable: the program still closes cleanly", [&] {
        return expectNumber("the exit code", static_cast<long long>(program.close()), 0);
    });
}

// The skin library cannot be written or loaded (a folder has its name), while a library of
// that name waits in the working folder: the program must not load that one, and ends with
// one message box and a non-zero exit code.
void startWithoutSkinLibrary(const Options& options) {
    const std::wstring folder = options.folder + L"\\no skin library";
    const std::wstring planted = options.folder + L"\\planted";
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW(planted.c_str(), nullptr);
    CopyFileW(pathIn(options.folder, L"mozhou.exe").c_str(), pathIn(folder, L"mozhou.exe").c_str(),
              FALSE);
    CreateDirectoryW(pathIn(folder, kSkinFileName).c_str(), nullptr);
    CopyFileW(pathIn(options.folder, kSkinFileName).c_str(), pathIn(planted, kSkinFileName).c_str(),
              FALSE);
    MozhouProcess program(folder, planted, MozhouProcess::Wait::ForNothing);
    runCase("skin library not loadable: one message box, no window, non-zero exit code", [&] {
        const bool boxShown =
            waitUntil(
                kMessageBoxTimeoutMs,
                [&] { return messageBoxCountOf(program.processId()) > 0 || !program.running(); }) &&
            program.running();
        bool held = expectTrue("a message box is shown", boxShown);
        if (boxShown) {
            screenshot(options, L"no-skin-library");
            reportInfo("the message box says: " +
                       utf8FromWide(messageBoxTextOf(program.processId())));
            held = expectNumber("message boxes", messageBoxCountOf(program.processId()), 1) &
                   expectTrue("no main window (the planted library was not loaded)",
                              visibleWindowsOf(program.processId(), MOZHOU_WINDOW_CLASS).empty());
            dismissMessageBoxesOf(program.processId());
        }
        const DWORD code = program.waitForExit(kMessageBoxTimeoutMs);
        return expectTrue("a non-zero exit code", code != 0) && held;
    });
}

}  // namespace

void runStartCases(const Options& options) {
    firstStart(options);
    startWithEditedDictionary(options);
    startWithUnreadableDictionary(options);
    startWithoutSkinLibrary(options);
}
