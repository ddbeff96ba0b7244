// Long work away from the window's thread: the window goes on while it
// runs, Cancel in the progress window stops it, and what it throws comes
// back to the window's thread.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <new>
#include <thread>

#include "qt/qt_test_support.h"
#include "shell/background_runner.h"

namespace purso::test {
namespace {

using namespace std::chrono_literals;

TEST(BackgroundRunnerQtTest, TheWindowGoesOnWhileTheTaskRunsAndCancelStopsIt) {
  QWidget parent;
  CQtBackgroundRunner runner(&parent);
  // The task waits for the window's thread to handle an event.
  std::atomic<bool> handled{false};
  QTimer::singleShot(0, &parent, [&handled] { handled = true; });
  EXPECT_TRUE(runner.Run("Reading the statement bank.ofx...", [&handled](CTaskProgress&) {
    while (!handled) std::this_thread::sleep_for(2ms);
  }));

  // Cancel, once the progress window shows, ends the task.
  std::atomic<bool> noWindow{false};  // ends the task all the same, lest the test hang
  QTimer::singleShot(700, &parent, [&parent, &noWindow] {
    auto* window = parent.findChild<QProgressDialog*>();
    noWindow = window == nullptr;
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->value(), 500);
    SavePicture(*window, QStringLiteral("progress_window"));
    window->findChild<QPushButton*>()->click();
  });
  bool stopped = false;
  EXPECT_FALSE(runner.Run("Comparing the statement with the account...", [&](CTaskProgress& progress) {
    progress.Report(1, 2);
    while (!progress.Cancelled() && !noWindow) std::this_thread::sleep_for(2ms);
    stopped = true;
  }));
  EXPECT_TRUE(stopped);

  EXPECT_THROW(runner.Run("Reading", [](CTaskProgress&) { throw std::bad_alloc(); }), std::bad_alloc);
}

}  // namespace
}  // namespace purso::test
