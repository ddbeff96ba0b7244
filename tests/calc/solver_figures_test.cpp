// The Solver's figures: actual against pro-rata budget, the surplus and
// deficit split of the variable categories, and budget transfers.
#include "calc/solver_figures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "data/record_table.h"
#include "data/year_ledger.h"
#include "support/ledger_records.h"

namespace purso {
namespace {

class SolverLedger : public test::CYearLedgerBuilder {
 public:
  explicit SolverLedger(int year) : CYearLedgerBuilder(year) {}

  double Budget(std::uint32_t category) {
    EXPECT_TRUE(Ledger().Categories().Find(category));
    return Ledger().Categories().GetNumber(category_column::kBudget);
  }
};

std::vector<std::uint32_t> IdsOf(const std::vector<SolverCategory>& list) {
  std::vector<std::uint32_t> ids;
  for (const SolverCategory& category : list) ids.push_back(category.id);
  return ids;
}

// --- Figures of one category -----------------------------------------------

// A Var Ex budget of 3640 in 1999 is 10 a day; by July 1 (day index 181)
// 1810 of it belongs to the year so far.
TEST(SolverFiguresTest, ExpenseUnderspentIsInSurplus) {
  SolverLedger s(1999);
  const std::uint32_t food = s.Category("Food", CategoryType::kVarEx, 3640);
  s.Transaction(110, food, 600);
  s.Transaction(620, food, 400);
  const SolverFigures f = ComputeSolverFigures(s.Ledger(), food, CategoryType::kVarEx, 3640, 701);
  EXPECT_DOUBLE_EQ(f.actual, 1000.0);
  EXPECT_DOUBLE_EQ(f.proRata, 1810.0);
  EXPECT_DOUBLE_EQ(f.surplusAtDate, 810.0);
  EXPECT_DOUBLE_EQ(f.surplusAtYearEnd, 2640.0);
  EXPECT_TRUE(f.InSurplus());
}

TEST(SolverFiguresTest, ExpenseOverspentIsInDeficit) {
  SolverLedger s(1999);
  const std::uint32_t food = s.Category("Food", CategoryType::kVarEx, 3640);
  s.Transaction(110, food, 2000);
  const SolverFigures f = ComputeSolverFigures(s.Ledger(), food, CategoryType::kVarEx, 3640, 701);
  EXPECT_DOUBLE_EQ(f.actual, 2000.0);
  EXPECT_DOUBLE_EQ(f.surplusAtDate, -190.0);
  EXPECT_DOUBLE_EQ(f.surplusAtYearEnd, 1640.0);
  EXPECT_FALSE(f.InSurplus());
}

TEST(SolverFiguresTest, SurplusOfExactlyZeroIsADeficit) {
  SolverLedger s(1999);
  const std::uint32_t food = s.Category("Food", CategoryType::kVarEx, 3640);
  s.Transaction(301, food, 1810);
  const SolverFigures f = ComputeSolverFigures(s.Ledger(), food, CategoryType::kVarEx, 3640, 701);
  EXPECT_EQ(f.surplusAtDate, 0.0);
  EXPECT_DOUBLE_EQ(f.surplusAtYearEnd, 1830.0);
  EXPECT_FALSE(f.InSurplus());
}

struct IncomeCase {
  double received;
  double surplusAtDate;
  double surplusAtYearEnd;
  bool inSurplus;
};

class SolverIncomeTest : public ::testing::TestWithParam<IncomeCase> {};

// An income is in surplus when more came in than its budget share.
TEST_P(SolverIncomeTest, SurplusIsActualMinusBudget) {
  const IncomeCase& c = GetParam();
  SolverLedger s(1999);
  const std::uint32_t tips = s.Category("Tips", CategoryType::kVarIn, 3640);
  s.Transaction(105, tips, c.received);
  const SolverFigures f = ComputeSolverFigures(s.Ledger(), tips, CategoryType::kVarIn, 3640, 701);
  EXPECT_DOUBLE_EQ(f.actual, c.received);
  EXPECT_DOUBLE_EQ(f.proRata, 1810.0);
  EXPECT_DOUBLE_EQ(f.surplusAtDate, c.surplusAtDate);
  EXPECT_DOUBLE_EQ(f.surplusAtYearEnd, c.surplusAtYearEnd);
  EXPECT_EQ(f.InSurplus(), c.inSurplus);
}

INSTANTIATE_TEST_SUITE_P(ReceivedMoreOrLess, SolverIncomeTest,
                         ::testing::Values(IncomeCase{2000, 190, -1640, true}, IncomeCase{1000, -810, -2640, false},
                                           IncomeCase{1810, 0, -1830, false}, IncomeCase{4000, 2190, 360, true}));

TEST(SolverFiguresTest, BudgetShareFollowsTheBalanceDateAndYear) {
  SolverLedger common(1999);
  const std::uint32_t a = common.Category("Food", CategoryType::kVarEx, 3640);
  EXPECT_DOUBLE_EQ(ComputeSolverFigures(common.Ledger(), a, CategoryType::kVarEx, 3640, 101).proRata, 0.0);
  EXPECT_DOUBLE_EQ(ComputeSolverFigures(common.Ledger(), a, CategoryType::kVarEx, 3640, 1231).proRata, 3640.0);
  SolverLedger leap(2000);
  const std::uint32_t b = leap.Category("Food", CategoryType::kVarEx, 3650);
  EXPECT_DOUBLE_EQ(ComputeSolverFigures(leap.Ledger(), b, CategoryType::kVarEx, 3650, 701).proRata, 1820.0);
}

// --- The split -----------------------------------------------------------------

TEST(SplitVariableCategoriesTest, VariableCategoriesInTableOrderBySurplus) {
  SolverLedger s(1999);
  const std::uint32_t rent = s.Category("Rent", CategoryType::kFixEx, 3640);
  const std::uint32_t food = s.Category("Food", CategoryType::kVarEx, 3640);
  const std::uint32_t tips = s.Category("Tips", CategoryType::kVarIn, 3640);
  const std::uint32_t salary = s.Category("Salary", CategoryType::kFixIn, 3640);
  const std::uint32_t fuel = s.Category("Fuel", 2.5, 728);  // a type code is read by truncation
  const std::uint32_t bonus = s.Category("Bonus", CategoryType::kVarIn, 364);
  s.Transaction(110, food, 600);
  s.Transaction(620, food, 400);
  s.Transaction(115, tips, 1000);
  s.Transaction(115, fuel, 362);  // exactly its share: f = 0
  s.Transaction(202, bonus, 200);
  s.Transaction(203, rent, 9999);
  s.Transaction(204, salary, 1);

  const SolverSplit split = SplitVariableCategories(s.Ledger(), 701);
  EXPECT_EQ(IdsOf(split.surplus), (std::vector<std::uint32_t>{food, bonus}));
  EXPECT_EQ(IdsOf(split.deficit), (std::vector<std::uint32_t>{tips, fuel}));

  ASSERT_EQ(split.surplus.size(), 2u);
  const SolverCategory& first = split.surplus[0];
  EXPECT_EQ(first.name, "Food");
  EXPECT_EQ(first.type, CategoryType::kVarEx);
  EXPECT_EQ(first.budget, 3640.0);
  EXPECT_DOUBLE_EQ(first.figures.actual, 1000.0);
  EXPECT_DOUBLE_EQ(first.figures.proRata, 1810.0);
  EXPECT_DOUBLE_EQ(first.figures.surplusAtDate, 810.0);
  EXPECT_DOUBLE_EQ(first.figures.surplusAtYearEnd, 2640.0);
  EXPECT_EQ(split.surplus[1].name, "Bonus");
  EXPECT_EQ(split.surplus[1].type, CategoryType::kVarIn);
  EXPECT_DOUBLE_EQ(split.surplus[1].figures.surplusAtDate, 200.0 - 181.0);

  ASSERT_EQ(split.deficit.size(), 2u);
  EXPECT_EQ(split.deficit[0].name, "Tips");
  EXPECT_DOUBLE_EQ(split.deficit[0].figures.surplusAtDate, -810.0);
  EXPECT_DOUBLE_EQ(split.deficit[0].figures.surplusAtYearEnd, -2640.0);
  EXPECT_EQ(split.deficit[1].type, CategoryType::kVarEx);
  EXPECT_EQ(split.deficit[1].figures.surplusAtDate, 0.0);
  EXPECT_DOUBLE_EQ(split.deficit[1].figures.surplusAtYearEnd, 366.0);
}

TEST(SplitVariableCategoriesTest, LeavesTheTablesUnconditioned) {
  SolverLedger s(1999);
  s.Category("Rent", CategoryType::kFixEx, 100);
  const std::uint32_t food = s.Category("Food", CategoryType::kVarEx, 100);
  s.Transaction(110, food, 6);
  CYearLedger& ledger = s.Ledger();
  SplitVariableCategories(ledger, 701);
  CRecordTable& categories = ledger.Categories();
  EXPECT_TRUE(categories.IsSelected(0));
  EXPECT_TRUE(categories.IsSelected(1));
  EXPECT_EQ(categories.ApplyConditions(), 2u);
  EXPECT_EQ(ledger.Transactions().ApplyConditions(), 1u);
}

TEST(SplitVariableCategoriesTest, NoVariableCategoriesGiveEmptyLists) {
  SolverLedger empty(1999);
  SolverSplit split = SplitVariableCategories(empty.Ledger(), 701);
  EXPECT_TRUE(split.surplus.empty());
  EXPECT_TRUE(split.deficit.empty());

  SolverLedger fixedOnly(1999);
  const std::uint32_t rent = fixedOnly.Category("Rent", CategoryType::kFixEx, 100);
  fixedOnly.Category("Salary", CategoryType::kFixIn, 100);
  fixedOnly.Transaction(110, rent, 50);
  split = SplitVariableCategories(fixedOnly.Ledger(), 701);
  EXPECT_TRUE(split.surplus.empty());
  EXPECT_TRUE(split.deficit.empty());
}

// --- Transfers -----------------------------------------------------------------

TEST(TransferBudgetTest, MovesBudgetFromOneCategoryToTheOther) {
  SolverLedger s(1999);
  const std::uint32_t food = s.Category("Food", CategoryType::kVarEx, 3640);
  const std::uint32_t tips = s.Category("Tips", CategoryType::kVarIn, 3640);
  const std::uint32_t fuel = s.Category("Fuel", CategoryType::kVarEx, 500);
  EXPECT_TRUE(TransferBudget(s.Ledger(), food, tips, 2640));
  EXPECT_EQ(s.Budget(food), 1000.0);
  EXPECT_EQ(s.Budget(tips), 1000.0);  // an income deficit is made up by expecting less
  EXPECT_EQ(s.Budget(fuel), 500.0);
  // Budgets may go below zero.
  EXPECT_TRUE(TransferBudget(s.Ledger(), fuel, food, 700));
  EXPECT_EQ(s.Budget(fuel), -200.0);
  EXPECT_EQ(s.Budget(food), 1700.0);
}

TEST(TransferBudgetTest, AnIncomeSurplusMovedAtYearEndLeavesNoSurplusAndTheNetBudget) {
  SolverLedger s(1999);
  const std::uint32_t tips = s.Category("Tips", CategoryType::kVarIn, 1000);
  const std::uint32_t food = s.Category("Food", CategoryType::kVarEx, 364);
  const std::uint32_t bonus = s.Category("Bonus", CategoryType::kVarIn, 2000);
  s.Transaction(110, tips, 3000);
  s.Transaction(110, food, 1000);
  const auto net = [&] { return s.Budget(tips) + s.Budget(bonus) - s.Budget(food); };
  const double before = net();
  SolverSplit split = SplitVariableCategories(s.Ledger(), 701);
  ASSERT_EQ(IdsOf(split.surplus), std::vector<std::uint32_t>{tips});
  ASSERT_TRUE(TransferBudget(s.Ledger(), tips, food, split.surplus[0].figures.surplusAtYearEnd));
  EXPECT_EQ(s.Budget(tips), 3000.0);
  EXPECT_EQ(s.Budget(food), 2364.0);
  // Into an income category in deficit: less is expected of it.
  ASSERT_TRUE(TransferBudget(s.Ledger(), food, bonus, 500));
  EXPECT_EQ(s.Budget(bonus), 1500.0);
  EXPECT_EQ(net(), before);
  split = SplitVariableCategories(s.Ledger(), 701);
  ASSERT_EQ(IdsOf(split.surplus), std::vector<std::uint32_t>{tips});
  EXPECT_DOUBLE_EQ(split.surplus[0].figures.surplusAtYearEnd, 0.0);
}

TEST(TransferBudgetTest, ZeroChangesNoBudget) {
  SolverLedger s(1999);
  const std::uint32_t food = s.Category("Food", CategoryType::kVarEx, 3640);
  const std::uint32_t tips = s.Category("Tips", CategoryType::kVarIn, 100);
  EXPECT_TRUE(TransferBudget(s.Ledger(), food, tips, 0));
  EXPECT_EQ(s.Budget(food), 3640.0);
  EXPECT_EQ(s.Budget(tips), 100.0);
}

TEST(TransferBudgetTest, MissingCategoryChangesNothing) {
  SolverLedger s(1999);
  const std::uint32_t food = s.Category("Food", CategoryType::kVarEx, 3640);
  const std::uint32_t tips = s.Category("Tips", CategoryType::kVarIn, 100);
  const std::uint32_t missing = tips + 10;
  CYearLedger& ledger = s.Ledger();
  ledger.ClearModified();
  EXPECT_FALSE(TransferBudget(ledger, food, missing, 50));
  EXPECT_FALSE(TransferBudget(ledger, missing, tips, 50));
  EXPECT_FALSE(TransferBudget(ledger, 0, tips, 50));  // the id of the removed first row
  EXPECT_FALSE(ledger.IsModified());
  EXPECT_EQ(s.Budget(food), 3640.0);
  EXPECT_EQ(s.Budget(tips), 100.0);
}

TEST(TransferBudgetTest, TheSplitFollowsTheNewBudgets) {
  SolverLedger s(1999);
  const std::uint32_t food = s.Category("Food", CategoryType::kVarEx, 3640);
  const std::uint32_t fuel = s.Category("Fuel", CategoryType::kVarEx, 364);
  s.Transaction(110, food, 1000);
  s.Transaction(110, fuel, 1000);
  SolverSplit split = SplitVariableCategories(s.Ledger(), 701);
  ASSERT_EQ(IdsOf(split.surplus), std::vector<std::uint32_t>{food});
  ASSERT_EQ(IdsOf(split.deficit), std::vector<std::uint32_t>{fuel});

  ASSERT_TRUE(TransferBudget(s.Ledger(), food, fuel, split.surplus[0].figures.surplusAtYearEnd));
  EXPECT_EQ(s.Budget(food), 1000.0);
  EXPECT_EQ(s.Budget(fuel), 3004.0);
  split = SplitVariableCategories(s.Ledger(), 701);
  EXPECT_EQ(IdsOf(split.surplus), std::vector<std::uint32_t>{fuel});
  EXPECT_EQ(IdsOf(split.deficit), std::vector<std::uint32_t>{food});
  EXPECT_DOUBLE_EQ(split.deficit[0].figures.surplusAtYearEnd, 0.0);
}

}  // namespace
}  // namespace purso
