// The console front end's window: in memory, started as the Windows program starts its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/wubi_dictionary.h"
#include "window/memory_window.h"

struct CliSession {
    MemoryWindow window;
    WubiDictionary dictionary;
    GbkTextList forbidden;
};

// The about text in the result box, the carried dictionary, the forbidden list built.
CliSession startCliSession();

// Standard input whole, as bytes.
std::string readStandardInput();
// A text given in UTF-8 as the input box would hold it; nothing when GBK cannot hold it.
// A final line break of text read from standard input ends the typed line and is dropped.
std::optional<GbkText> inputFromUtf8(std::string utf8, bool fromStandardInput);
