// CTaskProgress and IBackgroundRunner: work that runs away from the
// window's thread, so that a long import never freezes the window.
//
// A runner runs a task on a thread of its own while the window shows its
// title, the progress the task reports and a Cancel button, and returns
// when the task has ended. The task reports how far it is and looks now and
// then whether the user cancelled, and then ends soon, having changed
// nothing the window holds. The Qt shell gives the real runner; tests and
// purso-tool run the task at once on their own thread (CInlineRunner).
//
// CTaskProgress may be used from both threads at once.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string_view>

namespace purso {

class CTaskProgress {
 public:
  // How much of the work is done, as done of total (total > 0).
  void Report(std::uint64_t done, std::uint64_t total) {
    permille_.store(total == 0 ? 0 : static_cast<int>(done >= total ? 1000 : done * 1000 / total),
                    std::memory_order_relaxed);
  }
  // 0 to 1000.
  int Permille() const { return permille_.load(std::memory_order_relaxed); }

  void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
  bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }

 private:
  std::atomic<int> permille_{0};
  std::atomic<bool> cancelled_{false};
};

using BackgroundTask = std::function<void(CTaskProgress&)>;

class IBackgroundRunner {
 public:
  virtual ~IBackgroundRunner() = default;

  // Runs task, showing title (account text, in the user's language) and its
  // progress, and returns once it has ended: true when it ran to its end,
  // false when the user cancelled it.
  // An exception the task throws (out of memory) comes out of Run, on the
  // caller's thread.
  virtual bool Run(std::string_view title, const BackgroundTask& task) = 0;
};

// Runs the task at once, on the caller's thread; it is never cancelled.
class CInlineRunner final : public IBackgroundRunner {
 public:
  bool Run(std::string_view /*title*/, const BackgroundTask& task) override {
    CTaskProgress progress;
    task(progress);
    return !progress.Cancelled();
  }
};

}  // namespace purso
