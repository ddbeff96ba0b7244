#include "data/year_ledger.h"

#include <cmath>
#include <limits>

#include "data/translation.h"

namespace purso {

std::string CategoryTypeName(CategoryType type) { return Translate("CategoryType", CategoryTypeText(type)); }

CategoryType CategoryTypeFromCode(double code) {
  // Truncation toward zero, as for every whole number held in a double; a
  // code beyond the range of int (or not a number) is no type at all.
  if (!(code > -2147483648.0 && code < 2147483648.0)) return static_cast<CategoryType>(-1);
  return static_cast<CategoryType>(static_cast<int>(code));
}

std::uint32_t RowIdFromNumber(double value) {
  // Truncation, kept inside the range of a row id so that a damaged number
  // never becomes undefined behaviour.
  if (!(value >= 0.0)) return 0;
  if (value >= 4294967295.0) return 4294967295u;
  return static_cast<std::uint32_t>(value);
}

CYearLedger::CYearLedger() {
  categories_.SetBlockRows(64);
  categories_.AddColumn(ColumnType::kText, kNameWidth);
  categories_.AddColumn(ColumnType::kNumber, 8);
  categories_.AddColumn(ColumnType::kNumber, 8);
  categories_.AddColumn(ColumnType::kNumber, 8);
  categories_.AddColumn(ColumnType::kNumber, 8);

  functionalAreas_.SetBlockRows(16);
  functionalAreas_.AddColumn(ColumnType::kText, kNameWidth);

  objects_.SetBlockRows(16);
  objects_.AddColumn(ColumnType::kText, kNameWidth);

  predactions_.SetBlockRows(256);
  predactions_.AddColumn(ColumnType::kNumber, 8);
  predactions_.AddColumn(ColumnType::kNumber, 8);
  predactions_.AddColumn(ColumnType::kNumber, 8);

  transactions_.SetBlockRows(1024);
  transactions_.AddColumn(ColumnType::kNumber, 8);
  transactions_.AddColumn(ColumnType::kNumber, 8);
  transactions_.AddColumn(ColumnType::kNumber, 8);
  transactions_.AddColumn(ColumnType::kText, kDescriptionWidth);
  transactions_.AddColumn(ColumnType::kNumber, 8);
}

void CYearLedger::SetOpeningBalance(double balance) {
  openingBalance_ = balance;
  modified_ = 1;
}

double CYearLedger::Sign(std::uint32_t categoryId) {
  // A category that does not exist counts as an income, as every type but
  // the two expense types does.
  if (!categories_.Find(categoryId)) return 1.0;
  return IsExpense(CategoryTypeFromCode(categories_.GetNumber(category_column::kType))) ? -1.0 : 1.0;
}

std::uint32_t CYearLedger::DayIndex(double monthDay) const {
  if (!(monthDay >= 0.0) || monthDay >= 100000.0) return 0;
  const int n = static_cast<int>(monthDay);
  const int month = n / 100;
  const int day = n % 100;
  if (!IsValidDate(year_, month, day)) return 0;
  return static_cast<std::uint32_t>(DayOfYear(year_, month, day) - 1);
}

bool CYearLedger::IsEmpty() const {
  return openingBalance_ == 0.0 && categories_.GetRowCount() == 0 && functionalAreas_.GetRowCount() == 0 &&
         objects_.GetRowCount() == 0 && predactions_.GetRowCount() == 0 && transactions_.GetRowCount() == 0;
}

bool CYearLedger::IsModified() const {
  return modified_ != 0 || categories_.IsModified() || functionalAreas_.IsModified() || objects_.IsModified() ||
         predactions_.IsModified() || transactions_.IsModified();
}

void CYearLedger::ClearModified() {
  modified_ = 0;
  categories_.ClearModified();
  functionalAreas_.ClearModified();
  objects_.ClearModified();
  predactions_.ClearModified();
  transactions_.ClearModified();
}

namespace {

// Loads a table of a new ledger. Its rows per block, as the ledger set it,
// decides how the table grows; a file that gives another was not written by
// the program and is refused.
bool LoadTable(CRecordTable& table, CArchiveReader& archive) {
  const std::uint32_t ownBlockRows = table.GetBlockRows();
  if (!table.Load(archive)) return false;
  if (table.GetBlockRows() != ownBlockRows) {
    archive.Fail(ReadFailure::kBadBlockRows);
    return false;
  }
  return true;
}

}  // namespace

bool CYearLedger::Load(CArchiveReader& archive) {
  CYearLedger loaded;
  loaded.year_ = year_;
  if (!archive.ReadDouble(loaded.openingBalance_)) return false;
  if (!LoadTable(loaded.categories_, archive) || !LoadTable(loaded.functionalAreas_, archive) ||
      !LoadTable(loaded.objects_, archive) || !LoadTable(loaded.predactions_, archive) ||
      !LoadTable(loaded.transactions_, archive)) {
    return false;
  }
  loaded.modified_ = 0;
  *this = std::move(loaded);
  return true;
}

bool CYearLedger::Write(CArchiveWriter& archive) const {
  return archive.WriteDouble(openingBalance_) && categories_.Write(archive) && functionalAreas_.Write(archive) &&
         objects_.Write(archive) && predactions_.Write(archive) && transactions_.Write(archive);
}

bool CYearLedger::Store(CArchiveWriter& archive) {
  if (!Write(archive)) return false;
  ClearModified();
  return true;
}

}  // namespace purso
