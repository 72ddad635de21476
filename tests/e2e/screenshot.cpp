#include "tests/e2e/screenshot.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "tests/e2e/files.h"
#include "tests/e2e/report.h"
#include "tests/e2e/wait.h"

namespace {

constexpr int kMargin = 12;
constexpr int kPaintTimeoutMs = 2000;

bool waitsForPaint(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) {
        return true;
    }
    bool waits = false;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM context) -> BOOL {
            if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
                *reinterpret_cast<bool*>(context) = true;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&waits));
    return waits;
}

// Whether some visible window, a message box just shown for instance, has not painted yet.
bool somethingWaitsForPaint() {
    bool waits = false;
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            if (IsWindowVisible(window) && waitsForPaint(window)) {
                *reinterpret_cast<bool*>(context) = true;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&waits));
    return waits;
}

RECT visibleWindowsBounds(int screenWidth, int screenHeight) {
    RECT bounds{screenWidth, screenHeight, 0, 0};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            RECT rect;
            if (IsWindowVisible(window) && GetWindowRect(window, &rect) && rect.right > rect.left &&
                rect.bottom > rect.top) {
                auto& bounds = *reinterpret_cast<RECT*>(context);
                bounds.left = std::min(bounds.left, rect.left);
                bounds.top = std::min(bounds.top, rect.top);
                bounds.right = std::max(bounds.right, rect.right);
                bounds.bottom = std::max(bounds.bottom, rect.bottom);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&bounds));
    if (bounds.right <= bounds.left) {
        return RECT{0, 0, screenWidth, screenHeight};
    }
    return RECT{std::max(0L, bounds.left - kMargin), std::max(0L, bounds.top - kMargin),
                std::min<LONG>(screenWidth, bounds.right + kMargin),
                std::min<LONG>(screenHeight, bounds.bottom + kMargin)};
}

}  // namespace

void saveScreenshot(const std::wstring& path) {
    // A program busy in a long step paints later or never; the picture is taken all the same.
    waitUntil(kPaintTimeoutMs, [] { return !somethingWaitsForPaint(); });
    HDC screen = GetDC(nullptr);
    const RECT area =
        visibleWindowsBounds(GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES));
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const int stride = (width * 3 + 3) & ~3;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const BOOL copied =
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY | CAPTUREBLT);
    GdiFlush();

    std::string file;
    if (copied && pixels != nullptr) {
        const DWORD imageSize = static_cast<DWORD>(stride) * static_cast<DWORD>(height);
        BITMAPFILEHEADER header{};
        header.bfType = 0x4D42;  // "BM"
        header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
        header.bfSize = header.bfOffBits + imageSize;
        file.append(reinterpret_cast<const char*>(&header), sizeof header);
        file.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
        file.append(static_cast<const char*>(pixels), imageSize);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    if (file.empty()) {
        throw DriverError("cannot copy the screen");
    }
    writeWholeFile(path, file);
}
