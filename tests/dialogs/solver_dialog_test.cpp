#include "dialogs/solver_dialog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/calendar.h"
#include "resources/solver_dialog_resource.h"
#include "support/ledger_records.h"
#include "support/scripted_host.h"
#include "text/list_row.h"

namespace purso::test {
namespace {

namespace ids = solver_dialog;

// The account's year 1999 seen on July 1, the balance date: a budget of 3640
// is 10 a day, 1810 of it before July 1.
class SolverDialogTest : public ::testing::Test {
 protected:
  std::uint32_t Category(std::string_view name, CategoryType type, double budget, double booked) {
    const std::uint32_t id = AddCategory(book_.CurrentLedger(), name, type, budget);
    if (booked > 0) AddTransaction(book_.CurrentLedger(), 115, id, booked, "booked");
    return id;
  }
  double Budget(std::uint32_t category) {
    EXPECT_TRUE(book_.CurrentLedger().Categories().Find(category));
    return book_.CurrentLedger().Categories().GetNumber(category_column::kBudget);
  }
  void Run(const CScriptedHost::Steps& steps) {
    CSolverDialog dialog(book_);
    host_.Run(dialog, steps);
  }
  // The three transfer buttons, all enabled or all disabled.
  static bool ButtonsEnabled(CDialogDriver& d) {
    const bool enabled = d.Controls().IsEnabled(ids::kTransfer);
    EXPECT_EQ(d.Controls().IsEnabled(ids::kTransferAtDate), enabled);
    EXPECT_EQ(d.Controls().IsEnabled(ids::kTransferAtYearEnd), enabled);
    return enabled;
  }

  CFixedClock clock_{CivilDate{1999, 7, 1}};
  CScopedClock scopedClock_{clock_};
  CAccountBook book_;
  CScriptedHost host_;
};

TEST_F(SolverDialogTest, NoVariableCategoryGivesTwoEmptyListsAndDisabledButtons) {
  Category("Rent", CategoryType::kFixEx, 1200, 100);
  Run([](CDialogDriver& d) {
    EXPECT_EQ(d.Controls().ItemCount(ids::kSurplusList) + d.Controls().ItemCount(ids::kDeficitList), 0u);
    EXPECT_FALSE(ButtonsEnabled(d));
    d.Press(ids::kHelp);
    d.Press(ids::kDone);
  });
  EXPECT_EQ(host_.OpenedDocuments(), std::vector<std::string>{"/opt/tolva/slv_dlg.htm"});
}

// A surplus of exactly 0 counts as a deficit.
TEST_F(SolverDialogTest, UnderspentExpenseIsInSurplusUnderHeadersOfTheBalanceDate) {
  const std::uint32_t food = Category("Food", CategoryType::kVarEx, 3640, 1000);
  Category("Fuel", CategoryType::kVarEx, 3640, 1810);
  Run([&](CDialogDriver& d) {
    EXPECT_EQ(d.Item(ids::kSurplusList, 0), "%000!135!LB%Food" + HiddenId(food) +
                                                "%140!220!RR%$1,000.00%225!305!RR%$1,810.00%310!390!RB%$810.00"
                                                "%395!475!RR%$3,640.00%480!560!RB%$2,640.00%000!000!SB%");
    ASSERT_EQ(d.Controls().ItemCount(ids::kDeficitList), 1u);
    EXPECT_NE(d.Item(ids::kDeficitList, 0).find("%310!390|RR%$0.00%"), std::string::npos);
    EXPECT_EQ(d.Text(ids::kSurplusBalance) + ", " + d.Text(ids::kDeficitAtYearEnd), "07/01 balance, 12/31 deficit");
    EXPECT_EQ(d.Text(ids::kTransferAtDate) + ", " + d.Text(ids::kTransferAtYearEnd),
              "Transfer 07/01 surplus, Transfer 12/31 surplus");
    EXPECT_TRUE(ButtonsEnabled(d));
    d.Escape();
  });
}

// Rows sort by name; the transfer goes to the chosen deficit row's category.
TEST_F(SolverDialogTest, TypedTransferIsRefusedBeyondTheYearEndSurplusAndGoesToTheChosenRow) {
  const std::uint32_t food = Category("Food", CategoryType::kVarEx, 3640, 1000);
  const std::uint32_t fuel = Category("Fuel", CategoryType::kVarEx, 364, 1000);
  const std::uint32_t alpha = Category("Alpha", CategoryType::kVarEx, 364, 1000);
  Run([&](CDialogDriver& d) {
    d.Type(ids::kAmount, "2640.01");
    d.Press(ids::kTransfer);
    d.ExpectRefused("The amount is invalid (number too big)", "Enter an amount <= $2,640.00", ids::kAmount);
    d.Type(ids::kAmount, "-5");
    d.Press(ids::kTransfer);
    d.ExpectRefused("The amount is invalid (bad format)", "Enter a valid number.", ids::kAmount);
    EXPECT_EQ(Budget(food), 3640);
    d.Choose(ids::kDeficitList, 1);
    d.Type(ids::kAmount, "$2,640.00");
    d.Press(ids::kTransfer);
    d.ExpectAccepted();
    d.Press(ids::kDone);
  });
  EXPECT_EQ(Budget(food), 1000);
  EXPECT_EQ(Budget(fuel), 3004);
  EXPECT_EQ(Budget(alpha), 364);
}

// Each button moves the amount as shown, and the lists follow the new budgets.
TEST_F(SolverDialogTest, ButtonsMoveTheShownSurplusAndTheListsAreRebuilt) {
  const std::uint32_t food = Category("Food", CategoryType::kVarEx, 1000, 0);  // 497.2527... by 07/01
  const std::uint32_t fuel = Category("Fuel", CategoryType::kVarEx, 364, 1000);
  Run([&](CDialogDriver& d) {
    d.Press(ids::kTransferAtDate);
    EXPECT_EQ(Budget(fuel), 861.25);
    EXPECT_EQ(ReadColumnText(d.Item(ids::kSurplusList, 0), "%395"), "$502.75");
    d.Press(ids::kTransferAtYearEnd);
    EXPECT_EQ(Budget(food), 0);
    EXPECT_EQ(d.Controls().ItemCount(ids::kDeficitList), 2u);
    EXPECT_FALSE(ButtonsEnabled(d));
    d.Press(ids::kDone);
  });
}

// An income category receives by expecting less, below zero if need be.
TEST_F(SolverDialogTest, ABudgetDrivenBelowZeroShowsAsANegativeAmount) {
  Category("Food", CategoryType::kVarEx, 1000, 0);
  const std::uint32_t tips = Category("Tips", CategoryType::kVarIn, 364, 0);
  Run([&](CDialogDriver& d) {
    d.Press(ids::kTransferAtYearEnd);
    EXPECT_EQ(Budget(tips), -636);
    EXPECT_EQ(d.Item(ids::kSurplusList, 0), "%000!135!LB%Tips" + HiddenId(tips) +
                                                "%140!220!RB%$0.00%225!305!RB%-$316.25%310!390!RB%$316.25"
                                                "%395!475!RB%-$636.00%480!560!RB%$636.00%000!000!SB%");
    d.Press(ids::kDone);
  });
}

}  // namespace
}  // namespace purso::test
