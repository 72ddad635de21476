// The subcommands of mozhou-cli. Each takes the arguments after its name and gives the exit code.
#pragma once

#include <span>
#include <string_view>

int runQueryCommand(std::span<const std::string_view> args);   // query [--raw] [TEXT]
int runCodesCommand(std::span<const std::string_view> args);   // codes [--json]
int runAddCommand(std::span<const std::string_view> args);     // add [--raw] [--book FILE] [TEXT]
int runPinyinCommand(std::span<const std::string_view> args);  // pinyin [--json] READING...
int runDecodeCommand(std::span<const std::string_view> args);  // decode [--json] CODE...
