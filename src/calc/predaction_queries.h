// Questions about a year's predactions that several dialogs and the account
// view ask, and the removals that keep the matched ones.
//
// A predaction is matched when a transaction of the same year holds its row
// id as its matched predaction; the predaction itself carries no mark. The
// queries read the tables by row index and leave their cursors and
// selection conditions alone; the removals leave every row selected.
#pragma once

#include <cstdint>
#include <vector>

#include "calc/matching.h"
#include "data/year_ledger.h"

namespace purso {

// The match columns of the ledger's transactions, sorted, NaN left out: a
// predaction is matched when its id is among them, compared exactly, as
// the table's equality condition compares them. One pass for many tests.
std::vector<double> SortedMatchNumbers(const CYearLedger& ledger);

struct PredactionSum {
  std::uint32_t count = 0;
  double total = 0.0;  // the amounts added in table order
};

// How many predactions the category has, and what they add up to: the
// budget of a fixed category.
PredactionSum SumPredactions(const CYearLedger& ledger, std::uint32_t categoryId);

// Removes every predaction of the category that no transaction is matched
// with; the matched ones and other categories' stay. How many went.
std::uint32_t RemoveUnmatchedPredactions(CYearLedger& ledger, std::uint32_t categoryId);

// Removes every predaction of the category, matched or not. How many went.
std::uint32_t RemoveCategoryPredactions(CYearLedger& ledger, std::uint32_t categoryId);

}  // namespace purso
