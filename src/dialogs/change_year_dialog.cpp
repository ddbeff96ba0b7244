#include "dialogs/change_year_dialog.h"

#include <cstdint>

#include "data/budget_copy.h"
#include "data/translation.h"
#include "dialogs/message_dialogs.h"
#include "resources/change_year_dialog_resource.h"

namespace purso {
namespace ids = change_year_dialog;

std::string StartWithBudgetQuestion(int year) {
  return Filled(
      Translate("ChangeYearDialog", "The year %1 has no budget yet.\nDo you want to start it with the budget of %2?"),
      {std::to_string(year), std::to_string(year - 1)});
}

CChangeYearDialog::CChangeYearDialog(CAccountBook& book) : CDialogLogic(change_year_dialog::kResource), book_(book) {}

void CChangeYearDialog::OnInit() {
  // The items are the years in order, so an item's position is its year index.
  Controls().SetSelection(ids::kYears, book_.GetYearIndex());
  Controls().SetFocus(ids::kYears);
}

void CChangeYearDialog::OnCommand(int controlId) {
  if (controlId == ids::kOk) {
    const int selected = Controls().GetSelection(ids::kYears);
    if (selected != CControlModel::kNoSelection && selected != book_.GetYearIndex()) {
      book_.SetYearIndex(static_cast<std::uint8_t>(selected));
      OfferBudgetOfYearBefore();
    }
  }
  CDialogLogic::OnCommand(controlId);
}

void CChangeYearDialog::OfferBudgetOfYearBefore() {
  const int index = book_.GetYearIndex();
  if (index == 0) return;
  CYearLedger& before = book_.Ledger(index - 1);
  CYearLedger& year = book_.CurrentLedger();
  if (!CanCopyBudgetForward(before, year)) return;
  if (!AskConfirmation(Host(), StartWithBudgetQuestion(book_.GetYear()))) return;
  if (!CopyBudgetForward(before, year)) ShowOutOfMemory(Host());
}

}  // namespace purso
