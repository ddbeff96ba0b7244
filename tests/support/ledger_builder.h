// Building ledgers for tests: records added through the record tables the
// way the editing dialogs add them, and a sample household account.
#pragma once

#include <cstdint>
#include <string_view>

#include "data/account_book.h"
#include "data/year_ledger.h"

namespace purso::testing {

std::uint32_t AddObject(CYearLedger& ledger, std::string_view name);
std::uint32_t AddFunctionalArea(CYearLedger& ledger, std::string_view name);
std::uint32_t AddCategory(CYearLedger& ledger, std::string_view name, CategoryType type, double budget,
                          std::uint32_t object = 0, std::uint32_t functionalArea = 0);
// Adds the predaction and, for a fixed category, its amount to the category's budget.
std::uint32_t AddPredaction(CYearLedger& ledger, std::uint32_t category, double monthDay, double amount);
std::uint32_t AddTransaction(CYearLedger& ledger, double monthDay, std::uint32_t category, double amount,
                             std::string_view description, std::uint32_t match = kNoMatch);

// A household's year in the current ledger of book: objects, functional
// areas, categories of all four types with predactions, some of them
// matched by transactions, and an opening balance. Meant to be viewed with
// today in the middle of that year.
void FillSampleYear(CAccountBook& book);

}  // namespace purso::testing
