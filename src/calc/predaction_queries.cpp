#include "calc/predaction_queries.h"

#include <algorithm>
#include <vector>

namespace purso {
namespace {

enum class Keep { kMatched, kNone };

bool OfCategory(const CRecordTable& predactions, std::uint32_t row, std::uint32_t categoryId) {
  return RowIdFromNumber(predactions.NumberAt(row, predaction_column::kCategory)) == categoryId;
}

std::uint32_t RemovePredactions(CYearLedger& ledger, std::uint32_t categoryId, Keep keep) {
  const std::vector<double> matched = keep == Keep::kMatched ? SortedMatchNumbers(ledger) : std::vector<double>{};
  CRecordTable& predactions = ledger.Predactions();
  predactions.ClearConditions();
  std::uint32_t removed = 0;
  // From the last row back, so that a removal moves only rows already passed.
  for (std::uint32_t row = predactions.GetRowCount(); row-- > 0;) {
    if (!OfCategory(predactions, row, categoryId)) continue;
    const std::uint32_t id = predactions.RowIdAt(row);
    if (std::binary_search(matched.begin(), matched.end(), static_cast<double>(id))) continue;
    if (!predactions.Find(id)) continue;
    predactions.RemoveRow();
    ++removed;
  }
  return removed;
}

}  // namespace

PredactionSum SumPredactions(const CYearLedger& ledger, std::uint32_t categoryId) {
  const CRecordTable& predactions = ledger.Predactions();
  PredactionSum sum;
  for (std::uint32_t row = 0; row < predactions.GetRowCount(); ++row) {
    if (!OfCategory(predactions, row, categoryId)) continue;
    ++sum.count;
    sum.total += predactions.NumberAt(row, predaction_column::kAmount);
  }
  return sum;
}

std::uint32_t RemoveUnmatchedPredactions(CYearLedger& ledger, std::uint32_t categoryId) {
  return RemovePredactions(ledger, categoryId, Keep::kMatched);
}

std::uint32_t RemoveCategoryPredactions(CYearLedger& ledger, std::uint32_t categoryId) {
  return RemovePredactions(ledger, categoryId, Keep::kNone);
}

std::vector<double> SortedMatchNumbers(const CYearLedger& ledger) {
  const CRecordTable& transactions = ledger.Transactions();
  std::vector<double> matched;
  matched.reserve(transactions.GetRowCount());
  for (std::uint32_t i = 0; i < transactions.GetRowCount(); ++i) {
    const double match = transactions.NumberAt(i, transaction_column::kMatch);
    if (match == match) matched.push_back(match);  // a damaged NaN matches nothing
  }
  std::sort(matched.begin(), matched.end());
  return matched;
}

}  // namespace purso
