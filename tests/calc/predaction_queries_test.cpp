// The predaction and category queries of calc/, on one small year.
#include "calc/predaction_queries.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "calc/category_queries.h"
#include "support/ledger_records.h"

namespace purso {
namespace {

using test::AddPredaction;
using test::PredactionBudget;

class PredactionQueriesTest : public ::testing::Test {
 protected:
  PredactionQueriesTest() {
    car_ = test::AddObject(ledger_, "Car");
    test::BurnRowId(ledger_.Categories());
    rent_ = test::AddCategory(ledger_, "Rent", CategoryType::kFixEx, 0, 9, 9);
    pay_ = test::AddCategory(ledger_, "Pay", CategoryType::kFixIn, 0, car_, 9);
    for (double date : {101, 201, 301, 401}) rentDates_.push_back(AddPredaction(ledger_, rent_, date, 100));
    payJanuary_ = AddPredaction(ledger_, pay_, 125, 900);
    test::AddTransaction(ledger_, 203, rent_, 100, "Rent", rentDates_[1]);
  }

  std::vector<double> DatesOf(std::uint32_t category) const {
    std::vector<double> dates;
    const CRecordTable& predactions = ledger_.Predactions();
    for (std::uint32_t row = 0; row < predactions.GetRowCount(); ++row) {
      if (predactions.NumberAt(row, predaction_column::kCategory) == category) {
        dates.push_back(predactions.NumberAt(row, predaction_column::kDate));
      }
    }
    return dates;
  }

  CYearLedger ledger_;
  std::uint32_t car_ = 0, rent_ = 0, pay_ = 0, payJanuary_ = 0;
  std::vector<std::uint32_t> rentDates_;
};

TEST_F(PredactionQueriesTest, APredactionIsMatchedWhenATransactionNamesIt) {
  EXPECT_TRUE(IsPredactionMatched(ledger_, rentDates_[1]));
  EXPECT_FALSE(IsPredactionMatched(ledger_, rentDates_[0]));
  EXPECT_FALSE(IsPredactionMatched(ledger_, payJanuary_));
}

TEST_F(PredactionQueriesTest, SumsAndRemovalsKeepToTheirCategory) {
  EXPECT_EQ(SumPredactions(ledger_, rent_).count, 4u);
  EXPECT_EQ(SumPredactions(ledger_, rent_).total, 400);
  EXPECT_EQ(RemoveUnmatchedPredactions(ledger_, rent_), 3u);
  EXPECT_EQ(DatesOf(rent_), std::vector<double>{201});  // the matched one stays
  EXPECT_EQ(DatesOf(pay_), std::vector<double>{125});
  EXPECT_EQ(RemoveCategoryPredactions(ledger_, rent_), 1u);
  EXPECT_EQ(SumPredactions(ledger_, rent_).count, 0u);
  EXPECT_EQ(SumPredactions(ledger_, pay_).total, 900);
}

TEST_F(PredactionQueriesTest, CategoryInUseTotalsAndUsers) {
  EXPECT_TRUE(IsCategoryInUse(ledger_, rent_));
  EXPECT_FALSE(IsCategoryInUse(ledger_, pay_));

  test::AddCategory(ledger_, "Food", CategoryType::kVarEx, 300);
  test::AddCategory(ledger_, "Bonus", CategoryType::kVarIn, 50);
  const BudgetTotals totals = ComputeBudgetTotals(ledger_);  // Rent 400, Pay 900 from their predactions
  EXPECT_EQ(totals.count, 4u);
  EXPECT_EQ(totals.income, 950);
  EXPECT_EQ(totals.expenses, 700);
  EXPECT_EQ(totals.Balance(), 250);

  EXPECT_EQ(FirstCategoryUsing(ledger_, MasterList::kObjects, car_), std::optional<std::string>("Pay"));
  EXPECT_EQ(FirstCategoryUsing(ledger_, MasterList::kFunctionalAreas, 9), std::optional<std::string>("Rent"));
  EXPECT_EQ(FirstCategoryUsing(ledger_, MasterList::kFunctionalAreas, 5), std::nullopt);

  EXPECT_TRUE(RemoveCategory(ledger_, pay_));
  EXPECT_FALSE(RemoveCategory(ledger_, pay_));
  EXPECT_EQ(DatesOf(pay_), std::vector<double>{});
  EXPECT_EQ(DatesOf(rent_).size(), 4u);
}

}  // namespace
}  // namespace purso
