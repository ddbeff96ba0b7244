// The hostile-statement suite replaces the global operator new and delete
// (counting_allocator.cpp) to see how much memory reading a statement
// takes, and to make memory run out on purpose.
#pragma once

#include <cstddef>

namespace purso::test {

// Bytes held by operator new now, and the most held since ResetPeak.
std::size_t LiveBytes();
std::size_t PeakBytes();
void ResetPeak();

// While it lives, operator new throws std::bad_alloc for any allocation
// that would hold more than limit bytes beyond what is held when it begins.
class CMemoryBudget {
 public:
  explicit CMemoryBudget(std::size_t limit);
  ~CMemoryBudget();
  CMemoryBudget(const CMemoryBudget&) = delete;
  CMemoryBudget& operator=(const CMemoryBudget&) = delete;
};

}  // namespace purso::test
