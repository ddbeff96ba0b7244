#include "shell/background_runner.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <exception>
#include <limits>
#include <string>
#include <thread>

#include "qt/qt_translation.h"
#include "qt/text_codec.h"

namespace purso {
namespace {

// How often the progress window looks at the task, in milliseconds; and
// how long a task runs before the window shows.
constexpr int kPollMilliseconds = 30;
constexpr int kShowAfterMilliseconds = 400;

}  // namespace

bool CQtBackgroundRunner::Run(std::string_view title, const BackgroundTask& task) {
  CTaskProgress progress;
  std::atomic<bool> done{false};
  std::exception_ptr failure;
  std::thread worker([&] {
    try {
      task(progress);
    } catch (...) {
      failure = std::current_exception();
    }
    done.store(true);
  });

  QProgressDialog window(FromAccountText(title), UiText("ProgressWindow", "Cancel"), 0, 1000, parent_);
  window.setWindowTitle(UiText("ProgressWindow", "Import Statement"));
  window.setWindowModality(Qt::ApplicationModal);
  // Shown by the timer below, never by a guess of how long the task takes.
  window.setMinimumDuration(std::numeric_limits<int>::max());
  window.setAutoClose(false);
  window.setAutoReset(false);
  window.setValue(0);
  QTimer::singleShot(kShowAfterMilliseconds, &window, [&window, &done] {
    if (!done.load()) window.show();
  });
  QObject::connect(&window, &QProgressDialog::canceled, &window, [&progress, &window] {
    progress.Cancel();
    window.setLabelText(UiText("ProgressWindow", "Cancelling..."));
  });
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(kPollMilliseconds);
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done.load()) {
      loop.quit();
    } else {
      window.setValue(progress.Permille());
    }
  });
  poll.start();
  if (!done.load()) loop.exec();
  // The loop also ends when the program is told to end: the task stops too.
  if (!done.load()) progress.Cancel();
  worker.join();
  if (failure) std::rethrow_exception(failure);
  return !progress.Cancelled();
}

}  // namespace purso
