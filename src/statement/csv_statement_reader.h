// Reading a bank statement from a CSV file.
//
// The mapping says which columns hold what: the date, and either one signed
// amount or separate money-out (debit) and money-in (credit) columns, whose
// values count by their magnitude; the payee or description, and a memo. A
// column is named by its header text (letter case ignored) or by its number
// from 1; a file without a header row can only be mapped by numbers. Empty
// lines are left out; every other line after the header is a transaction,
// and one whose date or amount cannot be read refuses the whole file.
#pragma once

#include <string>
#include <string_view>

#include "statement/statement.h"
#include "statement/statement_error.h"
#include "statement/statement_fields.h"

namespace purso {

enum class CsvHeader { kFirstLine, kNone };

struct CsvMapping {
  char separator = 0;  // 0: guessed from the first line (csv_text.h)
  CsvHeader header = CsvHeader::kFirstLine;
  // Columns by header text or number; empty when the statement has none.
  // With a debit or credit column the amount column is not used.
  std::string date = "Date";
  std::string amount = "Amount";
  std::string debit;
  std::string credit;
  std::string payee = "Description";
  std::string memo;
  StatementDateOrder dateOrder = StatementDateOrder::kYearMonthDay;
  char decimalSymbol = '.';
};

// Reads the file's bytes; error.file is left to the caller. False, with
// statement untouched, when the file is refused.
bool ReadCsvStatement(std::string_view bytes, const CsvMapping& mapping, Statement& statement, StatementError& error);

}  // namespace purso
