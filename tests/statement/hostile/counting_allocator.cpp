#include "counting_allocator.h"

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace purso::test {
namespace {

std::atomic<std::size_t> gLive{0};
std::atomic<std::size_t> gPeak{0};
std::atomic<std::size_t> gCeiling{std::numeric_limits<std::size_t>::max()};

// Each block carries its size in front, kept at malloc's alignment.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
  const std::size_t live = gLive.fetch_add(size) + size;
  if (live > gCeiling.load()) {
    gLive.fetch_sub(size);
    return nullptr;
  }
  std::size_t peak = gPeak.load();
  while (live > peak && !gPeak.compare_exchange_weak(peak, live)) {
  }
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (block == nullptr) {
    gLive.fetch_sub(size);
    return nullptr;
  }
  *reinterpret_cast<std::size_t*>(block) = size;
  return block + kHeader;
}

void Free(void* pointer) noexcept {
  if (pointer == nullptr) return;
  unsigned char* block = static_cast<unsigned char*>(pointer) - kHeader;
  gLive.fetch_sub(*reinterpret_cast<std::size_t*>(block));
  std::free(block);
}

}  // namespace

std::size_t LiveBytes() { return gLive.load(); }
std::size_t PeakBytes() { return gPeak.load(); }
void ResetPeak() { gPeak.store(gLive.load()); }

CMemoryBudget::CMemoryBudget(std::size_t limit) { gCeiling.store(gLive.load() + limit); }
CMemoryBudget::~CMemoryBudget() { gCeiling.store(std::numeric_limits<std::size_t>::max()); }

}  // namespace purso::test

void* operator new(std::size_t size) {
  void* pointer = purso::test::Allocate(size);
  if (pointer == nullptr) throw std::bad_alloc();
  return pointer;
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return purso::test::Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return purso::test::Allocate(size); }
void operator delete(void* pointer) noexcept { purso::test::Free(pointer); }
void operator delete[](void* pointer) noexcept { purso::test::Free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { purso::test::Free(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { purso::test::Free(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { purso::test::Free(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { purso::test::Free(pointer); }
