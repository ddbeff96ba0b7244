// CTableChange: what changed in one record table between two of its states,
// row by row.
//
// Rows are matched by row id, which never changes and rises along the rows,
// so a change holds only the rows added, removed or rewritten, each as its
// whole image before and after (selection flag included, as the file holds
// it), and the table's block count and next row id before and after. It is
// what an undo step keeps of a table: the size of what changed, not of the
// table. Applying it in either direction gives back the other state byte for
// byte as the table's archive form shows it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "data/record_table.h"

namespace purso {

// Which way a change is applied: back to the state before it, or forward
// again to the state after it.
enum class ChangeDirection { kBackward, kForward };

class CTableChange {
 public:
  // The change that leads from before to after, two states of one table
  // (after is usually before changed in place, before a copy taken first);
  // none when both hold the same bytes. Precondition: the same columns.
  static std::optional<CTableChange> Between(const CRecordTable& before, const CRecordTable& after);

  // The rows of the state the change leads to in direction, worked out from
  // table in the other state; Commit then puts them in at no risk of
  // failing. Prepare may throw std::bad_alloc and leaves table as it was.
  class CPrepared;
  CPrepared Prepare(const CRecordTable& table, ChangeDirection direction) const;
  static void Commit(CRecordTable& table, CPrepared&& prepared) noexcept;

  // Bytes this change holds, for the memory bound of the undo history.
  std::size_t MemoryUse() const;

 private:
  using Buffer = CRecordTable::RowBuffer;
  static constexpr std::uint32_t kAbsent = 0xFFFFFFFFu;

  // One row that differs: its id and the numbers of its images in images_
  // (kAbsent for a state without the row).
  struct RowChange {
    std::uint32_t rowId;
    std::uint32_t before;
    std::uint32_t after;
  };
  // The header fields of the archive form that a change can move.
  struct Shape {
    std::uint32_t blocks = 0;
    std::uint32_t nextRowId = 0;
  };

  std::uint32_t rowWidth_ = 0;
  Shape before_;
  Shape after_;
  std::vector<RowChange> rows_;       // by rising row id
  std::vector<std::uint8_t> images_;  // rowWidth_ bytes each

  std::uint32_t AddImage(const std::uint8_t* row);
  const std::uint8_t* Image(std::uint32_t number) const {
    return images_.data() + static_cast<std::size_t>(number) * rowWidth_;
  }
};

class CTableChange::CPrepared {
 private:
  friend class CTableChange;
  std::shared_ptr<Buffer> rows;
  std::uint32_t rowCount = 0;
  Shape shape;
};

}  // namespace purso
