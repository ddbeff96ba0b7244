// The balance calculations of a year ledger.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "data/year_ledger.h"

namespace purso {
namespace {

// The sign of every category, looked up by row id. Built once per pass so
// that a pass over thousands of records does not search the Categories table
// for each one. Row ids are handed out one after the other, so a table
// indexed by id stays small; only when most ids were removed does it fall
// back to a binary search of the rows, whose ids rise along the table.
class CCategorySigns {
 public:
  explicit CCategorySigns(const CRecordTable& categories) {
    const std::uint32_t count = categories.GetRowCount();
    const std::uint64_t ids = categories.GetNextRowId();
    const bool dense = ids <= 4 * std::uint64_t{count} + 64;
    if (dense) {
      byId_.assign(static_cast<std::size_t>(ids), kMissing);
    } else {
      sorted_.reserve(count);
    }
    for (std::uint32_t i = 0; i < count; ++i) {
      const double sign = IsExpense(CategoryTypeFromCode(categories.NumberAt(i, category_column::kType))) ? -1.0 : 1.0;
      if (dense) {
        byId_[categories.RowIdAt(i)] = sign;
      } else {
        sorted_.push_back(Entry{categories.RowIdAt(i), sign});
      }
    }
    directLimit_ = static_cast<double>(byId_.size());
  }

  // The sign of the category a record's number column refers to.
  double Of(double categoryNumber) const {
    // A whole number below the table size truncates to its own slot.
    if (categoryNumber >= 0.0 && categoryNumber < directLimit_) return byId_[static_cast<std::size_t>(categoryNumber)];
    return OfId(RowIdFromNumber(categoryNumber));
  }

 private:
  // A reference to a category that does not exist counts as an income, as
  // every type but the two expense types does (and as Sign answers).
  static constexpr double kMissing = 1.0;

  struct Entry {
    std::uint32_t id;
    double sign;
  };

  double OfId(std::uint32_t id) const {
    if (!byId_.empty() || sorted_.empty()) return id < byId_.size() ? byId_[id] : kMissing;
    const auto found = std::lower_bound(sorted_.begin(), sorted_.end(), id,
                                        [](const Entry& entry, std::uint32_t wanted) { return entry.id < wanted; });
    return found == sorted_.end() || found->id != id ? kMissing : found->sign;
  }

  std::vector<double> byId_;
  std::vector<Entry> sorted_;
  double directLimit_ = 0.0;
};

// DayIndex of every month-day number of one year, for passes that need one
// per record; numbers beyond the table (all of them invalid dates) and
// those that are not numbers at all are left to DayIndex.
class CDayIndexes {
 public:
  explicit CDayIndexes(const CYearLedger& ledger) : ledger_(ledger) {
    const int year = ledger.GetYear();
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        byMonthDay_[static_cast<std::size_t>(month * 100 + day)] =
            static_cast<std::uint16_t>(DayOfYear(year, month, day) - 1);
      }
    }
  }

  std::uint32_t Of(double monthDay) const {
    if (monthDay >= 0.0 && monthDay < kTableSize) return byMonthDay_[static_cast<std::size_t>(monthDay)];
    return ledger_.DayIndex(monthDay);
  }

 private:
  static constexpr std::size_t kTableSize = 1232;  // one past December 31
  const CYearLedger& ledger_;
  std::array<std::uint16_t, kTableSize> byMonthDay_{};  // 0 for the numbers that are no date
};

void RunningSum(CYearLedger::BalanceArray& balances) {
  for (std::size_t i = 1; i < balances.size(); ++i) balances[i] += balances[i - 1];
}

// Adds each record's signed amount to the slot of its date.
struct RecordColumns {
  std::uint32_t date;
  std::uint32_t category;
  std::uint32_t amount;
};

void AddSignedAmounts(const CYearLedger& ledger, const CRecordTable& records, RecordColumns columns,
                      CYearLedger::BalanceArray& balances) {
  const CCategorySigns signs(ledger.Categories());
  const CDayIndexes days(ledger);
  const std::uint32_t count = records.GetRowCount();
  for (std::uint32_t i = 0; i < count; ++i) {
    balances[days.Of(records.NumberAt(i, columns.date))] +=
        signs.Of(records.NumberAt(i, columns.category)) * records.NumberAt(i, columns.amount);
  }
}

}  // namespace

void CYearLedger::ComputeVariableBudget() {
  double total = 0.0;
  for (std::uint32_t i = 0; i < categories_.GetRowCount(); ++i) {
    const CategoryType type = CategoryTypeFromCode(categories_.NumberAt(i, category_column::kType));
    const double budget = categories_.NumberAt(i, category_column::kBudget);
    if (type == CategoryType::kVarEx) total -= budget;
    if (type == CategoryType::kVarIn) total += budget;
  }
  variableBudgetTotal_ = total;
  dailyVariableBudget_ = total / DayIndex(1231);
}

double CYearLedger::BudgetFlow(std::uint32_t dayIndex) const {
  const std::uint32_t lastDay = DayIndex(1231);
  if (dayIndex < lastDay) return dailyVariableBudget_;
  // December 31 (and the spare slots) take what is left of the year's total,
  // so that the flows of the year add up to the budget and no more.
  return variableBudgetTotal_ - lastDay * dailyVariableBudget_;
}

double CYearLedger::PredictedBalances(BalanceArray& balances) {
  ComputeVariableBudget();
  predactions_.ClearConditions();
  // BudgetFlow has two values: one up to December 30, one from December 31.
  const std::uint32_t lastDay = DayIndex(1231);
  std::fill(balances.begin(), balances.begin() + lastDay, BudgetFlow(0));
  std::fill(balances.begin() + lastDay, balances.end(), BudgetFlow(lastDay));
  AddSignedAmounts(*this, predactions_,
                   {predaction_column::kDate, predaction_column::kCategory, predaction_column::kAmount}, balances);
  balances[0] += openingBalance_;
  RunningSum(balances);
  return balances[lastDay];
}

double CYearLedger::ActualBalances(BalanceArray& balances) {
  const double balanceDate = BalanceDate();
  transactions_.ClearConditions();
  balances.fill(0.0);
  AddSignedAmounts(*this, transactions_,
                   {transaction_column::kDate, transaction_column::kCategory, transaction_column::kAmount}, balances);
  balances[0] += openingBalance_;
  RunningSum(balances);
  const std::uint32_t last = DayIndex(balanceDate);
  std::fill(balances.begin() + last + 1, balances.end(), 0.0);
  return balances[last];
}

double CYearLedger::LastTransactionDate() const {
  double last = 101;
  for (std::uint32_t i = 0; i < transactions_.GetRowCount(); ++i) {
    last = std::max(last, transactions_.NumberAt(i, transaction_column::kDate));
  }
  return last;
}

double CYearLedger::BalanceDate() const { return BalanceDate(CurrentClock().LocalToday()); }

double CYearLedger::BalanceDate(CivilDate today) const {
  double date = 0;
  if (today.year < year_) {
    date = 101;
  } else if (today.year > year_) {
    date = 1231;
  } else {
    date = today.month * 100 + today.day;
  }
  return std::max(date, LastTransactionDate());
}

double CYearLedger::TransactionBalance() {
  transactions_.ClearConditions();
  const CCategorySigns signs(categories_);
  double balance = openingBalance_;
  for (std::uint32_t i = 0; i < transactions_.GetRowCount(); ++i) {
    balance += signs.Of(transactions_.NumberAt(i, transaction_column::kCategory)) *
               transactions_.NumberAt(i, transaction_column::kAmount);
  }
  return balance;
}

double CYearLedger::CategoryActual(std::uint32_t categoryId) {
  const double sign = Sign(categoryId);
  transactions_.ClearConditions();
  transactions_.SetNumberCondition(0, 0, transaction_column::kCategory, Operator::kEqual, categoryId);
  transactions_.ApplyConditions();
  double sum = 0.0;
  for (bool more = transactions_.First(); more; more = transactions_.Next()) {
    sum += sign * transactions_.GetNumber(transaction_column::kAmount);
  }
  transactions_.ClearConditions();
  return sum;
}

double CYearLedger::NetBudget() const {
  double net = 0.0;
  for (std::uint32_t i = 0; i < categories_.GetRowCount(); ++i) {
    const double budget = categories_.NumberAt(i, category_column::kBudget);
    net += IsExpense(CategoryTypeFromCode(categories_.NumberAt(i, category_column::kType))) ? -budget : budget;
  }
  return net;
}

double CYearLedger::ProRata(double amount, double monthDay) const {
  return amount * DayIndex(monthDay) / DayIndex(1231);
}

}  // namespace purso
