#include "dialogs/categories_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
// predactions of 50, one matched by a transaction).
class CategoriesDialogTest : public ::testing::Test {
 protected:
  CategoriesDialogTest() {
    house_ = test::AddObject(Ledger(), "House");
    me_ = test::AddObject(Ledger(), "Me");
    const std::uint32_t food = test::AddFunctionalArea(Ledger(), "Food");
    job_ = test::AddFunctionalArea(Ledger(), "Job");
    food_ = test::AddCategory(Ledger(), "Food", CategoryType::kVarEx, 300, house_, food);
    salary_ = test::AddCategory(Ledger(), "Salary", CategoryType::kVarIn, 1000, me_, job_);
    rent_ = test::AddCategory(Ledger(), "Rent", CategoryType::kFixEx, 0, house_, food);
    for (int month = 1; month <= 12; ++month) test::AddPredaction(Ledger(), rent_, month * 100 + 1, 50);
    test::AddTransaction(Ledger(), 101, rent_, 50, "Rent", 0);
  }
  CYearLedger& Ledger() { return book_.CurrentLedger(); }
  CRecordTable& Category(std::uint32_t id) {
    Ledger().Categories().Find(id);
    return Ledger().Categories();
  }
  int Run(const CScriptedHost::Steps& steps) {
    CCategoriesDialog dialog(book_);
    return host_.Run(dialog, steps);
  }

  CAccountBook book_;
  CScriptedHost host_;
  std::uint32_t house_ = 0, me_ = 0, job_ = 0, food_ = 0, salary_ = 0, rent_ = 0;
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
    ASSERT_EQ(d.Controls().ItemCount(ids::kCategories), 3u);
    EXPECT_EQ(d.Item(ids::kCategories, 0),
              "%000!135!LB%Food%140!235!LB%House%238!331!LB%Food%336!400!LB%Var Ex%405!470!RR%$300.00%000!000!SB%");
    EXPECT_EQ(d.Item(ids::kCategories, 2),
              "%000!135!LB%Salary%140!235!LB%Me%238!331!LB%Job%336!400!LB%Var In%405!470!RB%$1,000.00%000!000!SB%");
    ExpectTotals(d, "3", "$1,000.00", "$900.00", "Budget surplus", "$100.00");
    EXPECT_EQ(d.Controls().SelectedText(ids::kAddType), "Var Ex");
    EXPECT_EQ(d.Controls().SelectedText(ids::kAddObject), "House");
    d.Escape();
  });
  RemoveCategory(Ledger(), food_);
  RemoveCategory(Ledger(), salary_);
  Run([](CDialogDriver& d) {
    ExpectTotals(d, "1", "$0.00", "$600.00", "Budget Deficit", "$600.00");
    d.Escape();
  });
}

TEST_F(CategoriesDialogTest, AddRefusesTheNameThenTheBudget) {
  const struct {
    std::string name;
    const char* budget;
    const char* problem;
    const char* suggestion;
    int field;
  } cases[] = {
      {"a%", "1", "The name of the new category is invalid.", "Remove the '%', '|' & '@' characters.", ids::kAddName},
      {"", "1", "The name of the new category is invalid (zero length).", "Enter a valid name for the new category.",
       ids::kAddName},
      {std::string(25, 'n'), "1",
       "The name of the new category is invalid (too long). \nCurrent length = 25\nMaximum length = 24",
       "Enter a shorter name for the new object", ids::kAddName},
      {"rent", "1", "The name of the new category is invalid (already in use)",
       "Use a different name for the new category", ids::kAddName},
      {"Car", "", "The budget is invalid (bad format)", "Enter a valid number.", ids::kAddBudget},
      {"Car", "999999999.5", "The budget is invalid (number too big)", "Enter a number < 999999999", ids::kAddBudget},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.problem);
    Run([&](CDialogDriver& d) {
      d.Type(ids::kAddName, c.name);
      d.Type(ids::kAddBudget, c.budget);
      d.Enter();
      d.ExpectRefused(c.problem, c.suggestion, c.field);
      d.Escape();
    });
  }
  EXPECT_EQ(Ledger().Categories().GetRowCount(), 3u);
}

TEST_F(CategoriesDialogTest, AddMakesAVarCategoryOrAFixOneFromItsPredactions) {
  host_.Expect(pre::kDialogId, [](CDialogDriver& d) {
    d.Type(pre::kAddDate, "07/01");
    d.Type(pre::kAddAmount, "75");
    d.Enter();
    d.Escape();
  });
  Run([](CDialogDriver& d) {
    d.Type(ids::kAddName, "Car");
    d.Choose(ids::kAddObject, "Me");
    d.Type(ids::kAddBudget, "999999999");
    d.Enter();
    d.ExpectAccepted();
    EXPECT_EQ(d.Text(ids::kAddName), "");
    EXPECT_EQ(d.Controls().GetFocus(), ids::kAddName);
    EXPECT_EQ(d.Controls().SelectedText(ids::kAddObject), "House");

    // Var In to Fix In: "0", no budget to type; the dialog opens at once.
    d.Choose(ids::kAddType, "Var In");
    d.Choose(ids::kAddType, "Fix In");
    EXPECT_EQ(d.Text(ids::kAddBudget), "0");
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kAddBudget));
    d.Type(ids::kAddName, "Bonus");
    d.Enter();
    d.ExpectAccepted();
    EXPECT_EQ(d.Controls().SelectedText(ids::kAddType), "Fix In");
    ExpectTotals(d, "5", "$1,075.00", "$1,000,000,899.00", "Budget Deficit", "$999,999,824.00");
    d.Choose(ids::kAddType, "Var Ex");
    EXPECT_EQ(d.Text(ids::kAddBudget), "");
    EXPECT_TRUE(d.Controls().IsEnabled(ids::kAddBudget));
    EXPECT_EQ(d.Controls().GetFocus(), ids::kAddBudget);
    d.Escape();
  });
  CRecordTable& categories = Ledger().Categories();
  ASSERT_EQ(categories.GetRowCount(), 5u);
  EXPECT_EQ(categories.NumberAt(3, category_column::kObject), me_);
  EXPECT_EQ(categories.TextAt(4, category_column::kName), "Bonus");
  EXPECT_EQ(categories.NumberAt(4, category_column::kType), 1);
  EXPECT_EQ(categories.NumberAt(4, category_column::kBudget), 75);
}

TEST_F(CategoriesDialogTest, UpdateKeepsTheTypeOfACategoryInUse) {
  Run([](CDialogDriver& d) {
    d.Choose(ids::kCategories, 1);  // Rent
    EXPECT_EQ(d.Text(ids::kUpdateBudget), "$600.00");
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kUpdateBudget));
    EXPECT_TRUE(d.Controls().IsEnabled(ids::kPredactions));
    d.Choose(ids::kUpdateType, "Fix In");
    d.Press(ids::kUpdate);
    d.ExpectRefused("This category is in use so the type cannot be updated.",
                    "- do not update the type\n- create a new category with the desired type", ids::kUpdateType);
    d.Choose(ids::kUpdateType, "Fix Ex");
    d.Type(ids::kUpdateName, "Housing");
    d.Press(ids::kUpdate);
    d.ExpectAccepted();
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kUpdate));
    d.Escape();
  });
  EXPECT_EQ(Category(rent_).GetText(category_column::kName), "Housing");
  EXPECT_EQ(Category(rent_).GetNumber(category_column::kBudget), 600);
}

TEST_F(CategoriesDialogTest, FixToVarRemovesThePredactionsOnlyAfterYes) {
  Ledger().Transactions().Find(0);
  Ledger().Transactions().RemoveRow();
  host_.AnswerConfirmation(false);
  host_.AnswerConfirmation(true);
  Run([](CDialogDriver& d) {
    d.Choose(ids::kCategories, 1);
    d.Choose(ids::kUpdateType, "Var Ex");
    EXPECT_EQ(d.Controls().GetFocus(), ids::kUpdateBudget);
    d.Type(ids::kUpdateBudget, "480");
    d.Press(ids::kUpdate);
    EXPECT_EQ(d.Text(ids::kTotalExpenses), "$900.00");
    d.Press(ids::kUpdate);
    EXPECT_EQ(d.Text(ids::kTotalExpenses), "$780.00");
    d.Escape();
  });
  EXPECT_EQ(host_.Questions().front(), "All predactions of this category will be removed.\nDo you want to continue?");
  EXPECT_EQ(Category(rent_).GetNumber(category_column::kType), 2);
  EXPECT_EQ(Category(rent_).GetNumber(category_column::kBudget), 480);
  EXPECT_EQ(Ledger().Predactions().GetRowCount(), 0u);
}

TEST_F(CategoriesDialogTest, VarToFixTakesTheBudgetFromThePredactionsAndCaseAloneIsStored) {
  host_.Expect(pre::kDialogId, [](CDialogDriver& d) {
    EXPECT_EQ(d.Controls().ItemCount(pre::kPredactions), 0u);
    d.Type(pre::kAddDate, "06/30");
    d.Type(pre::kAddAmount, "40");
    d.Enter();
    d.Escape();
  });
  Run([](CDialogDriver& d) {
    d.Choose(ids::kCategories, 0);  // Food
    d.Type(ids::kUpdateName, "food");
    d.Choose(ids::kUpdateType, "Fix Ex");
    d.Press(ids::kUpdate);
    d.ExpectAccepted();
    d.Escape();
  });
  EXPECT_EQ(Category(food_).GetText(category_column::kName), "food");
  EXPECT_EQ(Category(food_).GetNumber(category_column::kType), 0);
  EXPECT_EQ(Category(food_).GetNumber(category_column::kBudget), 40);
}

TEST_F(CategoriesDialogTest, RemoveRefusesACategoryInUseAndTakesOthersWithTheirPredactions) {
  test::AddPredaction(Ledger(), food_, 505, 5, test::PredactionBudget::kUntouched);
  Run([](CDialogDriver& d) {
    d.Choose(ids::kCategories, 1);
    d.Press(ids::kRemove);
    d.ExpectRefused("This category is in use and cannot be removed.",
                    "- remove all transactions in this category\n- change the category without removing it",
                    ids::kAddName);
    d.Choose(ids::kCategories, 0);
    d.Press(ids::kRemove);
    d.ExpectAccepted();
    EXPECT_EQ(d.Controls().ItemCount(ids::kCategories), 2u);
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kRemove));
    EXPECT_EQ(d.Text(ids::kCount), "2");
    d.Escape();
  });
  EXPECT_EQ(Ledger().Predactions().GetRowCount(), 12u);
}

TEST_F(CategoriesDialogTest, PredactionsWritesTheTotalAsTheBudget) {
  Category(rent_).SetNumber(category_column::kBudget, 1);  // out of step, as a file may hold it
  host_.Expect(pre::kDialogId, [](CDialogDriver& d) { d.Press(pre::kDone); });
  Run([](CDialogDriver& d) {
    d.Choose(ids::kCategories, 1);
    d.Press(ids::kPredactions);
    EXPECT_EQ(d.Controls().GetSelection(ids::kCategories), CControlModel::kNoSelection);
    EXPECT_EQ(d.Text(ids::kTotalExpenses), "$900.00");
    d.Escape();
  });
  EXPECT_EQ(Category(rent_).GetNumber(category_column::kBudget), 600);
}

TEST_F(CategoriesDialogTest, MissingAndRenamedNamesAndAnEmptyObjectList) {
  Category(salary_).SetNumber(category_column::kObject, 99);
  host_.Expect(objects_dialog::kDialogId, [](CDialogDriver& d) {
    d.Choose(objects_dialog::kNames, "House");
    d.Type(objects_dialog::kUpdateName, "Flat");
    d.Press(objects_dialog::kUpdate);
    d.Escape();
  });
  Run([](CDialogDriver& d) {
    EXPECT_EQ(d.Item(ids::kCategories, 2).substr(0, 34), "%000!135!LB%Salary%140!235!LB%(mis");
    d.Choose(ids::kCategories, 2);
    EXPECT_EQ(d.Controls().GetSelection(ids::kUpdateObject), CControlModel::kNoSelection);
    d.Type(ids::kUpdateBudget, "1100");
    d.Press(ids::kUpdate);
    d.ExpectAccepted();
    d.Press(ids::kObjects);
    EXPECT_EQ(d.Item(ids::kCategories, 0).substr(16, 17), "%140!235!LB%Flat%");
    d.Escape();
  });
  EXPECT_EQ(Category(salary_).GetNumber(category_column::kObject), 99);
  EXPECT_EQ(Category(salary_).GetNumber(category_column::kBudget), 1100);

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
