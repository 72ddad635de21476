// The program's files: its directory, the data it carries as resources, and whole-file reads and
// writes by full path.
#pragma once

#include <string>
#include <string_view>

#include "text/gbk_text.h"

// The directory of the program's executable file, without a closing backslash. Any length of
// path and any characters.
std::wstring programDirectory();
// dir followed by a backslash and name.
std::wstring programFilePath(const std::wstring& directory, std::wstring_view name);

// The bytes of an RCDATA resource of the program; empty when it is missing.
std::string_view programResource(int id);

// Creates the file or empties it, opened for writing with no sharing, and writes bytes whole.
// False when any step failed.
bool writeFileWhole(const std::wstring& path, std::string_view bytes);

enum class FileRead { Read, Absent, Unreadable };
// Reads the whole file, opened for reading only and shared with readers, writers and deleters,
// so that a file held open by another program or marked read-only is still read.
FileRead readFileWhole(const std::wstring& path, ByteArray& bytes);
