// Guessing how a CSV statement is to be read: the separator, where the
// table begins, whether a header row names its columns, which column holds
// what, the order of its dates and its decimal symbol. The Statement Columns
// dialog opens with the guess and purso-tool import reads with it, each
// choice the user makes overriding it.
//
// The table begins at the first of its lines that carry a date in the same
// column; a line above it that holds names and no date is its header (the
// lines above that, a bank's account details, are left out). Columns are
// taken first by their names (in English, German and Dutch: "Date",
// "Buchungsdatum", "Betrag", "Bedrag", "Af Bij", ...), and then by their
// values, a column qualifying only when every value of the first lines
// reads as what it would hold:
// - the date: a booking date before another; a value date ("Valuta",
//   "Wertstellung") or a start date only when there is no other;
// - the money: an amount column (not a balance, and not all zeros); else a
//   debit and a credit column; else,
//   without names, the first column of money that is not a running balance
//   of the others, or two columns of which each line fills exactly one (the
//   first taken as money out);
// - a direction column, when the amounts carry no sign: one whose words all
//   say a direction (csv_statement_reader.h), two words at most;
// - the payee and the memo by their names, one that most lines fill
//   first; without names, the text column with the most letters as payee,
//   never one of direction words (DEBIT, CREDIT).
// The date order is the first, the preferred one first, that reads every
// date shown; the decimal symbol the one the first telling amount shows,
// else the preferred one.
#pragma once

#include <cstddef>
#include <vector>

#include "data/display_settings.h"
#include "statement/csv_statement_reader.h"
#include "statement/csv_text.h"

namespace purso {

struct CsvPreferences {
  StatementDateOrder dateOrder = StatementDateOrder::kYearMonthDay;
  char decimalSymbol = '.';
};

// The preferences an account's display settings give.
CsvPreferences CsvPreferencesOf(const CDisplaySettings& settings);

// The records of a file the guess reads (and the Statement Columns dialog
// shows).
inline constexpr std::size_t kGuessedCsvRecords = 300;

// The guess for a file split into records with separator; columns are
// numbers from 1, or empty for what the file has none of.
CsvMapping GuessCsvMapping(const std::vector<CsvRecord>& records, char separator, const CsvPreferences& preferences);

}  // namespace purso
