// CpursoMainFrame: what the program keeps of the accounts beside their
// files. An earlier version opens as a new account window; the accounts a
// program that ended without closing them left are offered at start-up.
#include "app/purso_document.h"
#include "data/account_text.h"
#include "dialogs/backups_dialog.h"
#include "dialogs/restore_version_dialog.h"
#include "qt/qt_host.h"
#include "shell/main_frame.h"

namespace purso {

void CpursoMainFrame::RestoreVersion(CpursoPXFDoc& document) {
  CRestoreVersionDialog dialog(document.KeptVersions(), Utf8ToAccountText(document.Title()));
  if (host_.RunModal(dialog) != kCommandOk) return;
  auto restored = MakeDocument();
  if (!restored->OpenVersion(dialog.Chosen().version, document.Title(), document.PathName())) return;
  AddChild(std::move(restored));
}

void CpursoMainFrame::EditBackups() {
  CBackupsDialog dialog(safekeeping_.Limits());
  if (host_.RunModal(dialog) == kCommandOk) safekeeping_.SetLimits(dialog.Limits());
}

void CpursoMainFrame::RecoverLeftAccounts() {
  for (auto& document : CpursoPXFDoc::RecoverLeftAccounts(host_, safekeeping_)) AddChild(std::move(document));
}

}  // namespace purso
