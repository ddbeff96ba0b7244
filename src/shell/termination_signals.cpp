#include "shell/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>

namespace purso {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe's writing end, for the handlers; -1 while no object listens.
std::atomic<int> writeEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "the handlers may only touch a lock-free atomic");

// Async-signal-safe: a write to a pipe that does not block, errno kept.
void OnSignal(int signal) {
  const int saved = errno;
  const int fd = writeEnd.load();
  const unsigned char number = static_cast<unsigned char>(signal);
  if (fd >= 0 && ::write(fd, &number, 1) < 0) {
    // A full pipe holds enough requests already.
  }
  errno = saved;
}

}  // namespace

CTerminationSignals::CTerminationSignals(QObject* parent) : QObject(parent) {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
    pipe_[0] = pipe_[1] = -1;
    return;  // the signals keep their usual effect
  }
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &CTerminationSignals::OnReadable);
  writeEnd.store(pipe_[1]);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (std::size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &action, &previous_[i]);
}

CTerminationSignals::~CTerminationSignals() {
  if (pipe_[0] < 0) return;
  for (std::size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &previous_[i], nullptr);
  writeEnd.store(-1);
  delete notifier_;
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

void CTerminationSignals::OnReadable() {
  unsigned char numbers[16];
  ssize_t got = 0;
  while ((got = ::read(pipe_[0], numbers, sizeof numbers)) > 0) {
    for (ssize_t i = 0; i < got; ++i) emit Requested(numbers[i]);
  }
}

}  // namespace purso
