#include "dialogs/categories_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/categories_dialog_resource.h"
#include "resources/objects_dialog_resource.h"
#include "resources/predactions_dialog_resource.h"
#include "support/ledger_records.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

using test::CDialogDriver;
using test::CScriptedHost;
namespace ids = categories_dialog;
namespace pre = predactions_dialog;

// 1999: Food (Var Ex 300), Salary (Var In 1000) and Rent (Fix Ex, twelve
// predactions of 50), which a transaction uses.
class CategoriesDialogTest : public ::testing::Test {
 protected:
  CategoriesDialogTest() {
    const std::uint32_t house = test::AddObject(Ledger(), "House");
    me_ = test::AddObject(Ledger(), "Me");
    const std::uint32_t food = test::AddFunctionalArea(Ledger(), "Food");
    const std::uint32_t job = test::AddFunctionalArea(Ledger(), "Job");
    food_ = test::AddCategory(Ledger(), "Food", CategoryType::kVarEx, 300, house, food);
    salary_ = test::AddCategory(Ledger(), "Salary", CategoryType::kVarIn, 1000, me_, job);
    rent_ = test::AddCategory(Ledger(), "Rent", CategoryType::kFixEx, 0, house, food);
    for (int month = 1; month <= 12; ++month) test::AddPredaction(Ledger(), rent_, month * 100 + 1, 50);
    test::AddTransaction(Ledger(), 101, rent_, 50, "Rent", 0);
  }
  CYearLedger& Ledger() { return book_.CurrentLedger(); }
  double Column(std::uint32_t category, std::uint32_t column) {
    Ledger().Categories().Find(category);
    return Ledger().Categories().GetNumber(column);
  }
  void Run(const CScriptedHost::Steps& steps) {
    CCategoriesDialog dialog(book_);
    host_.Run(dialog, steps);
  }
  // The Predicted Transactions dialog, adding one predaction.
  void ExpectPredaction(const char* date, const char* amount) {
    host_.Expect(pre::kDialogId, [date, amount](CDialogDriver& d) {
      d.Type(pre::kAddDate, date);
      d.Type(pre::kAddAmount, amount);
      d.Enter();
      d.Escape();
    });
  }

  CAccountBook book_;
  CScriptedHost host_;
  std::uint32_t me_ = 0, food_ = 0, salary_ = 0, rent_ = 0;
};

void ExpectTotals(CDialogDriver& d, const char* count, const char* income, const char* expenses, const char* label,
                  const char* balance) {
  EXPECT_EQ(d.Text(ids::kCount), count);
  EXPECT_EQ(d.Text(ids::kTotalIncome), income);
  EXPECT_EQ(d.Text(ids::kTotalExpenses), expenses);
  EXPECT_EQ(d.Text(ids::kBalanceLabel), label);
  EXPECT_EQ(d.Text(ids::kBalance), balance);
}

TEST_F(CategoriesDialogTest, ListsTheCategoriesWithTheYearsTotals) {
  Run([](CDialogDriver& d) {
    EXPECT_EQ(d.Item(ids::kCategories, 0),
              "%000!135!LB%Food%140!235!LB%House%238!331!LB%Food%336!400!LB%Var Ex%405!470!RR%$300.00%000!000!SB%");
    EXPECT_EQ(d.Item(ids::kCategories, 2),
              "%000!135!LB%Salary%140!235!LB%Me%238!331!LB%Job%336!400!LB%Var In%405!470!RB%$1,000.00%000!000!SB%");
    ExpectTotals(d, "3", "$1,000.00", "$900.00", "Budget surplus", "$100.00");
    d.Escape();
  });
}

TEST_F(CategoriesDialogTest, AddRefusesThenMakesAVarCategoryOrAFixOneFromItsPredactions) {
  const struct {
    const char* name;
    const char* budget;
    const char* problem;
    const char* suggestion;
    int field;
  } cases[] = {
      {"rent", "1", "The name of the new category is invalid (already in use)",
       "Use a different name for the new category", ids::kAddName},
      {"Car", "", "The budget is invalid (bad format)", "Enter a valid number.", ids::kAddBudget},
      {"Car", "999999999.5", "The budget is invalid (number too big)", "Enter a number < 999999999", ids::kAddBudget},
  };
  ExpectPredaction("07/01", "75");
  Run([&](CDialogDriver& d) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.problem);
      d.Type(ids::kAddName, c.name);
      d.Type(ids::kAddBudget, c.budget);
      d.Enter();
      d.ExpectRefused(c.problem, c.suggestion, c.field);
    }
    EXPECT_EQ(Ledger().Categories().GetRowCount(), 3u);
    d.Type(ids::kAddName, "Car");
    d.Choose(ids::kAddObject, "Me");
    d.Type(ids::kAddBudget, "999999999");
    d.Enter();
    d.ExpectAccepted();
    EXPECT_EQ(d.Text(ids::kAddName), "");
    EXPECT_EQ(d.Controls().SelectedText(ids::kAddObject), "House");
    // Var to Fix: "0" and no budget to type; back to Var: empty, to be typed.
    d.Choose(ids::kAddType, "Var In");
    d.Choose(ids::kAddType, "Fix In");
    EXPECT_EQ(d.Text(ids::kAddBudget), "0");
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kAddBudget));
    d.Type(ids::kAddName, "Bonus");
    d.Enter();
    ExpectTotals(d, "5", "$1,075.00", "$1,000,000,899.00", "Budget Deficit", "$999,999,824.00");
    d.Choose(ids::kAddType, "Var Ex");
    EXPECT_EQ(d.Text(ids::kAddBudget), "");
    EXPECT_TRUE(d.Controls().IsEnabled(ids::kAddBudget));
    EXPECT_EQ(d.Controls().GetFocus(), ids::kAddBudget);
    d.Escape();
  });
  EXPECT_EQ(Ledger().Categories().NumberAt(3, category_column::kObject), me_);
  EXPECT_EQ(Ledger().Categories().NumberAt(4, category_column::kType), 1);
  EXPECT_EQ(Ledger().Categories().NumberAt(4, category_column::kBudget), 75);
}

TEST_F(CategoriesDialogTest, UpdateKeepsTheTypeOfACategoryInUse) {
  Run([](CDialogDriver& d) {
    d.Choose(ids::kCategories, 1);  // Rent
    EXPECT_EQ(d.Text(ids::kUpdateBudget), "$600.00");
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kUpdateBudget));
    d.Choose(ids::kUpdateType, "Fix In");
    d.Press(ids::kUpdate);
    d.ExpectRefused("This category is in use so the type cannot be updated.",
                    "- do not update the type\n- create a new category with the desired type", ids::kUpdateType);
    d.Choose(ids::kUpdateType, "Fix Ex");
    d.Type(ids::kUpdateName, "rent");  // a change of case is stored
    d.Press(ids::kUpdate);
    d.ExpectAccepted();
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kUpdate));
    d.Escape();
  });
  Ledger().Categories().Find(rent_);
  EXPECT_EQ(Ledger().Categories().GetText(category_column::kName), "rent");
  EXPECT_EQ(Column(rent_, category_column::kBudget), 600);
}

TEST_F(CategoriesDialogTest, FixToVarRemovesThePredactionsOnlyAfterYesAndVarToFixMakesThem) {
  Ledger().Transactions().Find(0);
  Ledger().Transactions().RemoveRow();
  host_.AnswerConfirmation(false);
  host_.AnswerConfirmation(true);
  ExpectPredaction("06/30", "40");
  Run([](CDialogDriver& d) {
    d.Choose(ids::kCategories, 1);  // Rent
    d.Choose(ids::kUpdateType, "Var Ex");
    d.Type(ids::kUpdateBudget, "480");
    d.Press(ids::kUpdate);
    EXPECT_EQ(d.Text(ids::kTotalExpenses), "$900.00");
    d.Press(ids::kUpdate);
    EXPECT_EQ(d.Text(ids::kTotalExpenses), "$780.00");

    d.Choose(ids::kCategories, 0);  // Food
    d.Choose(ids::kUpdateType, "Fix Ex");
    d.Press(ids::kUpdate);
    d.ExpectAccepted();
    d.Escape();
  });
  EXPECT_EQ(host_.Questions().front(), "All predactions of this category will be removed.\nDo you want to continue?");
  EXPECT_EQ(Column(rent_, category_column::kType), 2);
  EXPECT_EQ(Column(rent_, category_column::kBudget), 480);
  EXPECT_EQ(Column(food_, category_column::kBudget), 40);
  EXPECT_EQ(Ledger().Predactions().GetRowCount(), 1u);
}

TEST_F(CategoriesDialogTest, PredactionsWritesTheTotalBackAndRemoveTakesThePredactionsAlong) {
  Ledger().Categories().Find(rent_);
  Ledger().Categories().SetNumber(category_column::kBudget, 1);  // out of step, as a file may hold it
  test::AddPredaction(Ledger(), food_, 505, 5, test::PredactionBudget::kUntouched);
  host_.Expect(pre::kDialogId, [](CDialogDriver& d) { d.Press(pre::kDone); });
  Run([](CDialogDriver& d) {
    d.Choose(ids::kCategories, 1);  // Rent
    d.Press(ids::kPredactions);
    EXPECT_EQ(d.Text(ids::kTotalExpenses), "$900.00");
    d.Choose(ids::kCategories, 1);
    d.Press(ids::kRemove);
    d.ExpectRefused("This category is in use and cannot be removed.",
                    "- remove all transactions in this category\n- change the category without removing it",
                    ids::kAddName);
    d.Choose(ids::kCategories, 0);  // Food
    d.Press(ids::kRemove);
    EXPECT_EQ(d.Text(ids::kCount), "2");
    d.Escape();
  });
  EXPECT_EQ(Column(rent_, category_column::kBudget), 600);
  EXPECT_EQ(Ledger().Predactions().GetRowCount(), 12u);
}

TEST_F(CategoriesDialogTest, ABudgetATransferTookBelowZeroReadsNegativeAndOutlivesAnUpdate) {
  Ledger().Categories().Find(food_);
  Ledger().Categories().SetNumber(category_column::kBudget, -45);
  Run([](CDialogDriver& d) {
    EXPECT_NE(d.Item(ids::kCategories, 0).find("%405!470!RR%-$45.00%"), std::string::npos)
        << d.Item(ids::kCategories, 0);
    EXPECT_EQ(d.Text(ids::kTotalExpenses), "$555.00");  // 600 of rent, -45 of food
    d.Choose(ids::kCategories, 0);
    EXPECT_EQ(d.Text(ids::kUpdateBudget), "-$45.00");
    d.Press(ids::kUpdate);
    d.ExpectAccepted();
    d.Escape();
  });
  EXPECT_EQ(Column(food_, category_column::kBudget), -45);
}

TEST_F(CategoriesDialogTest, MissingAndRenamedNamesAndAnEmptyObjectList) {
  Ledger().Categories().Find(salary_);
  Ledger().Categories().SetNumber(category_column::kObject, 99);
  host_.Expect(objects_dialog::kDialogId, [](CDialogDriver& d) {
    d.Choose(objects_dialog::kNames, "House");
    d.Type(objects_dialog::kUpdateName, "Flat");
    d.Press(objects_dialog::kUpdate);
    d.Escape();
  });
  Run([](CDialogDriver& d) {
    EXPECT_EQ(d.Item(ids::kCategories, 2).substr(18, 21), "%140!235!LB%(missing)");
    d.Choose(ids::kCategories, 2);
    EXPECT_EQ(d.Controls().GetSelection(ids::kUpdateObject), CControlModel::kNoSelection);
    d.Type(ids::kUpdateBudget, "1100");
    d.Press(ids::kUpdate);
    d.ExpectAccepted();
    d.Press(ids::kObjects);
    EXPECT_EQ(d.Item(ids::kCategories, 0).substr(16, 17), "%140!235!LB%Flat%");
    d.Escape();
  });
  EXPECT_EQ(Column(salary_, category_column::kObject), 99);
  EXPECT_EQ(Column(salary_, category_column::kBudget), 1100);

  while (Ledger().Objects().First()) Ledger().Objects().RemoveRow();
  Run([](CDialogDriver& d) {
    d.Type(ids::kAddName, "Car");
    d.Type(ids::kAddBudget, "5");
    d.Enter();
    d.ExpectRefused("You have not defined any objects.\nYou need some objects to define categories.",
                    "Press \"Objects\" to define objects.", ids::kObjects);
    d.Escape();
  });
}

}  // namespace
}  // namespace purso
