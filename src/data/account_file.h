// Reading and writing an account book as a file.
//
// A file is read completely and checked before the caller's book is
// touched. A file is written to a temporary file in the same folder, flushed
// to disk, and renamed over the old file only when every byte was written,
// so a failed save never damages the old file and the book stays modified.
// Both stream the tables' rows between the file and the tables, so that the
// bulk of an account is copied once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/account_book.h"
#include "data/read_failure.h"

namespace purso {

// The messages the document shows when a file cannot be read or written,
// as a problem text and a suggestion text.
inline constexpr std::string_view kReadingProblem =
    "Error reading from .PXF file. Possible causes:\n- out of memory\n- not a valid .PXF file";
inline constexpr std::string_view kReadingSuggestion = "- close some applications\n- try a new file";
inline constexpr std::string_view kWritingProblem =
    "Error writing to .PXF file. Possible causes:\n- the disk is full\n- there is no floppy in the drive\n- the "
    "filename is invalid\n- ...";
inline constexpr std::string_view kWritingSuggestion = "- delete some files on your disk\n- insert a floppy\n- try a new file";

// The whole content of a file; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes);

// Writes bytes to path through a temporary file beside it, flushed and then
// renamed over path. False, with path untouched and no temporary left, when
// any step fails.
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Reads an account from bytes: kNone when it was read, else the check that
// refused it. On failure book is unchanged.
ReadFailure LoadAccount(const std::vector<std::uint8_t>& bytes, CAccountBook& book);

// Reads an account file: kNone when it was read, else why not (a path that
// names nothing, a file this user may not read, and so on, or the check that
// refused its content). On failure book is unchanged.
ReadFailure LoadAccountFile(const std::string& path, CAccountBook& book);

// Writes an account file; on success clears the book's modified flags, on
// failure leaves the file as it was and the book modified.
bool StoreAccountFile(const std::string& path, CAccountBook& book);

}  // namespace purso
