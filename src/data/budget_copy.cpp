#include "data/budget_copy.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "data/calendar.h"
#include "data/no_case.h"

namespace purso {
namespace {

constexpr std::uint32_t kNoCopy = CRecordTable::kNoRow;

// Row ids of one table of the old year and of their copies, in rising order
// of the old ids (rows are copied in table order, where ids rise).
class CIdMap {
 public:
  void Add(std::uint32_t from, std::uint32_t to) { pairs_.emplace_back(from, to); }
  // The copy's id, or kNoCopy when the old year has no such row.
  std::uint32_t Of(std::uint32_t from) const {
    const auto found = std::lower_bound(pairs_.begin(), pairs_.end(), std::pair{from, std::uint32_t{0}});
    return found != pairs_.end() && found->first == from ? found->second : kNoCopy;
  }

 private:
  std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs_;
};

bool HoldsNoRows(const CYearLedger& ledger) {
  return ledger.Categories().GetRowCount() == 0 && ledger.FunctionalAreas().GetRowCount() == 0 &&
         ledger.Objects().GetRowCount() == 0 && ledger.Predactions().GetRowCount() == 0 &&
         ledger.Transactions().GetRowCount() == 0;
}

bool NameTaken(const CRecordTable& table, std::string_view name) {
  for (std::uint32_t i = 0; i < table.GetRowCount(); ++i) {
    if (EqualNoCase(table.TextAt(i, name_column::kName), name)) return true;
  }
  return false;
}

// Copies every name row; false when the table cannot take one.
bool CopyNames(const CRecordTable& from, CRecordTable& to, CIdMap& ids) {
  for (std::uint32_t i = 0; i < from.GetRowCount(); ++i) {
    if (!to.AddRow() || !to.SetText(name_column::kName, from.TextAt(i, name_column::kName))) return false;
    ids.Add(from.RowIdAt(i), to.GetRowId());
  }
  return true;
}

// The row that stands for removed rows in a name table, added on first use.
class CPlaceholder {
 public:
  CPlaceholder(CRecordTable& table, std::string_view name) : table_(table), name_(name) {}

  // Its id, or kNoCopy when the table cannot take it.
  std::uint32_t Id() {
    if (id_ != kNoCopy) return id_;
    std::string name(name_);
    for (int n = 2; NameTaken(table_, name); ++n) name = std::string(name_) + " " + std::to_string(n);
    if (table_.AddRow() && table_.SetText(name_column::kName, name)) id_ = table_.GetRowId();
    return id_;
  }

 private:
  CRecordTable& table_;
  std::string_view name_;
  std::uint32_t id_ = kNoCopy;
};

// The same month and day in the year of the copy.
double CarriedDate(double monthDay, int year) {
  // A common year has no February 29; its last day of February stands in.
  if (RowIdFromNumber(monthDay) == 229 && !IsLeapYear(year)) return 228;
  return monthDay;
}

bool CopyInto(CYearLedger& from, CYearLedger& to) {
  CIdMap objects;
  CIdMap areas;
  if (!CopyNames(from.Objects(), to.Objects(), objects) ||
      !CopyNames(from.FunctionalAreas(), to.FunctionalAreas(), areas)) {
    return false;
  }
  CPlaceholder removedObject(to.Objects(), kRemovedObjectName);
  CPlaceholder removedArea(to.FunctionalAreas(), kRemovedFunctionalAreaName);

  namespace column = category_column;
  const CRecordTable& oldCategories = from.Categories();
  CRecordTable& categories = to.Categories();
  CIdMap copiedCategories;
  for (std::uint32_t i = 0; i < oldCategories.GetRowCount(); ++i) {
    std::uint32_t object = objects.Of(RowIdFromNumber(oldCategories.NumberAt(i, column::kObject)));
    if (object == kNoCopy) object = removedObject.Id();
    std::uint32_t area = areas.Of(RowIdFromNumber(oldCategories.NumberAt(i, column::kFunctionalArea)));
    if (area == kNoCopy) area = removedArea.Id();
    if (object == kNoCopy || area == kNoCopy) return false;

    const double type = oldCategories.NumberAt(i, column::kType);
    // A fixed category's budget is built up from its predactions below.
    const double budget = IsFixed(CategoryTypeFromCode(type)) ? 0.0 : oldCategories.NumberAt(i, column::kBudget);
    if (!categories.AddRow() || !categories.SetText(column::kName, oldCategories.TextAt(i, column::kName)) ||
        !categories.SetNumber(column::kObject, object) || !categories.SetNumber(column::kFunctionalArea, area) ||
        !categories.SetNumber(column::kType, type) || !categories.SetNumber(column::kBudget, budget)) {
      return false;
    }
    copiedCategories.Add(oldCategories.RowIdAt(i), categories.GetRowId());
  }

  const CRecordTable& oldPredactions = from.Predactions();
  CRecordTable& predactions = to.Predactions();
  for (std::uint32_t i = 0; i < oldPredactions.GetRowCount(); ++i) {
    const std::uint32_t category =
        copiedCategories.Of(RowIdFromNumber(oldPredactions.NumberAt(i, predaction_column::kCategory)));
    // Only a fixed category's predactions are its budget; one that names no
    // category belongs to no budget.
    if (category == kNoCopy || !categories.Find(category) ||
        !IsFixed(CategoryTypeFromCode(categories.GetNumber(column::kType)))) {
      continue;
    }
    const double amount = oldPredactions.NumberAt(i, predaction_column::kAmount);
    if (!categories.SetNumber(column::kBudget, categories.GetNumber(column::kBudget) + amount)) return false;
    if (!predactions.AddRow() || !predactions.SetNumber(predaction_column::kCategory, category) ||
        !predactions.SetNumber(predaction_column::kDate,
                               CarriedDate(oldPredactions.NumberAt(i, predaction_column::kDate), to.GetYear())) ||
        !predactions.SetNumber(predaction_column::kAmount, amount)) {
      return false;
    }
  }

  if (to.GetOpeningBalance() == 0.0) to.SetOpeningBalance(from.TransactionBalance());
  return true;
}

}  // namespace

bool CanCopyBudgetForward(const CYearLedger& from, const CYearLedger& to) {
  return from.Categories().GetRowCount() > 0 && HoldsNoRows(to);
}

bool CopyBudgetForward(CYearLedger& from, CYearLedger& to) {
  if (!CanCopyBudgetForward(from, to)) return false;
  // The copy is made in a ledger of its own (to is empty, so this is
  // cheap) and adopted only when every row went in.
  try {
    CYearLedger copy = to;
    if (!CopyInto(from, copy)) return false;
    to = std::move(copy);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

}  // namespace purso
