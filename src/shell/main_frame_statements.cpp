// CpursoMainFrame: the file dialogs of File > Import Statement... and
// File > Export Year as CSV...; what follows the choice of a file is the
// document's, the reading of a statement away from the window's thread.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "app/purso_document.h"
#include "data/translation.h"
#include "qt/qt_host.h"
#include "qt/qt_translation.h"
#include "resources/frame_resources.h"
#include "resources/translatable.h"
#include "shell/background_runner.h"
#include "shell/main_frame.h"

namespace purso {
namespace {

constexpr std::string_view kExportYearTitle = PURSO_TEXT("FileDialogs", "Export Year as CSV");

}  // namespace

void CpursoMainFrame::ImportStatement(CpursoPXFDoc& document) {
  const QString path = QFileDialog::getOpenFileName(this, UiText("FileDialogs", "Import Statement"), QString(),
                                                    UiText("FileDialogs", kStatementFilter));
  if (path.isEmpty()) return;
  CQtBackgroundRunner runner(this);
  document.ImportStatement(QFileInfo(path).absoluteFilePath().toStdString(), settings_, runner);
}

std::string CpursoMainFrame::BesideAccount(const CpursoPXFDoc& document, const QString& name) {
  if (document.PathName().empty()) return name.toStdString();
  return QDir(QFileInfo(QString::fromStdString(document.PathName())).absolutePath()).filePath(name).toStdString();
}

void CpursoMainFrame::ExportYear(CpursoPXFDoc& document) {
  const std::optional<std::string> path =
      host_.AskSaveFileName({Translate("FileDialogs", kExportYearTitle),
                             Translate("FileDialogs", kCsvFilter), "csv",
                             BesideAccount(document, QString::fromStdString(document.ExportFileName()))});
  if (path) document.ExportYear(*path);
}

}  // namespace purso
