// Reading a bank statement from a CSV file.
//
// The mapping says which columns hold what: the date, and either one signed
// amount or separate money-out (debit) and money-in (credit) columns, whose
// values count by their magnitude; or one amount column of magnitudes and a
// direction column whose words say which way the money went ("Af"/"Bij",
// "D"/"C", "Debit"/"Credit", "S"/"H", "DR"/"CR"); the payee or description,
// and a memo. A column is named by its header text (letter case ignored) or
// by its number from 1; a file without a header row can only be mapped by
// numbers.
//
// Where the table begins: records before mapping.firstRecord are left out
// (a bank's account details above the table). The header row is the first
// record from there that holds every column named by its text, or, when
// all are named by numbers, that first record itself. A column that is
// missing is named with the line that holds the most of the others. Empty lines are left
// out; every other line after the header is a transaction. A line without
// a date (a payment the bank has not booked) is set aside; one whose date,
// amount or direction cannot be read refuses the whole file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/task_progress.h"
#include "statement/csv_text.h"
#include "statement/statement.h"
#include "statement/statement_error.h"
#include "statement/statement_fields.h"

namespace purso {

enum class CsvHeader { kFirstLine, kNone };

struct CsvMapping {
  char separator = 0;  // 0: guessed from the first line (csv_text.h)
  CsvHeader header = CsvHeader::kFirstLine;
  std::size_t firstRecord = 0;  // records (non-empty lines) before the table
  // Columns by header text or number; empty when the statement has none.
  // With a debit or credit column the amount column is not used.
  std::string date = "Date";
  std::string amount = "Amount";
  std::string debit;
  std::string credit;
  std::string direction;
  std::string payee = "Description";
  std::string memo;
  StatementDateOrder dateOrder = StatementDateOrder::kYearMonthDay;
  char decimalSymbol = '.';

  friend bool operator==(const CsvMapping&, const CsvMapping&) = default;
};

// The way a direction column's word sends the money; nothing for a word
// that is neither. Letter case is ignored.
std::optional<MoneyDirection> DirectionOfWord(std::string_view word);

// Reads the file's text (UTF-8), split with the mapping's separator or the
// guessed one, one record at a time; error.file is left to the caller.
// False, with statement untouched, when the file is refused, holds more
// than kMaxStatementLines transactions, or the user cancels through progress.
bool ReadCsvStatement(std::string_view text, const CsvMapping& mapping, Statement& statement, StatementError& error,
                      CTaskProgress* progress = nullptr);

}  // namespace purso
