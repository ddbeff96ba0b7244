// A new account set up from start to end as a user would, through the
// document's commands and the dialogs they open: the Budget Wizard's
// dialogs make the objects, the functional areas, categories of all four
// types (the fixed ones with monthly series of predactions) and the opening
// balance; transactions are entered and matched; the Solver moves budget;
// the account is saved and opened again.
// The account view's key figures must equal the figures worked out here,
// day by day, from what was entered.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/account_view.h"
#include "app/purso_document.h"
#include "data/calendar.h"
#include "resources/budget_wizard_dialog_resource.h"
#include "resources/categories_dialog_resource.h"
#include "resources/functional_areas_dialog_resource.h"
#include "resources/match_dialog_resource.h"
#include "resources/objects_dialog_resource.h"
#include "resources/opening_balance_dialog_resource.h"
#include "resources/predactions_dialog_resource.h"
#include "resources/recurring_predactions_dialog_resource.h"
#include "resources/solver_dialog_resource.h"
#include "resources/transactions_dialog_resource.h"
#include "support/scripted_host.h"

namespace purso::test {
namespace {

namespace fs = std::filesystem;
namespace wizard = budget_wizard_dialog;
namespace cat = categories_dialog;

// 1999, with today June 15: the balance date, as long as no transaction lies later.
constexpr CivilDate kToday{1999, 6, 15};
constexpr int kOpeningBalance = 1000;

struct Category {
  const char* name;
  const char* object;
  const char* functionalArea;
  const char* type;
  int budget;  // a variable category's typed budget
  int day;     // a fixed category's predactions: on this day of every month
  int amount;  // each of them
  int moved;   // what the Solver's transfer adds to the budget
};

// The typed Solver transfer, from Food (in surplus: nothing spent yet) to
// Presents (in deficit: nothing received yet), which then expects less.
constexpr int kTransfer = 364;

const Category kCategories[] = {
    {"Rent", "House", "Housing", "Fix Ex", 0, 1, 500, 0},
    {"Salary", "Me", "Day Job", "Fix In", 0, 25, 2000, 0},
    {"Food", "House", "Food", "Var Ex", 3640, 0, 0, -kTransfer},
    {"Presents", "Me", "Gifts", "Var In", 728, 0, 0, -kTransfer},
};

// What really happened: January's rent two days late and lower, matched with
// January's predaction; January's salary on the day; food, a variable
// category's, matched with nothing.
struct Entered {
  const char* category;
  int month;
  int day;
  int amount;
  bool matched;
};
const Entered kTransactions[] = {{"Rent", 1, 3, 480, true}, {"Salary", 1, 25, 2000, true}, {"Food", 2, 10, 120, false}};

struct Figures {
  double netBudget, balanceDate, predictedAtDate, actualAtDate, predictedAtYearEnd, outstandingExpenses,
      outstandingIncomes;
};

// A date's day of 1999, counted from 0 on January 1.
int DayOf1999(int month, int day) {
  static constexpr int kDaysBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  return kDaysBefore[month - 1] + day - 1;
}

// The transaction matched with a category's predaction of that month, if any.
const Entered* MatchOf(const Category& category, int month) {
  for (const Entered& entered : kTransactions) {
    if (entered.matched && std::string(entered.category) == category.name && entered.month == month) return &entered;
  }
  return nullptr;
}

double SignOf(const std::string& type) { return type.ends_with("Ex") ? -1 : 1; }

// What the view must show, from the entries above alone: every fixed
// category's twelve predactions, a matched one taking its transaction's date
// and amount (and the budget with it); the variable budgets after the
// transfer spread evenly over the days before December 31 (which takes what
// is left of them, nothing here); the actual balance from the transactions;
// every predaction due and not matched outstanding.
Figures ExpectedFigures() {
  const int balanceDay = DayOf1999(kToday.month, kToday.day);
  Figures expected{0, kToday.month * 100.0 + kToday.day, kOpeningBalance, kOpeningBalance, kOpeningBalance, 0, 0};
  for (const Entered& entered : kTransactions) {
    for (const Category& category : kCategories) {
      if (std::string(category.name) == entered.category)
        expected.actualAtDate += SignOf(category.type) * entered.amount;
    }
  }
  double variableTotal = 0;
  for (const Category& category : kCategories) {
    const std::string type = category.type;
    const double sign = SignOf(type);
    double budget = category.budget + category.moved;
    if (type.starts_with("Fix")) {
      budget = 0;
      for (int month = 1; month <= 12; ++month) {
        const Entered* match = MatchOf(category, month);
        const int amount = match != nullptr ? match->amount : category.amount;
        budget += amount;
        if (DayOf1999(month, match != nullptr ? match->day : category.day) > balanceDay) continue;
        expected.predictedAtDate += sign * amount;
        if (match == nullptr) (sign < 0 ? expected.outstandingExpenses : expected.outstandingIncomes) += amount;
      }
    } else {
      variableTotal += sign * budget;
    }
    expected.netBudget += sign * budget;
    expected.predictedAtYearEnd += sign * budget;
  }
  expected.predictedAtDate += variableTotal / 364 * (balanceDay + 1);
  return expected;
}

Figures ShownFigures(CpursoPXFView& view) {
  const CpursoPXFView::BalanceArray& predicted = view.PredictedBalances();
  return {view.BudgetBalance(),           view.BalanceDate(),
          view.PredactionBalanceAtDate(), view.TransactionBalanceAtDate(),
          predicted[DayOf1999(12, 31)],   view.OutstandingExpensesTotal(),
          view.OutstandingIncomesTotal()};
}

void ExpectFigures(const Figures& shown, const Figures& expected) {
  EXPECT_DOUBLE_EQ(shown.netBudget, expected.netBudget);
  EXPECT_EQ(shown.balanceDate, expected.balanceDate);
  EXPECT_NEAR(shown.predictedAtDate, expected.predictedAtDate, 1e-6);
  EXPECT_DOUBLE_EQ(shown.actualAtDate, expected.actualAtDate);
  EXPECT_NEAR(shown.predictedAtYearEnd, expected.predictedAtYearEnd, 1e-6);
  EXPECT_DOUBLE_EQ(shown.outstandingExpenses, expected.outstandingExpenses);
  EXPECT_DOUBLE_EQ(shown.outstandingIncomes, expected.outstandingIncomes);
}

class NewAccountEndToEndTest : public ::testing::Test {
 protected:
  NewAccountEndToEndTest() {
    folder_ = fs::temp_directory_path() / ("purso_new_account_test_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  ~NewAccountEndToEndTest() override { fs::remove_all(folder_); }

  // A name-list dialog that adds each of names with Enter, then closes.
  static CScriptedHost::Steps AddNames(int field, std::vector<std::string> names) {
    return [field, names](CDialogDriver& d) {
      for (const std::string& name : names) {
        d.Type(field, name);
        d.Enter();
        d.ExpectAccepted();
      }
      d.Escape();
    };
  }

  // The add row of the Categories dialog; a fixed category's predactions
  // come from the Monthly button of the dialog that Add opens.
  void AddCategory(CDialogDriver& d, const Category& category) {
    d.Type(cat::kAddName, category.name);
    d.Choose(cat::kAddObject, category.object);
    d.Choose(cat::kAddFunctionalArea, category.functionalArea);
    d.Choose(cat::kAddType, category.type);
    if (category.day == 0) {
      d.Type(cat::kAddBudget, std::to_string(category.budget));
    } else {
      host_.Expect(predactions_dialog::kDialogId, [this, category](CDialogDriver& p) {
        host_.Expect(recurring_predactions_dialog::kDialogId, [category](CDialogDriver& s) {
          s.Type(recurring_predactions_dialog::kFirst, "01/" + std::to_string(100 + category.day).substr(1));
          s.Type(recurring_predactions_dialog::kAmount, std::to_string(category.amount));
          s.Enter();
        });
        p.Press(predactions_dialog::kMonthly);
        EXPECT_EQ(p.Text(predactions_dialog::kCount), "12");
        p.Escape();
      });
    }
    d.Press(cat::kAdd);
    d.ExpectAccepted();
  }

  // The whole set-up, with Enter wherever the wizard has put the focus:
  // Next at the first step, then at each step Go and Next, then Finish.
  void SetUpThroughTheWizard() {
    // The dialog each Go opens, expected just before it: the Categories
    // dialog expects dialogs of its own.
    const std::pair<int, CScriptedHost::Steps> goes[] = {
        {objects_dialog::kDialogId, AddNames(objects_dialog::kAddName, {"House", "Me"})},
        {functional_areas_dialog::kDialogId,
         AddNames(functional_areas_dialog::kAddName, {"Housing", "Day Job", "Food", "Gifts"})},
        {cat::kDialogId,
         [this](CDialogDriver& d) {
           for (const Category& category : kCategories) AddCategory(d, category);
           EXPECT_EQ(d.Text(cat::kCount), "4");
           d.Escape();
         }},
        {opening_balance_dialog::kDialogId,
         [](CDialogDriver& d) {
           d.Type(opening_balance_dialog::kAmount, std::to_string(kOpeningBalance));
           d.Enter();
         }},
    };
    host_.Expect(wizard::kDialogId, [&](CDialogDriver& w) {
      w.Enter();
      for (const auto& [dialog, steps] : goes) {
        host_.Expect(dialog, steps);
        w.Enter();
        w.Enter();
      }
      EXPECT_EQ(w.Text(wizard::kStepFrame), "[Step 6/6] Cash Flow Chart");
      w.Enter();
    });
    ASSERT_TRUE(document_.OnCommand(command_id::kBudgetWizard));
  }

  // The Transactions dialog's add row, with the Match dialog of a fixed
  // category taking the predaction it proposes: the nearest in date.
  void EnterTransactions() {
    namespace tx = transactions_dialog;
    host_.Expect(tx::kDialogId, [this](CDialogDriver& d) {
      for (const Entered& entered : kTransactions) {
        d.Type(tx::kAddDate,
               std::to_string(100 + entered.month).substr(1) + "/" + std::to_string(100 + entered.day).substr(1));
        d.Choose(tx::kAddCategory, entered.category);
        d.Type(tx::kAddAmount, std::to_string(entered.amount));
        d.Type(tx::kAddDescription, entered.category);
        if (entered.matched) {
          host_.Expect(match_dialog::kDialogId, [](CDialogDriver& m) { m.Press(match_dialog::kMatch); });
        }
        d.Press(tx::kAdd);
        d.ExpectAccepted();
      }
      d.Press(tx::kDone);
    });
    ASSERT_TRUE(document_.OnCommand(command_id::kTransactions));
  }

  void TransferWithTheSolver() {
    host_.Expect(solver_dialog::kDialogId, [](CDialogDriver& d) {
      d.Type(solver_dialog::kAmount, std::to_string(kTransfer));
      EXPECT_EQ(d.Controls().ItemCount(solver_dialog::kSurplusList), 1u);
      d.Press(solver_dialog::kTransfer);
      d.ExpectAccepted();
      d.Press(solver_dialog::kDone);
    });
    ASSERT_TRUE(document_.OnCommand(command_id::kSolver));
  }

  CFixedClock clock_{kToday};
  CScopedClock scopedClock_{clock_};
  CScriptedHost host_;
  CpursoPXFDoc document_{host_};
  fs::path folder_;
};

TEST_F(NewAccountEndToEndTest, TheViewShowsWhatWasEnteredBeforeAndAfterSavingAndOpening) {
  CpursoPXFView view(document_);
  view.OnInitialUpdate();
  SetUpThroughTheWizard();
  EnterTransactions();
  TransferWithTheSolver();
  EXPECT_TRUE(document_.IsModified());
  const Figures expected = ExpectedFigures();
  SCOPED_TRACE("in the account set up");
  ExpectFigures(ShownFigures(view), expected);

  const std::string path = (folder_ / "new household.pxf").string();
  ASSERT_TRUE(document_.OnSaveDocument(path));
  CpursoPXFDoc reopened(host_);
  ASSERT_TRUE(reopened.OnOpenDocument(path));
  CpursoPXFView reopenedView(reopened);
  reopenedView.OnInitialUpdate();
  SCOPED_TRACE("in the account opened again");
  ExpectFigures(ShownFigures(reopenedView), expected);
  EXPECT_TRUE(host_.Problems().empty());
}

}  // namespace
}  // namespace purso::test
