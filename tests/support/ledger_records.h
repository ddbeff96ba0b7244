// Adding records to a year ledger through its record tables, the way the
// editing dialogs add them. Free of GoogleTest, so that the fuzz targets
// build their sample account with the same code as the tests.
//
// Each function returns the new row's id. A table that refuses the row or
// one of its values throws std::runtime_error: a ledger other than the one
// meant must fail the test or program building it, not go unnoticed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/record_table.h"
#include "data/year_ledger.h"

namespace purso::test {

std::uint32_t AddObject(CYearLedger& ledger, std::string_view name);
std::uint32_t AddFunctionalArea(CYearLedger& ledger, std::string_view name);

std::uint32_t AddCategory(CYearLedger& ledger, std::string_view name, CategoryType type, double budget,
                          std::uint32_t object = 0, std::uint32_t functionalArea = 0);
// The type code is stored as given, so that fractions and codes outside the
// four types can be had.
std::uint32_t AddCategory(CYearLedger& ledger, std::string_view name, double typeCode, double budget,
                          std::uint32_t object = 0, std::uint32_t functionalArea = 0);

// What adding a predaction does to its category's budget.
enum class PredactionBudget {
  kAddToFixed,  // a fixed category's budget grows by the amount
  kUntouched,   // the budget stays as given; the category table is not touched
};
std::uint32_t AddPredaction(CYearLedger& ledger, std::uint32_t category, double monthDay, double amount,
                            PredactionBudget budget = PredactionBudget::kAddToFixed);

std::uint32_t AddTransaction(CYearLedger& ledger, double monthDay, std::uint32_t category, double amount,
                             std::string_view description, std::uint32_t match = kNoMatch);

// Adds a row and removes it again, so that later row ids differ from row positions.
void BurnRowId(CRecordTable& table);

// Uses up the table's row ids but count, so that only count more rows can
// be added: the way to make a table refuse a row, as one out of memory does.
void LeaveRowIds(CRecordTable& table, std::uint32_t count);

// A ledger of one year built record by record. Its first category id is
// used up, so that every later row id differs from its row index and a
// lookup by index instead of id shows; predactions leave the budgets as
// given, and every transaction has the same description.
class CYearLedgerBuilder {
 public:
  explicit CYearLedgerBuilder(int year, std::string_view transactionText = "");

  std::uint32_t Category(std::string_view name, double typeCode, double budget);
  std::uint32_t Category(std::string_view name, CategoryType type, double budget);
  std::uint32_t Predaction(std::uint32_t category, double monthDay, double amount);
  std::uint32_t Transaction(double monthDay, std::uint32_t category, double amount);

  CYearLedger& Ledger() { return ledger_; }

 private:
  CYearLedger ledger_;
  std::string transactionText_;
};

}  // namespace purso::test
