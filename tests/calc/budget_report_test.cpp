// The Budget Report's figures on the shared sample account, against the
// sums the test adds up itself from the ledger's records.
#include "calc/budget_report.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/ledger_builder.h"

namespace purso {
namespace {

// 16 June 2024, the day of the year's last transaction, is the balance
// date: day index 167 of 365.
constexpr double kBalanceDate = 616;
constexpr double kShareOfYear = 167.0 / 365.0;
constexpr double kDaysFlowed = 168.0 / 365.0;  // the budget flows on the balance date too

TEST(BudgetReportTest, EveryFigureIsTheSumOfTheLedgersRecords) {
  const CFixedClock clock(CivilDate{2024, 6, 15});
  const CScopedClock scoped(clock);
  CAccountBook book(2024);
  test::FillSampleYear(book);
  CYearLedger& ledger = book.CurrentLedger();

  // What the test adds up, by category id.
  std::map<std::uint32_t, BudgetFigures> expected;
  std::map<std::uint32_t, CategoryType> types;
  double predictedAtDate = ledger.GetOpeningBalance();
  double predictedAtYearEnd = ledger.GetOpeningBalance();
  double actual = ledger.GetOpeningBalance();
  const CRecordTable& categories = ledger.Categories();
  for (std::uint32_t i = 0; i < categories.GetRowCount(); ++i) {
    const auto type = static_cast<CategoryType>(categories.NumberAt(i, category_column::kType));
    const double budget = categories.NumberAt(i, category_column::kBudget);
    const double sign = IsExpense(type) ? -1 : 1;
    types[categories.RowIdAt(i)] = type;
    expected[categories.RowIdAt(i)].budget = budget;
    if (!IsFixed(type)) expected[categories.RowIdAt(i)].share = budget * kShareOfYear;
    if (!IsFixed(type)) predictedAtDate += sign * budget * kDaysFlowed;
    predictedAtYearEnd += sign * budget;
  }
  const CRecordTable& transactions = ledger.Transactions();
  for (std::uint32_t i = 0; i < transactions.GetRowCount(); ++i) {
    const auto category = static_cast<std::uint32_t>(transactions.NumberAt(i, transaction_column::kCategory));
    const double amount = transactions.NumberAt(i, transaction_column::kAmount);
    expected[category].actual += amount;
    actual += IsExpense(types[category]) ? -amount : amount;
  }
  const CRecordTable& predactions = ledger.Predactions();
  for (std::uint32_t i = 0; i < predactions.GetRowCount(); ++i) {
    const auto category = static_cast<std::uint32_t>(predactions.NumberAt(i, predaction_column::kCategory));
    const double amount = predactions.NumberAt(i, predaction_column::kAmount);
    const bool due = predactions.NumberAt(i, predaction_column::kDate) <= kBalanceDate;
    bool matched = false;
    for (std::uint32_t t = 0; t < transactions.GetRowCount(); ++t) {
      matched = matched || transactions.NumberAt(t, transaction_column::kMatch) == predactions.RowIdAt(i);
    }
    BudgetFigures& figures = expected[category];
    figures.share += due ? amount : 0;
    figures.matched += matched ? 1 : 0;
    figures.outstanding += due && !matched ? 1 : 0;
    predictedAtDate += due ? (IsExpense(types[category]) ? -amount : amount) : 0;
  }

  const BudgetReport report = ComputeBudgetReport(ledger);
  EXPECT_EQ(report.balanceDate, kBalanceDate);
  std::vector<CategoryType> groupTypes;
  for (const BudgetReportGroup& group : report.groups) {
    groupTypes.push_back(group.type);
    BudgetFigures total;
    for (const BudgetReportRow& row : group.rows) {
      SCOPED_TRACE(row.name);
      BudgetFigures want = expected.at(row.categoryId);
      const bool expense = IsExpense(row.type);
      want.surplusAtDate = expense ? want.share - want.actual : want.actual - want.share;
      want.surplusAtYearEnd = expense ? want.budget - want.actual : want.actual - want.budget;
      EXPECT_EQ(row.type, group.type);
      EXPECT_DOUBLE_EQ(row.figures.budget, want.budget);
      EXPECT_DOUBLE_EQ(row.figures.share, want.share);
      EXPECT_DOUBLE_EQ(row.figures.actual, want.actual);
      EXPECT_DOUBLE_EQ(row.figures.surplusAtDate, want.surplusAtDate);
      EXPECT_DOUBLE_EQ(row.figures.surplusAtYearEnd, want.surplusAtYearEnd);
      EXPECT_EQ(row.figures.matched, want.matched);
      EXPECT_EQ(row.figures.outstanding, want.outstanding);
      total += want;
    }
    EXPECT_DOUBLE_EQ(group.total.budget, total.budget);
    EXPECT_DOUBLE_EQ(group.total.surplusAtYearEnd, total.surplusAtYearEnd);
    EXPECT_EQ(group.total.outstanding, total.outstanding);
  }
  EXPECT_EQ(groupTypes, (std::vector{CategoryType::kFixIn, CategoryType::kVarIn, CategoryType::kFixEx,
                                      CategoryType::kVarEx}));
  // Rent is due on the first of every month: January to May matched, June outstanding.
  EXPECT_EQ(report.groups[2].rows[1].name, "Rent");
  EXPECT_EQ(report.groups[2].rows[1].figures.outstanding, 1u);
  EXPECT_NEAR(report.predictedAtDate, predictedAtDate, 1e-6);
  EXPECT_NEAR(report.predictedAtYearEnd, predictedAtYearEnd, 1e-6);
  EXPECT_NEAR(report.actualAtDate, actual, 1e-6);
  EXPECT_FALSE(report.actualAtYearEnd.has_value());
}

TEST(BudgetReportTest, TheActualBalanceAtYearEndIsKnownOnceTheYearIsOver) {
  const CFixedClock clock(CivilDate{2025, 1, 3});
  const CScopedClock scoped(clock);
  CAccountBook book(2024);
  test::FillSampleYear(book);
  const BudgetReport report = ComputeBudgetReport(book.CurrentLedger());
  EXPECT_EQ(report.balanceDate, 1231);
  EXPECT_EQ(report.actualAtYearEnd, report.actualAtDate);
}

}  // namespace
}  // namespace purso
