// Reading a bank statement from a QIF (Quicken Interchange Format) file.
//
// Transactions come from the sections of type Bank, Cash, CCard, Oth A and
// Oth L ("!Type:Bank"); each is a record of lines ending with "^": D the
// date (the record's first; a split's own date does not replace it), T (or
// U) the signed amount, P the payee, M the memo, L the category ("Food:
// Groceries"; a transfer "[Savings]" and a class after "/" are no part of
// it); other lines are left alone, and so are the sections of other types
// (categories, classes, investments, memorized transactions). Lines that
// begin with "#" outside a record are comments. A file with sections but
// none of bank transactions is refused, as is a record without a date or an
// amount.
//
// Accounts: the "!Account" section's last name before a bank section names
// the account its records belong to ("Checking"); records before any are of
// an unnamed account. A record whose category is a transfer to the account
// itself ("L[Checking]"), or, in an unnamed account, whose payee is
// "Opening Balance" and whose category is a transfer, is the account's
// opening balance.
//
// Date forms, blanks inside them ignored ("D 1/ 5'24"):
//   D12/31/2024  D12/31/24   month/day/year, or day/month/year
//   D12/31'24    D12/31'2024 the apostrophe marks a year from 2000 on
//   D12-31-2024              as the slash form
//   D31.12.2024  D31.12.24   day.month.year, or month.day.year
//   D2024-12-31  D2024/12/31 D2024.12.31  D2024'12'31  D20241231   year first
// A two-digit year after "/", "-" or "." is 20yy below 80 and 19yy from 80
// on. Which of day and month comes first: the order the caller chooses,
// else the file's "!Option:MDY" or "!Option:DMY", else the first order that
// reads every date of the file (for slashes the preferred one first, for
// dots day first).
#pragma once

#include <optional>
#include <string_view>

#include "data/display_settings.h"
#include "platform/task_progress.h"
#include "statement/statement.h"
#include "statement/statement_error.h"

namespace purso {

struct QifOptions {
  std::optional<DateOrder> dateOrder;                 // chosen by the user; overrides the file and the guess
  DateOrder preferredOrder = DateOrder::kMonthFirst;  // for slash dates either order reads
  char decimalSymbol = '.';
};

// The order of day and month in the two kinds of dates where it varies.
struct QifDateOrders {
  DateOrder slash = DateOrder::kMonthFirst;
  DateOrder dot = DateOrder::kDayFirst;
};

// Reads the file's text (UTF-8); error.file is left to the caller. False,
// with statement untouched, when the file is refused, holds more than
// kMaxStatementLines transactions, or the user cancels through progress.
bool ReadQifStatement(std::string_view text, const QifOptions& options, Statement& statement, StatementError& error,
                      CTaskProgress* progress = nullptr);

// The date of a D line's text (after the "D"); false for a form not listed above.
bool ParseQifDate(std::string_view text, QifDateOrders orders, CivilDate& date);

}  // namespace purso
