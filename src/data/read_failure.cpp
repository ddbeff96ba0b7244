#include "data/read_failure.h"

namespace purso {

std::string_view ReadFailureText(ReadFailure failure) {
  switch (failure) {
    case ReadFailure::kNone:
      return "";
    case ReadFailure::kNoSuchFile:
      return "no such file";
    case ReadFailure::kNoPermission:
      return "permission denied";
    case ReadFailure::kNotAFile:
      return "it is not a file";
    case ReadFailure::kReadError:
      return "read error";
    case ReadFailure::kOutOfMemory:
      return "out of memory";
    case ReadFailure::kTruncated:
      return "the file ends early";
    case ReadFailure::kBadMagic:
      return "it does not begin as an account file does";
    case ReadFailure::kBadSettings:
      return "its display settings are damaged";
    case ReadFailure::kBadYearIndex:
      return "its current year is not one of its years";
    case ReadFailure::kBadLedgerCount:
      return "its number of years is out of range";
    case ReadFailure::kBadColumns:
      return "the columns of a table are damaged";
    case ReadFailure::kWrongSchema:
      return "a table has other columns than it must";
    case ReadFailure::kBadBlockRows:
      return "a table's rows per block is not its own";
    case ReadFailure::kCapacityTooLarge:
      return "a table's capacity does not fit 32 bits";
    case ReadFailure::kRowCountAboveCapacity:
      return "a table holds more rows than its capacity";
    case ReadFailure::kBadNextRowId:
      return "a table's next row id is the no-row marker";
    case ReadFailure::kBadRowIds:
      return "a table's row ids do not rise below its next row id";
    case ReadFailure::kTrailingBytes:
      return "there are bytes after its last year";
  }
  return "";
}

}  // namespace purso
