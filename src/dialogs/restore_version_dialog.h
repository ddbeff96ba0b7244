// CRestoreVersionDialog: the Restore Earlier Version dialog.
//
// Lists the versions kept of an account, newest first: when each was saved,
// its size, its current year with that year's number of transactions and
// actual balance, or that it is damaged and why. The first row is selected.
// Open (or a double-click, or Enter on a row) ends the dialog with 1 and the
// chosen version; a damaged version is refused with the reading message and
// the dialog stays open. Cancel ends it with 2.
#pragma once

#include <string>
#include <vector>

#include "data/kept_versions.h"
#include "dialogs/editing_dialog.h"

namespace purso {

class CRestoreVersionDialog final : public CEditingDialog {
 public:
  // accountName: as account text.
  CRestoreVersionDialog(std::vector<VersionSummary> versions, std::string accountName);

  void OnInit() override;
  void OnCommand(int controlId) override;
  void OnSelectionChange(int controlId) override;
  void OnDoubleClick(int controlId) override;

  // The version chosen; only after the dialog ended with 1.
  const VersionSummary& Chosen() const { return versions_[chosen_]; }

 private:
  void OnOpen();

  std::vector<VersionSummary> versions_;
  std::string accountName_;
  std::size_t chosen_ = 0;
};

}  // namespace purso
