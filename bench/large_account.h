// A large, realistic account for benchmarks and the start-up measurement.
//
// Every year holds ten objects and ten functional areas, categories of all
// four types, predactions of the fixed categories (their budgets are their
// sums), some of them matched by transactions, and further transactions
// spread over every category with shop-like descriptions. The current year
// holds more transactions than the others.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/account_book.h"

namespace purso::bench {

struct LargeAccountShape {
  int firstYearIndex = 0;
  int yearCount = 27;  // 1998..2024
  int currentYearIndex = 26;
  int categoriesPerYear = 100;
  int predactionsPerYear = 1000;
  int transactionsPerYear = 4616;  // with the current year, 135,016 in all
  int transactionsInCurrentYear = 15000;
  std::uint32_t seed = 19990101;
};

// Fills the years of the shape and makes its current year current.
void FillLargeAccount(CAccountBook& book, const LargeAccountShape& shape);

// n rows of the Transactions dialog's list, with realistic dates, categories,
// amounts and descriptions, in no particular order.
std::vector<std::string> TransactionRows(int n, std::uint32_t seed);

}  // namespace purso::bench
