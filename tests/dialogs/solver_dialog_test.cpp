#include "dialogs/solver_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/calendar.h"
#include "resources/solver_dialog_resource.h"
#include "support/ledger_records.h"
#include "support/scripted_host.h"
#include "text/list_row.h"

namespace purso::test {
namespace {

namespace ids = solver_dialog;

constexpr int kTransferButtons[] = {ids::kTransferAtDate, ids::kTransferAtYearEnd, ids::kTransfer};

// The account's year 1999 seen on July 1, the balance date: a budget of 3640
// is 10 a day, 1810 of it before July 1.
class SolverDialogTest : public ::testing::Test {
 protected:
  std::uint32_t Category(std::string_view name, CategoryType type, double budget, double booked) {
    const std::uint32_t id = AddCategory(Ledger(), name, type, budget);
    if (booked > 0) AddTransaction(Ledger(), 115, id, booked, "booked");
    return id;
  }
  double Budget(std::uint32_t category) {
    EXPECT_TRUE(Ledger().Categories().Find(category));
    return Ledger().Categories().GetNumber(category_column::kBudget);
  }
  CYearLedger& Ledger() { return book_.CurrentLedger(); }
  void Run(const CScriptedHost::Steps& steps) {
    CSolverDialog dialog(book_);
    host_.Run(dialog, steps);
  }
  static std::vector<bool> Enabled(CDialogDriver& d) {
    std::vector<bool> enabled;
    for (const int button : kTransferButtons) enabled.push_back(d.Controls().IsEnabled(button));
    return enabled;
  }

  CFixedClock clock_{CivilDate{1999, 7, 1}};
  CScopedClock scopedClock_{clock_};
  CAccountBook book_;
  CScriptedHost host_;
};

const std::vector<bool> kDisabled(3, false);
const std::vector<bool> kEnabled(3, true);

TEST_F(SolverDialogTest, NoVariableCategoryGivesTwoEmptyListsAndDisabledButtons) {
  Category("Rent", CategoryType::kFixEx, 1200, 100);
  Run([](CDialogDriver& d) {
    EXPECT_EQ(d.Controls().ItemCount(ids::kSurplusList), 0u);
    EXPECT_EQ(d.Controls().ItemCount(ids::kDeficitList), 0u);
    EXPECT_EQ(Enabled(d), kDisabled);
    d.Press(ids::kHelp);
    d.Press(ids::kDone);
  });
  EXPECT_EQ(host_.OpenedDocuments(), std::vector<std::string>{"/opt/tolva/slv_dlg.htm"});
}

TEST_F(SolverDialogTest, UnderspentExpenseIsInSurplusUnderHeadersOfTheBalanceDate) {
  const std::uint32_t food = Category("Food", CategoryType::kVarEx, 3640, 1000);
  Run([&](CDialogDriver& d) {
    EXPECT_EQ(d.Item(ids::kSurplusList, 0), "%000!135!LB%Food" + HiddenId(food) +
                                                "%140!220!RR%$1,000.00%225!305!RR%$1,810.00%310!390!RB%$810.00"
                                                "%395!475!RR%$3,640.00%480!560!RB%$2,640.00%000!000!SB%");
    EXPECT_EQ(d.Controls().GetSelection(ids::kSurplusList), 0);
    EXPECT_EQ(d.Text(ids::kSurplusBalance), "07/01 balance");
    EXPECT_EQ(d.Text(ids::kSurplusAnnualBudget), "12/31 budget");
    EXPECT_EQ(d.Text(ids::kDeficitAtDate), "07/01 deficit");
    EXPECT_EQ(d.Text(ids::kDeficitAtYearEnd), "12/31 deficit");
    EXPECT_EQ(d.Text(ids::kTransferAtDate), "Transfer 07/01 surplus");
    EXPECT_EQ(d.Text(ids::kTransferAtYearEnd), "Transfer 12/31 surplus");
    EXPECT_EQ(Enabled(d), kDisabled);  // nothing to transfer to
    d.Escape();
  });
  book_.Settings().dateOrder = DateOrder::kDayFirst;
  Run([](CDialogDriver& d) {
    EXPECT_EQ(d.Text(ids::kSurplusAtDate), "01/07 surplus");
    EXPECT_EQ(d.Text(ids::kTransferAtYearEnd), "Transfer 31/12 surplus");
    d.Escape();
  });
}

TEST_F(SolverDialogTest, ASurplusOfExactlyZeroIsListedAsDeficit) {
  Category("Food", CategoryType::kVarEx, 3640, 1810);
  Run([](CDialogDriver& d) {
    EXPECT_EQ(d.Controls().ItemCount(ids::kSurplusList), 0u);
    ASSERT_EQ(d.Controls().ItemCount(ids::kDeficitList), 1u);
    const std::string& row = d.Item(ids::kDeficitList, 0);
    EXPECT_NE(row.find("%310!390|RR%$0.00%"), std::string::npos) << row;
    EXPECT_NE(row.find("%480!560!RR%$1,830.00%"), std::string::npos) << row;
    d.Escape();
  });
}

TEST_F(SolverDialogTest, TypedTransferIsRefusedBeyondTheYearEndSurplus) {
  const std::uint32_t food = Category("Food", CategoryType::kVarEx, 3640, 1000);
  const std::uint32_t fuel = Category("Fuel", CategoryType::kVarEx, 364, 1000);
  const struct {
    const char* typed;
    const char* problem;
    const char* suggestion;
  } kRefusals[] = {
      {"2640.01", "The amount is invalid (number too big)", "Enter an amount <= $2,640.00"},
      {"abc", "The amount is invalid (bad format)", "Enter a valid number."},
      {"-5", "The amount is invalid (bad format)", "Enter a valid number."},
      {"", "The amount is invalid (bad format)", "Enter a valid number."},
  };
  Run([&](CDialogDriver& d) {
    EXPECT_EQ(Enabled(d), kEnabled);
    for (const auto& refusal : kRefusals) {
      d.Type(ids::kAmount, refusal.typed);
      d.Press(ids::kTransfer);
      d.ExpectRefused(refusal.problem, refusal.suggestion, ids::kAmount);
    }
    EXPECT_EQ(Budget(food), 3640);
    d.Type(ids::kAmount, "$2,640.00");
    d.Press(ids::kTransfer);
    d.ExpectAccepted();
    d.Press(ids::kDone);
  });
  EXPECT_EQ(Budget(food), 1000);
  EXPECT_EQ(Budget(fuel), 3004);
}

// Each button moves the amount as shown, and the lists follow the new budgets.
TEST_F(SolverDialogTest, ButtonsMoveTheShownSurplusAndTheListsAreRebuilt) {
  const std::uint32_t food = Category("Food", CategoryType::kVarEx, 1000, 0);  // 497.2527... at 07/01
  const std::uint32_t fuel = Category("Fuel", CategoryType::kVarEx, 364, 1000);
  Run([&](CDialogDriver& d) {
    d.Press(ids::kTransferAtDate);
    EXPECT_DOUBLE_EQ(Budget(food), 502.75);
    EXPECT_DOUBLE_EQ(Budget(fuel), 861.25);
    EXPECT_EQ(ReadColumnText(d.Item(ids::kSurplusList, 0), "%395"), "$502.75");
    d.Press(ids::kTransferAtYearEnd);
    EXPECT_EQ(Budget(food), 0);
    EXPECT_EQ(Budget(fuel), 1364);
    EXPECT_EQ(d.Controls().ItemCount(ids::kSurplusList), 0u);
    EXPECT_EQ(d.Controls().ItemCount(ids::kDeficitList), 2u);
    EXPECT_EQ(Enabled(d), kDisabled);
    d.Press(ids::kDone);
  });
}

// Rows sort by name; the transfer goes to the chosen row's category.
TEST_F(SolverDialogTest, TheChosenRowsGiveAndTake) {
  const std::uint32_t zulu = Category("Zulu", CategoryType::kVarEx, 364, 1000);
  const std::uint32_t alpha = Category("Alpha", CategoryType::kVarEx, 364, 1000);
  const std::uint32_t food = Category("Food", CategoryType::kVarEx, 3640, 1000);
  Run([&](CDialogDriver& d) {
    d.Choose(ids::kDeficitList, 1);
    d.Type(ids::kAmount, "100");
    d.Press(ids::kTransfer);
    d.Press(ids::kDone);
  });
  EXPECT_EQ(Budget(food), 3540);
  EXPECT_EQ(Budget(zulu), 464);
  EXPECT_EQ(Budget(alpha), 364);
}

// An income received beyond its budget can give more than that budget.
TEST_F(SolverDialogTest, ABudgetDrivenBelowZeroShowsAsANegativeAmount) {
  const std::uint32_t tips = Category("Tips", CategoryType::kVarIn, 364, 1000);
  Category("Food", CategoryType::kVarEx, 364, 1000);
  Run([&](CDialogDriver& d) {
    d.Press(ids::kTransferAtYearEnd);
    EXPECT_EQ(Budget(tips), -272);
    EXPECT_EQ(d.Item(ids::kSurplusList, 0), "%000!135!LB%Tips" + HiddenId(tips) +
                                                "%140!220!RB%$1,000.00%225!305!RB%-$135.25%310!390!RB%$1,135.25"
                                                "%395!475!RB%-$272.00%480!560!RB%$1,272.00%000!000!SB%");
    d.Press(ids::kDone);
  });
}

}  // namespace
}  // namespace purso::test
