// Dialog resource of the Recurring Predactions dialog, which asks for a
// series of equal predactions: every so many days, weeks or months (the
// unit label says which) from a first to a last date, with one amount.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::recurring_predactions_dialog {

inline constexpr int kDialogId = dialog_id::kRecurringPredactions;
inline constexpr int kInterval = 1050;
inline constexpr int kUnit = 1051;
inline constexpr int kFirst = 1052;
inline constexpr int kLast = 1053;
inline constexpr int kAmount = 1054;
inline constexpr int kAdd = 1;
inline constexpr int kCancel = 2;

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
// Labels on the left, fields in one column, the unit beside the interval;
// the buttons in a column at the right.
inline constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, PURSO_TEXT("RecurringPredactionsDialog", "Predaction interval:"), 7, 9, 78, 8},
    {kEdit, kInterval, "1", 88, 7, 36, 12},
    {kLabel, kUnit, "", 128, 9, 40, 8},
    {kLabel, kNoControlId, PURSO_TEXT("RecurringPredactionsDialog", "First predaction:"), 7, 27, 78, 8},
    {kEdit, kFirst, "01/01", 88, 25, 56, 12},
    {kLabel, kNoControlId, PURSO_TEXT("RecurringPredactionsDialog", "Last predaction:"), 7, 45, 78, 8},
    {kEdit, kLast, "", 88, 43, 56, 12},
    {kLabel, kNoControlId, PURSO_TEXT("RecurringPredactionsDialog", "Predaction amount:"), 7, 63, 78, 8},
    {kEdit, kAmount, "", 88, 61, 80, 12},
    {kPushButton, kAdd, PURSO_TEXT("RecurringPredactionsDialog", "&Add"), 178, 7, 50, 14, kDefault},
    {kPushButton, kCancel, PURSO_TEXT("RecurringPredactionsDialog", "Cancel"), 178, 25, 50, 14},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("RecurringPredactionsDialog", "Recurring Predactions"),
                                          235,
                                          82,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          {},
                                          "RecurringPredactionsDialog"};

}  // namespace purso::recurring_predactions_dialog
