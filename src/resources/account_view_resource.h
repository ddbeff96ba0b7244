// The controls of the account view, laid out to the pixel on its fixed
// 796 x 481 canvas: the two toggles, the four push buttons, the two rows of
// twelve month buttons and the two outstanding lists.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"

namespace purso::account_view {

inline constexpr int kCanvasWidth = 796;
inline constexpr int kCanvasHeight = 481;

inline constexpr int kBudgetToggle = 2740;
inline constexpr int kActualToggle = 2742;
inline constexpr int kCategories = command_id::kCategories;
inline constexpr int kHelp = 2744;
inline constexpr int kSolver = command_id::kSolver;
inline constexpr int kTransactions = command_id::kTransactions;
// From-month button k (0 = January) is kFromMonth + k; to-month button k is kToMonth + k.
inline constexpr int kFromMonth = 2700;
inline constexpr int kToMonth = 2720;
inline constexpr int kOutstandingExpenses = 2750;
inline constexpr int kOutstandingIncomes = 2751;

extern const DialogResource kResource;

}  // namespace purso::account_view
