// The vocabulary book: entries of looked-up characters and words with their codes, kept as the
// vocabulary box's text and saved byte for byte as the book file.
//
// The book has no structure of its own: its only state is the vocabulary box's text. Entries are
// never parsed back; the duplicate test is a search of that text, and the file is a copy of it.
#pragma once

#include <string>
#include <string_view>

#include "data/wubi_dictionary.h"
#include "text/gbk_text.h"
#include "window/window_operations.h"

// The book file by the platform's means.
class BookFile {
public:
    virtual ~BookFile() = default;

    enum class ReadResult { Read, Absent, Unreadable };
    // Reads the whole file, opened for reading only. Absent when no file stands at the path.
    virtual ReadResult read(ByteArray& bytes) = 0;
    // Replaces the file whole in one step: the new bytes go to a temporary file in the same
    // folder, which then takes the book file's place. False when it failed; the old file then
    // stands as it was.
    virtual bool replace(const ByteArray& bytes) = 0;
    // The file's name as the user knows it, UTF-8, for messages.
    virtual std::string displayName() const = 0;
    // Why the last read or replace failed, UTF-8, for messages; empty when not known.
    virtual std::string failureReason() const { return {}; }
};

// The book between start-up and the end of the program.
struct VocabularyBook {
    BookFile& file;
    // False when a book file existed at start but could not be read: it is never replaced
    // then, so that nothing already in it is lost.
    bool mayReplace = true;
};

// NotTried: the word was empty, so nothing was appended and the file was not touched.
enum class SaveOutcome { NotTried, Saved, Failed };

// The entry for a space-free word: CR LF, a prefix by the word's length, the word, ")的编码：  "
// and four code letters. The empty text for 0, 1, 3 or 5 bytes.
GbkText composeEntry(const GbkText& word, const WubiDictionary& dictionary);

// The book text in a file's bytes: up to the first 0x00 or 0x1A where a character begins, or
// up to a lead byte followed by 0x00.
GbkText bookTextFromBytes(std::string_view bytes);

// Fills the vocabulary box from the book file when it exists; creates no file. A file that
// exists but cannot be read leaves the box as it is and makes the book one that is never
// replaced.
void loadBook(WindowOperations& window, VocabularyBook& book);

// Saves the book text whole; Failed, without touching the file, when the book may not be
// replaced.
SaveOutcome saveBook(VocabularyBook& book, const GbkText& bookText);

// The add button: composes the input box's entry, appends it unless the book text holds it
// already, and saves the book unless the word is empty. The box keeps its text whatever the save
// gives, so that the next save writes it all.
SaveOutcome addToBook(WindowOperations& window, const WubiDictionary& dictionary,
                      VocabularyBook& book);
