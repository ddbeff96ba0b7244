// Finding the statement lines that a year ledger holds already.
//
// A line is already in the year when a transaction there has its date, its
// amount (to a ten-thousandth, the finest amount the display settings show),
// its description (letter case ignored) and a category that takes money the
// line's way. Each transaction accounts for one line only, so a statement
// that holds two equal lines finds both in a year that holds both, and one
// in a year that holds one.
//
// The bank's own ids (OFX FITID) are not kept in the account, whose file
// form stays as it is: an earlier import is recognised by what it wrote.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/year_ledger.h"
#include "statement/ledger_categories.h"
#include "statement/statement.h"

namespace purso {

class CDuplicateFinder {
 public:
  CDuplicateFinder(const CYearLedger& ledger, const CLedgerCategories& categories);

  // True when a transaction as above exists that no earlier call claimed;
  // it is claimed then. description is account text.
  bool Claim(double monthDay, double amount, std::string_view description, MoneyDirection direction);

 private:
  const CYearLedger& ledger_;
  const CLedgerCategories& categories_;
  std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> rowsByDateAndAmount_;
  std::vector<bool> claimed_;  // by row index
};

}  // namespace purso
