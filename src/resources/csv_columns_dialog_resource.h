// Dialog resource of the Statement Columns dialog, which says how a CSV
// statement is to be read before it is imported: whether its first line
// names the columns, which column holds the date, the amount (or the money
// out and the money in), the payee and the memo, the order of the dates and
// the decimal symbol of the amounts.
#pragma once

#include <string_view>

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::csv_columns_dialog {

inline constexpr int kDialogId = dialog_id::kCsvColumns;
inline constexpr int kStatement = 1220;
inline constexpr int kHeader = 1221;
inline constexpr int kDate = 1222;
inline constexpr int kAmount = 1223;
inline constexpr int kDebit = 1224;
inline constexpr int kCredit = 1225;
inline constexpr int kPayee = 1226;
inline constexpr int kMemo = 1227;
inline constexpr int kDateOrder = 1228;
inline constexpr int kDecimal = 1229;
inline constexpr int kHelp = 1230;
inline constexpr int kDirection = 1231;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

// The date orders in the order of StatementDateOrder, and the two decimal
// symbols, point first.
inline constexpr std::string_view kDateOrders[] = {PURSO_TEXT("CsvColumnsDialog", "Year Month Day (2024-12-31)"),
                                                   PURSO_TEXT("CsvColumnsDialog", "Day Month Year (31.12.2024)"),
                                                   PURSO_TEXT("CsvColumnsDialog", "Month Day Year (12/31/2024)")};
inline constexpr std::string_view kDecimalSymbols[] = {PURSO_TEXT("CsvColumnsDialog", "Point (1,234.56)"),
                                                       PURSO_TEXT("CsvColumnsDialog", "Comma (1.234,56)")};

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
// One row per column to choose, its name at the left; the two ways of
// reading dates and amounts apart below them; the buttons at the foot.
inline constexpr ControlResource kControls[] = {
    {kLabel, kStatement, PURSO_TEXT("CsvColumnsDialog", "The columns of the statement"), 7, 7, 210, 8},
    {kCheckBox, kHeader, PURSO_TEXT("CsvColumnsDialog", "The first line holds the column &names"), 7, 19, 210, 10,
     kChecked},

    {kLabel, kNoControlId, PURSO_TEXT("CsvColumnsDialog", "Date"), 7, 38, 60, 8},
    {kDropDownList, kDate, "", 72, 36, 145, 12},
    {kLabel, kNoControlId, PURSO_TEXT("CsvColumnsDialog", "Amount"), 7, 54, 60, 8},
    {kDropDownList, kAmount, "", 72, 52, 145, 12},
    {kLabel, kNoControlId, PURSO_TEXT("CsvColumnsDialog", "or Money out"), 7, 70, 60, 8},
    {kDropDownList, kDebit, "", 72, 68, 145, 12},
    {kLabel, kNoControlId, PURSO_TEXT("CsvColumnsDialog", "and Money in"), 7, 86, 60, 8},
    {kDropDownList, kCredit, "", 72, 84, 145, 12},
    {kLabel, kNoControlId, PURSO_TEXT("CsvColumnsDialog", "Direction"), 7, 102, 60, 8},
    {kDropDownList, kDirection, "", 72, 100, 145, 12},
    {kLabel, kNoControlId, PURSO_TEXT("CsvColumnsDialog", "Payee"), 7, 118, 60, 8},
    {kDropDownList, kPayee, "", 72, 116, 145, 12},
    {kLabel, kNoControlId, PURSO_TEXT("CsvColumnsDialog", "Memo"), 7, 134, 60, 8},
    {kDropDownList, kMemo, "", 72, 132, 145, 12},

    {kLabel, kNoControlId, PURSO_TEXT("CsvColumnsDialog", "Date order"), 7, 156, 60, 8},
    {kDropDownList, kDateOrder, "", 72, 154, 145, 12, kNone, kDateOrders},
    {kLabel, kNoControlId, PURSO_TEXT("CsvColumnsDialog", "Decimal symbol"), 7, 172, 60, 8},
    {kDropDownList, kDecimal, "", 72, 170, 145, 12, kNone, kDecimalSymbols},

    {kPushButton, kHelp, PURSO_TEXT("CsvColumnsDialog", "&Help"), 7, 194, 50, 14},
    {kPushButton, kOk, PURSO_TEXT("CsvColumnsDialog", "OK"), 113, 194, 50, 14, kDefault},
    {kPushButton, kCancel, PURSO_TEXT("CsvColumnsDialog", "Cancel"), 167, 194, 50, 14},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("CsvColumnsDialog", "Statement Columns"),
                                          224,
                                          215,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          {},
                                          "CsvColumnsDialog"};

}  // namespace purso::csv_columns_dialog
