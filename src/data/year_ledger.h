// CYearLedger: one calendar year of an account.
//
// A ledger holds the year's opening balance and five record tables:
// categories, functional areas, objects, predactions and transactions.
// Records refer to one another only by row id, within the same ledger.
// Dates within the year are month-day numbers (month * 100 + day in a
// double: 101 is January 1, 1231 December 31); DayIndex turns one into the
// zero-based day of the year. Stored amounts are non-negative magnitudes and
// the category's type gives their sign.
//
// The balance operations read the tables, never change a record, and leave
// every table with its selection conditions cleared.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/archive.h"
#include "data/calendar.h"
#include "data/record_table.h"
#include "resources/translatable.h"

namespace purso {

enum class CategoryType : int {
  kFixEx = 0,
  kFixIn = 1,
  kVarEx = 2,
  kVarIn = 3,
};

// Expense types (Fix Ex, Var Ex) count negative; incomes positive.
constexpr bool IsExpense(CategoryType type) { return type == CategoryType::kFixEx || type == CategoryType::kVarEx; }
// Fixed types have predactions and are matched; variable types spread their budget.
constexpr bool IsFixed(CategoryType type) { return type == CategoryType::kFixEx || type == CategoryType::kFixIn; }

// The type as the program names it ("Fix Ex", "Fix In", "Var Ex", "Var In"),
// in files and purso-tool's answers too; empty for a code that no type has.
constexpr std::string_view CategoryTypeText(CategoryType type) {
  switch (type) {
    case CategoryType::kFixEx:
      return PURSO_TEXT("CategoryType", "Fix Ex");
    case CategoryType::kFixIn:
      return PURSO_TEXT("CategoryType", "Fix In");
    case CategoryType::kVarEx:
      return PURSO_TEXT("CategoryType", "Var Ex");
    case CategoryType::kVarIn:
      return PURSO_TEXT("CategoryType", "Var In");
  }
  return {};
}
// The type as the user sees it: CategoryTypeText in the user's language.
std::string CategoryTypeName(CategoryType type);

// Type codes are stored as doubles and read by truncation; codes outside 0..3
// are neither fixed nor expenses, as the balance rules treat them.
CategoryType CategoryTypeFromCode(double code);

// Column numbers of the five tables.
namespace category_column {
constexpr std::uint32_t kName = 0;            // text 24
constexpr std::uint32_t kObject = 1;          // row id in the Objects table
constexpr std::uint32_t kFunctionalArea = 2;  // row id in the Functional Areas table
constexpr std::uint32_t kType = 3;            // CategoryType code
constexpr std::uint32_t kBudget = 4;          // annual amount
}  // namespace category_column

namespace name_column {
constexpr std::uint32_t kName = 0;  // text 24, Objects and Functional Areas tables
}  // namespace name_column

namespace predaction_column {
constexpr std::uint32_t kCategory = 0;
constexpr std::uint32_t kDate = 1;  // month-day number
constexpr std::uint32_t kAmount = 2;
}  // namespace predaction_column

namespace transaction_column {
constexpr std::uint32_t kDate = 0;  // month-day number
constexpr std::uint32_t kCategory = 1;
constexpr std::uint32_t kAmount = 2;
constexpr std::uint32_t kDescription = 3;  // text 48
constexpr std::uint32_t kMatch = 4;        // predaction row id, or kNoMatch
}  // namespace transaction_column

constexpr std::uint32_t kNameWidth = 24;
constexpr std::uint32_t kDescriptionWidth = 48;
// A transaction that realises no predaction holds this in its match column.
constexpr std::uint32_t kNoMatch = 4294967295u;

// Converts a whole number held in a number column (a row id or code) by truncation.
std::uint32_t RowIdFromNumber(double value);

class CYearLedger {
 public:
  // Daily balances: slot 0 is January 1, the slot of December 31 is 364 or
  // 365; the slots after it are spare.
  static constexpr std::size_t kBalanceSlots = 370;
  using BalanceArray = std::array<double, kBalanceSlots>;

  CYearLedger();

  int GetYear() const { return year_; }
  void SetYear(int year) { year_ = year; }

  double GetOpeningBalance() const { return openingBalance_; }
  // Stores the balance and marks the ledger modified.
  void SetOpeningBalance(double balance);

  CRecordTable& Categories() { return categories_; }
  CRecordTable& FunctionalAreas() { return functionalAreas_; }
  CRecordTable& Objects() { return objects_; }
  CRecordTable& Predactions() { return predactions_; }
  CRecordTable& Transactions() { return transactions_; }
  const CRecordTable& Categories() const { return categories_; }
  const CRecordTable& FunctionalAreas() const { return functionalAreas_; }
  const CRecordTable& Objects() const { return objects_; }
  const CRecordTable& Predactions() const { return predactions_; }
  const CRecordTable& Transactions() const { return transactions_; }

  // +1.0 for an income category, -1.0 for an expense category. Moves the
  // Categories table's cursor to the category; precondition: it exists.
  double Sign(std::uint32_t categoryId);

  // Zero-based day of the year of a month-day number in this ledger's year;
  // 0 for a date that is not in the calendar.
  std::uint32_t DayIndex(double monthDay) const;

  // No row in any table and an opening balance of 0: what a new year holds,
  // as far as anything the user entered goes.
  bool IsEmpty() const;

  // The ledger's own flag or any table's.
  bool IsModified() const;
  void ClearModified();

  // Opening balance, then the five tables in their order; stops at the first
  // failure. Load leaves the ledger unchanged when it fails, and refuses a
  // table whose rows per block is not the one the ledger gives that table.
  bool Load(CArchiveReader& archive);
  bool Store(CArchiveWriter& archive);
  bool Write(CArchiveWriter& archive) const;

  // --- Balances and budget spreading ------------------------------------

  // Sums the variable budgets into the year's total T and its daily rate r = T / D,
  // D being the day index of December 31.
  void ComputeVariableBudget();
  // The variable budget that flows on a day; needs ComputeVariableBudget first.
  double BudgetFlow(std::uint32_t dayIndex) const;
  // Day-by-day predicted balance; returns that of December 31.
  double PredictedBalances(BalanceArray& balances);
  // Day-by-day actual balance up to the balance date (0 after it); returns
  // that of the balance date. BalanceDate reads the process clock.
  double ActualBalances(BalanceArray& balances);
  // The largest transaction date, at least 101.
  double LastTransactionDate() const;
  // The last day for which actual figures count.
  double BalanceDate() const;
  double BalanceDate(CivilDate today) const;
  // Opening balance plus every transaction's signed amount.
  double TransactionBalance();
  // Signed sum of the transactions of one category.
  double CategoryActual(std::uint32_t categoryId);
  // Sum of every category's signed budget.
  double NetBudget() const;
  // The share of an annual amount that belongs to the days before a date.
  double ProRata(double amount, double monthDay) const;

  double GetVariableBudgetTotal() const { return variableBudgetTotal_; }
  double GetDailyVariableBudget() const { return dailyVariableBudget_; }

 private:
  std::int32_t modified_ = 0;
  int year_ = 0;
  double openingBalance_ = 0.0;
  // Working values of the budget spreading; never stored.
  double dailyVariableBudget_ = 0.0;
  double variableBudgetTotal_ = 0.0;
  CRecordTable categories_;
  CRecordTable functionalAreas_;
  CRecordTable objects_;
  CRecordTable predactions_;
  CRecordTable transactions_;
};

}  // namespace purso
