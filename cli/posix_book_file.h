// The book file on Linux and other POSIX systems.
#pragma once

#include <string>

#include "book/vocabulary_book.h"

class PosixBookFile : public BookFile {
public:
    explicit PosixBookFile(std::string path) : path_(std::move(path)) {}

    // Opens the file for reading only, so that a read-only book loads too.
    ReadResult read(ByteArray& bytes) override;
    // Writes a temporary file beside the book, flushes it to the disk, renames it over the book
    // and flushes the folder. A book that is marked read-only, or that this user may not write,
    // is not replaced. A symbolic link at the path stays and the file it names is replaced.
    bool replace(const ByteArray& bytes) override;
    std::string displayName() const override { return path_; }
    std::string failureReason() const override { return failure_; }

protected:
    // The step that puts the written and flushed temporary file in the book's place. Between
    // the write and this step the book is untouched, so a failure or a crash before it loses
    // nothing; tests put a failure here.
    virtual bool moveIntoPlace(const std::string& temporaryPath, const std::string& bookPath);
    void fail(const std::string& what, int error);

private:
    std::string path_;
    std::string failure_;
};
