#include "data/read_failure.h"

#include "data/translation.h"
#include "resources/translatable.h"

namespace purso {

std::string_view ReadFailureText(ReadFailure failure) {
  switch (failure) {
    case ReadFailure::kNone:
      return "";
    case ReadFailure::kNoSuchFile:
      return PURSO_TEXT("ReadFailure", "no such file");
    case ReadFailure::kNoPermission:
      return PURSO_TEXT("ReadFailure", "permission denied");
    case ReadFailure::kNotAFile:
      return PURSO_TEXT("ReadFailure", "it is not a file");
    case ReadFailure::kReadError:
      return PURSO_TEXT("ReadFailure", "read error");
    case ReadFailure::kOutOfMemory:
      return PURSO_TEXT("ReadFailure", "out of memory");
    case ReadFailure::kTruncated:
      return PURSO_TEXT("ReadFailure", "the file ends early");
    case ReadFailure::kBadMagic:
      return PURSO_TEXT("ReadFailure", "it does not begin as an account file does");
    case ReadFailure::kBadSettings:
      return PURSO_TEXT("ReadFailure", "its display settings are damaged");
    case ReadFailure::kBadYearIndex:
      return PURSO_TEXT("ReadFailure", "its current year is not one of its years");
    case ReadFailure::kBadLedgerCount:
      return PURSO_TEXT("ReadFailure", "its number of years is out of range");
    case ReadFailure::kBadColumns:
      return PURSO_TEXT("ReadFailure", "the columns of a table are damaged");
    case ReadFailure::kWrongSchema:
      return PURSO_TEXT("ReadFailure", "a table has other columns than it must");
    case ReadFailure::kBadBlockRows:
      return PURSO_TEXT("ReadFailure", "a table's rows per block is not its own");
    case ReadFailure::kCapacityTooLarge:
      return PURSO_TEXT("ReadFailure", "a table's capacity does not fit 32 bits");
    case ReadFailure::kRowCountAboveCapacity:
      return PURSO_TEXT("ReadFailure", "a table holds more rows than its capacity");
    case ReadFailure::kBadNextRowId:
      return PURSO_TEXT("ReadFailure", "a table's next row id is the no-row marker");
    case ReadFailure::kBadRowIds:
      return PURSO_TEXT("ReadFailure", "a table's row ids do not rise below its next row id");
    case ReadFailure::kTrailingBytes:
      return PURSO_TEXT("ReadFailure", "there are bytes after its last year");
  }
  return "";
}

std::string ReadFailureName(ReadFailure failure) { return Translate("ReadFailure", ReadFailureText(failure)); }

}  // namespace purso
