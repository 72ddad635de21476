#include "app/program_files.h"

#include <windows.h>

#include "app/win32_handles.h"

std::wstring programDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        // A full buffer may hold a cut path; try again with more room.
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

std::wstring programFilePath(const std::wstring& directory, std::wstring_view name) {
    std::wstring path = directory;
    path += L'\\';
    path += name;
    return path;
}

std::string_view programResource(int id) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (found == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return {};
    }
    return {static_cast<const char*>(data), SizeofResource(nullptr, found)};
}

bool writeFileWhole(const std::wstring& path, std::string_view bytes) {
    UniqueFile file = uniqueFile(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 1u << 20 ? 1u << 20 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

FileRead readFileWhole(const std::wstring& path, ByteArray& bytes) {
    UniqueFile file = uniqueFile(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? FileRead::Absent
                   : FileRead::Unreadable;
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        return FileRead::Unreadable;
    }
    ByteArray content;
    char buffer[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) {
            return FileRead::Unreadable;
        }
        if (read == 0) {
            break;
        }
        content.append(buffer, read);
    }
    bytes = std::move(content);
    return FileRead::Read;
}
