// Dialog resource of the Opening balance dialog: the size of the current
// year's opening balance, typed as an amount, and its sign, chosen apart.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::opening_balance_dialog {

inline constexpr int kDialogId = dialog_id::kOpeningBalance;
inline constexpr int kAmount = 1077;
inline constexpr int kPositive = 1101;
inline constexpr int kNegative = 1102;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
// The sign radios are framed under the amount they qualify; the buttons
// stand in a column at the right, OK level with the amount.
inline constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, PURSO_TEXT("OpeningBalanceDialog", "Opening balance"), 7, 10, 72, 8},
    {kEdit, kAmount, "", 83, 8, 96, 12},
    {kGroupBox, kNoControlId, "", 83, 24, 96, 34},
    {kRadioButton, kPositive, PURSO_TEXT("OpeningBalanceDialog", "Positive"), 90, 30, 60, 10, kGroup},
    {kRadioButton, kNegative, PURSO_TEXT("OpeningBalanceDialog", "Negative"), 90, 42, 60, 10},
    {kPushButton, kOk, PURSO_TEXT("OpeningBalanceDialog", "OK"), 186, 7, 50, 14, kDefault},
    {kPushButton, kCancel, PURSO_TEXT("OpeningBalanceDialog", "Cancel"), 186, 25, 50, 14},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("OpeningBalanceDialog", "Opening balance"),
                                          243,
                                          65,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          {},
                                          "OpeningBalanceDialog"};

}  // namespace purso::opening_balance_dialog
