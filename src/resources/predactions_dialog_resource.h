// Dialog resource of the Predicted Transactions dialog, which edits the
// predactions of one category in the current year: a row to add one, a row
// to change the selected one, the list in date order, the ways to remove
// them and to add daily, weekly and monthly series, and their count and
// total at the foot.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::predactions_dialog {

inline constexpr int kDialogId = dialog_id::kPredactions;
inline constexpr int kAddDate = 1039;
inline constexpr int kAddAmount = 1041;
inline constexpr int kAdd = 1043;
inline constexpr int kUpdateDate = 1040;
inline constexpr int kUpdateAmount = 1042;
inline constexpr int kUpdate = 1044;
inline constexpr int kPredactions = 1053;
inline constexpr int kRemove = 1045;
inline constexpr int kRemoveAll = 1060;
inline constexpr int kDaily = 1046;
inline constexpr int kWeekly = 1047;
inline constexpr int kMonthly = 1048;
inline constexpr int kHelp = 1049;
inline constexpr int kDone = 1;
inline constexpr int kCount = 1058;
inline constexpr int kTotal = 1059;

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
// Date and amount columns over the list's own columns; the buttons in one
// column at the right, the series buttons apart from the removals.
inline constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, PURSO_TEXT("PredactionsDialog", "Date"), 7, 7, 84, 8},
    {kLabel, kNoControlId, PURSO_TEXT("PredactionsDialog", "Amount"), 95, 7, 84, 8},
    {kEdit, kAddDate, "", 7, 17, 84, 12},
    {kEdit, kAddAmount, "", 95, 17, 90, 12},
    {kPushButton, kAdd, PURSO_TEXT("PredactionsDialog", "&Add"), 193, 16, 56, 14, kDefault},
    {kEdit, kUpdateDate, "", 7, 34, 84, 12, kDisabled},
    {kEdit, kUpdateAmount, "", 95, 34, 90, 12, kDisabled},
    {kPushButton, kUpdate, PURSO_TEXT("PredactionsDialog", "&Update"), 193, 33, 56, 14, kDisabled},

    {kColumnList, kPredactions, "", 7, 54, 178, 150, kSorted | kVScroll},
    {kPushButton, kRemove, PURSO_TEXT("PredactionsDialog", "&Remove"), 193, 54, 56, 14, kDisabled},
    {kPushButton, kRemoveAll, PURSO_TEXT("PredactionsDialog", "Remove A&ll"), 193, 72, 56, 14},
    {kPushButton, kDaily, PURSO_TEXT("PredactionsDialog", "Dail&y"), 193, 96, 56, 14},
    {kPushButton, kWeekly, PURSO_TEXT("PredactionsDialog", "&Weekly"), 193, 114, 56, 14},
    {kPushButton, kMonthly, PURSO_TEXT("PredactionsDialog", "&Monthly"), 193, 132, 56, 14},
    {kPushButton, kHelp, PURSO_TEXT("PredactionsDialog", "&Help"), 193, 172, 56, 14},
    {kPushButton, kDone, PURSO_TEXT("PredactionsDialog", "&Done"), 193, 190, 56, 14},

    {kLabel, kNoControlId, PURSO_TEXT("PredactionsDialog", "Number of predactions"), 7, 210, 84, 8},
    {kLabel, kCount, "", 7, 220, 84, 12, kSunken | kRight},
    {kLabel, kNoControlId, PURSO_TEXT("PredactionsDialog", "Total budget"), 95, 210, 90, 8},
    {kLabel, kTotal, "", 95, 220, 90, 12, kSunken | kRight},
};

// Enter in the update row updates.
inline constexpr EnterRoute kEnterRoutes[] = {{kUpdateDate, kUpdate}, {kUpdateAmount, kUpdate}};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("PredactionsDialog", "Predicted Transactions"),
                                          256,
                                          240,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          table::kEnterRoutes,
                                          "PredactionsDialog"};

}  // namespace purso::predactions_dialog
