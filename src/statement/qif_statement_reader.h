// Reading a bank statement from a QIF (Quicken Interchange Format) file.
//
// Transactions come from the sections of type Bank, Cash, CCard, Oth A and
// Oth L ("!Type:Bank"); each is a record of lines ending with "^": D the
// date, T (or U) the signed amount, P the payee, M the memo; other lines are
// left alone, and so are account lists ("!Account") and the sections of
// other types (categories, classes, investments). A file with sections but
// none of bank transactions is refused, as is a record without a date or
// an amount.
//
// Date forms, blanks inside them ignored ("D 1/ 5'24"):
//   D12/31/2024  D12/31/24   month/day/year; day/month/year when slashDates is kDayFirst
//   D12/31'24    D12/31'2024 the apostrophe marks a year from 2000 on
//   D12-31-2024              as the slash form
//   D31.12.2024  D31.12.24   day.month.year
//   D2024-12-31              year-month-day
// A two-digit year after "/", "-" or "." is 20yy below 80 and 19yy from 80 on.
#pragma once

#include <string_view>

#include "data/display_settings.h"
#include "statement/statement.h"
#include "statement/statement_error.h"

namespace purso {

struct QifOptions {
  DateOrder slashDates = DateOrder::kMonthFirst;
  char decimalSymbol = '.';
};

// Reads the file's bytes; error.file is left to the caller. False, with
// statement untouched, when the file is refused.
bool ReadQifStatement(std::string_view bytes, const QifOptions& options, Statement& statement, StatementError& error);

// The date of a D line's text (after the "D"); false for a form not listed above.
bool ParseQifDate(std::string_view text, DateOrder slashDates, CivilDate& date);

}  // namespace purso
