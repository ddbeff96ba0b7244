// Dialog resource of the Transactions dialog, which edits the current year's
// transactions: a row to add one (date, category, amount, description), a
// row to change the selected one, a filter field with the count of the rows
// it shows, the list (in date order until a click on a column heading orders
// it by that column), the ways to remove or match the selected one again and
// to reach the categories, and the count and balances of the year at the
// foot.
//
// Laid out in pixels, not dialog units: the list's rows carry their column
// positions in pixels, and the fields of the two input rows stand over the
// columns they fill whatever the desktop's dialog font. The two balance
// labels are written when the dialog opens; their captions here are
// placeholders.
#pragma once

#include <cstdint>
#include <string_view>

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::transactions_dialog {

inline constexpr int kDialogId = dialog_id::kTransactions;
inline constexpr int kAddDate = 1056;
inline constexpr int kAddCategory = 1058;
inline constexpr int kAddAmount = 1060;
inline constexpr int kAddDescription = 1062;
inline constexpr int kAdd = 1071;
inline constexpr int kUpdateDate = 1057;
inline constexpr int kUpdateCategory = 1059;
inline constexpr int kUpdateAmount = 1061;
inline constexpr int kUpdateDescription = 1063;
inline constexpr int kUpdate = 1070;
inline constexpr int kTransactions = 1072;
inline constexpr int kRemove = 1069;
inline constexpr int kMatch = 1073;
inline constexpr int kCategories = 1064;
inline constexpr int kHelp = 1068;
inline constexpr int kDone = 1;
inline constexpr int kCount = 1078;
inline constexpr int kBalanceDate = 1066;
inline constexpr int kTransactionBalanceLabel = 1114;
inline constexpr int kTransactionBalance = 1065;
inline constexpr int kPredactionBalanceLabel = 1115;
inline constexpr int kPredactionBalance = 1067;
inline constexpr int kDateHeading = 1116;
inline constexpr int kCategoryHeading = 1117;
inline constexpr int kAmountHeading = 1118;
inline constexpr int kDescriptionHeading = 1119;
inline constexpr int kFilter = 1120;
inline constexpr int kShownCount = 1121;

// "n of N shown", under the filter while it narrows the list.
inline constexpr std::string_view kShownCountText = PURSO_TEXT("TransactionsDialog", "%1 of %2 shown");

// The controls, positions in pixels.
namespace table {
using enum ControlKind;
using namespace control_style;

inline constexpr int kListX = 10;
inline constexpr int kListWidth = 496;  // the rows' 467 pixels, a scroll bar and the frame
inline constexpr int kLineHeight = 16;
inline constexpr int kFieldHeight = 24;
inline constexpr int kButtonX = 518;
inline constexpr int kButtonWidth = 84;
inline constexpr int kButtonHeight = 26;
inline constexpr int kFilterY = 88;
inline constexpr int kListY = 120;
inline constexpr int kListHeight = 264;  // twenty rows
inline constexpr int kFootY = kListY + kListHeight + 10;

// A field of an input row over the list column from start to end (the
// column's pixels within the list), and a heading over a column, where the
// renderer starts its text; a click on a heading orders the list by its column.
constexpr ControlResource Field(ControlKind kind, int id, int start, int end, int y, std::uint32_t style = kNone) {
  return {kind, id, "", kListX + start, y, end - start + 4, kFieldHeight, style};
}
constexpr ControlResource Heading(int id, std::string_view caption, int start, int end) {
  return {kLabel, id, caption, kListX + start, 4, end - start + 4, kFieldHeight - 2, kHeading};
}

inline constexpr ControlResource kControls[] = {
    Heading(kDateHeading, PURSO_TEXT("TransactionsDialog", "Date"), 0, 65),
    Heading(kCategoryHeading, PURSO_TEXT("TransactionsDialog", "Category"), 74, 204),
    Heading(kAmountHeading, PURSO_TEXT("TransactionsDialog", "Amount"), 209, 280),
    Heading(kDescriptionHeading, PURSO_TEXT("TransactionsDialog", "Description"), 290, kListWidth - 4),

    Field(kEdit, kAddDate, 0, 65, 26),
    Field(kDropDownList, kAddCategory, 74, 204, 26, kSorted),
    Field(kEdit, kAddAmount, 209, 280, 26),
    Field(kEdit, kAddDescription, 290, kListWidth - 4, 26),
    {kPushButton, kAdd, PURSO_TEXT("TransactionsDialog", "&Add"), kButtonX, 25, kButtonWidth, kButtonHeight, kDefault},

    Field(kEdit, kUpdateDate, 0, 65, 56, kDisabled),
    Field(kDropDownList, kUpdateCategory, 74, 204, 56, kSorted | kDisabled),
    Field(kEdit, kUpdateAmount, 209, 280, 56, kDisabled),
    Field(kEdit, kUpdateDescription, 290, kListWidth - 4, 56, kDisabled),
    {kPushButton, kUpdate, PURSO_TEXT("TransactionsDialog", "&Update"), kButtonX, 55, kButtonWidth, kButtonHeight,
     kDisabled},

    {kLabel, kNoControlId, PURSO_TEXT("TransactionsDialog", "Find"), kListX, kFilterY + 4, 36, kLineHeight},
    {kEdit, kFilter, "", kListX + 40, kFilterY, 200, kFieldHeight, kLiveText | kFindKey},
    {kLabel, kShownCount, "", kListX + 250, kFilterY + 4, kListWidth - 250, kLineHeight},

    // The dialog keeps the list's order itself.
    {kColumnList, kTransactions, "", kListX, kListY, kListWidth, kListHeight, kVScroll},
    {kPushButton, kRemove, PURSO_TEXT("TransactionsDialog", "&Remove"), kButtonX, kListY, kButtonWidth, kButtonHeight,
     kDisabled},
    {kPushButton, kMatch, PURSO_TEXT("TransactionsDialog", "&Match"), kButtonX, kListY + 32, kButtonWidth,
     kButtonHeight, kDisabled},
    {kPushButton, kCategories, PURSO_TEXT("TransactionsDialog", "&Categories"), kButtonX, kListY + 76, kButtonWidth,
     kButtonHeight},
    {kPushButton, kHelp, PURSO_TEXT("TransactionsDialog", "&Help"), kButtonX, kListY + kListHeight - 58, kButtonWidth,
     kButtonHeight},
    {kPushButton, kDone, PURSO_TEXT("TransactionsDialog", "&Done"), kButtonX, kListY + kListHeight - kButtonHeight,
     kButtonWidth, kButtonHeight},

    {kLabel, kNoControlId, PURSO_TEXT("TransactionsDialog", "Count"), kListX, kFootY, 60, kLineHeight},
    {kLabel, kCount, "", kListX, kFootY + 18, 60, kFieldHeight, kSunken | kRight},
    {kLabel, kNoControlId, PURSO_TEXT("TransactionsDialog", "Balance Date"), 80, kFootY, 90, kLineHeight},
    {kLabel, kBalanceDate, "", 80, kFootY + 18, 90, kFieldHeight, kSunken | kRight},
    {kLabel, kTransactionBalanceLabel, PURSO_TEXT("TransactionsDialog", "Transaction Balance"), 180, kFootY, 160,
     kLineHeight},
    {kLabel, kTransactionBalance, "", 180, kFootY + 18, 160, kFieldHeight, kSunken | kRight},
    {kLabel, kPredactionBalanceLabel, PURSO_TEXT("TransactionsDialog", "Predaction Balance"), 350, kFootY, 156,
     kLineHeight},
    {kLabel, kPredactionBalance, "", 350, kFootY + 18, 156, kFieldHeight, kSunken | kRight},
};

// Enter in the update row updates.
inline constexpr EnterRoute kEnterRoutes[] = {
    {kUpdateDate, kUpdate}, {kUpdateCategory, kUpdate}, {kUpdateAmount, kUpdate}, {kUpdateDescription, kUpdate}};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("TransactionsDialog", "Transactions"),
                                          612,
                                          table::kFootY + 52,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kPixels,
                                          table::kEnterRoutes,
                                          "TransactionsDialog"};

}  // namespace purso::transactions_dialog
