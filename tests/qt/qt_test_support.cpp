#include "qt/qt_test_support.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenuBar>

#include <gtest/gtest.h>
#include <QPixmap>
#include <QTimer>

#include "data/account_file.h"
#include "shell/child_frame.h"

namespace purso::test {

QString SavePicture(QWidget& widget, const QString& name) {
  const QString path = QDir::current().absoluteFilePath(name + QStringLiteral(".png"));
  widget.grab().save(path);
  return path;
}

void WhenShown(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

QStringList MenuTitles(QMainWindow& window) {
  QStringList titles;
  for (QAction* action : window.menuBar()->actions()) titles << action->text();
  return titles;
}

void ShowForPicture(CpursoMainFrame& frame) {
  frame.showNormal();
  frame.resize(1024, 680);
  frame.Children().front()->showMaximized();
  QApplication::processEvents();
}

QString WriteAccount(const QTemporaryDir& folder, const QString& name, CAccountBook& book) {
  const QString path = folder.filePath(name);
  EXPECT_TRUE(StoreAccountFile(path.toStdString(), book));
  return path;
}

}  // namespace purso::test
