#include "qt/qt_test_support.h"

#include <QDir>
#include <QPixmap>
#include <QTimer>

namespace purso::test {

QString SavePicture(QWidget& widget, const QString& name) {
  const QString path = QDir::current().absoluteFilePath(name + QStringLiteral(".png"));
  widget.grab().save(path);
  return path;
}

void WhenShown(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

}  // namespace purso::test
