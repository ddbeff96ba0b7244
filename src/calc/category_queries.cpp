#include "calc/category_queries.h"

#include "calc/predaction_queries.h"

namespace purso {

bool IsCategoryInUse(const CYearLedger& ledger, std::uint32_t categoryId) {
  const CRecordTable& transactions = ledger.Transactions();
  for (std::uint32_t i = 0; i < transactions.GetRowCount(); ++i) {
    if (transactions.NumberAt(i, transaction_column::kCategory) == static_cast<double>(categoryId)) return true;
  }
  return false;
}

BudgetTotals ComputeBudgetTotals(const CYearLedger& ledger) {
  const CRecordTable& categories = ledger.Categories();
  BudgetTotals totals;
  for (std::uint32_t row = 0; row < categories.GetRowCount(); ++row) {
    ++totals.count;
    const double budget = categories.NumberAt(row, category_column::kBudget);
    if (IsExpense(CategoryTypeFromCode(categories.NumberAt(row, category_column::kType)))) {
      totals.expenses += budget;
    } else {
      totals.income += budget;
    }
  }
  return totals;
}

std::optional<std::string> FirstCategoryUsing(const CYearLedger& ledger, MasterList list, std::uint32_t rowId) {
  const CRecordTable& categories = ledger.Categories();
  const std::uint32_t column =
      list == MasterList::kObjects ? category_column::kObject : category_column::kFunctionalArea;
  for (std::uint32_t row = 0; row < categories.GetRowCount(); ++row) {
    if (RowIdFromNumber(categories.NumberAt(row, column)) == rowId) {
      return std::string(categories.TextAt(row, category_column::kName));
    }
  }
  return std::nullopt;
}

bool RemoveCategory(CYearLedger& ledger, std::uint32_t categoryId) {
  CRecordTable& categories = ledger.Categories();
  if (!categories.Find(categoryId)) return false;
  categories.RemoveRow();
  RemoveCategoryPredactions(ledger, categoryId);
  return true;
}

}  // namespace purso
