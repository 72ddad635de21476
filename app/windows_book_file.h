// The book file on Windows, by its full path in the program's directory.
#pragma once

#include <string>

#include "book/vocabulary_book.h"

class WindowsBookFile : public BookFile {
public:
    explicit WindowsBookFile(std::wstring path) : path_(std::move(path)) {}

    ReadResult read(ByteArray& bytes) override;
    // Writes a temporary file beside the book, flushes it to the disk and moves it over the book
    // in one step. A book marked read-only or held open without delete sharing is not replaced,
    // and any failure leaves the old file whole.
    bool replace(const ByteArray& bytes) override;
    std::string displayName() const override;
    std::string failureReason() const override;

    const std::wstring& path() const { return path_; }
    // Why the last read or replace failed, in the user's words; empty when not known.
    const std::wstring& failureText() const { return failure_; }

private:
    void fail(const wchar_t* what, unsigned long error);

    std::wstring path_;
    std::wstring failure_;
};
