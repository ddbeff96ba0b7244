// A year's transactions and predactions as CSV text, for spreadsheets and
// other programs (RFC 4180, UTF-8, records ending with CRLF).
//
// A header row, then one row per transaction and then one per predaction,
// each in date order (the order they were entered within a day):
//   Record,Date,Category,Type,Amount,Description,Matched predaction
//   Transaction,2024-03-15,Rent,Fix Ex,-500.00,March rent,2024-03-15
//   Predaction,2024-04-15,Rent,Fix Ex,-500.00,,
// Dates are ISO (year-month-day); the amount is signed, expenses negative,
// with the account's number of decimals and a decimal point; the last
// column is the date of the predaction a transaction is matched with.
// A date that is no real day keeps its month and day numbers; a category
// that does not exist leaves its name and type empty.
#pragma once

#include <string>

#include "data/display_settings.h"
#include "data/year_ledger.h"

namespace purso {

std::string YearToCsv(const CYearLedger& ledger, const CDisplaySettings& settings);

}  // namespace purso
