#include "tests/e2e/files.h"

#include <windows.h>

#include "skin/skin.h"
#include "tests/e2e/report.h"

const std::wstring kBookFileName = L"\u751F\u8BCD\u672C.txt";  // 生词本.txt
const std::wstring kDictionaryFileName = L"dic.dat";
const std::wstring kSkinFileName = MOZHOU_SKIN_DLL_NAME;

namespace {

struct FileHandle {
    HANDLE handle;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
};

}  // namespace

std::optional<std::string> readWholeFile(const std::wstring& path) {
    // Shared with everyone, so that reading never disturbs the program's own opening.
    const FileHandle file{CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.handle, &size)) {
        return std::nullopt;
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

void writeWholeFile(const std::wstring& path, std::string_view bytes) {
    const FileHandle file{CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr)};
    DWORD written = 0;
    if (file.handle == INVALID_HANDLE_VALUE ||
        !WriteFile(file.handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                   nullptr) ||
        written != bytes.size()) {
        throw DriverError("cannot write a file for the test (error " +
                          std::to_string(GetLastError()) + ")");
    }
}

bool fileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring pathIn(const std::wstring& folder, std::wstring_view name) {
    return folder + L"\\" + std::wstring(name);
}
