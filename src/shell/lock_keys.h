// The state of the Caps Lock, Num Lock and Scroll Lock keys, for the status
// bar's indicators.
//
// Qt offers no query for the lock keys. The keyboard LEDs that Linux exposes
// under /sys/class/leds tell the state whatever the display server; where a
// machine has none, the state is followed from the lock key presses the
// program sees, starting from off.
#pragma once

#include <QObject>

namespace purso {

enum class LockKey { kCapsLock, kNumLock, kScrollLock };

class CLockKeys final : public QObject {
  Q_OBJECT

 public:
  explicit CLockKeys(QObject* parent = nullptr);

  bool IsOn(LockKey key) const;

 signals:
  // A lock key may have changed.
  void Changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool followed_[3] = {false, false, false};
};

}  // namespace purso
