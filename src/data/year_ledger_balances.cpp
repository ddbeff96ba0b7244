// The balance calculations of a year ledger.
#include <algorithm>
#include <vector>

#include "data/year_ledger.h"

namespace purso {
namespace {

// The sign of every category, looked up by row id. Built once per pass so
// that a pass over thousands of predactions does not search the Categories
// table for each one; the ids rise along the table, so the list is sorted.
class CCategorySigns {
 public:
  explicit CCategorySigns(const CRecordTable& categories) {
    const std::uint32_t count = categories.GetRowCount();
    entries_.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
      const bool expense = IsExpense(CategoryTypeFromCode(categories.NumberAt(i, category_column::kType)));
      entries_.push_back(Entry{categories.RowIdAt(i), expense ? -1.0 : 1.0});
    }
  }

  // A reference to a category that does not exist counts as an income, as
  // every type but the two expense types does.
  double Of(double categoryNumber) {
    const std::uint32_t id = RowIdFromNumber(categoryNumber);
    if (last_ < entries_.size() && entries_[last_].id == id) return entries_[last_].sign;
    const auto found = std::lower_bound(entries_.begin(), entries_.end(), id,
                                        [](const Entry& entry, std::uint32_t wanted) { return entry.id < wanted; });
    if (found == entries_.end() || found->id != id) return 1.0;
    last_ = static_cast<std::size_t>(found - entries_.begin());
    return found->sign;
  }

 private:
  struct Entry {
    std::uint32_t id;
    double sign;
  };
  std::vector<Entry> entries_;
  std::size_t last_ = 0;
};

void RunningSum(CYearLedger::BalanceArray& balances) {
  for (std::size_t i = 1; i < balances.size(); ++i) balances[i] += balances[i - 1];
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
  for (std::uint32_t i = 0; i < kBalanceSlots; ++i) balances[i] = BudgetFlow(i);
  CCategorySigns signs(categories_);
  for (std::uint32_t i = 0; i < predactions_.GetRowCount(); ++i) {
    const double amount = predactions_.NumberAt(i, predaction_column::kAmount);
    balances[DayIndex(predactions_.NumberAt(i, predaction_column::kDate))] +=
        signs.Of(predactions_.NumberAt(i, predaction_column::kCategory)) * amount;
  }
  balances[0] += openingBalance_;
  RunningSum(balances);
  return balances[DayIndex(1231)];
}

double CYearLedger::ActualBalances(BalanceArray& balances) {
  const double balanceDate = BalanceDate();
  transactions_.ClearConditions();
  balances.fill(0.0);
  CCategorySigns signs(categories_);
  for (std::uint32_t i = 0; i < transactions_.GetRowCount(); ++i) {
    const double amount = transactions_.NumberAt(i, transaction_column::kAmount);
    balances[DayIndex(transactions_.NumberAt(i, transaction_column::kDate))] +=
        signs.Of(transactions_.NumberAt(i, transaction_column::kCategory)) * amount;
  }
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
  CCategorySigns signs(categories_);
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
