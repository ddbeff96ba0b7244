#include "data/record_table.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

#include "data/no_case.h"

namespace purso {
namespace {

constexpr std::size_t kSelectionFlag = 4;

std::string_view TextOf(const std::uint8_t* value, std::uint32_t width) {
  const auto* chars = reinterpret_cast<const char*>(value);
  const void* terminator = std::memchr(chars, 0, width);
  const std::size_t length =
      terminator == nullptr ? width : static_cast<std::size_t>(static_cast<const char*>(terminator) - chars);
  return {chars, length};
}

template <typename T>
bool Compare(const T& left, const T& right, Operator op) {
  switch (op) {
    case Operator::kNone: return true;
    case Operator::kLess: return left < right;
    case Operator::kLessOrEqual: return left <= right;
    case Operator::kEqual: return left == right;
    case Operator::kGreaterOrEqual: return left >= right;
    case Operator::kGreater: return left > right;
    case Operator::kNotEqual: return left != right;
  }
  return false;
}

// Refuses the content of an archive: it keeps the reason, and every later read fails.
bool Refuse(CArchiveReader& archive, ReadFailure reason) {
  archive.Fail(reason);
  return false;
}

}  // namespace

CRecordTable::CRecordTable() = default;

void CRecordTable::SetBlockRows(std::uint32_t rows) {
  // A block of no rows could never make room for one.
  if (HasBuffer() || rows == 0) return;
  blockRows_ = rows;
}

bool CRecordTable::AddColumn(ColumnType type, std::uint32_t width) {
  if (HasBuffer() || columnCount_ >= kMaxColumns || width > kMaxColumnWidth) return false;
  columns_[columnCount_++] = ColumnDescriptor{static_cast<std::uint8_t>(type), width, rowWidth_};
  rowWidth_ += width;
  return true;
}

bool CRecordTable::AddRow() {
  // The last id is the no-row marker (and, as a predaction id, the no-match
  // marker); the counter never reaches it, so that the next id of a table is
  // always one that can still be handed out.
  if (nextRowId_ >= kNoRow - 1) return false;
  const std::uint64_t capacity = static_cast<std::uint64_t>(blocks_) * blockRows_;
  const bool needsBlock = rowCount_ >= capacity;
  // A table never grows past what Load accepts, or the file it is saved to
  // could not be opened again.
  if (needsBlock && (capacity + blockRows_) * rowWidth_ > std::numeric_limits<std::uint32_t>::max()) return false;
  // The room the rows take: a new block, or for a loaded table, which
  // reserved only the rows it holds, up to one block more, never beyond the
  // stored capacity.
  const std::uint64_t room =
      needsBlock ? capacity + blockRows_ : std::min<std::uint64_t>(capacity, rowCount_ + std::uint64_t{blockRows_});
  const auto roomBytes = static_cast<std::size_t>(room * rowWidth_);
  try {
    RowBuffer& rows = OwnRows(roomBytes);
    if (needsBlock || rows.capacity() < rows.size() + rowWidth_) rows.reserve(roomBytes);
    rows.resize(rows.size() + rowWidth_, 0);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  if (needsBlock) ++blocks_;
  std::uint8_t* row = Row(rowCount_);
  EncodeU32(nextRowId_, row);
  row[kSelectionFlag] = 1;
  cursor_ = rowCount_;
  ++rowCount_;
  ++nextRowId_;
  modified_ = true;
  return true;
}

CRecordTable::RowBuffer& CRecordTable::OwnRows(std::size_t room) {
  if (!rows_) {
    rows_ = std::make_shared<RowBuffer>();
  } else if (rows_.use_count() > 1) {
    auto own = std::make_shared<RowBuffer>();
    own->reserve(std::max(rows_->capacity(), room));
    own->resize(rows_->size());
    if (!rows_->empty()) std::memcpy(own->data(), rows_->data(), rows_->size());
    rows_ = std::move(own);
  }
  return *rows_;
}

void CRecordTable::RemoveRow() {
  if (!CursorOnRow()) return;
  RowBuffer& rows = OwnRows();
  const auto begin = rows.begin() + static_cast<std::ptrdiff_t>(cursor_) * rowWidth_;
  rows.erase(begin, begin + rowWidth_);
  --rowCount_;
  modified_ = true;
}

bool CRecordTable::SeekSelected(std::uint32_t from) {
  for (std::uint32_t i = from; i < rowCount_; ++i) {
    if (Row(i)[kSelectionFlag] != 0) {
      cursor_ = i;
      return true;
    }
  }
  return false;
}

bool CRecordTable::First() { return SeekSelected(0); }

bool CRecordTable::Next() {
  if (cursor_ >= rowCount_) return false;
  return SeekSelected(cursor_ + 1);
}

bool CRecordTable::Find(std::uint32_t rowId) {
  const std::uint32_t at = LowerRow(rowId);
  if (at == rowCount_ || RowIdAt(at) != rowId) return false;
  cursor_ = at;
  return true;
}

std::uint32_t CRecordTable::LowerRow(std::uint32_t rowId, std::uint32_t from) const {
  // Row ids rise strictly along the rows (appended in id order, removal keeps
  // the order, loading checks it), so a binary search finds the one row a
  // scan from the first would.
  std::uint32_t low = from;
  std::uint32_t high = rowCount_;
  while (low < high) {
    const std::uint32_t middle = low + (high - low) / 2;
    if (RowIdAt(middle) < rowId) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

bool CRecordTable::GetValue(std::uint32_t column, void* destination) const {
  if (column >= columnCount_ || !CursorOnRow()) return false;
  const ColumnDescriptor& c = columns_[column];
  std::memcpy(destination, Row(cursor_) + c.offset, c.width);
  return true;
}

bool CRecordTable::Writable() {
  try {
    OwnRows();
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool CRecordTable::SetValue(std::uint32_t column, const void* source) {
  if (column >= columnCount_ || !CursorOnRow() || !Writable()) return false;
  const ColumnDescriptor& c = columns_[column];
  std::memcpy(Row(cursor_) + c.offset, source, c.width);
  modified_ = true;
  return true;
}

double CRecordTable::GetNumber(std::uint32_t column) const {
  if (column >= columnCount_ || !CursorOnRow() || columns_[column].width < 8) return 0.0;
  return DecodeDouble(Row(cursor_) + columns_[column].offset);
}

std::string CRecordTable::GetText(std::uint32_t column) const {
  if (column >= columnCount_ || !CursorOnRow()) return {};
  const ColumnDescriptor& c = columns_[column];
  return std::string(TextOf(Row(cursor_) + c.offset, c.width));
}

bool CRecordTable::SetNumber(std::uint32_t column, double value) {
  if (column >= columnCount_ || !CursorOnRow() || columns_[column].width < 8 || !Writable()) return false;
  EncodeDouble(value, Row(cursor_) + columns_[column].offset);
  modified_ = true;
  return true;
}

bool CRecordTable::SetText(std::uint32_t column, std::string_view text) {
  if (column >= columnCount_ || !CursorOnRow() || !Writable()) return false;
  const ColumnDescriptor& c = columns_[column];
  std::uint8_t* value = Row(cursor_) + c.offset;
  const std::size_t length = std::min<std::size_t>(text.size(), c.width);
  std::memcpy(value, text.data(), length);
  std::memset(value + length, 0, c.width - length);
  modified_ = true;
  return true;
}

std::uint32_t CRecordTable::GetRowId() const { return CursorOnRow() ? DecodeU32(Row(cursor_)) : kNoRow; }

std::string_view CRecordTable::TextAt(std::uint32_t rowIndex, std::uint32_t column) const {
  return TextOf(Row(rowIndex) + columns_[column].offset, columns_[column].width);
}

bool CRecordTable::IsSelected(std::uint32_t rowIndex) const {
  return rowIndex < rowCount_ && Row(rowIndex)[kSelectionFlag] != 0;
}

CRecordTable::Condition* CRecordTable::ConditionAt(std::uint32_t gridRow, std::uint32_t position,
                                                   std::uint32_t column) {
  if (gridRow >= kGridRows || position >= kGridPositions || column >= columnCount_) return nullptr;
  if (grid_.empty()) {
    try {
      grid_.resize(kGridRows * kGridPositions);
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
  }
  return &grid_[gridRow * kGridPositions + position];
}

bool CRecordTable::SetNumberCondition(std::uint32_t gridRow, std::uint32_t position, std::uint32_t column,
                                      Operator op, double number) {
  Condition* condition = ConditionAt(gridRow, position, column);
  if (condition == nullptr) return false;
  *condition = Condition{op, column, number, {}};
  usedConditionRows_ = std::max(usedConditionRows_, gridRow + 1);
  return true;
}

bool CRecordTable::SetTextCondition(std::uint32_t gridRow, std::uint32_t position, std::uint32_t column,
                                    Operator op, std::string_view text) {
  Condition* condition = ConditionAt(gridRow, position, column);
  if (condition == nullptr || text.size() > kMaxConditionText) return false;
  *condition = Condition{op, column, 0.0, std::string(text)};
  usedConditionRows_ = std::max(usedConditionRows_, gridRow + 1);
  return true;
}

bool CRecordTable::Holds(const std::uint8_t* row, const Condition& condition) const {
  if (condition.op == Operator::kNone) return true;
  const ColumnDescriptor& c = columns_[condition.column];
  const std::uint8_t* value = row + c.offset;
  if (c.type == static_cast<std::uint8_t>(ColumnType::kNumber)) {
    if (c.width < 8) return false;
    return Compare(DecodeDouble(value), condition.number, condition.op);
  }
  return Compare(CompareNoCase(TextOf(value, c.width), condition.text), 0, condition.op);
}

bool CRecordTable::Selects(const std::uint8_t* row) const {
  if (usedConditionRows_ == 0) return true;
  // Only grid row 0 decides; every one of its positions must hold.
  for (std::uint32_t position = 0; position < kGridPositions; ++position) {
    if (!Holds(row, grid_[position])) return false;
  }
  return true;
}

std::uint32_t CRecordTable::ApplyConditions() {
  std::uint32_t selected = 0;
  // Rows shared with a copy are copied only when a flag really changes:
  // clearing the conditions of a table that holds none writes nothing.
  for (std::uint32_t i = 0; i < rowCount_; ++i) {
    const std::uint8_t flag = Selects(Row(i)) ? 1 : 0;
    if (Row(i)[kSelectionFlag] != flag) {
      OwnRows();
      Row(i)[kSelectionFlag] = flag;
    }
    selected += flag;
  }
  return selected;
}

void CRecordTable::ClearConditions() {
  for (Condition& condition : grid_) condition = Condition{};
  usedConditionRows_ = 0;
  ApplyConditions();
}

bool CRecordTable::Load(CArchiveReader& archive) {
  std::uint32_t blocks = 0, blockRows = 0, columnCount = 0, nextRowId = 0, rowCount = 0, rowWidth = 0;
  archive.ReadU32(blocks);
  archive.ReadU32(blockRows);
  archive.ReadU32(columnCount);
  archive.ReadU32(nextRowId);
  archive.ReadU32(rowCount);
  archive.ReadU32(rowWidth);
  if (archive.Failed()) return false;
  if (columnCount > kMaxColumns) return Refuse(archive, ReadFailure::kBadColumns);

  std::array<ColumnDescriptor, kMaxColumns> columns{};
  std::uint64_t expectedOffset = kRowHeader;
  for (std::uint32_t i = 0; i < columnCount; ++i) {
    ColumnDescriptor& column = columns[i];
    std::uint8_t unused[3];
    archive.ReadU8(column.type);
    archive.Read(unused, sizeof unused);
    archive.ReadU32(column.width);
    archive.ReadU32(column.offset);
    if (archive.Failed()) return false;
    if (column.width > kMaxColumnWidth || column.offset != expectedOffset) {
      return Refuse(archive, ReadFailure::kBadColumns);
    }
    expectedOffset += column.width;
  }
  if (rowWidth != expectedOffset) return Refuse(archive, ReadFailure::kBadColumns);
  // A table whose columns were declared accepts only that schema: a file that
  // disagrees would have every column read from the wrong bytes.
  const std::span<const ColumnDescriptor> stored(columns.data(), columnCount);
  if (columnCount_ != 0 && !std::equal(stored.begin(), stored.end(), Columns().begin(), Columns().end())) {
    return Refuse(archive, ReadFailure::kWrongSchema);
  }
  if (blockRows == 0) return Refuse(archive, ReadFailure::kBadBlockRows);

  // Compared by division: blocks * rows per block * row width can pass 2^64
  // and wrap round to a small number. The row width is at least 5.
  const std::uint64_t capacity = static_cast<std::uint64_t>(blocks) * blockRows;
  if (capacity > std::numeric_limits<std::uint32_t>::max() / rowWidth) {
    return Refuse(archive, ReadFailure::kCapacityTooLarge);
  }
  if (rowCount > capacity) return Refuse(archive, ReadFailure::kRowCountAboveCapacity);
  // AddRow never lets the counter reach the marker; a table holding it could
  // take no row.
  if (nextRowId == kNoRow) return Refuse(archive, ReadFailure::kBadNextRowId);
  const std::size_t rowBytes = static_cast<std::size_t>(rowCount) * rowWidth;
  // Checked before allocating, so that a damaged count cannot ask for more
  // memory than the archive holds.
  if (rowBytes > archive.Remaining()) return Refuse(archive, ReadFailure::kTruncated);
  std::shared_ptr<RowBuffer> buffer;
  try {
    // An empty table holds no buffer, as a new one does.
    if (rowBytes != 0) buffer = std::make_shared<RowBuffer>(rowBytes);
  } catch (const std::bad_alloc&) {
    return Refuse(archive, ReadFailure::kOutOfMemory);
  }
  // The rows are read straight into their buffer: for a file, this is the
  // one copy of its bulk.
  if (buffer && !archive.Read(buffer->data(), rowBytes)) return false;

  // Ids must rise along the rows and stay below the next id, or a later
  // AddRow would hand out an id that is already taken. The same pass selects
  // every row, as clearing the conditions would.
  std::uint64_t previous = 0;
  for (std::uint32_t i = 0; i < rowCount; ++i) {
    std::uint8_t* row = buffer->data() + static_cast<std::size_t>(i) * rowWidth;
    const std::uint64_t id = DecodeU32(row);
    if ((i > 0 && id <= previous) || id >= nextRowId) return Refuse(archive, ReadFailure::kBadRowIds);
    previous = id;
    row[kSelectionFlag] = 1;
  }

  rows_ = std::move(buffer);
  columns_ = columns;
  columnCount_ = columnCount;
  blocks_ = blocks;
  blockRows_ = blockRows;
  nextRowId_ = nextRowId;
  rowCount_ = rowCount;
  rowWidth_ = rowWidth;
  grid_.clear();
  usedConditionRows_ = 0;
  modified_ = false;
  cursor_ = 0;
  return true;
}

bool CRecordTable::Write(CArchiveWriter& archive) const {
  archive.WriteU32(blocks_);
  archive.WriteU32(blockRows_);
  archive.WriteU32(columnCount_);
  archive.WriteU32(nextRowId_);
  archive.WriteU32(rowCount_);
  archive.WriteU32(rowWidth_);
  for (const ColumnDescriptor& column : Columns()) {
    const std::uint8_t unused[3] = {0, 0, 0};
    archive.WriteU8(column.type);
    archive.Write(unused, sizeof unused);
    archive.WriteU32(column.width);
    archive.WriteU32(column.offset);
  }
  if (rows_) archive.Write(rows_->data(), rows_->size());
  return !archive.Failed();
}

bool CRecordTable::Store(CArchiveWriter& archive) {
  if (!Write(archive)) return false;
  modified_ = false;
  return true;
}

}  // namespace purso
