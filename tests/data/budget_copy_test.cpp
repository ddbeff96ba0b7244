#include "data/budget_copy.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/byte_builder.h"
#include "support/ledger_records.h"

namespace purso {
namespace {

using ::testing::ElementsAre;
using namespace purso::test;

CYearLedger Year(int year) {
  CYearLedger ledger;
  ledger.SetYear(year);
  return ledger;
}

std::vector<std::string> Names(const CRecordTable& table) {
  std::vector<std::string> names;
  for (std::uint32_t i = 0; i < table.GetRowCount(); ++i) names.emplace_back(table.TextAt(i, name_column::kName));
  return names;
}

// The name of the row a category links to in a name table; "?" when it links to no row.
std::string LinkedName(const CYearLedger& ledger, std::uint32_t category, std::uint32_t column) {
  const CRecordTable& names = column == category_column::kObject ? ledger.Objects() : ledger.FunctionalAreas();
  const std::uint32_t id = RowIdFromNumber(ledger.Categories().NumberAt(category, column));
  for (std::uint32_t i = 0; i < names.GetRowCount(); ++i) {
    if (names.RowIdAt(i) == id) return std::string(names.TextAt(i, name_column::kName));
  }
  return "?";
}

// 2025 of a household: ids that differ from positions, a fixed expense with
// two predactions, a variable income, transactions and an opening balance.
class BudgetCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BurnRowId(from_.Objects());
    const std::uint32_t car = AddObject(from_, "Car");
    const std::uint32_t household = AddObject(from_, "Household");
    BurnRowId(from_.FunctionalAreas());
    const std::uint32_t insurance = AddFunctionalArea(from_, "Insurance");
    const std::uint32_t job = AddFunctionalArea(from_, "Day job");
    BurnRowId(from_.Categories());
    carInsurance_ = AddCategory(from_, "Car insurance", CategoryType::kFixEx, 0, car, insurance);
    salary_ = AddCategory(from_, "Salary", CategoryType::kVarIn, 3640, household, job);
    const std::uint32_t march = AddPredaction(from_, carInsurance_, 315, 600);
    AddPredaction(from_, carInsurance_, 915, 650);
    AddTransaction(from_, 316, carInsurance_, 580, "Insurance paid", march);
    AddTransaction(from_, 131, salary_, 300, "January pay");
    from_.SetOpeningBalance(100);
    // The new year's tables have used ids too, so that copied ids are new ones.
    BurnRowId(to_.Objects());
    BurnRowId(to_.Categories());
    BurnRowId(to_.Categories());
  }

  CYearLedger from_ = Year(2025);
  CYearLedger to_ = Year(2026);
  std::uint32_t carInsurance_ = 0;
  std::uint32_t salary_ = 0;
};

TEST_F(BudgetCopyTest, CopiesTheBudgetLinkedToTheCopiedRows) {
  ASSERT_TRUE(CanCopyBudgetForward(from_, to_));
  ASSERT_TRUE(CopyBudgetForward(from_, to_));
  EXPECT_THAT(Names(to_.Objects()), ElementsAre("Car", "Household"));
  EXPECT_THAT(Names(to_.FunctionalAreas()), ElementsAre("Insurance", "Day job"));
  EXPECT_THAT(Names(to_.Categories()), ElementsAre("Car insurance", "Salary"));
  EXPECT_EQ(to_.Objects().RowIdAt(0), 1u);
  EXPECT_EQ(to_.Categories().RowIdAt(0), 2u);

  const CRecordTable& categories = to_.Categories();
  EXPECT_EQ(LinkedName(to_, 0, category_column::kObject), "Car");
  EXPECT_EQ(LinkedName(to_, 0, category_column::kFunctionalArea), "Insurance");
  EXPECT_EQ(LinkedName(to_, 1, category_column::kObject), "Household");
  EXPECT_EQ(LinkedName(to_, 1, category_column::kFunctionalArea), "Day job");
  EXPECT_EQ(categories.NumberAt(0, category_column::kType), 0.0);
  EXPECT_EQ(categories.NumberAt(0, category_column::kBudget), 1250.0);
  EXPECT_EQ(categories.NumberAt(1, category_column::kType), 3.0);
  EXPECT_EQ(categories.NumberAt(1, category_column::kBudget), 3640.0);

  const CRecordTable& predactions = to_.Predactions();
  ASSERT_EQ(predactions.GetRowCount(), 2u);
  for (std::uint32_t i = 0; i < 2; ++i) {
    EXPECT_EQ(predactions.NumberAt(i, predaction_column::kCategory), categories.RowIdAt(0)) << i;
  }
  EXPECT_EQ(predactions.NumberAt(0, predaction_column::kDate), 315.0);
  EXPECT_EQ(predactions.NumberAt(1, predaction_column::kAmount), 650.0);

  EXPECT_EQ(to_.Transactions().GetRowCount(), 0u);
  EXPECT_EQ(to_.GetOpeningBalance(), 100.0 - 580.0 + 300.0);
  EXPECT_TRUE(to_.IsModified());
  EXPECT_EQ(from_.Transactions().GetRowCount(), 2u);
  EXPECT_EQ(from_.Categories().GetRowCount(), 2u);
}

TEST_F(BudgetCopyTest, AFixedBudgetIsTheSumOfItsCopiedPredactions) {
  // A budget out of step with its predactions, a predaction of a variable
  // category and one of a category that does not exist: only the fixed
  // category's own predactions are its budget.
  from_.Categories().Find(carInsurance_);
  from_.Categories().SetNumber(category_column::kBudget, 99);
  AddPredaction(from_, salary_, 1001, 40, PredactionBudget::kUntouched);
  AddPredaction(from_, 77, 1002, 50, PredactionBudget::kUntouched);
  ASSERT_TRUE(CopyBudgetForward(from_, to_));
  EXPECT_EQ(to_.Predactions().GetRowCount(), 2u);
  EXPECT_EQ(to_.Categories().NumberAt(0, category_column::kBudget), 1250.0);
  EXPECT_EQ(to_.Categories().NumberAt(1, category_column::kBudget), 3640.0);
}

TEST_F(BudgetCopyTest, RemovedObjectsAndAreasGetOnePlaceholderEach) {
  from_.Objects().Find(1);  // Car
  from_.Objects().RemoveRow();
  from_.FunctionalAreas().Find(2);  // Day job
  from_.FunctionalAreas().RemoveRow();
  AddObject(from_, "REMOVED OBJECT");  // takes the placeholder's name
  AddCategory(from_, "Car tax", CategoryType::kFixEx, 0, 1, 1);
  ASSERT_TRUE(CopyBudgetForward(from_, to_));

  EXPECT_THAT(Names(to_.Objects()), ElementsAre("Household", "REMOVED OBJECT", "Removed object 2"));
  EXPECT_THAT(Names(to_.FunctionalAreas()), ElementsAre("Insurance", "Removed fun. area"));
  const std::vector<std::vector<std::string>> links = {
      {"Removed object 2", "Insurance"}, {"Household", "Removed fun. area"}, {"Removed object 2", "Insurance"}};
  ASSERT_EQ(to_.Categories().GetRowCount(), links.size());
  for (std::uint32_t i = 0; i < links.size(); ++i) {
    EXPECT_EQ(LinkedName(to_, i, category_column::kObject), links[i][0]) << i;
    EXPECT_EQ(LinkedName(to_, i, category_column::kFunctionalArea), links[i][1]) << i;
  }
  EXPECT_EQ(to_.Predactions().GetRowCount(), 2u);
  EXPECT_EQ(to_.Categories().NumberAt(0, category_column::kBudget), 1250.0);
}

TEST(BudgetCopyDates, February29BecomesFebruary28InACommonYear) {
  const struct {
    int from, to;
    double date, expected;
  } cases[] = {
      {2028, 2029, 229, 228}, {2028, 2029, 229.5, 228}, {2028, 2032, 229, 229}, {2027, 2028, 228, 228},
      {2028, 2029, 301, 301}, {2027, 2028, 1300, 1300},  // a date of no calendar stays as it was
  };
  for (const auto& c : cases) {
    CYearLedger from = Year(c.from);
    const std::uint32_t category = AddCategory(from, "Rent", CategoryType::kFixEx, 0);
    AddPredaction(from, category, c.date, 10);
    CYearLedger to = Year(c.to);
    ASSERT_TRUE(CopyBudgetForward(from, to));
    ASSERT_EQ(to.Predactions().GetRowCount(), 1u);
    EXPECT_EQ(to.Predactions().NumberAt(0, predaction_column::kDate), c.expected) << c.from << " " << c.date;
  }
}

TEST_F(BudgetCopyTest, AnOpeningBalanceTypedBeforeIsKept) {
  to_.SetOpeningBalance(42);
  ASSERT_TRUE(CopyBudgetForward(from_, to_));
  EXPECT_EQ(to_.GetOpeningBalance(), 42.0);
}

TEST_F(BudgetCopyTest, NothingIsCopiedIntoAYearInUseOrFromOneWithoutCategories) {
  CYearLedger withRow = Year(2026);
  AddFunctionalArea(withRow, "Food");
  EXPECT_FALSE(CanCopyBudgetForward(from_, withRow));
  EXPECT_FALSE(CopyBudgetForward(from_, withRow));
  EXPECT_THAT(Names(withRow.FunctionalAreas()), ElementsAre("Food"));
  EXPECT_EQ(withRow.Categories().GetRowCount(), 0u);

  CYearLedger noCategories = Year(2025);
  AddObject(noCategories, "Car");
  EXPECT_FALSE(CanCopyBudgetForward(noCategories, to_));
  EXPECT_FALSE(CopyBudgetForward(noCategories, to_));
  EXPECT_EQ(to_.Objects().GetRowCount(), 0u);
}

TEST_F(BudgetCopyTest, ARowTheYearCannotTakeLeavesItUnchanged) {
  // Predactions whose ids are used up: the copy fails at its last table.
  const std::vector<std::uint8_t> full = test_bytes::ByteBuilder()
                                             .TableHead(0, 256, 3, 0xFFFFFFFEu, 0, 29)
                                             .Descriptor(1, 8, 5)
                                             .Descriptor(1, 8, 13)
                                             .Descriptor(1, 8, 21)
                                             .Bytes();
  CArchiveReader reader(full);
  ASSERT_TRUE(to_.Predactions().Load(reader));
  to_.ClearModified();
  EXPECT_FALSE(CopyBudgetForward(from_, to_));
  EXPECT_EQ(to_.Objects().GetRowCount(), 0u);
  EXPECT_EQ(to_.Categories().GetRowCount(), 0u);
  EXPECT_EQ(to_.GetOpeningBalance(), 0.0);
  EXPECT_FALSE(to_.IsModified());
}

}  // namespace
}  // namespace purso
