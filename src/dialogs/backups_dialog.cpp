#include "dialogs/backups_dialog.h"

#include <optional>
#include <string>

#include "data/translation.h"
#include "resources/backups_dialog_resource.h"
#include "text/date_text.h"

namespace purso {
namespace {

namespace ids = backups_dialog;

}  // namespace

CBackupsDialog::CBackupsDialog(const VersionLimits& limits)
    : CEditingDialog(backups_dialog::kResource), limits_(limits) {}

void CBackupsDialog::OnInit() {
  Controls().SetText(ids::kSaves, std::to_string(limits_.saves));
  Controls().SetText(ids::kDays, std::to_string(limits_.days));
  Controls().SetFocus(ids::kSaves);
}

void CBackupsDialog::OnCommand(int controlId) {
  if (controlId == ids::kOk) {
    OnOk();
  } else {
    CEditingDialog::OnCommand(controlId);
  }
}

void CBackupsDialog::OnOk() {
  const std::optional<int> saves = ReadWholeNumberIn(Controls().GetText(ids::kSaves), 1, VersionLimits::kMaxSaves);
  if (!saves) {
    return Refuse(Translate("BackupsDialog", "The number of saves is invalid"),
                  Translate("BackupsDialog", "Enter a whole number from 1 to 999."), ids::kSaves);
  }
  const std::optional<int> days = ReadWholeNumberIn(Controls().GetText(ids::kDays), 0, VersionLimits::kMaxDays);
  if (!days) {
    return Refuse(Translate("BackupsDialog", "The number of days is invalid"),
                  Translate("BackupsDialog", "Enter a whole number from 0 to 999."), ids::kDays);
  }
  limits_ = {*saves, *days};
  EndDialog(ids::kOk);
}

}  // namespace purso
