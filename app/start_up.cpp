#include "app/start_up.h"

#include <string_view>

#include "app/control_ids.h"
#include "app/hotkeys_win32.h"
#include "app/program_files.h"
#include "app/resource_ids.h"
#include "query/screening.h"
#include "skin/skin.h"

namespace {

constexpr std::int32_t kStartUpWidth = 285;
constexpr std::wstring_view kDictionaryFileName = L"dic.dat";
constexpr std::wstring_view kBookFileName = L"\u751F\u8BCD\u672C.txt";  // 生词本.txt

// The library is loaded from the file just written, by its full path: a library of the same
// name elsewhere on the search path is never taken.
bool attachSkin(Program& program, const std::wstring& libraryPath) {
    program.skinLibrary.reset(LoadLibraryExW(libraryPath.c_str(), nullptr, 0));
    if (!program.skinLibrary) {
        // 无法载入皮肤库：
        failFatally(program, L"\u65E0\u6CD5\u8F7D\u5165\u76AE\u80A4\u5E93\uFF1A\n" + libraryPath,
                    kExitNoSkinLibrary);
        return false;
    }
    const auto attach = reinterpret_cast<SkinAttachFunction>(reinterpret_cast<void*>(
        GetProcAddress(program.skinLibrary.get(), MOZHOU_SKIN_ATTACH_NAME)));
    if (attach == nullptr) {
        // 皮肤库中没有 skinAttach 函数：
        failFatally(program,
                    L"\u76AE\u80A4\u5E93\u4E2D\u6CA1\u6709"
                    L" " MOZHOU_SKIN_ATTACH_NAME L" \u51FD\u6570\uFF1A\n" +
                        libraryPath,
                    kExitNoSkinLibrary);
        return false;
    }
    // The image stays where the program's resources are for the program's whole life.
    const std::string_view image = programResource(IDR_SKIN_IMAGE);
    attach(image.data(), static_cast<int>(image.size()), nullptr, 0, 0, 0);
    return true;
}

// dic.dat as it now stands beside the program. When it cannot be read or is empty, the
// dictionary the program carries serves instead: an empty one would give every query wrong
// codes.
GbkText dictionaryText(const std::wstring& path) {
    ByteArray bytes;
    if (readFileWhole(path, bytes) == FileRead::Read) {
        GbkText text = gbkFromBytes(bytes);
        if (!gbkIsEmpty(text)) {
            return text;
        }
    }
    // The same resource that start-up writes out, so the program carries the dictionary once.
    return gbkFromBytes(programResource(IDR_DIC_DAT));
}

HotkeyAction windowAction(WindowOperations& window, void (*action)(WindowOperations&)) {
    return [&window, action](const HotkeyMessage&) {
        action(window);
        return std::intptr_t{0};
    };
}

}  // namespace

bool runStartUp(Program& program) {
    Win32Window& window = program.window;
    const std::wstring libraryPath = programFilePath(program.directory, MOZHOU_SKIN_DLL_NAME);
    const std::wstring dictionaryPath = programFilePath(program.directory, kDictionaryFileName);

    // Whether the writes work is not looked at: a second copy of the program finds the library
    // in use by the first, and both then use the files that stand there.
    writeFileWhole(libraryPath, programResource(IDR_SKIN_LIBRARY));
    writeFileWhole(dictionaryPath, programResource(IDR_DIC_DAT));

    if (!attachSkin(program, libraryPath)) {
        return false;
    }

    program.dictionary = WubiDictionary(dictionaryText(dictionaryPath));
    window.setText(EditBox::DictionaryHolder, program.dictionary.text());

    program.forbiddenList = loadForbiddenList(window.getText(EditBox::ForbiddenListHolder));

    window.setWindowWidth(kStartUpWidth);

    program.bookFile =
        std::make_unique<WindowsBookFile>(programFilePath(program.directory, kBookFileName));
    program.book = std::make_unique<VocabularyBook>(VocabularyBook{*program.bookFile});
    loadBook(window, *program.book);

    const HotkeySystem system = win32HotkeySystem();
    registerHotkey(program.hotkeys, system, window.handle(), 0, kVirtualKeyF1,
                   windowAction(window, toggleVocabularyPanel));
    registerHotkey(program.hotkeys, system, window.handle(), 0, kVirtualKeyF2,
                   windowAction(window, toggleAlwaysOnTop));
    return true;
}

void onCloseRequest(Program& program) {
    unregisterHotkeys(program.window.handle(), program.hotkeys);
}

void releaseAtExit(Program& program) {
    program.forbiddenList = GbkTextList();
    program.hotkeys = HotkeyTable();
}

void failFatally(Program& program, const std::wstring& what, int exitCode) {
    if (program.failed) {
        return;
    }
    program.failed = true;
    program.exitCode = exitCode;
    // 程序将退出。
    const std::wstring text = what + L"\n\n\u7A0B\u5E8F\u5C06\u9000\u51FA\u3002";
    MessageBoxW(nullptr, text.c_str(), MOZHOU_WINDOW_TITLE, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}
