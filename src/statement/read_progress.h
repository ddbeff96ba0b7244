// How the statement readers report their progress and hear of a cancel.
#pragma once

#include <cstddef>

#include "platform/task_progress.h"

namespace purso {

// Reports done of total now and then (every 1024th call of count) and tells
// whether to go on: false once the user has cancelled.
inline bool GoOnReading(CTaskProgress* progress, std::size_t count, std::size_t done, std::size_t total) {
  if (progress == nullptr || count % 1024 != 0) return true;
  progress->Report(done, total);
  return !progress->Cancelled();
}

}  // namespace purso
