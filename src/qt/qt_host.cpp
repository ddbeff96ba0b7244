#include "qt/qt_host.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPointer>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

#include "qt/qt_dialog.h"
#include "qt/text_codec.h"

namespace purso {

QWidget* CQtHost::DialogOwner() const {
  if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal->isVisible()) return modal;
  if (QWidget* active = QApplication::activeWindow(); active != nullptr && active->isVisible()) return active;
  return mainWindow_ != nullptr && mainWindow_->isVisible() ? mainWindow_ : nullptr;
}

int CQtHost::RunModal(CDialogLogic& dialog) {
  dialog.Attach(*this);
  const QPointer<QWidget> owner = DialogOwner();
  const QPointer<QWidget> focus = QApplication::focusWidget();
  CQtDialog window(dialog, owner, settings_);
  dialog.OnInit();
  if (dialog.Controls().IsEnded()) return dialog.Controls().Result();
  if (observer_) observer_(window);
  window.exec();
  window.hide();
  // The window manager does not always hand the keyboard back to the owner
  // (a question that closes just before its own opener does): take it back,
  // to the control that had it.
  if (owner != nullptr && owner->isVisible()) {
    owner->activateWindow();
    if (focus != nullptr && focus->window() == owner->window()) focus->setFocus(Qt::ActiveWindowFocusReason);
  }
  // A dialog closed by other means than its logic (the program quitting)
  // counts as cancelled.
  return dialog.Controls().IsEnded() ? dialog.Controls().Result() : kCommandCancel;
}

void CQtHost::OpenDocument(const std::string& path, const std::string& /*folder*/) {
  // The desktop's opener starts the program in its own working folder; the
  // page is named by its full path, so the folder is not needed.
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

std::string CQtHost::ProgramPath() const { return QCoreApplication::applicationFilePath().toStdString(); }

std::optional<std::string> CQtHost::AskSaveFileName(const SaveFileQuestion& question) {
  QFileDialog dialog(DialogOwner(), FromAccountText(question.title), QString(), FromAccountText(question.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(FromAccountText(question.extension));
  dialog.selectFile(QString::fromStdString(question.proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFileInfo(dialog.selectedFiles().front()).absoluteFilePath().toStdString();
}

bool CQtHost::PrintPage(const PrintRequest& request) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromUtf8(request.documentName.data(), static_cast<qsizetype>(request.documentName.size())));
  printer.setPageOrientation(request.orientation == PageOrientation::kLandscape ? QPageLayout::Landscape
                                                                                : QPageLayout::Portrait);
  QPrintDialog dialog(&printer, DialogOwner());
  if (dialog.exec() != QDialog::Accepted) return false;
  QTextDocument page;
  page.setHtml(QString::fromUtf8(request.html.data(), static_cast<qsizetype>(request.html.size())));
  page.print(&printer);
  return printer.printerState() != QPrinter::Error;
}

}  // namespace purso
