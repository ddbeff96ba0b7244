// Why an account file could not be read: one value per check of the loader.
//
// The loader stops at the first check that fails and reports it, so that a
// refusal says what is wrong with the file (for tests, the command-line tool
// and the messages that name the file). kNone means the file was read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace purso {

enum class ReadFailure : std::uint8_t {
  kNone = 0,
  // The file itself.
  kNoSuchFile,    // the path names nothing (or goes through something that is no folder)
  kNoPermission,  // the file may not be read by this user
  kNotAFile,      // a folder, device or other thing that is no regular file
  kReadError,     // the system failed to read the file
  kOutOfMemory,   // memory for the account could not be had
  // Its content.
  kTruncated,              // the file ends before what its fields announce
  kBadMagic,               // none of the magics of an account file
  kBadSettings,            // a field of the display settings record is out of range
  kBadYearIndex,           // the current year index names no ledger of the file
  kBadLedgerCount,         // the ledger count is 0 or more than the account's years
  kBadColumns,             // a table's descriptors describe no possible row
  kWrongSchema,            // a table's descriptors differ from the columns it must have
  kBadBlockRows,           // a table's rows per block is 0 or not the one the table has
  kCapacityTooLarge,       // a table's capacity in bytes does not fit 32 bits
  kRowCountAboveCapacity,  // a table holds more rows than its blocks have room for
  kBadNextRowId,           // a table's next row id is the no-row marker
  kBadRowIds,              // row ids that do not rise, or reach the next row id
  kTrailingBytes,          // bytes after the last ledger
};

// What the check found, in a few words for a message or a list ("the file
// ends early"); empty for kNone. ReadFailureName gives it in the user's
// language.
std::string_view ReadFailureText(ReadFailure failure);
std::string ReadFailureName(ReadFailure failure);

}  // namespace purso
