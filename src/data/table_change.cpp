#include "data/table_change.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace purso {
namespace {

// Rows compared at once while two states of a table run alike.
constexpr std::uint32_t kBlockRows = 256;

}  // namespace

std::uint32_t CTableChange::AddImage(const std::uint8_t* row) {
  const auto number = static_cast<std::uint32_t>(images_.size() / rowWidth_);
  images_.insert(images_.end(), row, row + rowWidth_);
  return number;
}

std::optional<CTableChange> CTableChange::Between(const CRecordTable& before, const CRecordTable& after) {
  CTableChange change;
  change.rowWidth_ = after.rowWidth_;
  change.before_ = {before.blocks_, before.nextRowId_};
  change.after_ = {after.blocks_, after.nextRowId_};
  // Rows no one wrote since the copy are the same rows.
  if (before.rows_ != after.rows_) {
    std::uint32_t i = 0;
    std::uint32_t j = 0;
    while (i < before.rowCount_ || j < after.rowCount_) {
      // Long runs of the same rows at the same places are passed over a
      // block at a time: equal bytes mean equal ids.
      const std::uint32_t run = std::min({kBlockRows, before.rowCount_ - std::min(i, before.rowCount_),
                                          after.rowCount_ - std::min(j, after.rowCount_)});
      if (run == kBlockRows &&
          std::memcmp(before.Row(i), after.Row(j), static_cast<std::size_t>(run) * change.rowWidth_) == 0) {
        i += run;
        j += run;
        continue;
      }
      const std::uint32_t oldId = i < before.rowCount_ ? before.RowIdAt(i) : CRecordTable::kNoRow;
      const std::uint32_t newId = j < after.rowCount_ ? after.RowIdAt(j) : CRecordTable::kNoRow;
      if (oldId == newId) {
        if (std::memcmp(before.Row(i), after.Row(j), change.rowWidth_) != 0) {
          change.rows_.push_back({oldId, change.AddImage(before.Row(i)), change.AddImage(after.Row(j))});
        }
        ++i;
        ++j;
      } else if (oldId < newId) {
        change.rows_.push_back({oldId, change.AddImage(before.Row(i)), kAbsent});
        ++i;
      } else {
        change.rows_.push_back({newId, kAbsent, change.AddImage(after.Row(j))});
        ++j;
      }
    }
  }
  if (change.rows_.empty() && change.before_.blocks == change.after_.blocks &&
      change.before_.nextRowId == change.after_.nextRowId) {
    return std::nullopt;
  }
  change.rows_.shrink_to_fit();
  change.images_.shrink_to_fit();
  return change;
}

CTableChange::CPrepared CTableChange::Prepare(const CRecordTable& table, ChangeDirection direction) const {
  const bool forward = direction == ChangeDirection::kForward;
  std::size_t count = table.rowCount_;
  for (const RowChange& row : rows_) {
    count -= (forward ? row.before : row.after) != kAbsent ? 1 : 0;
    count += (forward ? row.after : row.before) != kAbsent ? 1 : 0;
  }
  CPrepared prepared;
  prepared.rowCount = static_cast<std::uint32_t>(count);
  prepared.shape = forward ? after_ : before_;
  if (count == 0) return prepared;
  // Made at its full size without zeroing, then filled: runs of untouched
  // rows are copied whole, between the changed ones.
  prepared.rows = std::make_shared<Buffer>(count * rowWidth_);
  std::uint8_t* out = prepared.rows->data();
  const auto append = [&out](const std::uint8_t* first, std::size_t bytes) {
    std::memcpy(out, first, bytes);
    out += bytes;
  };
  std::uint32_t next = 0;  // the first row of table not yet taken or passed
  for (const RowChange& row : rows_) {
    const std::uint32_t from = forward ? row.before : row.after;
    const std::uint32_t to = forward ? row.after : row.before;
    // Row ids rise along the rows: the changed row stands where its id falls.
    const std::uint32_t low = table.LowerRow(row.rowId, next);
    if (low > next) append(table.Row(next), static_cast<std::size_t>(low - next) * rowWidth_);
    next = low;
    if (from != kAbsent) {
      assert(next < table.rowCount_ && table.RowIdAt(next) == row.rowId);
      ++next;
    }
    if (to != kAbsent) append(Image(to), rowWidth_);
  }
  if (next < table.rowCount_) append(table.Row(next), static_cast<std::size_t>(table.rowCount_ - next) * rowWidth_);
  return prepared;
}

void CTableChange::Commit(CRecordTable& table, CPrepared&& prepared) noexcept {
  table.rows_ = std::move(prepared.rows);
  table.rowCount_ = prepared.rowCount;
  table.blocks_ = prepared.shape.blocks;
  table.nextRowId_ = prepared.shape.nextRowId;
  table.cursor_ = 0;
  table.modified_ = true;
}

std::size_t CTableChange::MemoryUse() const {
  return sizeof(CTableChange) + rows_.capacity() * sizeof(RowChange) + images_.capacity();
}

}  // namespace purso
