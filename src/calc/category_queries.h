// Questions about a year's categories that the editing dialogs ask: whether
// transactions use a category, the budget totals of the year, which
// category refers to an object or functional area, and removing a category
// with its predactions.
//
// The queries read the tables by row index and leave their cursors and
// selection conditions alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "data/year_ledger.h"

namespace purso {

// True when a transaction of the ledger belongs to the category: its type
// may then not change, and it may not be removed.
bool IsCategoryInUse(const CYearLedger& ledger, std::uint32_t categoryId);

struct BudgetTotals {
  std::uint32_t count = 0;
  double income = 0.0;    // budgets of the income types
  double expenses = 0.0;  // budgets of the expense types, as a magnitude
  // Surplus when 0 or more, deficit below.
  double Balance() const { return income - expenses; }
};

// The year's categories counted and their budgets added, by direction.
BudgetTotals ComputeBudgetTotals(const CYearLedger& ledger);

// The two master lists a category refers to.
enum class MasterList : std::uint8_t { kObjects, kFunctionalAreas };

// The name of the first category, in table order, that refers to the row
// of the master list; none when no category does.
std::optional<std::string> FirstCategoryUsing(const CYearLedger& ledger, MasterList list, std::uint32_t rowId);

// Removes the category and every predaction of it. False, changing
// nothing, when there is no such category.
bool RemoveCategory(CYearLedger& ledger, std::uint32_t categoryId);

}  // namespace purso
