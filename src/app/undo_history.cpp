#include "app/undo_history.h"

#include <algorithm>
#include <utility>

namespace purso {

CUndoHistory::Added CUndoHistory::Add(std::string name, CBookChange change) {
  // The steps that could be redone lead away from the new state.
  while (steps_.size() > position_) {
    memory_ -= steps_.back().memory;
    steps_.pop_back();
  }
  if (saved_ && *saved_ > position_) saved_.reset();

  Step step{std::move(name), std::move(change), 0};
  step.memory = sizeof(Step) + step.name.capacity() + step.change.MemoryUse();
  Added added;
  if (step.memory > memoryLimit_) {
    added.dropped = steps_.size();
    added.kept = false;
    Clear(SavedState::kUnsaved);
    return added;
  }
  while (memory_ + step.memory > memoryLimit_) {
    DropOldest();
    ++added.dropped;
  }
  memory_ += step.memory;
  steps_.push_back(std::move(step));
  ++position_;
  return added;
}

void CUndoHistory::DropOldest() {
  memory_ -= steps_.front().memory;
  steps_.pop_front();
  --position_;
  if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional<std::size_t>(*saved_ - 1);
}

std::string_view CUndoHistory::UndoName() const { return CanUndo() ? steps_[position_ - 1].name : std::string_view(); }

std::string_view CUndoHistory::RedoName() const { return CanRedo() ? steps_[position_].name : std::string_view(); }

void CUndoHistory::Undo(CAccountBook& book) {
  steps_[position_ - 1].change.Apply(book, ChangeDirection::kBackward);
  --position_;
  FollowSaved(book);
}

void CUndoHistory::Redo(CAccountBook& book) {
  steps_[position_].change.Apply(book, ChangeDirection::kForward);
  ++position_;
  FollowSaved(book);
}

bool CUndoHistory::DiffersFromSaved() const {
  if (!saved_) return true;
  const auto [first, last] = std::minmax(*saved_, position_);
  return std::any_of(steps_.begin() + static_cast<std::ptrdiff_t>(first),
                     steps_.begin() + static_cast<std::ptrdiff_t>(last),
                     [](const Step& step) { return step.change.ChangesContent(); });
}

void CUndoHistory::FollowSaved(CAccountBook& book) const {
  if (DiffersFromSaved()) {
    book.SetModified();
  } else {
    book.ClearModified();
  }
}

void CUndoHistory::Clear(SavedState saved) {
  steps_.clear();
  position_ = 0;
  memory_ = 0;
  saved_ = saved == SavedState::kSaved ? std::optional<std::size_t>(0) : std::nullopt;
}

}  // namespace purso
