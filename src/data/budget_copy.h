// Starting a year with the budget of the year before.
//
// A new year mostly repeats the last one: the same objects, functional areas
// and categories, the fixed categories' predactions on the same days, and an
// opening balance equal to what the last year's transactions left.
// CopyBudgetForward makes that copy into an empty year; transactions are
// never copied.
#pragma once

#include <string_view>

#include "data/year_ledger.h"

namespace purso {

// Where a category of the copied year names an object or functional area
// that was removed, the copy links it to a row of this name (with " 2",
// " 3", ... when the name is taken), made only when needed.
inline constexpr std::string_view kRemovedObjectName = "Removed object";
inline constexpr std::string_view kRemovedFunctionalAreaName = "Removed fun. area";

// True when from has categories and to holds no row in any table: a year the
// copy may fill.
bool CanCopyBudgetForward(const CYearLedger& from, const CYearLedger& to);

// Copies from's budget into to, in table order:
// - every object and functional area, by name;
// - every category, with its name and type code, and its object and
//   functional area links turned to the copied rows; a link to a row from no
//   longer has goes to the placeholder above, so that the budget is whole and
//   no link of the new year dangles;
// - the predactions of the fixed categories, with their amounts, on the same
//   month and day (February 29 becomes February 28 in a common year); each
//   fixed category's budget is the sum of its copied predactions, a variable
//   category's budget is copied;
// - the opening balance becomes from's TransactionBalance, unless to has
//   one that is not 0 (typed by the user before; it is kept).
// False, with to unchanged, when CanCopyBudgetForward is false or a table
// cannot take a row. from changes only as TransactionBalance changes it (its
// transactions' selection conditions are cleared).
bool CopyBudgetForward(CYearLedger& from, CYearLedger& to);

}  // namespace purso
