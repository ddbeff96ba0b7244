// Dialog resource of the Budget Wizard, which leads a user through setting
// up the current year in six steps: an introduction, the objects, the
// functional areas, the categories, the opening balance and a closing word.
// One frame holds the step: its title, its text and a prompt beside Go,
// which opens the step's own dialog; the four buttons below move between
// the steps and end the wizard.
//
// kSteps holds, for each step, the frame's title, the text, the prompt, the
// buttons it enables and where the focus goes when the step is shown. Texts
// separate their lines with CR LF.
#pragma once

#include <cstdint>
#include <iterator>
#include <string_view>

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::budget_wizard_dialog {

inline constexpr int kDialogId = dialog_id::kBudgetWizard;
inline constexpr int kStepFrame = 1097;
inline constexpr int kStepText = 1116;
inline constexpr int kGoPrompt = 1117;
inline constexpr int kGo = 1098;
inline constexpr int kStop = 2;
inline constexpr int kPrevious = 1094;
inline constexpr int kFinish = 1095;
inline constexpr int kNext = 1096;

// The buttons a step enables, as bits; the others are disabled.
namespace step_button {
inline constexpr std::uint8_t kGo = 1u << 0;
inline constexpr std::uint8_t kPrevious = 1u << 1;
inline constexpr std::uint8_t kNext = 1u << 2;
inline constexpr std::uint8_t kFinish = 1u << 3;
}  // namespace step_button

struct WizardStep {
  std::string_view caption;   // the frame's title
  std::string_view text;      // lines separated by CR LF
  std::string_view goPrompt;  // beside Go; empty where Go is off
  std::uint8_t buttons;       // step_button bits
  int focus;                  // the control given the focus, kNoControlId to leave it
};

namespace text {
inline constexpr std::string_view kIntroduction = PURSO_TEXT(
    "BudgetWizardDialog",
    "Welcome to the Tolva Account Organizer Budget Wizard!\r\n"
    "\r\n"
    "Setting up a budget is the first step in getting your financial situation under control.\r\n"
    "A Tolva Account Organizer budget allows you to pin-point any cash flow problems BEFORE they occur, so that "
    "your budget can be modified to nullify the problems.\r\n"
    "\r\n"
    "Hit the \"Next\" button to continue.");

inline constexpr std::string_view kObjects = PURSO_TEXT(
    "BudgetWizardDialog",
    "First you will have to define some Objects.\r\n"
    "Tolva Account Organizer Objects are all the objects that:\r\n"
    "- generate income OR\r\n"
    "- generate expenses\r\n"
    "\r\n"
    "Examples are \"Mustang\" (the car), \"John\" (the husband), \"Mary\" (the wife), \"mansion\" (the house), "
    "...\r\n"
    "\r\n"
    "You must create at least a few objects before you can continue.");

inline constexpr std::string_view kFunctionalAreas =
    PURSO_TEXT("BudgetWizardDialog",
               "Now you will have to define some Functional Areas.\r\n"
               "Tolva Account Organizer Functional Areas define the way your objects generate income or expenses.\r\n"
               "\r\n"
               "Examples are \"Insurance\", \"Purchase\", \"Food\", \"Day Job\", \"Maintenance\", ...\r\n"
               "\r\n"
               "You must create at least a few functional areas before you can continue.");

inline constexpr std::string_view kCategories = PURSO_TEXT(
    "BudgetWizardDialog",
    "Now it's time to create some categories.\r\n"
    "Tolva Account Organizer Categories combine objects and functional areas into budget categories.\r\n"
    "\r\n"
    "Examples are:\r\n"
    "- \"Car Insurance\" (combining \"Mustang\" and \"Insurance\")\r\n"
    "- \"Bank Job\" (combining \"Mary\" and \"Day Job\")\r\n"
    "\r\n"
    "There are 4 kinds of categories:\r\n"
    "- Fix Ex\r\n"
    "- Fix In\r\n"
    "- Var Ex\r\n"
    "- Var In\r\n"
    "\"Fix\" categories have a fixed number of predicted transactions (\"predactions\") which you will have to "
    "define.\r\n"
    "\"Var\" categories have an unknown number of predactions. You will have to set an annual budget for these "
    "categories.\r\n"
    "\r\n"
    "\"In\" categories define income categories\r\n"
    "\"Ex\" categories define expense categories\r\n"
    "\r\n"
    "You must create at least a few categories before you can continue.");

inline constexpr std::string_view kOpeningBalance =
    PURSO_TEXT("BudgetWizardDialog", "The opening balance is the amount of money in your account on Jan 1.");

inline constexpr std::string_view kCashFlowChart =
    PURSO_TEXT("BudgetWizardDialog",
               "Congratulations!\r\n"
               "You have successfully created a budget.\r\n"
               "Hit \"Finish\" to display the Cash Flow Chart and analyse your budget.");
}  // namespace text

// Step n is kSteps[n - 1]. Next is on only at steps 1 and 5 when a step is
// shown; at steps 2 to 4 Go opens it (budget_wizard_dialog.h).
inline constexpr WizardStep kSteps[] = {
    {PURSO_TEXT("BudgetWizardDialog", "[Step 1/6] Introduction"), text::kIntroduction, "", step_button::kNext,
     kNoControlId},
    {PURSO_TEXT("BudgetWizardDialog", "[Step 2/6] Objects"), text::kObjects,
     PURSO_TEXT("BudgetWizardDialog", "Hit \"Go\" to add some objects now"), step_button::kGo | step_button::kPrevious,
     kGo},
    {PURSO_TEXT("BudgetWizardDialog", "[Step 3/6] Functional Areas"), text::kFunctionalAreas,
     PURSO_TEXT("BudgetWizardDialog", "Hit \"Go\" to add some functional areas now"),
     step_button::kGo | step_button::kPrevious, kGo},
    {PURSO_TEXT("BudgetWizardDialog", "[Step 4/6] Categories"), text::kCategories,
     PURSO_TEXT("BudgetWizardDialog", "Hit \"Go\" to add some categories now"),
     step_button::kGo | step_button::kPrevious, kGo},
    {PURSO_TEXT("BudgetWizardDialog", "[Step 5/6] Opening Balance"), text::kOpeningBalance,
     PURSO_TEXT("BudgetWizardDialog", "Hit \"Go\" to set the opening balance now"),
     step_button::kGo | step_button::kPrevious | step_button::kNext, kGo},
    {PURSO_TEXT("BudgetWizardDialog", "[Step 6/6] Cash Flow Chart"), text::kCashFlowChart, "",
     step_button::kPrevious | step_button::kFinish, kFinish},
};
inline constexpr int kStepCount = static_cast<int>(std::size(kSteps));
static_assert(kStepCount == 6);
// The logic relies on these: Previous and Next never lead out of the steps.
static_assert((kSteps[0].buttons & step_button::kPrevious) == 0);
static_assert((kSteps[kStepCount - 1].buttons & step_button::kNext) == 0);

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
// The frame holds the step's text and, under it, the prompt beside Go, Go
// in line with Finish and the prompt as wide as room allows: the longest
// prompt nearly fills it in an ordinary dialog font. The four buttons stand
// in one row under the frame, Stop at the left. Next is the default button,
// so that Enter moves on wherever nothing else has the focus.
inline constexpr ControlResource kControls[] = {
    {kGroupBox, kStepFrame, "", 5, 5, 215, 130},
    {kMultiLineText, kStepText, "", 10, 15, 205, 95, kReadOnly | kVScroll},
    {kEdit, kGoPrompt, "", 10, 115, 155, 14, kReadOnly},
    {kPushButton, kGo, PURSO_TEXT("BudgetWizardDialog", "&Go"), 170, 115, 45, 14, kDisabled},
    {kPushButton, kStop, PURSO_TEXT("BudgetWizardDialog", "&Stop"), 5, 140, 50, 14},
    {kPushButton, kPrevious, PURSO_TEXT("BudgetWizardDialog", "<< &Previous"), 60, 140, 50, 14, kDisabled},
    {kPushButton, kNext, PURSO_TEXT("BudgetWizardDialog", "&Next >>"), 115, 140, 50, 14, kDefault},
    {kPushButton, kFinish, PURSO_TEXT("BudgetWizardDialog", "&Finish"), 170, 140, 50, 14, kDisabled},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("BudgetWizardDialog", "Budget Wizard"),
                                          227,
                                          161,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          {},
                                          "BudgetWizardDialog"};

}  // namespace purso::budget_wizard_dialog
