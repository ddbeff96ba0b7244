// Dialog resource of the Opening balance dialog: the size of the current
// year's opening balance, typed as an amount, and its sign, chosen apart.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"

namespace purso::opening_balance_dialog {

inline constexpr int kDialogId = dialog_id::kOpeningBalance;
inline constexpr int kAmount = 1077;
inline constexpr int kPositive = 1101;
inline constexpr int kNegative = 1102;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

extern const DialogResource kResource;

}  // namespace purso::opening_balance_dialog
