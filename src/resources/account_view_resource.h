// The controls of the account view, laid out to the pixel on its fixed
// 796 x 481 canvas: the two toggles, the four push buttons, the two rows of
// twelve month buttons and the two outstanding lists.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

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

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
// Rectangles as left, top, width, height in pixels of the canvas.
inline constexpr ControlResource kControls[] = {
    {kCheckBox, kBudgetToggle, PURSO_TEXT("AccountView", "Budget"), 14, 383, 72, 23, kPushLike | kChecked},
    {kCheckBox, kActualToggle, PURSO_TEXT("AccountView", "Actual"), 499, 383, 72, 23, kPushLike | kChecked},
    {kPushButton, kCategories, PURSO_TEXT("AccountView", "Categories"), 14, 413, 90, 23, kNone},
    {kPushButton, kHelp, PURSO_TEXT("AccountView", "Help"), 14, 440, 90, 23, kNone},
    {kPushButton, kSolver, PURSO_TEXT("AccountView", "Solver"), 480, 413, 91, 23, kNone},
    {kPushButton, kTransactions, PURSO_TEXT("AccountView", "Transactions"), 480, 440, 91, 23, kNone},
    {kCheckBox, kFromMonth + 0, "01", 112, 413, 30, 23, kPushLike | kChecked},
    {kCheckBox, kFromMonth + 1, "02", 142, 413, 30, 23, kPushLike},
    {kCheckBox, kFromMonth + 2, "03", 172, 413, 30, 23, kPushLike},
    {kCheckBox, kFromMonth + 3, "04", 202, 413, 30, 23, kPushLike},
    {kCheckBox, kFromMonth + 4, "05", 232, 413, 30, 23, kPushLike},
    {kCheckBox, kFromMonth + 5, "06", 262, 413, 30, 23, kPushLike},
    {kCheckBox, kFromMonth + 6, "07", 292, 413, 30, 23, kPushLike},
    {kCheckBox, kFromMonth + 7, "08", 322, 413, 30, 23, kPushLike},
    {kCheckBox, kFromMonth + 8, "09", 352, 413, 30, 23, kPushLike},
    {kCheckBox, kFromMonth + 9, "10", 382, 413, 30, 23, kPushLike},
    {kCheckBox, kFromMonth + 10, "11", 412, 413, 30, 23, kPushLike},
    {kCheckBox, kFromMonth + 11, "12", 442, 413, 30, 23, kPushLike},
    {kCheckBox, kToMonth + 0, "01", 112, 440, 30, 23, kPushLike},
    {kCheckBox, kToMonth + 1, "02", 142, 440, 30, 23, kPushLike},
    {kCheckBox, kToMonth + 2, "03", 172, 440, 30, 23, kPushLike},
    {kCheckBox, kToMonth + 3, "04", 202, 440, 30, 23, kPushLike},
    {kCheckBox, kToMonth + 4, "05", 232, 440, 30, 23, kPushLike},
    {kCheckBox, kToMonth + 5, "06", 262, 440, 30, 23, kPushLike},
    {kCheckBox, kToMonth + 6, "07", 292, 440, 30, 23, kPushLike},
    {kCheckBox, kToMonth + 7, "08", 322, 440, 30, 23, kPushLike},
    {kCheckBox, kToMonth + 8, "09", 352, 440, 30, 23, kPushLike},
    {kCheckBox, kToMonth + 9, "10", 382, 440, 30, 23, kPushLike},
    {kCheckBox, kToMonth + 10, "11", 412, 440, 30, 23, kPushLike},
    {kCheckBox, kToMonth + 11, "12", 442, 440, 30, 23, kPushLike | kChecked},
    {kColumnList, kOutstandingExpenses, "", 590, 30, 192, 208, kSorted | kVScroll | kEnterOpens},
    {kColumnList, kOutstandingIncomes, "", 590, 258, 192, 208, kSorted | kVScroll | kEnterOpens},
};
}  // namespace table

inline constexpr DialogResource kResource{
    0, "", kCanvasWidth, kCanvasHeight, "MS Sans Serif", 8, table::kControls, LayoutUnits::kPixels, {}, "AccountView"};

}  // namespace purso::account_view
