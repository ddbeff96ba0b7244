// Comma-separated text, both ways (RFC 4180).
//
// Reading is lenient, as files from banks need: records end at LF, CRLF or
// CR; a field that starts with a double quote runs to the closing quote, a
// doubled quote inside standing for one, and may hold separators and line
// breaks; text after a closing quote belongs to the field; a quote inside an
// unquoted field is an ordinary character; a quote left open runs to the end.
// Writing quotes a field only when it needs it and ends records with CRLF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/display_settings.h"

namespace purso {

struct CsvRecord {
  std::uint32_t line = 0;  // the line the record starts on, from 1
  std::vector<std::string> fields;
};

// The most fields a record is split into; the rest of a longer line stays
// in its last field, so that a line of separators costs no more memory
// than its text.
inline constexpr std::size_t kMaxCsvFields = 512;

// Reads the records of a text one at a time, empty lines left out.
class CCsvCursor {
 public:
  // text must outlive the cursor.
  CCsvCursor(std::string_view text, char separator);
  // The next record; false at the end of the text.
  bool Next(CsvRecord& record);
  // How far into the text the cursor has come.
  std::size_t Position() const { return at_; }

 private:
  std::string_view text_;
  char separator_;
  std::size_t at_ = 0;
  std::uint32_t line_ = 1;
};

// The first most records of text, empty lines left out.
std::vector<CsvRecord> SplitCsvRecords(std::string_view text, char separator,
                                       std::size_t most = static_cast<std::size_t>(-1));

// The separator of a file: whichever of ';', tab and ',' the most of its
// first lines hold outside quotes, of equals the one they hold more often;
// ',' when they hold none of them. A bank's account details above the
// table do not decide it.
char GuessCsvSeparator(std::string_view text);

// Appends one field, quoted when it holds a separator, a quote or a line break.
void AppendCsvField(std::string& out, std::string_view field, char separator = ',');

// Appends a whole record and its CRLF.
void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields, char separator = ',');

// What the program's exports write, for other programs to read whatever the
// display settings: a date of the year "YYYY-MM-DD" (empty for a month-day
// number that is no date), and a number with a point and the decimals the
// settings show ("-0.00" written "0.00").
std::string IsoDate(int year, double monthDay);
int ExportDecimals(const CDisplaySettings& settings);
std::string ExportNumber(double value, int decimals);

}  // namespace purso
