#include "dialogs/budget_wizard_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "resources/budget_wizard_dialog_resource.h"
#include "resources/categories_dialog_resource.h"
#include "resources/functional_areas_dialog_resource.h"
#include "resources/objects_dialog_resource.h"
#include "resources/opening_balance_dialog_resource.h"
#include "support/ledger_records.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

using test::CDialogDriver;
using test::CScriptedHost;
namespace ids = budget_wizard_dialog;
namespace cat = categories_dialog;
namespace obl = opening_balance_dialog;

class BudgetWizardDialogTest : public ::testing::Test {
 protected:
  CYearLedger& Ledger() { return book_.CurrentLedger(); }
  // An object, a functional area and a category, so that Go opens Next at steps 2 to 4.
  void FillLists() {
    test::AddObject(Ledger(), "Car");
    test::AddFunctionalArea(Ledger(), "Fuel");
    test::AddCategory(Ledger(), "Petrol", CategoryType::kVarEx, 100);
    book_.ClearModified();
  }
  int Run(const CScriptedHost::Steps& steps) {
    CBudgetWizardDialog wizard(book_);
    return host_.Run(wizard, steps);
  }
  // The dialog Go opens next, closed at once.
  void ExpectClosed(int dialogId) {
    host_.Expect(dialogId, [](CDialogDriver& d) { d.Escape(); });
  }

  CAccountBook book_{1999};
  CScriptedHost host_;
};

// Go, Previous, Next and Finish as "GPNF", a '-' for each one that is off.
std::string Buttons(CDialogDriver& d) {
  const std::pair<int, char> buttons[] = {
      {ids::kGo, 'G'}, {ids::kPrevious, 'P'}, {ids::kNext, 'N'}, {ids::kFinish, 'F'}};
  std::string shown;
  for (const auto& [id, letter] : buttons) shown += d.Controls().IsEnabled(id) ? letter : '-';
  return shown;
}

// Walks forward through all six steps, using Go where Next waits for it, then back.
TEST_F(BudgetWizardDialogTest, EachStepShowsItsTitleTextPromptButtonsAndFocus) {
  FillLists();
  const struct {
    const char* caption;
    const char* prompt;
    const char* buttons;
    int focus;
  } steps[] = {
      {"[Step 1/6] Introduction", "", "--N-", kNoControlId},
      {"[Step 2/6] Objects", "Hit \"Go\" to add some objects now", "GP--", ids::kGo},
      {"[Step 3/6] Functional Areas", "Hit \"Go\" to add some functional areas now", "GP--", ids::kGo},
      {"[Step 4/6] Categories", "Hit \"Go\" to add some categories now", "GP--", ids::kGo},
      {"[Step 5/6] Opening Balance", "Hit \"Go\" to set the opening balance now", "GPN-", ids::kGo},
      {"[Step 6/6] Cash Flow Chart", "", "-P-F", ids::kFinish},
  };
  for (int dialog : {objects_dialog::kDialogId, functional_areas_dialog::kDialogId, cat::kDialogId}) {
    ExpectClosed(dialog);
  }
  std::vector<std::string> texts;
  const int result = Run([&](CDialogDriver& d) {
    for (const auto& step : steps) {
      SCOPED_TRACE(step.caption);
      texts.push_back(d.Text(ids::kStepText));
      EXPECT_EQ(d.Text(ids::kStepFrame), step.caption);
      EXPECT_EQ(d.Text(ids::kGoPrompt), step.prompt);
      EXPECT_EQ(Buttons(d), step.buttons);
      EXPECT_EQ(d.Controls().GetFocus(), step.focus);
      if (std::string(step.buttons) == "GP--") {
        d.Press(ids::kGo);
        EXPECT_EQ(Buttons(d), "GPN-");
        EXPECT_EQ(d.Controls().GetFocus(), ids::kNext);
      }
      if (d.Controls().IsEnabled(ids::kNext)) d.Press(ids::kNext);
    }
    // Coming back, the list steps wait for Go again although their lists have rows.
    for (int step = 5; step >= 1; --step) {
      d.Press(ids::kPrevious);
      EXPECT_EQ(d.Text(ids::kStepFrame), steps[step - 1].caption);
      EXPECT_EQ(Buttons(d), steps[step - 1].buttons) << "back at step " << step;
    }
    d.Escape();
  });
  EXPECT_EQ(result, kCommandCancel);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[0],
            "Welcome to the Tolva Account Organizer Budget Wizard!\r\n\r\n"
            "Setting up a budget is the first step in getting your financial situation under control.\r\n"
            "A Tolva Account Organizer budget allows you to pin-point any cash flow problems BEFORE they occur, so "
            "that your budget can be modified to nullify the problems.\r\n\r\n"
            "Hit the \"Next\" button to continue.");
  EXPECT_EQ(texts[3].substr(0, 42), "Now it's time to create some categories.\r\n");
  std::size_t lines = 1;
  for (std::size_t at = texts[3].find("\r\n"); at != std::string::npos; at = texts[3].find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 19u);
  EXPECT_EQ(texts[4], "The opening balance is the amount of money in your account on Jan 1.");
  EXPECT_EQ(texts[5],
            "Congratulations!\r\nYou have successfully created a budget.\r\n"
            "Hit \"Finish\" to display the Cash Flow Chart and analyse your budget.");
}

// An account that has objects already still passes step 2 only by way of
// the Objects dialog; a list left empty keeps Next off.
TEST_F(BudgetWizardDialogTest, AtTheListStepsNextWaitsForGoAndARow) {
  const struct {
    bool filled;
    const char* buttonsAfterGo;
    int focusAfterGo;
  } cases[] = {{false, "GP--", ids::kGo}, {true, "GPN-", ids::kNext}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filled);
    if (c.filled) FillLists();
    ExpectClosed(objects_dialog::kDialogId);
    Run([&](CDialogDriver& d) {
      d.Press(ids::kNext);
      EXPECT_EQ(Buttons(d), "GP--");
      d.Press(ids::kGo);
      EXPECT_EQ(Buttons(d), c.buttonsAfterGo);
      EXPECT_EQ(d.Controls().GetFocus(), c.focusAfterGo);
      d.Escape();
    });
  }
}

TEST_F(BudgetWizardDialogTest, OpeningBalanceStoresAnOkOnANewValueAndFocusesNextEitherWay) {
  FillLists();
  Ledger().SetOpeningBalance(75);
  Ledger().ClearModified();
  const struct {
    const char* typed;  // nullptr: Cancel
    double balance;
    bool modified;
  } cases[] = {{nullptr, 75, false}, {"75", 75, false}, {"250", -250, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.balance);
    for (int dialog : {objects_dialog::kDialogId, functional_areas_dialog::kDialogId, cat::kDialogId}) {
      ExpectClosed(dialog);
    }
    host_.Expect(obl::kDialogId, [&](CDialogDriver& d) {
      EXPECT_EQ(d.Text(obl::kAmount), "$75.00");
      if (c.typed == nullptr) {
        d.Press(obl::kCancel);
      } else {
        d.Type(obl::kAmount, c.typed);
        if (c.balance < 0) d.Press(obl::kNegative);
        d.Press(obl::kOk);
      }
    });
    const int result = Run([](CDialogDriver& d) {
      for (int i = 0; i < 3; ++i) {
        d.Press(ids::kNext);
        d.Press(ids::kGo);
      }
      d.Press(ids::kNext);
      d.Press(ids::kGo);
      EXPECT_EQ(d.Controls().GetFocus(), ids::kNext);
      d.Enter();
      EXPECT_EQ(d.Controls().GetFocus(), ids::kFinish);
      d.Enter();
    });
    EXPECT_EQ(result, kCommandOk);
    EXPECT_EQ(Ledger().GetOpeningBalance(), c.balance);
    EXPECT_EQ(Ledger().IsModified(), c.modified);
  }
}

TEST_F(BudgetWizardDialogTest, StopKeepsWhatTheDialogsMade) {
  host_.Expect(objects_dialog::kDialogId, [](CDialogDriver& d) {
    d.Type(objects_dialog::kAddName, "Car");
    d.Enter();
    d.Escape();
  });
  host_.Expect(functional_areas_dialog::kDialogId, [](CDialogDriver& d) {
    d.Type(functional_areas_dialog::kAddName, "Fuel");
    d.Enter();
    d.Escape();
  });
  host_.Expect(cat::kDialogId, [](CDialogDriver& d) {
    d.Type(cat::kAddName, "Petrol");
    d.Type(cat::kAddBudget, "1200");
    d.Enter();
    d.ExpectAccepted();
    d.Escape();
  });
  const int result = Run([](CDialogDriver& d) {
    for (int i = 0; i < 3; ++i) {
      d.Enter();  // Next, which has the focus after each dialog
      d.Enter();  // Go, which has the focus at each list step
    }
    EXPECT_EQ(d.Text(ids::kStepFrame), "[Step 4/6] Categories");
    d.Press(ids::kStop);
  });
  EXPECT_EQ(result, kCommandCancel);
  EXPECT_EQ(Ledger().Objects().GetRowCount(), 1u);
  EXPECT_EQ(Ledger().FunctionalAreas().GetRowCount(), 1u);
  ASSERT_EQ(Ledger().Categories().GetRowCount(), 1u);
  EXPECT_EQ(Ledger().Categories().NumberAt(0, category_column::kBudget), 1200);
}

}  // namespace
}  // namespace purso
