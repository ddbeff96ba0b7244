#include "dialogs/change_year_dialog.h"

#include <cstdint>

#include "resources/change_year_dialog_resource.h"

namespace purso {
namespace ids = change_year_dialog;

CChangeYearDialog::CChangeYearDialog(CAccountBook& book) : CDialogLogic(change_year_dialog::kResource), book_(book) {}

void CChangeYearDialog::OnInit() {
  // The items are the years in order, so an item's position is its year index.
  Controls().SetSelection(ids::kYears, book_.GetYearIndex());
  Controls().SetFocus(ids::kYears);
}

void CChangeYearDialog::OnCommand(int controlId) {
  if (controlId == ids::kOk) {
    const int selected = Controls().GetSelection(ids::kYears);
    if (selected != CControlModel::kNoSelection) book_.SetYearIndex(static_cast<std::uint8_t>(selected));
  }
  CDialogLogic::OnCommand(controlId);
}

}  // namespace purso
