#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <vector>

#include "book/vocabulary_book.h"
#include "cli/commands.h"
#include "cli/posix_book_file.h"
#include "query/code_query.h"
#include "tests/gbk_literal.h"
#include "window/memory_window.h"

namespace {

namespace fs = std::filesystem;

const WubiDictionary& dictionary() {
    static const WubiDictionary d(gbkFromBytes(wubiEmbeddedDicDat()));
    return d;
}

// A book file in memory: what was read, what was saved, and failures on demand.
class MemoryBookFile : public BookFile {
public:
    ReadResult readResult = ReadResult::Absent;
    ByteArray content;
    bool replaceFails = false;
    int replaceCalls = 0;

    ReadResult read(ByteArray& bytes) override {
        if (readResult == ReadResult::Read) {
            bytes = content;
        }
        return readResult;
    }
    bool replace(const ByteArray& bytes) override {
        ++replaceCalls;
        if (replaceFails) {
            return false;
        }
        content = bytes;
        readResult = ReadResult::Read;
        return true;
    }
    std::string displayName() const override { return "memory"; }
};

// The window and the book as the program has them after start-up.
struct Desk {
    MemoryWindow window;
    MemoryBookFile file;
    VocabularyBook book{file};

    SaveOutcome add(const GbkText& input) {
        window.setText(EditBox::Input, input);
        return addToBook(window, dictionary(), book);
    }
    GbkText bookText() const { return window.getText(EditBox::Vocabulary); }
};

TEST(VocabularyBook, EntriesTakeTheirFormFromTheWordsLength) {
    struct Case {
        const char* input;
        const char* entry;
        std::int32_t length;
    };
    const Case cases[] = {
        {"啊", "\r\n(啊)的编码：  kbsk", 20},
        {"哀", "\r\n(哀)的编码：  yeu ", 20},  // the three-letter full code ends in a space
        {"爱人", "\r\n词语(爱人)的编码：  epww", 26},
        {"安 的", "\r\n词语(安的)的编码：  pvrq", 26},  // spaces never reach the entry
        {"有我", "\r\n词语(有我)的编码：  detr", 26},   // d from def, not the short code e
        {"我爱人", "\r\n三字词语(我爱人)的编码：  teww", 32},
        {"我有爱的人", "\r\n多字词语(我有爱的人)的编码：  tdew", 36},  // 的 adds nothing
        {"　中　国　", "\r\n词语(中国)的编码：  khlg", 26},            // full-width spaces too
    };
    for (const Case& c : cases) {
        Desk desk;
        EXPECT_EQ(desk.add(gbk(c.input)), SaveOutcome::Saved) << c.input;
        EXPECT_EQ(desk.bookText(), gbk(c.entry)) << c.input;
        EXPECT_EQ(gbkLength(desk.bookText()), c.length) << c.input;
        EXPECT_EQ(desk.file.content, gbkToBytes(gbk(c.entry))) << "the file is the box's text";
        EXPECT_EQ(desk.window.getText(EditBox::Input), gbk(c.input)) << "the input stays";
    }

    Desk desk;
    desk.add(gbk("啊"));
    EXPECT_EQ(desk.file.content,
              ByteArray("\x0D\x0A\x28\xB0\xA1\x29\xB5\xC4\xB1\xE0\xC2\xEB\xA3\xBA\x20\x20\x6B\x62"
                        "\x73\x6B"));
}

TEST(VocabularyBook, OddLengthsGiveNoEntryButTheBookIsSaved) {
    for (const char* input : {"a", "中a", "中国a"}) {
        Desk desk;
        EXPECT_EQ(composeEntry(gbk(input), dictionary()), GbkText()) << input;
        EXPECT_EQ(desk.add(gbk(input)), SaveOutcome::Saved) << input;
        EXPECT_EQ(desk.file.replaceCalls, 1) << input;
        EXPECT_EQ(desk.file.content, ByteArray()) << "an empty book saves as 0 bytes";
    }

    // From 7 bytes on every length takes the long-word form, even when its last pair cuts a
    // character: here the second byte of 人 and the letter.
    const GbkText word = gbk("我爱人a");
    const GbkText entry = composeEntry(word, dictionary());
    EXPECT_EQ(gbkLength(entry), 26 + 7);
    EXPECT_EQ(entry,
              gbkConcat(gbk("\r\n多字词语(我爱人a)的编码：  "), wubiWordCode(dictionary(), word)));
    EXPECT_EQ(gbkLeft(wubiWordCode(dictionary(), word), 3), GbkText("tew"));
}

TEST(VocabularyBook, AnEmptyWordDoesNothingAtAll) {
    for (const char* input : {"", "   ", "　 　"}) {
        Desk desk;
        desk.window.setText(EditBox::Vocabulary, GbkText("kept"));
        EXPECT_EQ(desk.add(gbk(input)), SaveOutcome::NotTried) << input;
        EXPECT_EQ(desk.file.replaceCalls, 0) << "no file is created or touched";
        EXPECT_EQ(desk.bookText(), GbkText("kept"));
    }
}

TEST(VocabularyBook, AnEntryAlreadyInTheBookIsNotAddedAgain) {
    const GbkText zhongguo = gbk("\r\n词语(中国)的编码：  khlg");

    Desk twice;
    twice.add(gbk("中国"));
    EXPECT_EQ(twice.add(gbk("中 国")), SaveOutcome::Saved);
    EXPECT_EQ(twice.add(gbk("中国")), SaveOutcome::Saved);
    EXPECT_EQ(twice.bookText(), zhongguo);
    EXPECT_EQ(twice.file.content, gbkToBytes(zhongguo)) << "rewritten with the same bytes";
    EXPECT_EQ(twice.file.replaceCalls, 3);

    // An entry read from the file at start counts like one added now.
    Desk loaded;
    loaded.file.readResult = BookFile::ReadResult::Read;
    loaded.file.content = gbkToBytes(gbkConcat(gbk("\r\n(啊)的编码：  kbsk"), zhongguo));
    loadBook(loaded.window, loaded.book);
    loaded.add(gbk("中国"));
    loaded.add(gbk("啊"));
    EXPECT_EQ(gbkToBytes(loaded.bookText()), loaded.file.content);
    EXPECT_EQ(gbkLength(loaded.bookText()), 46);

    // The needle is the whole entry, from its line break on, and a match begins only where a
    // character begins.
    struct Case {
        GbkText before;
        const char* why;
    };
    const Case appended[] = {
        {gbk("词语(中国)的编码：  khlg"), "typed on the first line, without the line break"},
        {gbk("\r\n词语(中国)的编码：  khl"), "a code letter short"},
        {gbkConcat(GbkText("\xB0"), zhongguo), "the line break is the trail byte of a lead byte"},
    };
    for (const Case& c : appended) {
        Desk desk;
        desk.window.setText(EditBox::Vocabulary, c.before);
        desk.add(gbk("中国"));
        EXPECT_EQ(desk.bookText(), gbkConcat(c.before, zhongguo)) << c.why;
    }
}

TEST(VocabularyBook, TheFileIsReadUpToTheFirstNulOrEndOfFileCharacter) {
    struct Case {
        std::string_view bytes;
        std::string_view text;
        const char* why;
    };
    using namespace std::string_view_literals;
    const Case cases[] = {
        {"\r\nab\xD6\xD0\r\n"sv, "\r\nab\xD6\xD0\r\n"sv, "taken whole, line ends and all"},
        {""sv, ""sv, "a file of 0 bytes is an empty book"},
        {"ab\0cd"sv, "ab"sv, "NUL"},
        {"\0ab"sv, ""sv, "NUL first"},
        {"ab\x1A"
         "cd"sv,
         "ab"sv, "end-of-file character"},
        {"\xD6\xD0\x1A"sv, "\xD6\xD0"sv, "end-of-file character after a character"},
        {"\x81\x1A"
         "cd"sv,
         "\x81\x1A"
         "cd"sv,
         "0x1A as a trail byte is part of a character"},
        {"ab\xB0\0cd"sv, "ab"sv, "a lead byte followed by NUL goes too"},
        {"ab\xB0"sv, "ab\xB0"sv, "a lead byte that ends the file stays"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bookTextFromBytes(c.bytes), GbkText(c.text)) << c.why;
    }
}

TEST(VocabularyBook, LoadingFillsTheBoxOnlyFromAFileThatCouldBeRead) {
    Desk read;
    read.file.readResult = BookFile::ReadResult::Read;
    read.file.content = ByteArray(
        "old\x1A"
        "rest",
        8);
    loadBook(read.window, read.book);
    EXPECT_EQ(read.bookText(), GbkText("old"));
    EXPECT_TRUE(read.book.mayReplace);

    Desk absent;
    loadBook(absent.window, absent.book);
    EXPECT_EQ(absent.bookText(), GbkText());
    EXPECT_TRUE(absent.book.mayReplace);
    EXPECT_EQ(absent.file.replaceCalls, 0) << "no file is created at start";

    // A book that exists but could not be read at start is never replaced: every save fails
    // without touching it, while the box keeps what is added.
    Desk unreadable;
    unreadable.file.readResult = BookFile::ReadResult::Unreadable;
    loadBook(unreadable.window, unreadable.book);
    EXPECT_FALSE(unreadable.book.mayReplace);
    EXPECT_EQ(unreadable.add(gbk("啊")), SaveOutcome::Failed);
    EXPECT_EQ(unreadable.add(gbk("a")), SaveOutcome::Failed);
    EXPECT_EQ(unreadable.file.replaceCalls, 0);
    EXPECT_EQ(unreadable.bookText(), gbk("\r\n(啊)的编码：  kbsk"));
}

TEST(VocabularyBook, AFailedSaveIsToldAndTheNextSaveWritesEverything) {
    Desk desk;
    desk.file.replaceFails = true;
    EXPECT_EQ(desk.add(gbk("啊")), SaveOutcome::Failed);
    EXPECT_EQ(desk.bookText(), gbk("\r\n(啊)的编码：  kbsk")) << "the box keeps the entry";
    desk.window.appendText(EditBox::Vocabulary, gbk("\r\ntyped"));
    desk.file.replaceFails = false;
    EXPECT_EQ(desk.add(gbk("爱人")), SaveOutcome::Saved);
    EXPECT_EQ(desk.file.content,
              gbkToBytes(gbk("\r\n(啊)的编码：  kbsk\r\ntyped\r\n词语(爱人)的编码：  epww")));
}

// Real files, in a folder of their own.

std::optional<ByteArray> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Sets or clears the immutable flag, under which not even root may add or remove a folder's
// files. False where the file system or the missing privilege does not allow it.
bool setImmutable(const fs::path& path, bool on) {
    int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

class BookFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "mozhou-book-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        bookPath_ = folder_ / "生词本.txt";
    }
    void TearDown() override {
        setImmutable(folder_, false);
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    // Start-up and one add, on the real file.
    SaveOutcome addOnce(BookFile& file, std::string_view input, MemoryWindow& window) {
        VocabularyBook book{file};
        loadBook(window, book);
        window.setText(EditBox::Input, gbk(input));
        return addToBook(window, dictionary(), book);
    }

    fs::path folder_;
    fs::path bookPath_;
};

TEST_F(BookFolder, TheFileHoldsExactlyTheBookTextAndIsCreatedOnlyBySaves) {
    PosixBookFile file(bookPath_.string());
    ByteArray bytes;
    EXPECT_EQ(file.read(bytes), BookFile::ReadResult::Absent);

    MemoryWindow window;
    EXPECT_EQ(addOnce(file, "  ", window), SaveOutcome::NotTried);
    EXPECT_FALSE(fs::exists(bookPath_)) << "an empty word creates no file";
    EXPECT_EQ(addOnce(file, "a", window), SaveOutcome::Saved);
    EXPECT_EQ(readFile(bookPath_), ByteArray()) << "a word without entry still saves the book";

    const ByteArray content("\r\n(\xB0\xA1)x\r\n\x81\x1A\xFF", 12);
    ASSERT_TRUE(file.replace(content));
    EXPECT_EQ(readFile(bookPath_), content) << "no BOM, no terminator, no line-end change";
    ASSERT_EQ(file.read(bytes), BookFile::ReadResult::Read);
    EXPECT_EQ(bytes, content);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"生词本.txt"}) << "no file left behind";

    // The new file takes the old one's permissions.
    fs::permissions(bookPath_,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(file.replace("new"));
    EXPECT_EQ(fs::status(bookPath_).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(BookFolder, AReadOnlyBookLoadsAndIsNeverReplaced) {
    const ByteArray old = gbkToBytes(gbk("\r\n词语(中国)的编码：  khlg"));
    writeFile(bookPath_, old);
    fs::permissions(bookPath_,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    PosixBookFile file(bookPath_.string());
    MemoryWindow window;
    EXPECT_EQ(addOnce(file, "啊", window), SaveOutcome::Failed);
    EXPECT_EQ(window.getText(EditBox::Vocabulary),
              gbkConcat(GbkText(old), gbk("\r\n(啊)的编码：  kbsk")))
        << "the book was loaded, read-only as it is, and the box keeps the new entry";
    EXPECT_EQ(readFile(bookPath_), old);
    EXPECT_NE(file.failureReason().find("read-only"), std::string::npos) << file.failureReason();
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"生词本.txt"});
}

TEST_F(BookFolder, ABookThatCannotBeReadIsLeftAlone) {
    // A folder where the book should be: it exists, and no one can read it as a file.
    fs::create_directory(bookPath_);
    writeFile(bookPath_ / "inside", "kept");

    PosixBookFile file(bookPath_.string());
    MemoryWindow window;
    EXPECT_EQ(addOnce(file, "啊", window), SaveOutcome::Failed);
    EXPECT_TRUE(fs::is_directory(bookPath_));
    EXPECT_EQ(readFile(bookPath_ / "inside"), ByteArray("kept"));
    EXPECT_FALSE(file.failureReason().empty());
}

TEST_F(BookFolder, AFolderThatTakesNoNewFileFailsTheSaveAndKeepsTheBook) {
    // A folder that does not exist takes no file, for root too.
    PosixBookFile nowhere((folder_ / "missing" / "生词本.txt").string());
    MemoryWindow window;
    EXPECT_EQ(addOnce(nowhere, "啊", window), SaveOutcome::Failed);
    EXPECT_FALSE(nowhere.failureReason().empty());
    EXPECT_FALSE(fs::exists(folder_ / "missing"));

    // A read-only folder holding a book: made immutable, which stops root as well; where that
    // is not allowed, by its permission bits, which stop everyone but root.
    const ByteArray old = gbkToBytes(gbk("\r\n词语(中国)的编码：  khlg"));
    writeFile(bookPath_, old);
    if (!setImmutable(folder_, true)) {
        if (::geteuid() == 0) {
            GTEST_SKIP() << "cannot make a folder read-only for root here";
        }
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    }
    PosixBookFile file(bookPath_.string());
    EXPECT_EQ(addOnce(file, "啊", window), SaveOutcome::Failed);
    EXPECT_NE(file.failureReason().find(folder_.string()), std::string::npos)
        << file.failureReason();
    EXPECT_EQ(window.getText(EditBox::Vocabulary),
              gbkConcat(GbkText(old), gbk("\r\n(啊)的编码：  kbsk")));
    EXPECT_EQ(readFile(bookPath_), old);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"生词本.txt"});
}

// A book file whose save stops after the temporary file is written and flushed, just before
// it would take the book's place, as a crash or a failing disk would stop it.
class InterruptedBookFile : public PosixBookFile {
public:
    using PosixBookFile::PosixBookFile;
    std::optional<ByteArray> temporaryAtInterruption;
    std::optional<ByteArray> bookAtInterruption;
    fs::path temporaryPath;

protected:
    bool moveIntoPlace(const std::string& temporary, const std::string& book) override {
        temporaryPath = temporary;
        temporaryAtInterruption = readFile(temporary);
        bookAtInterruption = readFile(book);
        fail("interrupted", EIO);
        return false;
    }
};

TEST_F(BookFolder, ASaveInterruptedBeforeTheReplaceLeavesTheOldFileWhole) {
    const ByteArray old = gbkToBytes(gbk("\r\n词语(中国)的编码：  khlg"));
    writeFile(bookPath_, old);

    InterruptedBookFile file(bookPath_.string());
    MemoryWindow window;
    EXPECT_EQ(addOnce(file, "啊", window), SaveOutcome::Failed);
    const ByteArray added = gbkToBytes(window.getText(EditBox::Vocabulary));
    EXPECT_EQ(file.temporaryAtInterruption, added) << "the whole new text was written first";
    EXPECT_EQ(file.temporaryPath.parent_path(), folder_) << "beside the book, for one rename";
    EXPECT_EQ(file.bookAtInterruption, old);
    EXPECT_EQ(readFile(bookPath_), old);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"生词本.txt"})
        << "the temporary file goes";

    // The next save on a sound file writes the box's whole text.
    PosixBookFile sound(bookPath_.string());
    VocabularyBook book{sound};
    window.setText(EditBox::Input, gbk("爱人"));
    EXPECT_EQ(addToBook(window, dictionary(), book), SaveOutcome::Saved);
    EXPECT_EQ(readFile(bookPath_), gbkToBytes(window.getText(EditBox::Vocabulary)));
}

TEST_F(BookFolder, ThroughASymbolicLinkTheLinkedFileIsReplaced) {
    fs::create_directory(folder_ / "elsewhere");
    writeFile(folder_ / "elsewhere" / "book.txt", "old");
    fs::create_symlink(folder_ / "elsewhere" / "book.txt", bookPath_);

    PosixBookFile file(bookPath_.string());
    ASSERT_TRUE(file.replace("new")) << file.failureReason();
    EXPECT_TRUE(fs::is_symlink(bookPath_));
    EXPECT_EQ(readFile(folder_ / "elsewhere" / "book.txt"), ByteArray("new"));

    fs::remove(folder_ / "elsewhere" / "book.txt");
    EXPECT_FALSE(file.replace("newer")) << "a link to nothing is not turned into a file";
    EXPECT_TRUE(fs::is_symlink(bookPath_));
}

// The console command, run in this process with its standard input taken from a file.

int runAdd(std::vector<std::string_view> args) {
    return runAddCommand(std::span<const std::string_view>(args));
}

int runAddWithInput(std::string_view input, std::vector<std::string_view> args,
                    const fs::path& scratch) {
    writeFile(scratch, input);
    int saved = ::dup(STDIN_FILENO);
    int fd = ::open(scratch.c_str(), O_RDONLY | O_CLOEXEC);
    ::dup2(fd, STDIN_FILENO);
    ::close(fd);
    // The standard streams remember the end of the previous input.
    std::clearerr(stdin);
    std::cin.clear();
    int code = runAdd(std::move(args));
    ::dup2(saved, STDIN_FILENO);
    ::close(saved);
    std::clearerr(stdin);
    std::cin.clear();
    return code;
}

TEST_F(BookFolder, TheAddCommandAddsAsTheButtonDoes) {
    const std::string book = bookPath_.string();
    const fs::path input = folder_ / "input";
    const GbkText a = gbk("\r\n(啊)的编码：  kbsk");
    const GbkText zhongguo = gbk("\r\n词语(中国)的编码：  khlg");

    testing::internal::CaptureStdout();
    EXPECT_EQ(runAdd({"--book", book, "啊"}), 0);
    EXPECT_EQ(runAdd({"--book=" + book, "中 国"}), 0);
    EXPECT_EQ(runAdd({"中国", "--book", book}), 0);
    EXPECT_EQ(runAdd({"--raw", "--book", book, "\xB0\xA1"}), 0);  // 啊 in GBK
    EXPECT_EQ(runAddWithInput("啊\n", {"--book", book}, input), 0);
    EXPECT_EQ(runAddWithInput("中 国\r\n", {"--book", book}, input), 0);
    EXPECT_EQ(runAddWithInput("", {"--book", book}, input), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "nothing is printed";
    EXPECT_EQ(readFile(bookPath_), gbkToBytes(gbkConcat(a, zhongguo)));

    // With --raw the bytes are the word's, a final line break included: 啊 and LF are 3 bytes,
    // no entry, and the book is saved as it is.
    EXPECT_EQ(
        runAddWithInput(std::string_view("\xB0\xA1\n\0x", 5), {"--raw", "--book", book}, input), 0);
    EXPECT_EQ(readFile(bookPath_), gbkToBytes(gbkConcat(a, zhongguo)));
    EXPECT_EQ(runAddWithInput("\xB0\xA1\xD6\xD0\xB9\xFA", {"--book", book, "--raw"}, input), 0);
    EXPECT_EQ(readFile(bookPath_),
              gbkToBytes(gbkConcat(a, zhongguo, gbk("\r\n三字词语(啊中国)的编码：  kklg"))));

    // The default book is 生词本.txt in the current folder.
    fs::path before = fs::current_path();
    fs::create_directory(folder_ / "here");
    fs::current_path(folder_ / "here");
    int code = runAdd({"啊"});
    fs::current_path(before);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readFile(folder_ / "here" / "生词本.txt"), gbkToBytes(a));
}

TEST_F(BookFolder, TheAddCommandRefusesBadUsageAndTellsFailedSaves) {
    const std::string book = bookPath_.string();
    const fs::path input = folder_ / "input";
    struct Case {
        std::vector<std::string_view> args;
        const char* why;
    };
    const Case usage[] = {
        {{"--book"}, "--book without FILE"},
        {{"--book", "", "啊"}, "an empty FILE"},
        {{"--book", book, "--bogus", "啊"}, "an unknown option"},
        {{"--book", book, "中", "国"}, "two texts"},
        {{"--book", book, "\xFF"}, "not UTF-8"},
        {{"--book", book, "😀"}, "a character GBK cannot hold"},
        {{"--book", book, "中国\n爱人"}, "a line break inside the word"},
    };
    for (const Case& c : usage) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(runAdd(c.args), 2) << c.why;
        EXPECT_NE(testing::internal::GetCapturedStderr(), "") << c.why;
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(runAddWithInput("中国\n爱人\n", {"--book", book}, input), 2);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(fs::exists(bookPath_)) << "bad usage touches no book";

    const std::string missing = (folder_ / "missing" / "生词本.txt").string();
    testing::internal::CaptureStderr();
    EXPECT_EQ(runAdd({"--book", missing, "啊"}), 1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find(missing), std::string::npos)
        << "the message names the file";

    fs::create_directory(bookPath_);
    testing::internal::CaptureStderr();
    EXPECT_EQ(runAdd({"--book", book, "啊"}), 1);
    std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find(book), std::string::npos) << message;
    EXPECT_NE(message.find("cannot be read"), std::string::npos) << message;
}

}  // namespace
