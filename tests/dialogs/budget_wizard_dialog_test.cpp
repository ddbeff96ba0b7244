#include "dialogs/budget_wizard_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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
  }
  int Run(const CScriptedHost::Steps& steps) {
    CBudgetWizardDialog wizard(book_);
    return host_.Run(wizard, steps);
  }
  // The dialogs Go opens at steps 2 to 4, each closed at once.
  void ExpectListDialogs() {
    for (int dialog : {objects_dialog::kDialogId, functional_areas_dialog::kDialogId, cat::kDialogId}) {
      host_.Expect(dialog, [](CDialogDriver& d) { d.Escape(); });
    }
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
  ExpectListDialogs();
  const int result = Run([&](CDialogDriver& d) {
    // Lines end in CR LF; empty lines stand between paragraphs.
    EXPECT_EQ(d.Text(ids::kStepText),
              "Welcome to the Tolva Account Organizer Budget Wizard!\r\n\r\n"
              "Setting up a budget is the first step in getting your financial situation under control.\r\n"
              "A Tolva Account Organizer budget allows you to pin-point any cash flow problems BEFORE they occur, so "
              "that your budget can be modified to nullify the problems.\r\n\r\n"
              "Hit the \"Next\" button to continue.");
    for (const auto& step : steps) {
      SCOPED_TRACE(step.caption);
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
}

// A list left empty by its dialog keeps Next off (the walk above shows a
// list with rows turning it on).
TEST_F(BudgetWizardDialogTest, AtTheListStepsAnEmptyListKeepsNextOff) {
  host_.Expect(objects_dialog::kDialogId, [](CDialogDriver& d) { d.Escape(); });
  Run([&](CDialogDriver& d) {
    d.Press(ids::kNext);
    d.Press(ids::kGo);
    EXPECT_EQ(Buttons(d), "GP--");
    EXPECT_EQ(d.Controls().GetFocus(), ids::kGo);
    d.Escape();
  });
}

// Go at step 5 stores only what its dialog ended with OK on, and hands the
// focus to Next either way.
TEST_F(BudgetWizardDialogTest, AtStep5NextIsOnAndGoStoresAnOkBalanceOnly) {
  FillLists();
  Ledger().SetOpeningBalance(75);
  ExpectListDialogs();
  host_.Expect(obl::kDialogId, [](CDialogDriver& d) {
    d.Type(obl::kAmount, "9");
    d.Press(obl::kCancel);
  });
  host_.Expect(obl::kDialogId, [](CDialogDriver& d) {
    d.Type(obl::kAmount, "250");
    d.Press(obl::kNegative);
    d.Enter();
  });
  const int result = Run([this](CDialogDriver& d) {
    for (int step = 2; step <= 4; ++step) {
      d.Press(ids::kNext);
      d.Press(ids::kGo);
    }
    d.Press(ids::kNext);
    EXPECT_EQ(Buttons(d), "GPN-");
    for (double stored : {75.0, -250.0}) {
      d.Press(ids::kGo);
      EXPECT_EQ(Ledger().GetOpeningBalance(), stored);
      EXPECT_EQ(d.Controls().GetFocus(), ids::kNext);
    }
    d.Enter();
    EXPECT_EQ(d.Controls().GetFocus(), ids::kFinish);
    d.Enter();
  });
  EXPECT_EQ(result, kCommandOk);
}

}  // namespace
}  // namespace purso
