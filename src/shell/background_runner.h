// CQtBackgroundRunner: the shell's way of running long work (reading and
// proposing a bank statement) on a thread of its own, so that the window
// never freezes.
//
// While the task runs, a progress window over the parent shows its title,
// the progress it reports and a Cancel button, and keeps every window of
// the program from input; the window's thread goes on painting. Cancel (or
// closing the progress window) tells the task, and the runner waits for it
// to end. An exception the task throws is thrown again on the window's
// thread.
#pragma once

#include <string_view>

#include "platform/task_progress.h"

class QWidget;

namespace purso {

class CQtBackgroundRunner final : public IBackgroundRunner {
 public:
  explicit CQtBackgroundRunner(QWidget* parent) : parent_(parent) {}

  bool Run(std::string_view title, const BackgroundTask& task) override;

 private:
  QWidget* parent_;
};

}  // namespace purso
