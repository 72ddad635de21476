// The skinning library: a thread hook finds the windows as they are created, a comctl32 subclass
// on each answers the colour messages. Subclassing through comctl32 keeps the chain intact when
// the program later replaces a window procedure and chains to the old one with CallWindowProcW.
#include "skin.h"

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <type_traits>

static_assert(std::is_convertible_v<decltype(&skinAttach), SkinAttachFunction>);

namespace {

constexpr unsigned char kMagic[4] = {'m', 'z', 's', 'k'};
constexpr unsigned kVersion = 1;
constexpr int kHeaderLength = 36;
constexpr int kMaxTileSide = 64;
constexpr UINT_PTR kSubclassId = 0x6D7A736B;  // "mzsk"

struct SkinColours {
    COLORREF face;
    COLORREF text;
    COLORREF editBackground;
    COLORREF editText;
    COLORREF border;
};

// A checked image; the tile's pixels stay in the caller's bytes.
struct SkinImage {
    SkinColours colours;
    int tileWidth;
    int tileHeight;
    const unsigned char* tilePixels;
};

// The attached skin's colours and the brushes that paint them.
struct Skin {
    SkinColours colours{};
    HBRUSH faceBrush = nullptr;
    HBRUSH editBrush = nullptr;
    HBRUSH borderBrush = nullptr;
    HBRUSH tileBrush = nullptr;  // the face as a pattern, or null
    int tileWidth = 0;
    int tileHeight = 0;
};

// The skin is shared by every thread that attached one; the brushes of a replaced skin are
// deleted, so readers copy the handles under the lock.
SRWLOCK skinLock = SRWLOCK_INIT;
Skin attachedSkin;
HINSTANCE thisModule = nullptr;
// Each thread's creation hook; a thread's hook ends with the thread.
DWORD hookSlot = TLS_OUT_OF_INDEXES;

unsigned readU16(const unsigned char* bytes) {
    return bytes[0] | (bytes[1] << 8);
}

std::uint32_t readU32(const unsigned char* bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
           (static_cast<std::uint32_t>(bytes[3]) << 24);
}

bool isColour(const unsigned char* bytes) {
    return bytes[3] == 0;
}

COLORREF readColour(const unsigned char* bytes) {
    return RGB(bytes[0], bytes[1], bytes[2]);
}

bool skinReadImage(const void* image, int length, SkinImage& read) {
    if (image == nullptr || length < kHeaderLength) {
        return false;
    }
    const auto* bytes = static_cast<const unsigned char*>(image);
    if (std::memcmp(bytes, kMagic, sizeof kMagic) != 0 || readU16(bytes + 4) != kVersion) {
        return false;
    }
    const int tileWidth = static_cast<int>(readU16(bytes + 6));
    const int tileHeight = static_cast<int>(readU16(bytes + 8));
    if ((tileWidth == 0) != (tileHeight == 0) || tileWidth > kMaxTileSide ||
        tileHeight > kMaxTileSide || readU16(bytes + 10) != 0) {
        return false;
    }
    const std::uint32_t total = kHeaderLength + 4u * tileWidth * tileHeight;
    if (readU32(bytes + 12) != total || static_cast<std::uint32_t>(length) != total) {
        return false;
    }
    for (std::uint32_t at = 16; at < total; at += 4) {
        if (!isColour(bytes + at)) {
            return false;
        }
    }
    read.colours = {readColour(bytes + 16), readColour(bytes + 20), readColour(bytes + 24),
                    readColour(bytes + 28), readColour(bytes + 32)};
    read.tileWidth = tileWidth;
    read.tileHeight = tileHeight;
    read.tilePixels = bytes + kHeaderLength;
    return true;
}

void skinDeleteBrushes(Skin& skin) {
    for (HBRUSH brush : {skin.faceBrush, skin.editBrush, skin.borderBrush, skin.tileBrush}) {
        if (brush != nullptr) {
            DeleteObject(brush);
        }
    }
    skin = Skin{};
}

HBRUSH skinTileBrush(const SkinImage& image) {
    // A packed 32-bit DIB, bottom row first; the brush keeps its own copy.
    constexpr size_t kInfoSize = sizeof(BITMAPINFOHEADER);
    static_assert(kInfoSize % 4 == 0);
    std::array<DWORD, (kInfoSize + 4 * kMaxTileSide * kMaxTileSide) / 4> packed{};
    auto* info = reinterpret_cast<BITMAPINFOHEADER*>(packed.data());
    info->biSize = kInfoSize;
    info->biWidth = image.tileWidth;
    info->biHeight = image.tileHeight;
    info->biPlanes = 1;
    info->biBitCount = 32;
    info->biCompression = BI_RGB;
    DWORD* pixels = packed.data() + kInfoSize / 4;
    for (int y = 0; y < image.tileHeight; ++y) {
        const unsigned char* row = image.tilePixels + 4 * image.tileWidth * y;
        DWORD* out = pixels + image.tileWidth * (image.tileHeight - 1 - y);
        for (int x = 0; x < image.tileWidth; ++x) {
            const unsigned char* pixel = row + 4 * x;
            out[x] = (static_cast<DWORD>(pixel[0]) << 16) | (pixel[1] << 8) | pixel[2];
        }
    }
    return CreateDIBPatternBrushPt(packed.data(), DIB_RGB_COLORS);
}

bool skinMakeBrushes(const SkinImage& image, Skin& skin) {
    skin.colours = image.colours;
    skin.faceBrush = CreateSolidBrush(image.colours.face);
    skin.editBrush = CreateSolidBrush(image.colours.editBackground);
    skin.borderBrush = CreateSolidBrush(image.colours.border);
    if (image.tileWidth > 0) {
        skin.tileBrush = skinTileBrush(image);
        skin.tileWidth = image.tileWidth;
        skin.tileHeight = image.tileHeight;
    }
    if (skin.faceBrush == nullptr || skin.editBrush == nullptr || skin.borderBrush == nullptr ||
        (image.tileWidth > 0 && skin.tileBrush == nullptr)) {
        skinDeleteBrushes(skin);
        return false;
    }
    return true;
}

Skin skinCurrent() {
    AcquireSRWLockShared(&skinLock);
    Skin skin = attachedSkin;
    ReleaseSRWLockShared(&skinLock);
    return skin;
}

bool isClass(HWND window, const wchar_t* name) {
    wchar_t className[16];
    return GetClassNameW(window, className, 16) > 0 && lstrcmpiW(className, name) == 0;
}

LONG_PTR styleOf(HWND window) {
    return GetWindowLongPtrW(window, GWL_STYLE);
}

// The default procedures answer with these two system brushes; any other answer is the
// window's own choice and stays.
bool isDefaultColourAnswer(LRESULT answer) {
    const auto brush = reinterpret_cast<HBRUSH>(answer);
    return brush == nullptr || brush == GetSysColorBrush(COLOR_WINDOW) ||
           brush == GetSysColorBrush(COLOR_BTNFACE);
}

// The face brush for a control's DC: the tile, lined up with the top-level window's client area.
HBRUSH skinFaceFor(const Skin& skin, HDC dc, HWND control) {
    if (skin.tileBrush == nullptr) {
        return skin.faceBrush;
    }
    POINT origin{0, 0};
    MapWindowPoints(control, GetAncestor(control, GA_ROOT), &origin, 1);
    SetBrushOrgEx(dc, ((-origin.x) % skin.tileWidth + skin.tileWidth) % skin.tileWidth,
                  ((-origin.y) % skin.tileHeight + skin.tileHeight) % skin.tileHeight, nullptr);
    // Text drawn opaquely would leave flat boxes on the pattern.
    SetBkMode(dc, TRANSPARENT);
    return skin.tileBrush;
}

LRESULT skinColourAnswer(UINT message, HDC dc, HWND control) {
    const Skin skin = skinCurrent();
    const bool editLike = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
    if (editLike) {
        SetTextColor(dc, skin.colours.editText);
        SetBkColor(dc, skin.colours.editBackground);
        return reinterpret_cast<LRESULT>(skin.editBrush);
    }
    SetTextColor(dc, skin.colours.text);
    SetBkColor(dc, skin.colours.face);
    // A read-only or disabled edit box asks as a label does; its text is redrawn in place, so it
    // keeps the plain face.
    if (isClass(control, L"Edit")) {
        return reinterpret_cast<LRESULT>(skin.faceBrush);
    }
    return reinterpret_cast<LRESULT>(skinFaceFor(skin, dc, control));
}

void skinEraseTopLevel(HWND window, HDC dc) {
    const Skin skin = skinCurrent();
    RECT client;
    GetClientRect(window, &client);
    HBRUSH face = skin.faceBrush;
    if (skin.tileBrush != nullptr) {
        SetBrushOrgEx(dc, 0, 0, nullptr);
        face = skin.tileBrush;
    }
    FillRect(dc, &client, face);
}

// Edit boxes come with two kinds of frame. A sunken or static edge (and a single line that
// stays in the window's style) lies in the non-client area: its outer line takes the border
// colour and the rest of it the box's background, for the same flat look everywhere.
void skinDrawEditFrame(HWND edit) {
    const LONG_PTR style = styleOf(edit);
    const LONG_PTR exStyle = GetWindowLongPtrW(edit, GWL_EXSTYLE);
    const int thickness = ((style & WS_BORDER) != 0 ? 1 : 0) +
                          ((exStyle & WS_EX_CLIENTEDGE) != 0 ? 2 : 0) +
                          ((exStyle & WS_EX_STATICEDGE) != 0 ? 1 : 0);
    if (thickness == 0) {
        return;
    }
    const Skin skin = skinCurrent();
    const bool plainFace = (style & ES_READONLY) != 0 || (style & WS_DISABLED) != 0;
    HDC dc = GetWindowDC(edit);
    if (dc == nullptr) {
        return;
    }
    RECT frame;
    GetWindowRect(edit, &frame);
    OffsetRect(&frame, -frame.left, -frame.top);
    FrameRect(dc, &frame, skin.borderBrush);
    for (int line = 1; line < thickness; ++line) {
        InflateRect(&frame, -1, -1);
        FrameRect(dc, &frame, plainFace ? skin.faceBrush : skin.editBrush);
    }
    ReleaseDC(edit, dc);
}

// The other kind: an edit box created with WS_BORDER alone takes the style off and paints a
// one-pixel line in the system's window-frame colour inside its own client area. Nothing in the
// window says so afterwards, so the line is recognised where it is drawn: the client area's edge
// in that colour with something else just inside. An edit box without that line is left alone.
void skinRecolourOwnFrameLine(HWND edit) {
    RECT client;
    GetClientRect(edit, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width < 3 || height < 3) {
        return;
    }
    HDC dc = GetDC(edit);
    if (dc == nullptr) {
        return;
    }
    const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    if (GetPixel(dc, 0, 0) == frame && GetPixel(dc, width / 2, 0) == frame &&
        GetPixel(dc, 0, height - 1) == frame && GetPixel(dc, width / 2, height - 1) == frame &&
        GetPixel(dc, 1, 1) != frame) {
        const Skin skin = skinCurrent();
        // A box with a vertical scroll bar has no right-hand line in its client area.
        const bool rightLine = GetPixel(dc, width - 1, height / 2) == frame;
        const RECT lines[] = {{0, 0, width, 1},
                              {0, height - 1, width, height},
                              {0, 0, 1, height},
                              {width - 1, 0, width, rightLine ? height : 0}};
        for (const RECT& line : lines) {
            FillRect(dc, &line, skin.borderBrush);
        }
    }
    ReleaseDC(edit, dc);
}

LRESULT CALLBACK skinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) noexcept {
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG: {
            // The window's own procedure answers first; only its default answer is replaced.
            const LRESULT answer = DefSubclassProc(window, message, wParam, lParam);
            if (!isDefaultColourAnswer(answer)) {
                return answer;
            }
            return skinColourAnswer(message, reinterpret_cast<HDC>(wParam),
                                    reinterpret_cast<HWND>(lParam));
        }
        case WM_ERASEBKGND:
            if ((styleOf(window) & WS_CHILD) == 0) {
                skinEraseTopLevel(window, reinterpret_cast<HDC>(wParam));
                return 1;
            }
            break;
        case WM_PAINT:
            // Painting into a caller's device context (wParam) is left as the box does it.
            if (wParam == 0 && isClass(window, L"Edit")) {
                const LRESULT answer = DefSubclassProc(window, message, wParam, lParam);
                skinRecolourOwnFrameLine(window);
                return answer;
            }
            break;
        case WM_NCPAINT: {
            const LRESULT answer = DefSubclassProc(window, message, wParam, lParam);
            if (isClass(window, L"Edit")) {
                skinDrawEditFrame(window);
            }
            return answer;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, skinWindowProc, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Captioned top-level windows (main windows, dialogs) and everything inside them; menus,
// tooltips, drop-down lists and input-method windows are left alone.
bool isSkinnedTopLevel(LONG_PTR style) {
    return (style & WS_CHILD) == 0 && (style & WS_CAPTION) == WS_CAPTION;
}

bool takesSkin(LONG_PTR style, HWND parent) {
    if ((style & WS_CHILD) == 0) {
        return isSkinnedTopLevel(style);
    }
    HWND root = parent != nullptr ? GetAncestor(parent, GA_ROOT) : nullptr;
    return root != nullptr && isSkinnedTopLevel(styleOf(root));
}

void skinWindow(HWND window) {
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        SetWindowSubclass(window, skinWindowProc, kSubclassId, 0);
    }
}

LRESULT CALLBACK skinCreationHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HCBT_CREATEWND) {
        const auto window = reinterpret_cast<HWND>(wParam);
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        // The system adds WS_CAPTION to overlapped windows, so ask the window as well.
        if (takesSkin(create->style | styleOf(window), create->hwndParent)) {
            skinWindow(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK skinExistingChild(HWND window, LPARAM) noexcept {
    if (takesSkin(styleOf(window), GetParent(window))) {
        skinWindow(window);
    }
    return TRUE;
}

BOOL CALLBACK skinExistingTopLevel(HWND window, LPARAM) noexcept {
    if (takesSkin(styleOf(window), nullptr)) {
        skinWindow(window);
        EnumChildWindows(window, skinExistingChild, 0);
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return TRUE;
}

// Installs the calling thread's creation hook once. The library pins itself first: windows
// that carry its procedure must never call into an unloaded module.
bool skinWatchThread() {
    if (TlsGetValue(hookSlot) != nullptr) {
        return true;
    }
    HMODULE pinned = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                            reinterpret_cast<LPCWSTR>(&skinWindowProc), &pinned)) {
        return false;
    }
    HHOOK hook = SetWindowsHookExW(WH_CBT, skinCreationHook, thisModule, GetCurrentThreadId());
    if (hook == nullptr) {
        return false;
    }
    TlsSetValue(hookSlot, hook);
    return true;
}

}  // namespace

MOZHOU_SKIN_API int skinAttach(const void* image, int length, const char*, int, int, int) noexcept {
    SkinImage read;
    if (!skinReadImage(image, length, read)) {
        return 0;
    }
    Skin fresh;
    if (!skinMakeBrushes(read, fresh)) {
        return 0;
    }
    if (!skinWatchThread()) {
        skinDeleteBrushes(fresh);
        return 0;
    }
    AcquireSRWLockExclusive(&skinLock);
    Skin replaced = attachedSkin;
    attachedSkin = fresh;
    ReleaseSRWLockExclusive(&skinLock);
    skinDeleteBrushes(replaced);
    EnumThreadWindows(GetCurrentThreadId(), skinExistingTopLevel, 0);
    return 1;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        thisModule = instance;
        hookSlot = TlsAlloc();
        return hookSlot != TLS_OUT_OF_INDEXES;
    }
    // Only reached when no skin was ever attached (an attached skin pins the library), or at
    // process end, when the system reclaims everything anyway.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        skinDeleteBrushes(attachedSkin);
        TlsFree(hookSlot);
    }
    return TRUE;
}
