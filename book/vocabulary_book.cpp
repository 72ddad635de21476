#include "book/vocabulary_book.h"

#include "query/code_query.h"

namespace {

// The entry's literals, GBK. Every entry begins with its own line break.
const GbkText kCharacterPrefix("\r\n(");
const GbkText kTwoCharacterPrefix("\r\n\xB4\xCA\xD3\xEF(");                    // 词语(
const GbkText kThreeCharacterPrefix("\r\n\xC8\xFD\xD7\xD6\xB4\xCA\xD3\xEF(");  // 三字词语(
const GbkText kLongWordPrefix("\r\n\xB6\xE0\xD7\xD6\xB4\xCA\xD3\xEF(");        // 多字词语(
// An ASCII parenthesis, 的编码, a full-width colon and two ASCII spaces.
const GbkText kEntrySeparator(")\xB5\xC4\xB1\xE0\xC2\xEB\xA3\xBA  ");  // )的编码：

}  // namespace

GbkText composeEntry(const GbkText& word, const WubiDictionary& dictionary) {
    std::int32_t length = gbkLength(word);
    if (length == 2) {
        return gbkConcat(kCharacterPrefix, wubiStoredChar(dictionary, word), kEntrySeparator,
                         wubiFullCode(dictionary, word));
    }
    GbkText prefix;
    if (length == 4) {
        prefix = kTwoCharacterPrefix;
    } else if (length == 6) {
        prefix = kThreeCharacterPrefix;
    } else if (length >= 7) {
        prefix = kLongWordPrefix;
    } else {
        return GbkText();
    }
    return gbkConcat(prefix, word, kEntrySeparator, wubiWordCode(dictionary, word));
}

GbkText bookTextFromBytes(std::string_view bytes) {
    std::size_t end = 0;
    while (end < bytes.size()) {
        char first = bytes[end];
        if (first == '\0' || first == '\x1A') {
            break;
        }
        int n = gbkCharLength(bytes, end);
        if (n == 2 && bytes[end + 1] == '\0') {
            break;
        }
        // A lead byte that ends the file stays: the file is taken whole up to such a byte.
        end += n == 0 ? 1 : static_cast<std::size_t>(n);
    }
    return GbkText(bytes.substr(0, end));
}

void loadBook(WindowOperations& window, VocabularyBook& book) {
    ByteArray bytes;
    switch (book.file.read(bytes)) {
        case BookFile::ReadResult::Read:
            book.mayReplace = true;
            window.setText(EditBox::Vocabulary, bookTextFromBytes(bytes));
            break;
        case BookFile::ReadResult::Absent:
            book.mayReplace = true;
            break;
        case BookFile::ReadResult::Unreadable:
            book.mayReplace = false;
            break;
    }
}

SaveOutcome saveBook(VocabularyBook& book, const GbkText& bookText) {
    if (!book.mayReplace) {
        return SaveOutcome::Failed;
    }
    return book.file.replace(gbkToBytes(bookText)) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

SaveOutcome addToBook(WindowOperations& window, const WubiDictionary& dictionary,
                      VocabularyBook& book) {
    GbkText word = gbkStripSpaces(window.getText(EditBox::Input));
    if (gbkIsEmpty(word)) {
        return SaveOutcome::NotTried;
    }
    GbkText entry = composeEntry(word, dictionary);
    // The whole entry, from its line break to its last code letter, is the needle, so that a
    // word that only stands inside another entry is still added.
    if (!gbkIsEmpty(entry) && gbkFind(window.getText(EditBox::Vocabulary), entry) == -1) {
        window.appendText(EditBox::Vocabulary, entry);
    }
    return saveBook(book, window.getText(EditBox::Vocabulary));
}
