// pinyin and decode: from a reading to its characters and their codes, from a code to the
// characters it gives.
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/gbk_utf8.h"
#include "cli/json.h"
#include "cli/session.h"
#include "data/lookup_index.h"

namespace {

const char* const kPinyinHelp =
    "usage: mozhou-cli pinyin [--json] READING...\n"
    "\n"
    "For each reading, every character that has it among its readings (the second or third\n"
    "reading of a character with several counts as well), in the order of the pinyin table\n"
    "(by GBK code), one per line:\n"
    "\n"
    "  READING<TAB>CHARACTER<TAB>FULL CODE<TAB>SHORT CODES\n"
    "\n"
    "READING is the reading as it was looked up; SHORT CODES are the character's shorter Wubi\n"
    "codes separated by a space, empty when it has none. A reading is written without tones, in\n"
    "upper or lower case; the table writes u for ü, so v, u and ü are the same letter and\n"
    "lv gives the characters of lu and of lü alike.\n"
    "\n"
    "  --json   one object per reading, in UTF-8:\n"
    "           {\"input\":\"lv\",\"reading\":\"lu\",\"characters\":[{\"character\":\"驴\","
    "\"full\":\"cngg\",\"short\":[\"cn\"]},...]}\n"
    "\n"
    "Exit status: 0 every reading found; 1 a reading that no character has (the other readings\n"
    "are printed all the same); 2 bad usage.\n";

const char* const kDecodeHelp =
    "usage: mozhou-cli decode [--json] CODE...\n"
    "\n"
    "For each Wubi code, 1 to 4 of the letters a to y in upper or lower case, the characters it\n"
    "gives, one per line:\n"
    "\n"
    "  CODE<TAB>MATCH<TAB>CHARACTER<TAB>FULL CODE<TAB>SHORT CODES\n"
    "\n"
    "First the exact matches: MATCH is full for a character whose full code is CODE, short for\n"
    "one that has CODE among its short codes. Then the candidates, MATCH candidate: the\n"
    "characters whose full code begins with CODE and is longer, as a typist sees them while more\n"
    "letters are to come. A character whose full code is CODE is listed once, as an exact match;\n"
    "a character that CODE gives as a short code is listed again among the candidates when its\n"
    "full code begins with CODE. Both groups are in the dictionary's order (by GBK code). SHORT\n"
    "CODES are separated by a space, empty when the character has none.\n"
    "\n"
    "  --json   one object per code, in UTF-8:\n"
    "           {\"input\":\"kh\",\"code\":\"kh\",\"exact\":[{\"character\":\"中\","
    "\"full\":\"khk\",\"short\":[\"k\",\"kh\"],\"match\":\"short\"}],\"candidates\":[...]}\n"
    "           and for a text that is not a code "
    "{\"input\":\"z\",\"code\":null,\"error\":\"...\"}\n"
    "\n"
    "Exit status: 0 every code gives a character; 1 a code that gives none; 2 a text that is not\n"
    "a code (the other codes are printed all the same) or bad usage.\n";

struct Options {
    bool json = false;
    bool help = false;
    std::vector<std::string_view> inputs;
};

// Options anywhere among the inputs; after "--" everything is an input. Nothing on bad usage.
std::optional<Options> optionsOf(std::span<const std::string_view> args, std::string_view command,
                                 std::string_view usage) {
    Options options;
    bool optionsEnded = false;
    for (std::string_view arg : args) {
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            options.inputs.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else {
            std::cerr << "mozhou-cli " << command << ": unknown option '" << arg << "'\n" << usage;
            return std::nullopt;
        }
    }
    if (options.inputs.empty() && !options.help) {
        std::cerr << "mozhou-cli " << command << ": nothing to look up\n" << usage;
        return std::nullopt;
    }
    return options;
}

// An argument as GBK text; GBK has no capital Ü, so it is taken as ü before the conversion.
std::optional<GbkText> argumentText(std::string_view utf8) {
    constexpr std::string_view kCapital = "\xC3\x9C";  // Ü in UTF-8
    constexpr std::string_view kSmall = "\xC3\xBC";    // ü
    std::string text(utf8);
    for (std::size_t at = text.find(kCapital); at != std::string::npos;
         at = text.find(kCapital, at)) {
        text.replace(at, kCapital.size(), kSmall);
    }
    return gbkFromUtf8(text);
}

// A character without a full code is one the dictionary lacks; it is shown as the codes
// command shows such a word.
std::string fullCodeText(const WubiEntry& entry) {
    return gbkIsEmpty(entry.fullCode) ? "?" : gbkToUtf8(entry.fullCode);
}

// CHARACTER<TAB>FULL CODE<TAB>SHORT CODES
std::string entryLine(const WubiEntry& entry) {
    return gbkToUtf8(entry.character) + '\t' + fullCodeText(entry) + '\t' +
           gbkJoinToUtf8(entry.shortCodes, " ");
}

// "character":...,"full":...,"short":[...], without the braces.
std::string entryJsonFields(const WubiEntry& entry) {
    std::string out = "\"character\":" + jsonString(gbkToUtf8(entry.character));
    out += ",\"full\":";
    out += gbkIsEmpty(entry.fullCode) ? "null" : jsonString(gbkToUtf8(entry.fullCode));
    return out + ",\"short\":" + jsonArrayOfGbk(entry.shortCodes);
}

std::string_view matchName(CodeMatch match) {
    return match == CodeMatch::Full ? "full" : "short";
}

// Says what is wrong with a text that is not a code.
std::string_view faultText(CodeFault fault) {
    switch (fault) {
        case CodeFault::Empty:
            return "it is empty";
        case CodeFault::NotALetter:
            return "a code is written with the letters a to y only";
        case CodeFault::TooLong:
            return "a code has at most 4 letters";
        case CodeFault::None:
            break;
    }
    return "";
}

// The exit status when the command ends before any look-up: 2 for bad usage, 0 after --help.
std::optional<int> endsBeforeLookingUp(const std::optional<Options>& options, const char* help) {
    if (!options) {
        return 2;
    }
    if (options->help) {
        std::cout << help;
        return 0;
    }
    return std::nullopt;
}

}  // namespace

int runPinyinCommand(std::span<const std::string_view> args) {
    const char* const usage = "usage: mozhou-cli pinyin [--json] READING...\n";
    std::optional<Options> options = optionsOf(args, "pinyin", usage);
    if (std::optional<int> status = endsBeforeLookingUp(options, kPinyinHelp)) {
        return *status;
    }
    CliSession session = startCliSession();
    const LookupIndex index(session.dictionary);
    int status = 0;
    for (std::string_view input : options->inputs) {
        std::optional<GbkText> written = argumentText(input);
        std::optional<std::string> reading;
        std::span<const WubiEntry* const> characters;
        if (written) {
            reading = gbkToUtf8(lookupReadingKey(*written));
            characters = lookupCharactersOfReading(index, *written);
        }
        if (options->json) {
            std::cout << "{\"input\":" << jsonString(input)
                      << ",\"reading\":" << (reading ? jsonString(*reading) : "null")
                      << ",\"characters\":[";
            for (std::size_t i = 0; i < characters.size(); ++i) {
                std::cout << (i ? ",{" : "{") << entryJsonFields(*characters[i]) << "}";
            }
            std::cout << "]}\n";
        } else {
            for (const WubiEntry* entry : characters) {
                std::cout << *reading << '\t' << entryLine(*entry) << '\n';
            }
        }
        if (characters.empty()) {
            std::cerr << "mozhou-cli pinyin: no character has the reading '" << input << "'";
            if (!reading || reading->empty() ||
                !std::all_of(reading->begin(), reading->end(),
                             [](char c) { return c >= 'a' && c <= 'z'; })) {
                std::cerr << " (a reading is written in letters, without tones)";
            }
            std::cerr << '\n';
            status = 1;
        }
    }
    return status;
}

int runDecodeCommand(std::span<const std::string_view> args) {
    const char* const usage = "usage: mozhou-cli decode [--json] CODE...\n";
    std::optional<Options> options = optionsOf(args, "decode", usage);
    if (std::optional<int> status = endsBeforeLookingUp(options, kDecodeHelp)) {
        return *status;
    }
    CliSession session = startCliSession();
    const LookupIndex index(session.dictionary);
    int status = 0;
    for (std::string_view input : options->inputs) {
        std::optional<GbkText> written = argumentText(input);
        GbkText code = written ? lookupCodeKey(*written) : GbkText();
        CodeFault fault = written ? lookupCodeFault(code) : CodeFault::NotALetter;
        if (fault != CodeFault::None) {
            if (options->json) {
                std::cout << "{\"input\":" << jsonString(input)
                          << ",\"code\":null,\"error\":" << jsonString(faultText(fault)) << "}\n";
            }
            std::cerr << "mozhou-cli decode: '" << input << "' is not a code: " << faultText(fault)
                      << '\n';
            status = 2;
            continue;
        }
        const std::string codeText(code.bytes());
        std::span<const ExactCodeMatch> exact = lookupExactMatches(index, code);
        std::span<const WubiEntry* const> candidates = lookupCandidates(index, code);
        if (options->json) {
            std::cout << "{\"input\":" << jsonString(input) << ",\"code\":" << jsonString(codeText)
                      << ",\"exact\":[";
            for (std::size_t i = 0; i < exact.size(); ++i) {
                std::cout << (i ? ",{" : "{") << entryJsonFields(*exact[i].entry) << ",\"match\":\""
                          << matchName(exact[i].match) << "\"}";
            }
            std::cout << "],\"candidates\":[";
            for (std::size_t i = 0; i < candidates.size(); ++i) {
                std::cout << (i ? ",{" : "{") << entryJsonFields(*candidates[i]) << "}";
            }
            std::cout << "]}\n";
        } else {
            for (const ExactCodeMatch& match : exact) {
                std::cout << codeText << '\t' << matchName(match.match) << '\t'
                          << entryLine(*match.entry) << '\n';
            }
            for (const WubiEntry* entry : candidates) {
                std::cout << codeText << "\tcandidate\t" << entryLine(*entry) << '\n';
            }
        }
        if (exact.empty() && candidates.empty()) {
            std::cerr << "mozhou-cli decode: no character has a code that begins with '" << codeText
                      << "'\n";
            status = std::max(status, 1);
        }
    }
    return status;
}
