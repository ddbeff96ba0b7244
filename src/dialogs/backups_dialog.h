// CBackupsDialog: how many earlier versions of its accounts the program
// keeps.
//
// It opens showing the limits given. OK checks the number of saves (1 to
// 999), then the number of days (0 to 999), refusing the first that is not
// a whole number in its range with the focus on its field; when both pass
// the dialog ends with 1 and Limits() holds them. Cancel changes nothing.
#pragma once

#include "data/kept_versions.h"
#include "dialogs/editing_dialog.h"

namespace purso {

class CBackupsDialog final : public CEditingDialog {
 public:
  explicit CBackupsDialog(const VersionLimits& limits);

  void OnInit() override;
  void OnCommand(int controlId) override;

  const VersionLimits& Limits() const { return limits_; }

 private:
  void OnOk();

  VersionLimits limits_;
};

}  // namespace purso
