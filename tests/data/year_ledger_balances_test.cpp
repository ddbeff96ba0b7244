// Balances, budget spreading, balance date and category totals of a year ledger.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "data/calendar.h"
#include "data/record_table.h"
#include "data/year_ledger.h"
#include "support/ledger_records.h"

namespace purso {
namespace {

// Ledgers of one year whose transactions read "Payment".
class LedgerBuilder : public test::CYearLedgerBuilder {
 public:
  explicit LedgerBuilder(int year) : CYearLedgerBuilder(year, "Payment") {}
};

// A condition that no row of the table meets, applied, as a careless earlier
// query might have left it.
void SelectNothing(CRecordTable& table, std::uint32_t numberColumn) {
  table.ClearConditions();
  table.SetNumberCondition(0, 0, numberColumn, Operator::kGreater, 1e300);
  ASSERT_EQ(table.ApplyConditions(), 0u);
}

// True when no condition is left: applying again selects every row.
void ExpectConditionsCleared(CRecordTable& table) {
  for (std::uint32_t i = 0; i < table.GetRowCount(); ++i) EXPECT_TRUE(table.IsSelected(i)) << "row " << i;
  EXPECT_EQ(table.ApplyConditions(), table.GetRowCount());
}

constexpr std::uint32_t kDec31Common = 364;
constexpr std::uint32_t kDec31Leap = 365;

// --- DayIndex and Sign -----------------------------------------------------

struct DayIndexCase {
  int year;
  double monthDay;
  std::uint32_t expected;
};

class DayIndexTest : public ::testing::TestWithParam<DayIndexCase> {};

TEST_P(DayIndexTest, GivesZeroBasedDayOfYearOrZeroForInvalid) {
  const DayIndexCase& c = GetParam();
  CYearLedger ledger;
  ledger.SetYear(c.year);
  EXPECT_EQ(ledger.DayIndex(c.monthDay), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    CommonAndLeapYears, DayIndexTest,
    ::testing::Values(DayIndexCase{1999, 101, 0}, DayIndexCase{1999, 131, 30}, DayIndexCase{1999, 201, 31},
                      DayIndexCase{1999, 228, 58}, DayIndexCase{1999, 301, 59}, DayIndexCase{2000, 301, 60},
                      DayIndexCase{1999, 315, 73}, DayIndexCase{2000, 315, 74}, DayIndexCase{1999, 701, 181},
                      DayIndexCase{2000, 701, 182}, DayIndexCase{1999, 1201, 334}, DayIndexCase{1999, 1220, 353},
                      DayIndexCase{1999, 1230, 363}, DayIndexCase{1999, 1231, kDec31Common},
                      DayIndexCase{2000, 1231, kDec31Leap}, DayIndexCase{2024, 1231, kDec31Leap},
                      DayIndexCase{1998, 1231, kDec31Common}, DayIndexCase{2100, 1231, kDec31Common},
                      // February 29 exists in leap years only; 2000 is one, 2100 is not.
                      DayIndexCase{2000, 229, 59}, DayIndexCase{2024, 229, 59}, DayIndexCase{1999, 229, 0},
                      DayIndexCase{2100, 229, 0},
                      // Truncation, not rounding.
                      DayIndexCase{1999, 315.9, 73}, DayIndexCase{1999, 101.99, 0},
                      // Dates that are not in the calendar.
                      DayIndexCase{1999, 1300, 0}, DayIndexCase{1999, 0, 0}, DayIndexCase{1999, 1232, 0},
                      DayIndexCase{1999, 431, 0}, DayIndexCase{1999, 230, 0}, DayIndexCase{1999, 100, 0},
                      DayIndexCase{1999, 1, 0}, DayIndexCase{1999, -315, 0}, DayIndexCase{1999, 131231, 0}));

TEST(SignTest, ExpensesAreNegativeIncomesPositive) {
  LedgerBuilder b(1999);
  const std::uint32_t fixEx = b.Category("Rent", CategoryType::kFixEx, 0);
  const std::uint32_t fixIn = b.Category("Salary", CategoryType::kFixIn, 0);
  const std::uint32_t varEx = b.Category("Food", CategoryType::kVarEx, 0);
  const std::uint32_t varIn = b.Category("Tips", CategoryType::kVarIn, 0);
  CYearLedger& ledger = b.Ledger();
  EXPECT_EQ(ledger.Sign(fixEx), -1.0);
  EXPECT_EQ(ledger.Sign(fixIn), 1.0);
  EXPECT_EQ(ledger.Sign(varEx), -1.0);
  EXPECT_EQ(ledger.Sign(varIn), 1.0);
}

TEST(SignTest, MovesTheCategoryCursorToTheCategory) {
  LedgerBuilder b(1999);
  const std::uint32_t first = b.Category("Rent", CategoryType::kFixEx, 0);
  b.Category("Salary", CategoryType::kFixIn, 0);
  CYearLedger& ledger = b.Ledger();
  ASSERT_NE(ledger.Categories().GetRowId(), first);
  ledger.Sign(first);
  EXPECT_EQ(ledger.Categories().GetRowId(), first);
}

// --- Budget spreading --------------------------------------------------------

TEST(VariableBudgetTest, SumsSignedVariableBudgetsOnly) {
  LedgerBuilder b(1999);
  b.Category("Salary", CategoryType::kVarIn, 5000);
  b.Category("Food", CategoryType::kVarEx, 1350);
  b.Category("Rent", CategoryType::kFixEx, 999);
  b.Category("Bonus", CategoryType::kFixIn, 777);
  // Type codes are read by truncation.
  b.Category("Gifts", 3.7, 100);
  b.Category("Fuel", 2.2, 50);
  CYearLedger& ledger = b.Ledger();
  ledger.ComputeVariableBudget();
  EXPECT_DOUBLE_EQ(ledger.GetVariableBudgetTotal(), 3700.0);
  EXPECT_DOUBLE_EQ(ledger.GetDailyVariableBudget(), 3700.0 / 364);
}

TEST(VariableBudgetTest, NoCategoriesGiveNoFlow) {
  CYearLedger ledger;
  ledger.SetYear(1999);
  ledger.ComputeVariableBudget();
  EXPECT_EQ(ledger.GetVariableBudgetTotal(), 0.0);
  for (std::uint32_t i = 0; i < CYearLedger::kBalanceSlots; ++i) EXPECT_EQ(ledger.BudgetFlow(i), 0.0) << i;
}

// December 31 takes the remainder T - D * r, so the flows of the year add up
// to T and the day itself carries (almost exactly) nothing; the spare slots
// after it take the same value.
struct FlowCase {
  int year;
  std::uint32_t lastDay;
};

class BudgetFlowTest : public ::testing::TestWithParam<FlowCase> {};

TEST_P(BudgetFlowTest, DailyRateUntilDecember30AndRemainderOnDecember31) {
  const FlowCase& c = GetParam();
  LedgerBuilder b(c.year);
  b.Category("Food", CategoryType::kVarEx, 3640);
  CYearLedger& ledger = b.Ledger();
  ledger.ComputeVariableBudget();
  const double rate = -3640.0 / c.lastDay;
  EXPECT_DOUBLE_EQ(ledger.GetDailyVariableBudget(), rate);

  double yearTotal = 0.0;
  for (std::uint32_t i = 0; i < c.lastDay; ++i) {
    EXPECT_DOUBLE_EQ(ledger.BudgetFlow(i), rate) << "slot " << i;
    yearTotal += ledger.BudgetFlow(i);
  }
  const double december31 = ledger.BudgetFlow(c.lastDay);
  EXPECT_NEAR(december31, 0.0, 1e-9);
  yearTotal += december31;
  EXPECT_NEAR(yearTotal, -3640.0, 1e-9);
  for (std::uint32_t i = c.lastDay + 1; i < CYearLedger::kBalanceSlots; ++i) {
    EXPECT_EQ(ledger.BudgetFlow(i), december31) << "spare slot " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(CommonAndLeap, BudgetFlowTest,
                         ::testing::Values(FlowCase{1999, kDec31Common}, FlowCase{2000, kDec31Leap}));

TEST(BudgetFlowTest, ExactRateLeavesNothingForDecember31) {
  LedgerBuilder b(1999);
  b.Category("Food", CategoryType::kVarEx, 3640);
  CYearLedger& ledger = b.Ledger();
  ledger.ComputeVariableBudget();
  EXPECT_EQ(ledger.BudgetFlow(363), -10.0);
  EXPECT_EQ(ledger.BudgetFlow(kDec31Common), 0.0);
}

// --- PredictedBalances -----------------------------------------------------

TEST(PredictedBalancesTest, EmptyYearIsTheOpeningBalanceEveryDay) {
  for (const int year : {1999, 2000}) {
    CYearLedger ledger;
    ledger.SetYear(year);
    ledger.SetOpeningBalance(100);
    CYearLedger::BalanceArray balances;
    balances.fill(-1.0);
    EXPECT_EQ(ledger.PredictedBalances(balances), 100.0) << year;
    for (std::uint32_t i = 0; i < CYearLedger::kBalanceSlots; ++i) EXPECT_EQ(balances[i], 100.0) << year << " " << i;
  }
}

TEST(PredictedBalancesTest, VariableExpenseSpreadsTenADayInACommonYear) {
  LedgerBuilder b(1999);
  b.Category("Food", CategoryType::kVarEx, 3640);
  CYearLedger& ledger = b.Ledger();
  ledger.SetOpeningBalance(5000);
  CYearLedger::BalanceArray balances;
  const double december31 = ledger.PredictedBalances(balances);
  for (std::uint32_t i = 0; i < kDec31Common; ++i) {
    EXPECT_DOUBLE_EQ(balances[i], 5000.0 - 10.0 * (i + 1)) << "slot " << i;
  }
  EXPECT_DOUBLE_EQ(balances[363], 5000.0 - 3640.0);
  // The year's flows add up to the budget: December 31 adds nothing more.
  EXPECT_DOUBLE_EQ(balances[kDec31Common], 5000.0 - 3640.0);
  EXPECT_EQ(december31, balances[kDec31Common]);
  for (std::uint32_t i = kDec31Common + 1; i < CYearLedger::kBalanceSlots; ++i) {
    EXPECT_DOUBLE_EQ(balances[i], 5000.0 - 3640.0) << "spare slot " << i;
  }
}

TEST(PredictedBalancesTest, VariableExpenseSpreadsOver365DaysInALeapYear) {
  LedgerBuilder b(2000);
  b.Category("Food", CategoryType::kVarEx, 3640);
  CYearLedger& ledger = b.Ledger();
  CYearLedger::BalanceArray balances;
  const double december31 = ledger.PredictedBalances(balances);
  const double rate = 3640.0 / 365;
  EXPECT_DOUBLE_EQ(balances[0], -rate);
  EXPECT_DOUBLE_EQ(balances[1] - balances[0], -rate);
  EXPECT_NEAR(balances[363], -rate * 364, 1e-9);
  EXPECT_NEAR(balances[364], -3640.0, 1e-9);  // December 30
  EXPECT_NEAR(balances[kDec31Leap], -3640.0, 1e-9);
  EXPECT_EQ(december31, balances[kDec31Leap]);
}

TEST(PredictedBalancesTest, VariableIncomeRaisesTheBalance) {
  LedgerBuilder b(1999);
  b.Category("Salary", CategoryType::kVarIn, 36400);
  CYearLedger& ledger = b.Ledger();
  CYearLedger::BalanceArray balances;
  EXPECT_DOUBLE_EQ(ledger.PredictedBalances(balances), 36400.0);
  EXPECT_DOUBLE_EQ(balances[0], 100.0);
  EXPECT_DOUBLE_EQ(balances[99], 10000.0);
}

struct PredactionCase {
  int year;
  std::uint32_t slot;  // of March 15
};

class FixedIncomePredactionTest : public ::testing::TestWithParam<PredactionCase> {};

TEST_P(FixedIncomePredactionTest, RaisesTheBalanceFromItsDayOnwards) {
  const PredactionCase& c = GetParam();
  LedgerBuilder b(c.year);
  const std::uint32_t bonus = b.Category("Bonus", CategoryType::kFixIn, 500);
  b.Predaction(bonus, 315, 500);
  CYearLedger& ledger = b.Ledger();
  CYearLedger::BalanceArray balances;
  EXPECT_EQ(ledger.PredictedBalances(balances), 500.0);
  for (std::uint32_t i = 0; i < c.slot; ++i) EXPECT_EQ(balances[i], 0.0) << "slot " << i;
  for (std::uint32_t i = c.slot; i < CYearLedger::kBalanceSlots; ++i) EXPECT_EQ(balances[i], 500.0) << "slot " << i;
}

INSTANTIATE_TEST_SUITE_P(CommonAndLeap, FixedIncomePredactionTest,
                         ::testing::Values(PredactionCase{1999, 73}, PredactionCase{2000, 74}));

TEST(PredictedBalancesTest, PredactionsTakeTheSignOfTheirCategory) {
  LedgerBuilder b(1999);
  const std::uint32_t rent = b.Category("Rent", CategoryType::kFixEx, 1200);
  const std::uint32_t salary = b.Category("Salary", CategoryType::kFixIn, 3000);
  b.Predaction(rent, 201, 600);
  b.Predaction(salary, 201, 3000);
  b.Predaction(rent, 1231, 600);
  CYearLedger& ledger = b.Ledger();
  ledger.SetOpeningBalance(10);
  CYearLedger::BalanceArray balances;
  EXPECT_EQ(ledger.PredictedBalances(balances), 10.0 + 3000 - 600 - 600);
  EXPECT_EQ(balances[30], 10.0);
  EXPECT_EQ(balances[31], 10.0 + 2400);
  EXPECT_EQ(balances[363], 10.0 + 2400);
  EXPECT_EQ(balances[kDec31Common], 10.0 + 1800);
  EXPECT_EQ(balances[369], 10.0 + 1800);
}

TEST(PredictedBalancesTest, PredactionWithInvalidDateCountsOnJanuary1) {
  for (const double date : {230.0, 0.0, 1232.0}) {
    LedgerBuilder b(1999);
    const std::uint32_t rent = b.Category("Rent", CategoryType::kFixEx, 70);
    b.Predaction(rent, date, 70);
    CYearLedger& ledger = b.Ledger();
    ledger.SetOpeningBalance(100);
    CYearLedger::BalanceArray balances;
    ledger.PredictedBalances(balances);
    EXPECT_EQ(balances[0], 30.0) << date;
    EXPECT_EQ(balances[kDec31Common], 30.0) << date;
  }
}

// Every month-day number, valid or not and with a fraction or not, counts on
// the slot DayIndex gives it.
TEST(PredictedBalancesTest, EveryDateCountsOnItsDayIndex) {
  for (const int year : {1999, 2000}) {
    LedgerBuilder b(year);
    const std::uint32_t bonus = b.Category("Bonus", CategoryType::kFixIn, 1);
    b.Predaction(bonus, 101, 1);
    CYearLedger& ledger = b.Ledger();
    CRecordTable& predactions = ledger.Predactions();
    CYearLedger::BalanceArray balances;
    for (int hundredths = -100; hundredths <= 140000; hundredths += 25) {
      const double date = hundredths / 100.0;
      if (hundredths > 130000 && hundredths % 1000 != 0) continue;
      predactions.First();
      predactions.SetNumber(predaction_column::kDate, date);
      ledger.PredictedBalances(balances);
      const std::uint32_t slot = ledger.DayIndex(date);
      ASSERT_EQ(balances[slot], 1.0) << year << " " << date;
      if (slot > 0) {
        ASSERT_EQ(balances[slot - 1], 0.0) << year << " " << date;
      }
    }
  }
}

// Signs are looked up by row id however many categories were removed before.
TEST(PredictedBalancesTest, SignsHoldWhenMostCategoriesWereRemoved) {
  LedgerBuilder b(1999);
  CRecordTable& categories = b.Ledger().Categories();
  for (int i = 0; i < 200; ++i) b.Category("Old", CategoryType::kFixIn, 0);
  while (categories.First()) categories.RemoveRow();
  const std::uint32_t rent = b.Category("Rent", CategoryType::kFixEx, 100);
  const std::uint32_t salary = b.Category("Salary", CategoryType::kFixIn, 1000);
  const std::uint32_t fuel = b.Category("Fuel", 2.9, 0);  // truncated to Var Ex
  ASSERT_GT(rent, 200u);
  b.Predaction(rent, 102, 100);
  b.Predaction(salary, 103, 1000);
  b.Transaction(104, fuel, 10);
  b.Transaction(105, salary, 1000);
  b.Transaction(106, rent, 100);
  CYearLedger& ledger = b.Ledger();
  CYearLedger::BalanceArray balances;
  ledger.PredictedBalances(balances);
  EXPECT_EQ(balances[1], -100.0);
  EXPECT_EQ(balances[2], 900.0);
  const CFixedClock clock(CivilDate{2000, 1, 1});
  const CScopedClock scoped(clock);
  ledger.ActualBalances(balances);
  EXPECT_EQ(balances[3], -10.0);
  EXPECT_EQ(balances[4], 990.0);
  EXPECT_EQ(balances[5], 890.0);
  EXPECT_EQ(ledger.TransactionBalance(), 890.0);
}

TEST(PredictedBalancesTest, CountsEveryPredactionWhateverWasSelected) {
  LedgerBuilder b(1999);
  const std::uint32_t rent = b.Category("Rent", CategoryType::kFixEx, 300);
  b.Predaction(rent, 110, 100);
  b.Predaction(rent, 210, 200);
  CYearLedger& ledger = b.Ledger();
  SelectNothing(ledger.Predactions(), predaction_column::kAmount);
  CYearLedger::BalanceArray balances;
  EXPECT_EQ(ledger.PredictedBalances(balances), -300.0);
  ExpectConditionsCleared(ledger.Predactions());
}

TEST(PredictedBalancesTest, RecomputesTheVariableBudgetEachTime) {
  LedgerBuilder b(1999);
  const std::uint32_t food = b.Category("Food", CategoryType::kVarEx, 3640);
  CYearLedger& ledger = b.Ledger();
  CYearLedger::BalanceArray balances;
  EXPECT_DOUBLE_EQ(ledger.PredictedBalances(balances), -3640.0);
  ledger.Categories().Find(food);
  ledger.Categories().SetNumber(category_column::kBudget, 728);
  EXPECT_DOUBLE_EQ(ledger.PredictedBalances(balances), -728.0);
  EXPECT_DOUBLE_EQ(balances[0], -2.0);
}

// --- Balance date ------------------------------------------------------------

struct BalanceDateCase {
  const char* name;
  CivilDate today;
  bool withTransaction;  // one on December 20 of 1999
  double expected;
};

class BalanceDateTest : public ::testing::TestWithParam<BalanceDateCase> {};

TEST_P(BalanceDateTest, NeverBeforeTheLastTransaction) {
  const BalanceDateCase& c = GetParam();
  LedgerBuilder b(1999);
  const std::uint32_t food = b.Category("Food", CategoryType::kVarEx, 100);
  if (c.withTransaction) b.Transaction(1220, food, 5);
  const CFixedClock clock(c.today, CivilDate{1900, 1, 1});
  const CScopedClock scoped(clock);
  EXPECT_EQ(b.Ledger().BalanceDate(), c.expected);
  EXPECT_EQ(b.Ledger().BalanceDate(c.today), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PastCurrentAndFutureYears, BalanceDateTest,
    ::testing::Values(BalanceDateCase{"CurrentYearBeforeLastTransaction", {1999, 12, 1}, true, 1220},
                      BalanceDateCase{"CurrentYearAfterLastTransaction", {1999, 12, 25}, true, 1225},
                      BalanceDateCase{"CurrentYearNoTransaction", {1999, 12, 1}, false, 1201},
                      BalanceDateCase{"CurrentYearJanuary1", {1999, 1, 1}, false, 101},
                      BalanceDateCase{"PastYear", {2000, 1, 1}, true, 1231},
                      BalanceDateCase{"PastYearNoTransaction", {2024, 12, 1}, false, 1231},
                      BalanceDateCase{"FutureYear", {1998, 12, 1}, true, 1220},
                      BalanceDateCase{"FutureYearNoTransaction", {1998, 12, 1}, false, 101}),
    [](const ::testing::TestParamInfo<BalanceDateCase>& info) { return std::string(info.param.name); });

TEST(BalanceDateTest, ReadsTheLocalDateNotUtc) {
  LedgerBuilder b(1999);
  const CFixedClock clock(CivilDate{1999, 6, 30}, CivilDate{1999, 7, 1});
  const CScopedClock scoped(clock);
  EXPECT_EQ(b.Ledger().BalanceDate(), 630.0);
}

TEST(LastTransactionDateTest, LargestDateAndAtLeastJanuary1) {
  LedgerBuilder b(1999);
  CYearLedger& ledger = b.Ledger();
  EXPECT_EQ(ledger.LastTransactionDate(), 101.0);
  const std::uint32_t food = b.Category("Food", CategoryType::kVarEx, 100);
  b.Transaction(0, food, 1);
  EXPECT_EQ(ledger.LastTransactionDate(), 101.0);
  b.Transaction(305, food, 1);
  b.Transaction(1220, food, 1);
  b.Transaction(610, food, 1);
  EXPECT_EQ(ledger.LastTransactionDate(), 1220.0);
}

// --- ActualBalances ----------------------------------------------------------

TEST(ActualBalancesTest, EmptyYearIsTheOpeningBalanceUpToTheBalanceDate) {
  CYearLedger ledger;
  ledger.SetYear(1999);
  ledger.SetOpeningBalance(100);
  const CFixedClock clock(CivilDate{1999, 7, 1});
  const CScopedClock scoped(clock);
  CYearLedger::BalanceArray balances;
  balances.fill(-1.0);
  EXPECT_EQ(ledger.ActualBalances(balances), 100.0);
  for (std::uint32_t i = 0; i <= 181; ++i) EXPECT_EQ(balances[i], 100.0) << "slot " << i;
  for (std::uint32_t i = 182; i < CYearLedger::kBalanceSlots; ++i) EXPECT_EQ(balances[i], 0.0) << "slot " << i;
}

TEST(ActualBalancesTest, RunningSumOfSignedTransactions) {
  LedgerBuilder b(1999);
  const std::uint32_t salary = b.Category("Salary", CategoryType::kFixIn, 300);
  const std::uint32_t food = b.Category("Food", CategoryType::kVarEx, 1000);
  const std::uint32_t tips = b.Category("Tips", CategoryType::kVarIn, 50);
  const std::uint32_t rent = b.Category("Rent", CategoryType::kFixEx, 400);
  b.Transaction(105, salary, 300);
  b.Transaction(210, food, 50);
  b.Transaction(210, tips, 7);
  b.Transaction(301, rent, 400);
  CYearLedger& ledger = b.Ledger();
  ledger.SetOpeningBalance(1000);
  const CFixedClock clock(CivilDate{1999, 3, 10});
  const CScopedClock scoped(clock);
  CYearLedger::BalanceArray balances;
  EXPECT_EQ(ledger.ActualBalances(balances), 857.0);
  EXPECT_EQ(balances[3], 1000.0);
  EXPECT_EQ(balances[4], 1300.0);
  EXPECT_EQ(balances[40], 1257.0);
  EXPECT_EQ(balances[58], 1257.0);
  EXPECT_EQ(balances[59], 857.0);
  EXPECT_EQ(balances[68], 857.0);  // March 10, the balance date
  EXPECT_EQ(balances[69], 0.0);
}

TEST(ActualBalancesTest, LaterTransactionMovesTheBalanceDate) {
  LedgerBuilder b(1999);
  const std::uint32_t food = b.Category("Food", CategoryType::kVarEx, 100);
  b.Transaction(1220, food, 30);
  CYearLedger& ledger = b.Ledger();
  const CFixedClock clock(CivilDate{1999, 12, 1});
  const CScopedClock scoped(clock);
  CYearLedger::BalanceArray balances;
  EXPECT_EQ(ledger.ActualBalances(balances), -30.0);
  EXPECT_EQ(balances[353], -30.0);
  EXPECT_EQ(balances[354], 0.0);
}

TEST(ActualBalancesTest, PastYearRunsToDecember31AndFutureYearStopsOnJanuary1) {
  for (const int year : {1999, 2000}) {
    const std::uint32_t lastDay = year == 2000 ? kDec31Leap : kDec31Common;
    LedgerBuilder b(year);
    const std::uint32_t salary = b.Category("Salary", CategoryType::kFixIn, 100);
    b.Transaction(101, salary, 10);
    b.Transaction(601, salary, 20);
    CYearLedger& ledger = b.Ledger();
    CYearLedger::BalanceArray balances;
    {
      const CFixedClock clock(CivilDate{2010, 5, 5});
      const CScopedClock scoped(clock);
      EXPECT_EQ(ledger.ActualBalances(balances), 30.0) << year;
      EXPECT_EQ(balances[lastDay], 30.0) << year;
      for (std::uint32_t i = lastDay + 1; i < CYearLedger::kBalanceSlots; ++i) EXPECT_EQ(balances[i], 0.0) << i;
    }
    {
      const CFixedClock clock(CivilDate{1998, 5, 5});
      const CScopedClock scoped(clock);
      // The transaction of June 1 puts the balance date there.
      const std::uint32_t june1 = ledger.DayIndex(601);
      EXPECT_EQ(ledger.ActualBalances(balances), 30.0) << year;
      EXPECT_EQ(balances[0], 10.0);
      EXPECT_EQ(balances[june1], 30.0);
      EXPECT_EQ(balances[june1 + 1], 0.0);
    }
  }
}

TEST(ActualBalancesTest, TransactionWithInvalidDateCountsOnJanuary1) {
  LedgerBuilder b(1999);
  const std::uint32_t salary = b.Category("Salary", CategoryType::kFixIn, 100);
  b.Transaction(230, salary, 25);
  CYearLedger& ledger = b.Ledger();
  const CFixedClock clock(CivilDate{1999, 1, 1});
  const CScopedClock scoped(clock);
  CYearLedger::BalanceArray balances;
  EXPECT_EQ(ledger.ActualBalances(balances), 25.0);
  EXPECT_EQ(balances[0], 25.0);
  EXPECT_EQ(balances[1], 0.0);
}

TEST(ActualBalancesTest, CountsEveryTransactionWhateverWasSelected) {
  LedgerBuilder b(1999);
  const std::uint32_t food = b.Category("Food", CategoryType::kVarEx, 100);
  b.Transaction(110, food, 10);
  b.Transaction(120, food, 20);
  CYearLedger& ledger = b.Ledger();
  SelectNothing(ledger.Transactions(), transaction_column::kAmount);
  const CFixedClock clock(CivilDate{2005, 1, 1});
  const CScopedClock scoped(clock);
  CYearLedger::BalanceArray balances;
  EXPECT_EQ(ledger.ActualBalances(balances), -30.0);
  ExpectConditionsCleared(ledger.Transactions());
}

// --- Totals ------------------------------------------------------------------

TEST(TransactionBalanceTest, OpeningBalancePlusSignedTransactions) {
  LedgerBuilder b(1999);
  const std::uint32_t salary = b.Category("Salary", CategoryType::kFixIn, 300);
  const std::uint32_t rent = b.Category("Rent", CategoryType::kFixEx, 50);
  const std::uint32_t food = b.Category("Food", CategoryType::kVarEx, 20);
  const std::uint32_t tips = b.Category("Tips", CategoryType::kVarIn, 10);
  CYearLedger& ledger = b.Ledger();
  ledger.SetOpeningBalance(100);
  EXPECT_EQ(ledger.TransactionBalance(), 100.0);
  b.Transaction(105, salary, 300);
  b.Transaction(1231, rent, 50);
  b.Transaction(230, food, 20);  // an invalid date still counts
  b.Transaction(501, tips, 10);
  EXPECT_EQ(ledger.TransactionBalance(), 340.0);
  SelectNothing(ledger.Transactions(), transaction_column::kAmount);
  EXPECT_EQ(ledger.TransactionBalance(), 340.0);
  ExpectConditionsCleared(ledger.Transactions());
}

TEST(CategoryActualTest, SignedSumOfTheCategorysTransactionsOnly) {
  LedgerBuilder b(1999);
  const std::uint32_t food = b.Category("Food", CategoryType::kVarEx, 3640);
  const std::uint32_t tips = b.Category("Tips", CategoryType::kVarIn, 100);
  const std::uint32_t idle = b.Category("Idle", CategoryType::kVarEx, 100);
  b.Transaction(110, food, 600);
  b.Transaction(111, tips, 45);
  b.Transaction(610, food, 400);
  b.Transaction(612, tips, 5);
  CYearLedger& ledger = b.Ledger();
  EXPECT_EQ(ledger.CategoryActual(food), -1000.0);
  EXPECT_EQ(ledger.CategoryActual(tips), 50.0);
  EXPECT_EQ(ledger.CategoryActual(idle), 0.0);
  ExpectConditionsCleared(ledger.Transactions());
}

// The Solver walks the selected variable categories and asks for each one's
// actual: the walk's selection must survive the question.
TEST(CategoryActualTest, LeavesTheCategorySelectionAlone) {
  LedgerBuilder b(1999);
  b.Category("Rent", CategoryType::kFixEx, 10);
  const std::uint32_t food = b.Category("Food", CategoryType::kVarEx, 10);
  b.Category("Salary", CategoryType::kFixIn, 10);
  b.Transaction(110, food, 6);
  CYearLedger& ledger = b.Ledger();
  CRecordTable& categories = ledger.Categories();
  categories.ClearConditions();
  categories.SetNumberCondition(0, 0, category_column::kType, Operator::kGreater, 1.0);
  ASSERT_EQ(categories.ApplyConditions(), 1u);
  ASSERT_TRUE(categories.First());
  EXPECT_EQ(ledger.CategoryActual(food), -6.0);
  EXPECT_EQ(categories.GetRowId(), food);
  EXPECT_FALSE(categories.IsSelected(0));
  EXPECT_TRUE(categories.IsSelected(1));
  EXPECT_FALSE(categories.IsSelected(2));
  EXPECT_FALSE(categories.Next());
  categories.ClearConditions();
}

TEST(NetBudgetTest, SignedBudgetsOfAllTypes) {
  LedgerBuilder b(1999);
  CYearLedger& ledger = b.Ledger();
  EXPECT_EQ(ledger.NetBudget(), 0.0);
  b.Category("Rent", CategoryType::kFixEx, 1200);
  b.Category("Salary", CategoryType::kVarIn, 5000);
  EXPECT_EQ(ledger.NetBudget(), 3800.0);
  b.Category("Bonus", CategoryType::kFixIn, 300);
  b.Category("Food", CategoryType::kVarEx, 1000);
  EXPECT_EQ(ledger.NetBudget(), 3100.0);
  // Codes are truncated toward zero: -0.5 is type 0, an expense; -1 and
  // anything else outside 0..3 count as incomes, as every type but the
  // two expense types does.
  b.Category("Almost zero", -0.5, 100);
  EXPECT_EQ(ledger.NetBudget(), 3000.0);
  b.Category("Damaged", -1.0, 100);
  b.Category("Far off", -1e300, 100);
  EXPECT_EQ(ledger.NetBudget(), 3200.0);
}

struct ProRataCase {
  int year;
  double amount;
  double monthDay;
  double expected;
};

class ProRataTest : public ::testing::TestWithParam<ProRataCase> {};

TEST_P(ProRataTest, ShareOfTheYearBeforeTheDate) {
  const ProRataCase& c = GetParam();
  CYearLedger ledger;
  ledger.SetYear(c.year);
  EXPECT_DOUBLE_EQ(ledger.ProRata(c.amount, c.monthDay), c.expected);
}

INSTANTIATE_TEST_SUITE_P(CommonAndLeap, ProRataTest,
                         ::testing::Values(ProRataCase{1999, 3640, 101, 0}, ProRataCase{1999, 3640, 1231, 3640},
                                           ProRataCase{2000, 3640, 1231, 3640},
                                           ProRataCase{1999, 3640, 701, 3640.0 * 181 / 364},
                                           ProRataCase{1999, 3640, 701, 1810},
                                           ProRataCase{2000, 3650, 701, 3650.0 * 182 / 365},
                                           ProRataCase{1999, 3640, 230, 0}, ProRataCase{1999, -364, 102, -1}));

// --- What the balance operations leave behind ------------------------------

TEST(BalanceOperationsTest, ChangeNoRecordAndLeaveEveryTableUnconditioned) {
  LedgerBuilder b(1999);
  CYearLedger& ledger = b.Ledger();
  ledger.Objects().AddRow();
  ledger.Objects().SetText(name_column::kName, "Car");
  ledger.FunctionalAreas().AddRow();
  ledger.FunctionalAreas().SetText(name_column::kName, "Fuel");
  const std::uint32_t rent = b.Category("Rent", CategoryType::kFixEx, 500);
  const std::uint32_t food = b.Category("Food", CategoryType::kVarEx, 3640);
  b.Predaction(rent, 201, 500);
  b.Transaction(203, rent, 500);
  b.Transaction(210, food, 30);
  ledger.SetOpeningBalance(10);
  ledger.ClearModified();

  SelectNothing(ledger.Predactions(), predaction_column::kAmount);
  SelectNothing(ledger.Transactions(), transaction_column::kAmount);
  const CFixedClock clock(CivilDate{1999, 6, 1});
  const CScopedClock scoped(clock);
  CYearLedger::BalanceArray balances;
  ledger.PredictedBalances(balances);
  ledger.ActualBalances(balances);
  ledger.TransactionBalance();
  ledger.CategoryActual(food);
  ledger.NetBudget();
  ledger.BalanceDate();
  ledger.ProRata(100, 601);

  EXPECT_FALSE(ledger.IsModified());
  EXPECT_EQ(ledger.GetOpeningBalance(), 10.0);
  ExpectConditionsCleared(ledger.Categories());
  ExpectConditionsCleared(ledger.FunctionalAreas());
  ExpectConditionsCleared(ledger.Objects());
  ExpectConditionsCleared(ledger.Predactions());
  ExpectConditionsCleared(ledger.Transactions());
}

}  // namespace
}  // namespace purso
