#include "app/windows_book_file.h"

#include <windows.h>

#include "app/gbk_boundary.h"
#include "app/program_files.h"
#include "app/win32_handles.h"

namespace {

std::wstring systemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length != 0 ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    return message.empty() ? L"error " + std::to_wstring(error) : message;
}

// A temporary file beside the book, created new so that nothing else is ever overwritten.
UniqueFile createTemporaryFile(const std::wstring& bookPath, std::wstring& temporaryPath) {
    const DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (DWORD attempt = 0; attempt < 100; ++attempt) {
        wchar_t suffix[16];
        wsprintfW(suffix, L".%08lx.tmp", static_cast<unsigned long>(seed + attempt * 7919u));
        temporaryPath = bookPath + suffix;
        UniqueFile file = uniqueFile(CreateFileW(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr,
                                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return nullptr;
}

}  // namespace

void WindowsBookFile::fail(const wchar_t* what, unsigned long error) {
    failure_ = std::wstring(what) + L"\uFF1A" + systemMessage(error);  // ：
}

BookFile::ReadResult WindowsBookFile::read(ByteArray& bytes) {
    failure_.clear();
    const FileRead outcome = readFileWhole(path_, bytes);
    const DWORD error = GetLastError();
    switch (outcome) {
        case FileRead::Read:
            return ReadResult::Read;
        case FileRead::Absent:
            return ReadResult::Absent;
        case FileRead::Unreadable:
            break;
    }
    fail(L"\u65E0\u6CD5\u8BFB\u53D6", error);  // 无法读取
    return ReadResult::Unreadable;
}

bool WindowsBookFile::replace(const ByteArray& bytes) {
    failure_.clear();
    // Windows refuses to move a file over a read-only one, but not every system that runs the
    // program does; a book its owner marked read-only stays as it is everywhere.
    const DWORD attributes = GetFileAttributesW(path_.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        // 文件是只读的
        fail(L"\u6587\u4EF6\u662F\u53EA\u8BFB\u7684", ERROR_ACCESS_DENIED);
        return false;
    }
    std::wstring temporaryPath;
    bool written = false;
    {
        UniqueFile file = createTemporaryFile(path_, temporaryPath);
        if (!file) {
            // 无法在同一文件夹中新建文件
            fail(L"\u65E0\u6CD5\u5728\u540C\u4E00\u6587\u4EF6\u5939\u4E2D\u65B0\u5EFA\u6587\u4EF6",
                 GetLastError());
            return false;
        }
        std::string_view rest = bytes;
        written = true;
        while (written && !rest.empty()) {
            const DWORD chunk = rest.size() > 1u << 20 ? 1u << 20 : static_cast<DWORD>(rest.size());
            DWORD done = 0;
            written = WriteFile(file.get(), rest.data(), chunk, &done, nullptr) && done != 0;
            rest.remove_prefix(done);
        }
        if (!written) {
            fail(L"\u65E0\u6CD5\u5199\u5165", GetLastError());  // 无法写入
        } else if (!FlushFileBuffers(file.get())) {
            written = false;
            fail(L"\u65E0\u6CD5\u5199\u5165\u78C1\u76D8", GetLastError());  // 无法写入磁盘
        }
    }
    // A book open elsewhere without delete sharing makes the move fail and stays as it was.
    if (written && !MoveFileExW(temporaryPath.c_str(), path_.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        written = false;
        // 无法替换原来的文件
        fail(L"\u65E0\u6CD5\u66FF\u6362\u539F\u6765\u7684\u6587\u4EF6", GetLastError());
    }
    if (!written) {
        DeleteFileW(temporaryPath.c_str());
    }
    return written;
}

std::string WindowsBookFile::displayName() const {
    return utf8FromWide(path_);
}

std::string WindowsBookFile::failureReason() const {
    return utf8FromWide(failure_);
}
