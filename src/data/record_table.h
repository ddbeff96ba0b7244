// CRecordTable: a table of fixed-width rows with typed columns.
//
// Every list of an account is one record table. Rows live in one contiguous
// buffer, in the order they were added; each row starts with its 32-bit row
// id and a selection flag, followed by the column values in column order.
// Row ids come from a counter that only ever grows, so an id is never reused
// and ids rise along the rows; references between records are row ids.
//
// All searching goes through the selection conditions: clear them, set one,
// apply, walk the selected rows with First/Next, clear them again.
//
// Values in the buffer are little-endian, the form they have in the account
// file, so that a table is stored and loaded as one block of bytes. Use the
// typed accessors (GetNumber, SetText, ...) rather than the raw
// GetValue/SetValue unless the bytes themselves are wanted.
//
// Operations that can fail return false and then change nothing.
//
// A table allocates nothing until it holds a row or a search condition: an
// account keeps hundreds of empty tables, and a new one must be cheap.
//
// Copies share their rows until one of them writes: a copy costs the table's
// description, not its rows, so that the state of a whole account before a
// command can be held for the length of the command (see table_change.h).
// Whichever writes first while the rows are shared takes its own copy of
// them; that copy is the one allocation a write may then make, and
// std::bad_alloc, should it fail, propagates from the operations that have no
// failure result (RemoveRow, ApplyConditions, ClearConditions).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/archive.h"

namespace purso {

class CTableChange;

enum class ColumnType : std::uint8_t {
  kNumber = 1,  // an 8-byte IEEE double
  kText = 2,    // a fixed-width character field, zero-terminated when shorter
};

// Operators of selection conditions; the row's value is the left operand.
enum class Operator : std::uint8_t {
  kNone = 0,
  kLess = 1,
  kLessOrEqual = 2,
  kEqual = 3,
  kGreaterOrEqual = 4,
  kGreater = 5,
  kNotEqual = 6,
};

struct ColumnDescriptor {
  std::uint8_t type = 0;  // ColumnType as stored; any value but 1 compares as text
  std::uint32_t width = 0;
  std::uint32_t offset = 0;

  friend bool operator==(const ColumnDescriptor&, const ColumnDescriptor&) = default;
};

class CRecordTable {
 public:
  static constexpr std::uint32_t kMaxColumns = 32;
  static constexpr std::uint32_t kMaxColumnWidth = 255;
  static constexpr std::uint32_t kGridRows = 16;
  static constexpr std::uint32_t kGridPositions = 4;
  static constexpr std::uint32_t kMaxConditionText = 255;
  static constexpr std::uint32_t kDefaultBlockRows = 256;
  static constexpr std::uint32_t kRowHeader = 5;  // row id and selection flag

  CRecordTable();

  // Schema. Both are refused once the table has a buffer (rows were added or loaded).
  void SetBlockRows(std::uint32_t rows);
  bool AddColumn(ColumnType type, std::uint32_t width);

  // Appends a zeroed, selected row with the next row id and makes it current.
  // False when memory for a new block cannot be had, when the new block would
  // take the capacity past 2^32 - 1 bytes (more than a file can hold), or when
  // the ids are used up (the next id after it would be kNoRow, which Load refuses).
  bool AddRow();
  // Removes the current row; later rows move up one place and the cursor keeps
  // its index. Nothing happens when the cursor is not on a row.
  void RemoveRow();

  // Cursor movement over the selected rows; false leaves the cursor where it was.
  bool First();
  bool Next();
  // Moves the cursor to the row with that id, selected or not.
  bool Find(std::uint32_t rowId);

  // Raw column bytes of the current row: exactly the column's width.
  // False when the column index is bad or the cursor is not on a row.
  bool GetValue(std::uint32_t column, void* destination) const;
  bool SetValue(std::uint32_t column, const void* source);

  // Typed access to the current row. GetNumber gives 0 and GetText an empty
  // text when the column or cursor is bad. SetText stores at most the
  // column's width and clears the bytes after the text.
  double GetNumber(std::uint32_t column) const;
  std::string GetText(std::uint32_t column) const;
  bool SetNumber(std::uint32_t column, double value);
  bool SetText(std::uint32_t column, std::string_view text);

  // Row id of the current row; kNoRow when the cursor is not on a row.
  std::uint32_t GetRowId() const;
  std::uint32_t GetRowCount() const { return rowCount_; }
  bool IsModified() const { return modified_; }
  void ClearModified() { modified_ = false; }

  bool SetNumberCondition(std::uint32_t gridRow, std::uint32_t position, std::uint32_t column, Operator op,
                          double number);
  bool SetTextCondition(std::uint32_t gridRow, std::uint32_t position, std::uint32_t column, Operator op,
                        std::string_view text);
  // Recomputes every row's selection flag; the number of selected rows.
  std::uint32_t ApplyConditions();
  // Removes every condition and selects every row.
  void ClearConditions();

  // Archive form. Load replaces the whole table and fails, leaving the table
  // as it was, on an archive error or on content that breaks the table's
  // invariants or disagrees with its declared columns; the archive then holds
  // the reason. Store writes the table and clears the modified flag; Write
  // does the same without touching the flag.
  bool Load(CArchiveReader& archive);
  bool Store(CArchiveWriter& archive);
  bool Write(CArchiveWriter& archive) const;

  // Inspection, for the archive's readers and for tests.
  std::uint32_t GetBlocks() const { return blocks_; }
  std::uint32_t GetBlockRows() const { return blockRows_; }
  std::uint32_t GetColumnCount() const { return columnCount_; }
  const ColumnDescriptor& GetColumn(std::uint32_t column) const { return columns_[column]; }
  std::uint32_t GetRowWidth() const { return rowWidth_; }
  std::uint32_t GetNextRowId() const { return nextRowId_; }
  std::uint32_t GetCursor() const { return cursor_; }
  bool IsSelected(std::uint32_t rowIndex) const;

  // Reads by row index, for passes over a whole table that need no cursor
  // and no conditions. Preconditions: rowIndex < GetRowCount() and a valid
  // column of the right type.
  std::uint32_t RowIdAt(std::uint32_t rowIndex) const { return DecodeU32(Row(rowIndex)); }
  double NumberAt(std::uint32_t rowIndex, std::uint32_t column) const {
    return DecodeDouble(Row(rowIndex) + columns_[column].offset);
  }
  std::string_view TextAt(std::uint32_t rowIndex, std::uint32_t column) const;

  static constexpr std::uint32_t kNoRow = 0xFFFFFFFFu;

 private:
  // Reads and rebuilds the rows directly: a change is made of row images.
  friend class CTableChange;

  struct Condition {
    Operator op = Operator::kNone;
    std::uint32_t column = 0;
    double number = 0.0;
    std::string text;
  };

  bool HasBuffer() const { return blocks_ != 0; }
  std::span<const ColumnDescriptor> Columns() const { return {columns_.data(), columnCount_}; }
  bool CursorOnRow() const { return cursor_ < rowCount_; }
  // Precondition for the writable row: OwnRows() was called since the rows
  // were last shared.
  std::uint8_t* Row(std::uint32_t index) { return rows_->data() + static_cast<std::size_t>(index) * rowWidth_; }
  const std::uint8_t* Row(std::uint32_t index) const {
    return rows_->data() + static_cast<std::size_t>(index) * rowWidth_;
  }
  bool Holds(const std::uint8_t* row, const Condition& condition) const;
  bool Selects(const std::uint8_t* row) const;
  bool SeekSelected(std::uint32_t from);
  Condition* ConditionAt(std::uint32_t gridRow, std::uint32_t position, std::uint32_t column);

  // Grows a row buffer without zeroing it when no value is given, so that
  // loading a table does not clear the bytes it is about to read; AddRow
  // still gives its value.
  template <typename T>
  struct CUninitializedAllocator : std::allocator<T> {
    using value_type = T;
    CUninitializedAllocator() = default;
    template <typename U>
    CUninitializedAllocator(const CUninitializedAllocator<U>&) noexcept {}
    template <typename U>
    struct rebind {
      using other = CUninitializedAllocator<U>;
    };
    template <typename U>
    void construct(U* p) noexcept {
      ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
      ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
  };
  using RowBuffer = std::vector<std::uint8_t, CUninitializedAllocator<std::uint8_t>>;

  // The rows, the table's own to write: copied first while a copy of the
  // table shares them (with room for at least room bytes, so that the
  // write that follows need not copy them again), made when the table has
  // none. May throw std::bad_alloc.
  RowBuffer& OwnRows(std::size_t room = 0);
  // OwnRows for the operations that report failure: false when no memory
  // for the copy could be had.
  bool Writable();
  // The first row from from on whose id is not below rowId; the row count
  // when there is none.
  std::uint32_t LowerRow(std::uint32_t rowId, std::uint32_t from = 0) const;

  bool modified_ = false;
  // The rows in use, rowCount_ * rowWidth_ bytes; null while there are none
  // and shared between copies until one writes. Its capacity is reserved a
  // block at a time as rows are added; a loaded table reserves only what it
  // holds, so that a damaged capacity in a file cannot make the loader ask
  // for unbounded memory.
  std::shared_ptr<RowBuffer> rows_;
  std::uint32_t blocks_ = 0;
  std::uint32_t blockRows_ = kDefaultBlockRows;
  std::uint32_t cursor_ = 0;
  std::uint32_t nextRowId_ = 0;
  std::uint32_t usedConditionRows_ = 0;
  std::uint32_t rowCount_ = 0;
  std::uint32_t rowWidth_ = kRowHeader;
  // kGridRows * kGridPositions conditions once one was set; empty before.
  std::vector<Condition> grid_;
  std::uint32_t columnCount_ = 0;
  std::array<ColumnDescriptor, kMaxColumns> columns_{};
};

}  // namespace purso
