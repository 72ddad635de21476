#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/gbk_utf8.h"
#include "cli/json.h"
#include "cli/session.h"
#include "data/pinyin_table.h"
#include "data/wubi_entries.h"
#include "query/code_query.h"

namespace {

// The characters of a word that the dictionary does not hold, as the word writes them.
std::vector<GbkText> unknownCharacters(const WubiDictionary& dictionary, const GbkText& word) {
    std::vector<GbkText> unknown;
    std::string_view bytes = word.bytes();
    for (std::size_t i = 0; i < bytes.size();) {
        int n = gbkCharLength(bytes, i);
        GbkText c(bytes.substr(i, n == 0 ? 1 : n));
        if (!wubiEntryOf(dictionary, c)) {
            unknown.push_back(c);
        }
        i += n == 0 ? 1 : n;
    }
    return unknown;
}

struct WordCodes {
    std::string word;
    std::string code;
    std::string pinyin;
    std::vector<GbkText> shortCodes;
    std::vector<GbkText> unknown;
};

WordCodes codesOf(CliSession& session, const GbkText& word) {
    WordCodes result;
    result.word = gbkToUtf8(word);
    result.unknown = unknownCharacters(session.dictionary, word);
    result.pinyin = gbkToUtf8(pinyinOfText(session.window, word));
    if (!result.unknown.empty()) {
        return result;
    }
    if (gbkLength(word) == 2) {
        auto entry = wubiEntryOf(session.dictionary, word);
        result.code = gbkToUtf8(entry->fullCode);
        result.shortCodes = entry->shortCodes;
    } else {
        result.code = gbkToUtf8(wubiWordCode(session.dictionary, word));
    }
    return result;
}

}  // namespace

int runCodesCommand(std::span<const std::string_view> args) {
    bool json = false;
    for (std::string_view arg : args) {
        if (arg == "--json") {
            json = true;
        } else {
            std::cerr << "mozhou-cli codes: unexpected argument '" << arg
                      << "'\nusage: mozhou-cli codes [--json] < words.txt\n";
            return 2;
        }
    }
    CliSession session = startCliSession();
    std::istringstream lines(readStandardInput());
    std::string line;
    int status = 0;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        auto word = gbkFromUtf8(line);
        if (!word) {
            std::cerr << "mozhou-cli codes: line " << number
                      << " is not UTF-8 or holds a character that GBK cannot write\n";
            status = 2;
            continue;
        }
        GbkText spaceFree = gbkStripSpaces(*word);
        if (gbkIsEmpty(spaceFree)) {
            continue;
        }
        WordCodes codes = codesOf(session, spaceFree);
        if (json) {
            std::cout << "{\"word\":" << jsonString(codes.word);
            if (codes.unknown.empty()) {
                std::cout << ",\"code\":" << jsonString(codes.code);
            } else {
                std::cout << ",\"code\":null,\"unknown\":" << jsonArrayOfGbk(codes.unknown);
            }
            std::cout << ",\"pinyin\":" << jsonString(codes.pinyin);
            if (!codes.shortCodes.empty()) {
                std::cout << ",\"short\":" << jsonArrayOfGbk(codes.shortCodes);
            }
            std::cout << "}\n";
        } else if (codes.unknown.empty()) {
            std::cout << codes.word << '\t' << codes.code << '\t' << codes.pinyin;
            if (!codes.shortCodes.empty()) {
                std::cout << '\t' << gbkJoinToUtf8(codes.shortCodes, " ");
            }
            std::cout << '\n';
        } else {
            std::cout << codes.word << "\t?\t" << codes.pinyin
                      << "\tnot in the dictionary: " << gbkJoinToUtf8(codes.unknown, " ") << '\n';
        }
    }
    return status;
}
