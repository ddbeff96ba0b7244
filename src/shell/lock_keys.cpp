#include "shell/lock_keys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>

namespace purso {
namespace {

const char* LedSuffix(LockKey key) {
  switch (key) {
    case LockKey::kCapsLock: return "::capslock";
    case LockKey::kNumLock: return "::numlock";
    case LockKey::kScrollLock: return "::scrolllock";
  }
  return "";
}

// 1 or 0 from the first keyboard LED of that kind; -1 when there is none.
int LedState(LockKey key) {
  const QDir leds(QStringLiteral("/sys/class/leds"));
  const QStringList names = leds.entryList({QStringLiteral("*") + QLatin1String(LedSuffix(key))}, QDir::AllEntries);
  for (const QString& name : names) {
    QFile brightness(leds.filePath(name + QStringLiteral("/brightness")));
    if (brightness.open(QIODevice::ReadOnly)) return brightness.readAll().trimmed().toInt() > 0 ? 1 : 0;
  }
  return -1;
}

}  // namespace

CLockKeys::CLockKeys(QObject* parent) : QObject(parent) {
  QCoreApplication::instance()->installEventFilter(this);
  // The LEDs also change through other programs; look again now and then.
  auto* timer = new QTimer(this);
  connect(timer, &QTimer::timeout, this, &CLockKeys::Changed);
  timer->start(500);
}

bool CLockKeys::IsOn(LockKey key) const {
  const int led = LedState(key);
  return led >= 0 ? led == 1 : followed_[static_cast<int>(key)];
}

bool CLockKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    int index = -1;
    if (key == Qt::Key_CapsLock) index = 0;
    if (key == Qt::Key_NumLock) index = 1;
    if (key == Qt::Key_ScrollLock) index = 2;
    if (index >= 0) {
      followed_[index] = !followed_[index];
      emit Changed();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace purso
