// Files beside the program, read and written whole by their Windows paths.
#pragma once

#include <optional>
#include <string>
#include <string_view>

std::optional<std::string> readWholeFile(const std::wstring& path);
void writeWholeFile(const std::wstring& path, std::string_view bytes);
bool fileExists(const std::wstring& path);
// The folder's path followed by a backslash and the name.
std::wstring pathIn(const std::wstring& folder, std::wstring_view name);

// The names of the files the program keeps beside itself.
extern const std::wstring kBookFileName;        // 生词本.txt
extern const std::wstring kDictionaryFileName;  // dic.dat
extern const std::wstring kSkinFileName;        // mozhou-skin.dll
