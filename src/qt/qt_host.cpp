#include "qt/qt_host.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include "qt/qt_dialog.h"
#include "qt/text_codec.h"

namespace purso {

QWidget* DialogOwner() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

int CQtHost::RunModal(CDialogLogic& dialog) {
  dialog.Attach(*this);
  CQtDialog window(dialog, DialogOwner());
  dialog.OnInit();
  if (dialog.Controls().IsEnded()) return dialog.Controls().Result();
  if (observer_) observer_(window);
  window.exec();
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

}  // namespace purso
