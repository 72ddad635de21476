#include <iostream>
#include <optional>
#include <string>

#include "book/vocabulary_book.h"
#include "cli/commands.h"
#include "cli/posix_book_file.h"
#include "cli/session.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: mozhou-cli add [--raw] [--book FILE] [TEXT]\n"
    "\n"
    "Adds a character or a word with its Wubi code to the vocabulary book, as the add button\n"
    "does: spaces are removed, the entry is appended unless the book holds it already, and the\n"
    "book file is saved whole. Prints nothing when it succeeds.\n"
    "\n"
    "  TEXT         the character or word, UTF-8. Without TEXT it is read from standard input,\n"
    "               where one final line break (LF or CR LF) ends the typed line and is not part\n"
    "               of the word.\n"
    "  --raw        take TEXT or standard input as GBK bytes, exactly as they are, up to the\n"
    "               first NUL byte; a final line break is then part of the word\n"
    "  --book FILE  the book file (default: \xE7\x94\x9F\xE8\xAF\x8D\xE6\x9C\xAC.txt in the "
    "current folder)\n"
    "  --help       show this text\n"
    "\n"
    "Without --raw the text must hold no line break and only characters that GBK can hold.\n"
    "Text that is empty or only spaces adds nothing and leaves the book file as it is.\n"
    "\n"
    "Exit status: 0 done; 1 the book could not be saved (the message names the file; a book\n"
    "that exists but cannot be read is never replaced); 2 bad usage, or text that cannot be\n"
    "taken.\n";

// The default book file, beside where the command runs.
constexpr const char* kDefaultBook = "\xE7\x94\x9F\xE8\xAF\x8D\xE6\x9C\xAC.txt";  // 生词本.txt

struct AddOptions {
    bool raw = false;
    std::string book = kDefaultBook;
    std::optional<std::string_view> text;
};

int usageError(std::string_view message) {
    std::cerr << "mozhou-cli add: " << message << "\nTry 'mozhou-cli add --help'.\n";
    return 2;
}

// The input box's text from what the user gave, or the exit code of a failure already told.
struct TypedText {
    GbkText text;
    int failure = 0;
};

TypedText typedText(const AddOptions& options) {
    const bool fromStandardInput = !options.text;
    std::string bytes = fromStandardInput ? readStandardInput() : std::string(*options.text);
    if (options.raw) {
        return {gbkFromBytes(bytes), 0};
    }
    std::optional<GbkText> text = inputFromUtf8(std::move(bytes), fromStandardInput);
    if (!text) {
        std::cerr << "mozhou-cli add: the text is not UTF-8, or holds a character that GBK "
                     "cannot write; nothing was added\n";
        return {GbkText(), 2};
    }
    // A line break inside the word would put a broken line into the book. In GBK the bytes of
    // CR and LF stand only for themselves.
    if (text->bytes().find_first_of("\r\n") != std::string_view::npos) {
        std::cerr << "mozhou-cli add: the text holds a line break; give one word at a time\n";
        return {GbkText(), 2};
    }
    return {*text, 0};
}

}  // namespace

int runAddCommand(std::span<const std::string_view> args) {
    AddOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            std::cout << kUsage;
            return 0;
        } else if (!optionsEnded && arg == "--raw") {
            options.raw = true;
        } else if (!optionsEnded && (arg == "--book" || arg.starts_with("--book="))) {
            std::string_view file;
            if (arg == "--book") {
                if (i + 1 == args.size()) {
                    return usageError("--book needs a FILE");
                }
                file = args[++i];
            } else {
                file = arg.substr(7);
            }
            if (file.empty()) {
                return usageError("--book needs a FILE");
            }
            options.book = std::string(file);
        } else if (!optionsEnded && arg.starts_with("-") && arg.size() > 1) {
            return usageError("unknown option '" + std::string(arg) +
                              "' (write -- before a TEXT that begins with -)");
        } else if (options.text) {
            return usageError("give the text as one argument (quote it when it holds spaces)");
        } else {
            options.text = arg;
        }
    }

    TypedText typed = typedText(options);
    if (typed.failure != 0) {
        return typed.failure;
    }

    // The book as the program has it: loaded into the vocabulary box at start, then the add.
    CliSession session = startCliSession();
    PosixBookFile file(options.book);
    VocabularyBook book{file};
    loadBook(session.window, book);
    std::string unreadable = book.mayReplace ? std::string() : file.failureReason();

    session.window.setText(EditBox::Input, typed.text);
    if (addToBook(session.window, session.dictionary, book) != SaveOutcome::Failed) {
        return 0;
    }
    if (!book.mayReplace) {
        std::cerr << "mozhou-cli add: the vocabulary book " << file.displayName()
                  << " exists but cannot be read (" << unreadable
                  << "); it is left as it is, and the word was not added\n";
    } else {
        std::cerr << "mozhou-cli add: cannot save the vocabulary book " << file.displayName()
                  << ": " << file.failureReason() << "\n";
    }
    return 1;
}
