// CBudgetWizardDialog: the Budget Wizard (161), on the book's current year.
//
// Shows one of six steps at a time (budget_wizard_dialog_resource.h holds
// their titles, texts, prompts, buttons and focus); Next and Previous move
// by one step. Go opens the step's own dialog on the current year: at steps
// 2 to 4 the Objects, the Functional Areas or the Categories dialog, after
// which Next is on exactly when that list has a row, and then has the focus;
// at step 5 the Opening balance dialog, whose OK on another value stores it,
// after which the focus goes to Next. Showing steps 2 to 4 turns Next off
// even when their list has rows, so each is passed only by way of its
// dialog. Finish ends with 1; Stop, Escape and the close box end with 2.
// The wizard holds no data: what its dialogs changed stays changed.
#pragma once

#include "data/account_book.h"
#include "dialogs/editing_dialog.h"

namespace purso {

class CBudgetWizardDialog final : public CEditingDialog {
 public:
  // book must outlive the dialog.
  explicit CBudgetWizardDialog(CAccountBook& book);

  void OnInit() override;
  void OnCommand(int controlId) override;

 private:
  void ShowStep();
  void OnGo();
  // After the list's dialog closed: Next opens only on a list with rows.
  void AfterListDialog(const CRecordTable& list);

  CAccountBook& book_;
  int step_ = 1;  // the step shown, 1 to 6
};

}  // namespace purso
