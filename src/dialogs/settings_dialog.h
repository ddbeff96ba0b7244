// CSettingsDialog: the Date & Currency Settings dialog (141).
//
// Edits the account's display settings in place. It opens showing the
// current settings. Done checks the number of decimals, the currency symbol
// (its length, then its characters) and the date separator, in that order;
// the first failure is reported with the focus on its field and the dialog
// stays open. Only when every check passes are the seven settings written,
// all at once, and the dialog ends with 1. Help, Escape and the close box
// all open the help page and leave the dialog open.
#pragma once

#include "data/display_settings.h"
#include "dialogs/editing_dialog.h"

namespace purso {

class CSettingsDialog final : public CEditingDialog {
 public:
  // settings must outlive the dialog.
  explicit CSettingsDialog(CDisplaySettings& settings);

  void OnInit() override;
  void OnCommand(int controlId) override;

 private:
  void OnDone();

  CDisplaySettings& settings_;
};

}  // namespace purso
