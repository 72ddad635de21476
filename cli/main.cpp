// mozhou-cli: the console front end over the same core as the window.
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/commands.h"

namespace {

const char* const kUsage =
    "usage: mozhou-cli COMMAND [ARGS]\n"
    "\n"
    "  query [--raw] [TEXT]   what Enter in the input box does with TEXT (or standard input):\n"
    "                         prints the result box. Text is UTF-8; with --raw the input is the\n"
    "                         exact bytes of standard input and the output the result's GBK bytes\n"
    "                         with CR LF line ends.\n"
    "  codes [--json]         for each line of standard input (UTF-8), a word: prints\n"
    "                         WORD<TAB>CODE<TAB>PINYIN, and for one character <TAB>SHORT CODES;\n"
    "                         a word with characters the dictionary lacks gets ? as its code and\n"
    "                         names them. --json: one object per line.\n"
    "  add [--raw] [--book FILE] [TEXT]\n"
    "                         what the add button does: adds TEXT (or standard input) to the\n"
    "                         vocabulary book FILE (default 生词本.txt here).\n"
    "  pinyin [--json] READING...\n"
    "                         every character of each toneless reading, with its Wubi codes.\n"
    "                         See mozhou-cli pinyin --help.\n"
    "  decode [--json] CODE...\n"
    "                         the characters that each Wubi code gives, exactly and as the\n"
    "                         start of a longer code. See mozhou-cli decode --help.\n"
    "\n"
    "Exit status: 0 done, 1 the book could not be saved (pinyin, decode: nothing found), 2 bad\n"
    "usage or text.\n";

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << kUsage;
        return 0;
    }
    std::span<const std::string_view> rest(args.begin() + 1, args.end());
    if (args[0] == "query") {
        return runQueryCommand(rest);
    }
    if (args[0] == "codes") {
        return runCodesCommand(rest);
    }
    if (args[0] == "add") {
        return runAddCommand(rest);
    }
    if (args[0] == "pinyin") {
        return runPinyinCommand(rest);
    }
    if (args[0] == "decode") {
        return runDecodeCommand(rest);
    }
    std::cerr << "mozhou-cli: unknown command '" << args[0] << "'\n" << kUsage;
    return 2;
}
