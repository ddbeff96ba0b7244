// CUndoHistory: the undo and redo steps of one open account.
//
// A step is what one command changed (a CBookChange: only the rows, years
// and settings it touched) and the command's name, shown as "Undo <name>".
// Steps before the current position can be undone, those after it redone;
// adding a step drops the ones that could be redone.
//
// The history knows where the account stood when it was last saved, so
// that undoing back to that point makes the account unmodified again.
//
// Memory is bounded: the steps together hold at most the limit given (64 MiB
// unless a test asks for less); adding a step drops the oldest ones until
// the history fits again. A step larger than the whole limit cannot be kept,
// and then no earlier step can be undone either.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "data/account_book.h"
#include "data/book_change.h"

namespace purso {

class CUndoHistory {
 public:
  static constexpr std::size_t kMemoryLimit = std::size_t{64} << 20;

  explicit CUndoHistory(std::size_t memoryLimit = kMemoryLimit) : memoryLimit_(memoryLimit) {}

  // What adding a step cost the oldest ones.
  struct Added {
    std::size_t dropped = 0;  // oldest steps dropped to stay within the limit
    bool kept = true;         // false when the step alone was over the limit
  };
  // Adds the step after the current position. Precondition: change is not empty.
  Added Add(std::string name, CBookChange change);

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < steps_.size(); }
  // The names of the steps Undo and Redo would take; empty when none.
  std::string_view UndoName() const;
  std::string_view RedoName() const;

  // Puts the book back to before the last step, or forward to after the next
  // one, and sets its modified state: unmodified exactly at the point of the
  // last save (or, for a new account, its start). Throws std::bad_alloc,
  // book and history unchanged, when memory for the rows cannot be had.
  // Precondition: CanUndo(), or CanRedo(), and book is the history's.
  void Undo(CAccountBook& book);
  void Redo(CAccountBook& book);

  // The book as it stands now is the one in its file.
  void MarkSaved() { saved_ = position_; }
  // Whether the book differs from its file in more than the current year, as
  // far as the steps tell; true once the point of the save was dropped.
  bool DiffersFromSaved() const;

  // Drops every step; the book as it stands is the file's when saved says so.
  enum class SavedState { kSaved, kUnsaved };
  void Clear(SavedState saved);

  std::size_t StepCount() const { return steps_.size(); }
  std::size_t MemoryUse() const { return memory_; }

 private:
  struct Step {
    std::string name;
    CBookChange change;
    std::size_t memory = 0;
  };

  void DropOldest();
  void FollowSaved(CAccountBook& book) const;

  std::size_t memoryLimit_;
  std::deque<Step> steps_;
  std::size_t position_ = 0;  // steps_[0..position_) are done
  std::optional<std::size_t> saved_ = 0;
  std::size_t memory_ = 0;
};

}  // namespace purso
