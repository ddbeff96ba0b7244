// The Budget Report (calc/budget_report.h) written out: as HTML, to read
// and print, and as CSV, for spreadsheets (RFC 4180, UTF-8, CRLF).
//
// The HTML page holds a title, the account and the balance date, one table
// of the categories by type with each type's total, and the year's
// balances; amounts are written as the account shows them, a deficit with
// its minus sign and in red.
//
// The CSV holds one record per category, per type's total and per balance,
// under a header row:
//   Record,Name,Type,Budget,Share,Actual,At balance date,At year end,Matched,Outstanding
//   Balance date,2024-06-15,,,,,,,,
//   Category,Rent,Fix Ex,11400.00,5700.00,4750.00,950.00,6650.00,5,1
//   Total,Fix Ex,Fix Ex,...
//   Balance,Predicted balance,,,,,1234.50,2050.00,,
// For a category or a total the two "At" columns hold its surplus (below
// zero a deficit); for a balance, the balance. Amounts have the account's
// number of decimals and a decimal point; Matched and Outstanding are empty
// for variable categories; an actual balance at the year's end not yet
// known is empty.
#pragma once

#include <string>
#include <string_view>

#include "calc/budget_report.h"
#include "data/display_settings.h"
#include "resources/translatable.h"

namespace purso {

// The page's title, in the context "BudgetReportPage" (the printed
// document is named by it too).
inline constexpr std::string_view kBudgetReportTitle = PURSO_TEXT("BudgetReportPage", "Budget Report");

// The page in the user's language (data/translation.h); accountName is the
// name the window shows, in UTF-8.
std::string BudgetReportHtml(const BudgetReport& report, const CDisplaySettings& settings,
                             std::string_view accountName);
std::string BudgetReportCsv(const BudgetReport& report, const CDisplaySettings& settings);

}  // namespace purso
