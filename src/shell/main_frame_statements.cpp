// CpursoMainFrame: the file dialogs of File > Import Statement... and
// File > Export Year as CSV...; what follows the choice of a file is the
// document's, the reading of a statement away from the window's thread.
#include <QFileDialog>
#include <QFileInfo>

#include "app/purso_document.h"
#include "qt/qt_translation.h"
#include "shell/background_runner.h"
#include "shell/main_frame.h"

namespace purso {

void CpursoMainFrame::ImportStatement(CpursoPXFDoc& document) {
  const QString path = QFileDialog::getOpenFileName(this, UiText("FileDialogs", "Import Statement"), QString(),
                                                    UiText("FileDialogs", kStatementFilter));
  if (path.isEmpty()) return;
  CQtBackgroundRunner runner(this);
  document.ImportStatement(QFileInfo(path).absoluteFilePath().toStdString(), settings_, runner);
}

void CpursoMainFrame::ExportYear(CpursoPXFDoc& document) {
  // Beside the account, when it has a file.
  const QString folder =
      document.PathName().empty() ? QString() : QFileInfo(QString::fromStdString(document.PathName())).absolutePath();
  const QString name = QString::fromStdString(document.ExportFileName());
  QFileDialog dialog(this, UiText("FileDialogs", "Export Year as CSV"), folder, UiText("FileDialogs", kCsvFilter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("csv"));
  dialog.selectFile(name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  document.ExportYear(QFileInfo(dialog.selectedFiles().front()).absoluteFilePath().toStdString());
}

}  // namespace purso
