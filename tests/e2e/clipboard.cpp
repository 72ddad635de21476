#include "tests/e2e/clipboard.h"

#include <cstring>

#include "tests/e2e/report.h"
#include "tests/e2e/wait.h"

namespace {

constexpr int kOpenTimeoutMs = 5000;

// Opens the clipboard (another program may hold it for a moment), empties it, and closes it
// again when the scope ends.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) {
        awaitCondition("the clipboard to open", kOpenTimeoutMs,
                       [&] { return OpenClipboard(owner) != 0; });
        EmptyClipboard();
    }
    ~OpenClipboardScope() { CloseClipboard(); }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

HGLOBAL globalCopy(const void* bytes, size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) {
        throw DriverError("out of memory for the clipboard");
    }
    std::memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    return memory;
}

void put(UINT format, HGLOBAL memory) {
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        throw DriverError("cannot put data on the clipboard");
    }
}

}  // namespace

void putTextOnClipboard(HWND owner, std::wstring_view text) {
    const OpenClipboardScope scope(owner);
    std::wstring terminated(text);
    terminated += L'\0';
    put(CF_UNICODETEXT, globalCopy(terminated.data(), terminated.size() * sizeof(wchar_t)));
}

void putImageOnClipboard(HWND owner) {
    const OpenClipboardScope scope(owner);
    struct SmallPicture {
        BITMAPINFOHEADER header;
        DWORD pixels[8 * 8];
    } picture{};
    picture.header.biSize = sizeof picture.header;
    picture.header.biWidth = 8;
    picture.header.biHeight = 8;
    picture.header.biPlanes = 1;
    picture.header.biBitCount = 32;
    picture.header.biCompression = BI_RGB;
    for (DWORD& pixel : picture.pixels) {
        pixel = 0x00C04020;
    }
    put(CF_DIB, globalCopy(&picture, sizeof picture));
}

void emptyClipboard(HWND owner) {
    const OpenClipboardScope scope(owner);
}
