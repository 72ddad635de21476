#include "cli/session.h"

#include <iostream>
#include <iterator>

#include "cli/gbk_utf8.h"
#include "query/screening.h"

CliSession startCliSession() {
    CliSession session{MemoryWindow(), WubiDictionary(gbkFromBytes(wubiEmbeddedDicDat())),
                       loadForbiddenList(storedForbiddenList())};
    session.window.setText(EditBox::Result, aboutText());
    session.window.setText(EditBox::DictionaryHolder, session.dictionary.text());
    session.window.setText(EditBox::ForbiddenListHolder, storedForbiddenList());
    session.window.setText(EditBox::WarningTextHolder, warningText());
    return session;
}

std::string readStandardInput() {
    std::cin >> std::noskipws;
    return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
}

std::optional<GbkText> inputFromUtf8(std::string utf8, bool fromStandardInput) {
    if (fromStandardInput && !utf8.empty() && utf8.back() == '\n') {
        utf8.pop_back();
        if (!utf8.empty() && utf8.back() == '\r') {
            utf8.pop_back();
        }
    }
    return gbkFromUtf8(utf8);
}
