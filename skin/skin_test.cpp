// Checks mozhou-skin.dll, loaded from beside this program, on windows like the program's: bad
// images change nothing; the skin colours the windows, existing and new, and leaves their text,
// size and style alone; a procedure replaced later keeps the skin.
//   skin_test.exe SKIN_FILE [--show MILLISECONDS]
// Prints "N passed, M failed" and exits with 1 when a check fails, 2 when it cannot start.
#include "skin.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int passed = 0;
int failed = 0;

void check(bool ok, const char* what) {
    if (ok) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAILED: %s\n", what);
    }
}

using Bytes = std::vector<unsigned char>;

struct Colours {
    COLORREF face;
    COLORREF text;
    COLORREF editBackground;
    COLORREF editText;
    COLORREF border;
};

void putU16(Bytes& image, size_t at, unsigned value) {
    image[at] = value & 0xFF;
    image[at + 1] = (value >> 8) & 0xFF;
}

void putColour(Bytes& image, size_t at, COLORREF colour) {
    image[at] = GetRValue(colour);
    image[at + 1] = GetGValue(colour);
    image[at + 2] = GetBValue(colour);
    image[at + 3] = 0;
}

// An image in the library's format (skin/FORMAT.md), written here independently of the
// generator so that the two readings of the format meet in the test.
Bytes skinImage(const Colours& colours, int tileWidth = 0, int tileHeight = 0,
                const std::vector<COLORREF>& tile = {}) {
    const size_t length = 36 + 4 * tileWidth * tileHeight;
    Bytes image(length, 0);
    std::memcpy(image.data(), "mzsk", 4);
    putU16(image, 4, 1);
    putU16(image, 6, tileWidth);
    putU16(image, 8, tileHeight);
    putU16(image, 12, length & 0xFFFF);
    putU16(image, 14, length >> 16);
    const COLORREF fields[] = {colours.face, colours.text, colours.editBackground, colours.editText,
                               colours.border};
    for (size_t i = 0; i < 5; ++i) {
        putColour(image, 16 + 4 * i, fields[i]);
    }
    for (size_t i = 0; i < tile.size(); ++i) {
        putColour(image, 36 + 4 * i, tile[i]);
    }
    return image;
}

COLORREF colourAt(const Bytes& image, size_t at) {
    return RGB(image[at], image[at + 1], image[at + 2]);
}

Bytes readFile(const wchar_t* path) {
    Bytes bytes;
    HANDLE file =
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart < (1 << 20)) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
            read != bytes.size()) {
            bytes.clear();
        }
    }
    CloseHandle(file);
    return bytes;
}

// The names the module exports, read from its export directory.
std::vector<std::string> exportedNames(HMODULE module) {
    const auto* base = reinterpret_cast<const unsigned char*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& entry =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    std::vector<std::string> names;
    if (entry.Size == 0) {
        return names;
    }
    const auto* exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    const auto* nameOffsets = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        names.emplace_back(reinterpret_cast<const char*>(base + nameOffsets[i]));
    }
    return names;
}

void pumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

constexpr UINT kEcho = WM_APP + 1;  // answered with wParam + 1 by the test windows' class

LRESULT CALLBACK plainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kEcho) {
        return static_cast<LRESULT>(wParam + 1);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A window that picks its edit boxes' colour itself.
LRESULT CALLBACK ownColoursWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLOREDIT) {
        return reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The procedure the program puts on its main window later, chained to the one before it.
WNDPROC procedureBefore = nullptr;
int replacementMessages = 0;

LRESULT CALLBACK replacementWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++replacementMessages;
    return CallWindowProcW(procedureBefore, window, message, wParam, lParam);
}

const wchar_t kPlainClass[] = L"SkinTestWindow";
const wchar_t kOwnColoursClass[] = L"SkinTestOwnColours";

void registerClasses() {
    WNDCLASSW plain{};
    plain.lpfnWndProc = plainWindowProc;
    plain.hInstance = GetModuleHandleW(nullptr);
    plain.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    plain.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    plain.lpszClassName = kPlainClass;
    RegisterClassW(&plain);
    WNDCLASSW own = plain;
    own.lpfnWndProc = ownColoursWindowProc;
    own.lpszClassName = kOwnColoursClass;
    RegisterClassW(&own);
}

HWND child(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width,
           int height, HWND parent, int id, DWORD exStyle = 0) {
    HWND window = CreateWindowExW(
        exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return window;
}

// Windows laid out like the program's main window, with its vocabulary panel in view.
struct TestWindows {
    HWND main;
    HWND input;
    HWND addButton;
    HWND result;
    HWND panel;
    HWND vocabulary;
    HFONT textFont;
};

TestWindows createTestWindows() {
    TestWindows w{};
    // 墨舟 skin test
    w.main = CreateWindowExW(0, kPlainClass, L"\u58A8\u821F skin test",
                             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 40, 40, 561, 287, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    w.input = child(L"EDIT", L"\u4E2D\u56FD", WS_BORDER | ES_AUTOHSCROLL, 7, 10, 140, 24, w.main,
                    1001);  // 中国
    w.addButton = child(L"BUTTON", L"\u52A0\u5165\u751F\u8BCD\u672C", BS_PUSHBUTTON, 151, 10, 72,
                        24, w.main, 1013);  // 加入生词本
    w.result = child(L"EDIT",
                     L"\r\n\u58A8\u821F\r\n\r\nF1\u547C\u51FA\u751F\u8BCD\u672C "
                     L"F2\u8BBE\u7F6E\u603B\u5728\u6700\u524D",  // 墨舟 F1呼出生词本 F2设置总在最前
                     WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_CENTER, 7, 40, 264,
                     209, w.main, 1002);
    w.panel = child(L"BUTTON", L"\u751F\u8BCD\u672C", BS_GROUPBOX, 280, 8, 272, 240, w.main,
                    1020);  // 生词本
    // The program's text font for the boxes, so that the screenshot looks like the program.
    w.textFont = CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, L"\u5B8B\u4F53");  // 宋体
    w.vocabulary = child(L"EDIT", L"\r\n\u4E2D\u56FD khlg", WS_BORDER | WS_VSCROLL | ES_MULTILINE,
                         8, 16, 256, 216, w.panel, 1006);
    for (HWND box : {w.input, w.result, w.vocabulary}) {
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(w.textFont), FALSE);
    }
    ShowWindow(w.main, SW_SHOWNORMAL);
    UpdateWindow(w.main);
    return w;
}

// What a window shows of itself apart from its colours.
struct Look {
    LONG_PTR procedure;
    std::wstring text;
    RECT rect;
    LONG_PTR style;
    LONG_PTR exStyle;
};

Look lookOf(HWND window) {
    Look look{};
    look.procedure = GetWindowLongPtrW(window, GWLP_WNDPROC);
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    look.text = text;
    GetWindowRect(window, &look.rect);
    look.style = GetWindowLongPtrW(window, GWL_STYLE);
    look.exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    return look;
}

bool sameLook(const Look& a, const Look& b, bool withProcedure) {
    return (!withProcedure || a.procedure == b.procedure) && a.text == b.text &&
           EqualRect(&a.rect, &b.rect) && a.style == b.style && a.exStyle == b.exStyle;
}

std::vector<Look> looksOf(const TestWindows& w) {
    return {lookOf(w.main),   lookOf(w.input), lookOf(w.addButton),
            lookOf(w.result), lookOf(w.panel), lookOf(w.vocabulary)};
}

bool sameLooks(const std::vector<Look>& a, const std::vector<Look>& b, bool withProcedure) {
    for (size_t i = 0; i < a.size(); ++i) {
        if (!sameLook(a[i], b[i], withProcedure)) {
            return false;
        }
    }
    return true;
}

// A window's answer to a WM_CTLCOLOR* message: the brush's kind and colour and the colours it
// left on the device context.
struct ColourAnswer {
    UINT brushStyle;
    COLORREF brushColour;
    COLORREF text;
    COLORREF background;

    bool operator==(const ColourAnswer&) const = default;
};

ColourAnswer colourAnswer(HWND parent, UINT message, HWND control) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    ColourAnswer answer{0xFFFF, CLR_INVALID, GetTextColor(dc), GetBkColor(dc)};
    LOGBRUSH logBrush{};
    if (brush != nullptr && GetObjectW(brush, sizeof logBrush, &logBrush) != 0) {
        answer.brushStyle = logBrush.lbStyle;
        answer.brushColour = logBrush.lbStyle == BS_SOLID ? logBrush.lbColor : CLR_INVALID;
    }
    DeleteDC(dc);
    return answer;
}

bool isSkinAnswer(const ColourAnswer& answer, COLORREF brush, COLORREF text) {
    return answer.brushStyle == BS_SOLID && answer.brushColour == brush && answer.text == text;
}

// The colours a top-level window's background erasing leaves at the given points.
std::vector<COLORREF> erasedPixels(HWND window, const std::vector<POINT>& points) {
    RECT client;
    GetClientRect(window, &client);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ before = SelectObject(dc, bitmap);
    SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    std::vector<COLORREF> pixels;
    for (const POINT& point : points) {
        pixels.push_back(GetPixel(dc, point.x, point.y));
    }
    SelectObject(dc, before);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

COLORREF framePixel(HWND window, int x, int y) {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetWindowDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

HWND topLevelWithEdit(const wchar_t* className, DWORD style, HWND* edit,
                      DWORD editStyle = WS_BORDER, DWORD editExStyle = 0) {
    HWND window = CreateWindowExW(0, className, L"later", style, 600, 400, 200, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    *edit = child(L"EDIT", L"x", editStyle, 5, 5, 100, 24, window, 1, editExStyle);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    return window;
}

struct BadImage {
    const char* what;
    Bytes image;
    int length;
    bool nullImage = false;
};

std::vector<BadImage> badImages(const Bytes& good) {
    const int length = static_cast<int>(good.size());
    auto changed = [&good](size_t at, unsigned char value) {
        Bytes image = good;
        image[at] = value;
        return image;
    };
    Bytes longer = good;
    longer.push_back(0);
    putU16(longer, 12, static_cast<unsigned>(longer.size()));
    Bytes widthOnly = good;
    widthOnly.resize(40, 0);
    putU16(widthOnly, 6, 1);
    putU16(widthOnly, 12, 40);
    Bytes tooWide = good;
    tooWide.resize(36 + 4 * 65, 0);
    putU16(tooWide, 6, 65);
    putU16(tooWide, 8, 1);
    putU16(tooWide, 12, static_cast<unsigned>(tooWide.size()));
    Bytes tileWithoutPixels = good;
    putU16(tileWithoutPixels, 6, 2);
    putU16(tileWithoutPixels, 8, 2);
    return {
        {"no image", good, length, true},
        {"negative length", good, -1},
        {"zero length", good, 0},
        {"header cut short", good, 20},
        {"wrong magic", changed(0, 'M'), length},
        {"wrong version", changed(4, 2), length},
        {"length one short", good, length - 1},
        {"length one long", good, length + 1},
        {"stored length one long, matching the given length", longer, length + 1},
        {"stored length wrong", changed(12, static_cast<unsigned char>(length + 4)), length},
        {"tile sizes without the tile's pixels", tileWithoutPixels, length},
        {"tile width without a height", widthOnly, 40},
        {"tile wider than 64", tooWide, static_cast<int>(tooWide.size())},
        {"reserved field set", changed(10, 1), length},
        {"colour's zero byte set", changed(19, 1), length},
    };
}

void runChecks(SkinAttachFunction attach, const Bytes& skinFile, DWORD showMilliseconds) {
    registerClasses();
    const TestWindows w = createTestWindows();
    pumpMessages(50);

    const std::vector<Look> looksBefore = looksOf(w);
    const ColourAnswer editBefore = colourAnswer(w.main, WM_CTLCOLOREDIT, w.input);
    const ColourAnswer panelEditBefore = colourAnswer(w.panel, WM_CTLCOLOREDIT, w.vocabulary);

    // Bad images, with colours of their own that must never show.
    const Colours loud{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0),
                       RGB(255, 0, 255)};
    for (BadImage& bad : badImages(skinImage(loud))) {
        const int result =
            attach(bad.nullImage ? nullptr : bad.image.data(), bad.length, nullptr, 0, 0, 0);
        std::string what = std::string("bad image (") + bad.what + ")";
        check(result == 0, (what + " gives 0").c_str());
        check(sameLooks(looksOf(w), looksBefore, true),
              (what + " leaves procedures, texts, sizes and styles").c_str());
        check(colourAnswer(w.main, WM_CTLCOLOREDIT, w.input) == editBefore &&
                  colourAnswer(w.panel, WM_CTLCOLOREDIT, w.vocabulary) == panelEditBefore,
              (what + " leaves the edit boxes' colours").c_str());
    }
    HWND laterEdit = nullptr;
    HWND later = topLevelWithEdit(kPlainClass, WS_OVERLAPPEDWINDOW, &laterEdit);
    check(colourAnswer(later, WM_CTLCOLOREDIT, laterEdit) == editBefore,
          "after bad images, a new window keeps the system's colours");
    DestroyWindow(later);

    // The program's skin is taken, and its face shows; its edit boxes stay black on white.
    const Colours program{colourAt(skinFile, 16), colourAt(skinFile, 20), colourAt(skinFile, 24),
                          colourAt(skinFile, 28), colourAt(skinFile, 32)};
    check(attach(skinFile.data(), static_cast<int>(skinFile.size()), nullptr, 0, 0, 0) == 1,
          "the skin file is attached");
    pumpMessages(50);
    check(isSkinAnswer(colourAnswer(w.main, WM_CTLCOLORSTATIC, w.panel), program.face,
                       program.text) &&
              erasedPixels(w.main, {{2, 2}}) == std::vector<COLORREF>{program.face},
          "the skin file's face and text");
    check(program.editBackground == RGB(255, 255, 255) && program.editText == RGB(0, 0, 0),
          "the skin file keeps edit boxes black on white");
    check(sameLooks(looksOf(w), looksBefore, false),
          "the skin file leaves texts, sizes, positions and styles");

    // The behaviour, under a skin whose every colour differs from the system's.
    const Colours skin{RGB(0xE0, 0xD8, 0xC8), RGB(0x30, 0x20, 0x10), RGB(0xF8, 0xF4, 0xE0),
                       RGB(0x10, 0x20, 0x60), RGB(0xA0, 0x40, 0x20)};
    const Bytes skinBytes = skinImage(skin);
    check(attach(skinBytes.data(), static_cast<int>(skinBytes.size()), nullptr, 0, 0, 0) == 1,
          "a second skin replaces the first");
    pumpMessages(50);
    const ColourAnswer edit = colourAnswer(w.main, WM_CTLCOLOREDIT, w.input);
    check(isSkinAnswer(edit, skin.editBackground, skin.editText) &&
              edit.background == skin.editBackground,
          "edit box: the skin's edit background and text");
    check(isSkinAnswer(colourAnswer(w.panel, WM_CTLCOLOREDIT, w.vocabulary), skin.editBackground,
                       skin.editText),
          "edit box inside the group box: the skin's edit colours");
    check(isSkinAnswer(colourAnswer(w.main, WM_CTLCOLORSTATIC, w.panel), skin.face, skin.text),
          "group box: the skin's face and text");
    check(isSkinAnswer(colourAnswer(w.main, WM_CTLCOLORBTN, w.addButton), skin.face, skin.text),
          "button: the skin's face and text");
    check(erasedPixels(w.main, {{2, 2}, {300, 250}}) == std::vector<COLORREF>{skin.face, skin.face},
          "the main window's background is the skin's face");
    check(sameLooks(looksOf(w), looksBefore, false),
          "the skin leaves texts, sizes, positions and styles");
    check(SendMessageW(w.main, kEcho, 41, 0) == 42,
          "messages still reach the window's own procedure");
    RECT inputRect;
    GetWindowRect(w.input, &inputRect);
    check(framePixel(w.input, 0, 0) == skin.border &&
              framePixel(w.input, (inputRect.right - inputRect.left) / 2, 0) == skin.border &&
              framePixel(w.input, 1, 1) == skin.editBackground,
          "single-line frame of an edit box: the skin's border colour");
    check(framePixel(w.result, 0, 100) == skin.border,
          "single-line frame of a box with a scroll bar: the skin's border colour");

    later = topLevelWithEdit(kPlainClass, WS_OVERLAPPEDWINDOW, &laterEdit);
    check(isSkinAnswer(colourAnswer(later, WM_CTLCOLOREDIT, laterEdit), skin.editBackground,
                       skin.editText),
          "a window created after attaching takes the skin");
    DestroyWindow(later);
    later = topLevelWithEdit(kPlainClass, WS_OVERLAPPEDWINDOW, &laterEdit, 0, WS_EX_CLIENTEDGE);
    check(framePixel(laterEdit, 0, 0) == skin.border &&
              framePixel(laterEdit, 1, 1) == skin.editBackground,
          "sunken frame of an edit box: the skin's border colour outside, the background inside");
    DestroyWindow(later);
    later = topLevelWithEdit(kPlainClass, WS_OVERLAPPEDWINDOW, &laterEdit, 0);
    check(framePixel(laterEdit, 0, 0) == skin.editBackground,
          "an edit box without a frame gets none");
    DestroyWindow(later);
    later = topLevelWithEdit(kPlainClass, WS_POPUP, &laterEdit);
    check(colourAnswer(later, WM_CTLCOLOREDIT, laterEdit) == editBefore,
          "a window without a caption (a menu, a tooltip) keeps the system's colours");
    DestroyWindow(later);
    later = topLevelWithEdit(kOwnColoursClass, WS_OVERLAPPEDWINDOW, &laterEdit);
    const ColourAnswer own = colourAnswer(later, WM_CTLCOLOREDIT, laterEdit);
    check(own.brushStyle == BS_SOLID && own.brushColour == RGB(0x80, 0x80, 0x80),
          "a window's own colour answer stays");
    DestroyWindow(later);

    // A frameless box whose background is the system's frame colour is not taken for a frame.
    const Colours frameColoured{skin.face, skin.text, GetSysColor(COLOR_WINDOWFRAME), skin.editText,
                                skin.border};
    const Bytes frameColouredBytes = skinImage(frameColoured);
    attach(frameColouredBytes.data(), static_cast<int>(frameColouredBytes.size()), nullptr, 0, 0,
           0);
    later = topLevelWithEdit(kPlainClass, WS_OVERLAPPEDWINDOW, &laterEdit, 0);
    check(framePixel(laterEdit, 0, 0) == frameColoured.editBackground,
          "a frameless box in the frame colour gets no frame");
    DestroyWindow(later);
    attach(skinBytes.data(), static_cast<int>(skinBytes.size()), nullptr, 0, 0, 0);

    // The program replaces its main window's procedure after attaching, for its hotkeys.
    procedureBefore = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(w.main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(replacementWindowProc)));
    check(isSkinAnswer(colourAnswer(w.main, WM_CTLCOLOREDIT, w.input), skin.editBackground,
                       skin.editText) &&
              replacementMessages > 0,
          "a procedure replaced later keeps the skin");
    check(SendMessageW(w.main, kEcho, 1, 0) == 2,
          "a procedure replaced later still reaches the window's own");

    // A skin with a tile patterns the face, lined up across the controls.
    const COLORREF light = RGB(0xF4, 0xF1, 0xEA);
    const COLORREF dark = RGB(0xDA, 0xD5, 0xCB);
    const Colours tiled{RGB(0xEA, 0xE6, 0xDE), RGB(0x10, 0x20, 0x30), RGB(0xFF, 0xFF, 0xF0),
                        RGB(0x20, 0x10, 0x00), RGB(0x60, 0x50, 0x40)};
    const Bytes tileImage = skinImage(tiled, 2, 1, {light, dark});
    check(attach(tileImage.data(), static_cast<int>(tileImage.size()), nullptr, 0, 0, 0) == 1,
          "a skin with a tile is attached over another");
    check(erasedPixels(w.main, {{0, 0}, {1, 0}, {2, 5}, {301, 9}}) ==
              std::vector<COLORREF>({light, dark, light, dark}),
          "the tile patterns the main window's background");
    check(colourAnswer(w.main, WM_CTLCOLORSTATIC, w.panel).brushStyle != BS_SOLID,
          "the group box's background is the tile");
    check(isSkinAnswer(colourAnswer(w.main, WM_CTLCOLOREDIT, w.input), tiled.editBackground,
                       tiled.editText),
          "with a tile, edit boxes keep plain colours");

    check(attach(skinFile.data(), static_cast<int>(skinFile.size()), "secret", 1, 2, 3) == 1,
          "the password and the reserved numbers are ignored");
    check(
        isSkinAnswer(colourAnswer(w.main, WM_CTLCOLORSTATIC, w.panel), program.face, program.text),
        "attaching again replaces the colours");
    check(sameLooks(looksOf(w), looksBefore, false),
          "after every attach, texts, sizes, positions and styles are as they were");

    RedrawWindow(w.main, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    pumpMessages(showMilliseconds);
    DestroyWindow(w.main);
    DeleteObject(w.textFont);
    pumpMessages(20);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::printf("usage: skin_test.exe SKIN_FILE [--show MILLISECONDS]\n");
        return 2;
    }
    const DWORD showMilliseconds =
        argc >= 4 && std::wcscmp(argv[2], L"--show") == 0 ? std::wcstoul(argv[3], nullptr, 10) : 0;

    wchar_t modulePath[MAX_PATH];
    const DWORD pathLength = GetModuleFileNameW(nullptr, modulePath, MAX_PATH);
    std::wstring libraryPath(modulePath, pathLength);
    libraryPath = libraryPath.substr(0, libraryPath.find_last_of(L'\\') + 1) + MOZHOU_SKIN_DLL_NAME;
    HMODULE library = LoadLibraryW(libraryPath.c_str());
    const Bytes skinFile = readFile(argv[1]);
    if (library == nullptr || skinFile.size() < 36) {
        std::printf("cannot start: %s\n", library == nullptr ? "mozhou-skin.dll does not load"
                                                             : "the skin file cannot be read");
        return 2;
    }
    // Through void (*)(), the type that stands for any function, as GetProcAddress's cannot.
    const auto attach = reinterpret_cast<SkinAttachFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, MOZHOU_SKIN_ATTACH_NAME)));
    check(attach != nullptr, "the library exports skinAttach");
    check(exportedNames(library) == std::vector<std::string>{MOZHOU_SKIN_ATTACH_NAME},
          "skinAttach is the library's only export");
    if (attach != nullptr) {
        runChecks(attach, skinFile, showMilliseconds);
    }

    // The skinned windows are gone, but the thread still has its hook: the library must stay.
    FreeLibrary(library);
    check(GetModuleHandleW(libraryPath.c_str()) != nullptr,
          "an attached library stays loaded after FreeLibrary");
    HWND laterEdit = nullptr;
    HWND later = topLevelWithEdit(kPlainClass, WS_OVERLAPPEDWINDOW, &laterEdit);
    check(later != nullptr, "windows are still created after FreeLibrary");
    DestroyWindow(later);

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
