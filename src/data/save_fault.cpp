#include "data/save_fault.h"

namespace purso {
namespace {

const CScopedSaveFault* innermost = nullptr;

}  // namespace

CScopedSaveFault::CScopedSaveFault(SaveStep step, int error) : step_(step), error_(error), previous_(innermost) {
  innermost = this;
}

CScopedSaveFault::~CScopedSaveFault() { innermost = previous_; }

int InjectedSaveFault(SaveStep step) {
  for (const CScopedSaveFault* fault = innermost; fault != nullptr; fault = fault->previous_) {
    if (fault->step_ == step) return fault->error_;
  }
  return 0;
}

}  // namespace purso
