// One owner for every Windows handle the program opens: files, fonts, the skinning library, the
// clipboard and locked clipboard memory are released on every path out of a scope.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

struct FileHandleCloser {
    void operator()(HANDLE file) const noexcept { CloseHandle(file); }
};
// INVALID_HANDLE_VALUE is what CreateFileW gives on failure; hold nothing then.
using UniqueFile = std::unique_ptr<std::remove_pointer_t<HANDLE>, FileHandleCloser>;
inline UniqueFile uniqueFile(HANDLE file) {
    return UniqueFile(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

struct FontDeleter {
    void operator()(HFONT font) const noexcept { DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

struct ModuleFreer {
    void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

// The clipboard, open for as long as this lives.
class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) noexcept : open_(OpenClipboard(owner) != FALSE) {}
    ~ClipboardSession() {
        if (open_) {
            CloseClipboard();
        }
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;

    bool isOpen() const { return open_; }

private:
    bool open_;
};

// Global memory locked for reading for as long as this lives.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL memory) noexcept
        : memory_(memory), data_(memory != nullptr ? GlobalLock(memory) : nullptr) {}
    ~GlobalLockGuard() {
        if (data_ != nullptr) {
            GlobalUnlock(memory_);
        }
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

    const void* data() const { return data_; }
    std::size_t size() const { return data_ != nullptr ? GlobalSize(memory_) : 0; }

private:
    HGLOBAL memory_;
    void* data_;
};
