// Reading an account book from a file; writing it is account_save.h's.
//
// A file is read completely and checked before the caller's book is
// touched. The tables' rows stream from the file into the tables, so that the
// bulk of an account is copied once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/account_book.h"
#include "data/account_save.h"
#include "data/file_place.h"
#include "data/file_stamp.h"
#include "data/read_failure.h"
#include "resources/translatable.h"

namespace purso {

// The message the document shows when a file cannot be read, as a problem
// text and a suggestion text (translated in the context "ReadFailure");
// those of writing are in save_failure.h.
inline constexpr std::string_view kReadingProblem = PURSO_TEXT(
    "ReadFailure", "Error reading from .PXF file. Possible causes:\n- out of memory\n- not a valid .PXF file");
inline constexpr std::string_view kReadingSuggestion =
    PURSO_TEXT("ReadFailure", "- close some applications\n- try a new file");

// The whole content of a file; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes);

// Reads an account from bytes: kNone when it was read, else the check that
// refused it. On failure book is unchanged.
ReadFailure LoadAccount(const std::vector<std::uint8_t>& bytes, CAccountBook& book);

// Reads an account file: kNone when it was read, else why not (a path that
// names nothing, a file this user may not read, and so on, or the check that
// refused its content). On failure book is unchanged.
ReadFailure LoadAccountFile(const std::string& path, CAccountBook& book);

// The same for the file at place, never through a link; stamp, when given,
// receives the stamp of the file read.
ReadFailure LoadAccountFile(const CFilePlace& place, CAccountBook& book, FileStamp* stamp = nullptr);

// Reads an account from the whole of the file open at fd.
ReadFailure ReadAccountFrom(int fd, CAccountBook& book);

}  // namespace purso
