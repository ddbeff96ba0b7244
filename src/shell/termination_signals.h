// CTerminationSignals: SIGTERM, SIGHUP and SIGINT as a request to end.
//
// Logging out, shutting the computer down, kill and Ctrl+C in a terminal end
// a program with these signals. Their handlers only write the signal's
// number into a pipe, whose other end wakes the event loop; Requested is
// emitted there, between two events, never inside a handler and never with a
// system call of the program half done. Each handler runs once: the same
// signal a second time ends the program at once, as if no handler were there.
//
// One object at a time in a process; the handlers it replaced are put back
// when it goes.
#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

namespace purso {

class CTerminationSignals final : public QObject {
  Q_OBJECT

 public:
  explicit CTerminationSignals(QObject* parent = nullptr);
  ~CTerminationSignals() override;

 signals:
  // The program was asked to end by the signal with this number.
  void Requested(int signal);

 private:
  void OnReadable();

  int pipe_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
  struct sigaction previous_[3] = {};
};

}  // namespace purso
