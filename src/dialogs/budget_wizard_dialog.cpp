#include "dialogs/budget_wizard_dialog.h"

#include "data/translation.h"
#include "dialogs/categories_dialog.h"
#include "dialogs/name_list_dialog.h"
#include "dialogs/opening_balance_dialog.h"
#include "platform/shown_text.h"
#include "resources/budget_wizard_dialog_resource.h"

namespace purso {
namespace {

namespace ids = budget_wizard_dialog;

// The steps whose Go opens a dialog.
constexpr int kObjectsStep = 2;
constexpr int kFunctionalAreasStep = 3;
constexpr int kCategoriesStep = 4;
constexpr int kOpeningBalanceStep = 5;

}  // namespace

CBudgetWizardDialog::CBudgetWizardDialog(CAccountBook& book)
    : CEditingDialog(budget_wizard_dialog::kResource), book_(book) {}

void CBudgetWizardDialog::OnInit() { ShowStep(); }

void CBudgetWizardDialog::OnCommand(int controlId) {
  switch (controlId) {
    case ids::kNext:
      if (step_ < ids::kStepCount) ++step_;
      ShowStep();
      break;
    case ids::kPrevious:
      if (step_ > 1) --step_;
      ShowStep();
      break;
    case ids::kGo:
      OnGo();
      break;
    case ids::kFinish:
      EndDialog(kCommandOk);
      break;
    default:
      CEditingDialog::OnCommand(controlId);
      break;
  }
}

void CBudgetWizardDialog::ShowStep() {
  const ids::WizardStep& step = ids::kSteps[step_ - 1];
  CControlModel& controls = Controls();
  controls.SetText(ids::kStepFrame, ShownText(ids::kResource, step.caption));
  controls.SetText(ids::kStepText, ShownText(ids::kResource, step.text));
  controls.SetText(ids::kGoPrompt, ShownText(ids::kResource, step.goPrompt));
  namespace button = ids::step_button;
  controls.Enable(ids::kGo, (step.buttons & button::kGo) != 0);
  controls.Enable(ids::kPrevious, (step.buttons & button::kPrevious) != 0);
  controls.Enable(ids::kNext, (step.buttons & button::kNext) != 0);
  controls.Enable(ids::kFinish, (step.buttons & button::kFinish) != 0);
  // Buttons first: the focus may go only to an enabled one.
  if (step.focus != kNoControlId) controls.SetFocus(step.focus);
}

void CBudgetWizardDialog::OnGo() {
  CYearLedger& ledger = book_.CurrentLedger();
  switch (step_) {
    case kObjectsStep:
    case kFunctionalAreasStep: {
      const MasterList list = step_ == kObjectsStep ? MasterList::kObjects : MasterList::kFunctionalAreas;
      CNameListDialog dialog(ledger, list);
      Host().RunModal(dialog);
      AfterListDialog(list == MasterList::kObjects ? ledger.Objects() : ledger.FunctionalAreas());
      break;
    }
    case kCategoriesStep: {
      CCategoriesDialog dialog(book_);
      Host().RunModal(dialog);
      AfterListDialog(ledger.Categories());
      break;
    }
    case kOpeningBalanceStep:
      EditOpeningBalance(Host(), book_);
      Controls().SetFocus(ids::kNext);
      break;
    default:
      break;  // Go is off at the first and the last step
  }
}

void CBudgetWizardDialog::AfterListDialog(const CRecordTable& list) {
  const bool any = list.GetRowCount() > 0;
  Controls().Enable(ids::kNext, any);
  if (any) Controls().SetFocus(ids::kNext);
}

}  // namespace purso
