#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/gbk_utf8.h"
#include "cli/session.h"
#include "query/screening.h"

namespace {

// Without --raw the result is shown with LF line ends, as a console reads best.
std::string forConsole(const GbkText& result) {
    std::string utf8 = gbkToUtf8(result);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
            continue;
        }
        out += utf8[i];
    }
    return out;
}

}  // namespace

int runQueryCommand(std::span<const std::string_view> args) {
    bool raw = false;
    std::optional<std::string> text;
    for (std::string_view arg : args) {
        if (arg == "--raw") {
            raw = true;
        } else if (!text && !(arg.size() > 1 && arg.starts_with("--"))) {
            text = std::string(arg);
        } else {
            std::cerr << "mozhou-cli query: unexpected argument '" << arg
                      << "'\nusage: mozhou-cli query [--raw] [TEXT]\n";
            return 2;
        }
    }
    const bool fromStandardInput = !text;
    std::string bytes = fromStandardInput ? readStandardInput() : *text;

    CliSession session = startCliSession();
    GbkText input;
    if (raw) {
        input = gbkFromBytes(bytes);
    } else if (auto converted = inputFromUtf8(std::move(bytes), fromStandardInput)) {
        input = *converted;
    } else {
        std::cerr << "mozhou-cli query: the text is not UTF-8, or holds a character that GBK "
                     "cannot write\n";
        return 2;
    }
    session.window.setText(EditBox::Input, input);
    onInputKeyDown(session.window, session.dictionary, session.forbidden, kEnterKey);

    const GbkText result = session.window.getText(EditBox::Result);
    if (raw) {
        std::cout << result.bytes();
    } else {
        std::cout << forConsole(result) << '\n';
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}
