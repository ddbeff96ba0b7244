// Amounts and dates as banks write them in statement files.
//
// Amounts carry a sign ("-12.50", "12.50-", "(12.50)", "+3"), may have a
// currency sign before or after them ("$", "€", "£"), and group their digits
// with the other of the two decimal symbols, a space, a no-break space or an
// apostrophe ("1.234,56", "1 234.56", "1'234.56"). Dates are three numbers
// in a given order, separated by "-", ".", "/" or a space, or eight digits
// without separators ("20241231" year first), or a day, an English month
// name and a year in either order ("07 Nov 2013", "Nov 7, 2013"); a time
// after the date is ignored in its common forms ("2024-12-31 10:15",
// "2024-12-31T10:15:00Z", "20091224120000[0:GMT]", "31.12.2024 00:00:30:989",
// "2013-07-03-08.21.36.47192", "1/2/2024 8:05 PM"). Text glued to a date
// ("03/25/099Share") makes it no date. A two-digit year is 20yy below 80 and
// 19yy from 80 on.
#pragma once

#include <string_view>

#include "data/calendar.h"

namespace purso {

enum class StatementDateOrder { kYearMonthDay, kDayMonthYear, kMonthDayYear };

// The signed value of an amount written with decimalSymbol ('.' or ',');
// false when the text is not an amount (no digits, a second decimal symbol,
// letters, two signs).
bool ParseStatementAmount(std::string_view text, char decimalSymbol, double& amount);

// A calendar date written in the given order; false when the text is no
// date in that order or the date does not exist.
bool ParseStatementDate(std::string_view text, StatementDateOrder order, CivilDate& date);

// The year of a year field of two or four digits (digits holds them).
int FullYear(int year, std::size_t digits);

// The text without spaces and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

}  // namespace purso
