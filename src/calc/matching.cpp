#include "calc/matching.h"

#include <cmath>
#include <cstdlib>

namespace purso {
namespace {

void AddToBudget(CRecordTable& categories, double amount) {
  categories.SetNumber(category_column::kBudget, categories.GetNumber(category_column::kBudget) + amount);
}

}  // namespace

bool IsPredactionMatched(const CYearLedger& ledger, std::uint32_t predactionId) {
  const CRecordTable& transactions = ledger.Transactions();
  for (std::uint32_t i = 0; i < transactions.GetRowCount(); ++i) {
    // The stored number equals the id, as the table's equality condition tests it.
    if (transactions.NumberAt(i, transaction_column::kMatch) == static_cast<double>(predactionId)) return true;
  }
  return false;
}

std::unordered_set<std::uint32_t> MatchedPredactionIds(const CYearLedger& ledger) {
  const CRecordTable& transactions = ledger.Transactions();
  std::unordered_set<std::uint32_t> matched;
  for (std::uint32_t i = 0; i < transactions.GetRowCount(); ++i) {
    const std::uint32_t id = RowIdFromNumber(transactions.NumberAt(i, transaction_column::kMatch));
    if (id != kNoMatch) matched.insert(id);
  }
  return matched;
}

std::vector<UnmatchedPredaction> UnmatchedPredactions(const CYearLedger& ledger, std::uint32_t categoryId) {
  return UnmatchedPredactions(ledger, categoryId, MatchedPredactionIds(ledger));
}

std::vector<UnmatchedPredaction> UnmatchedPredactions(const CYearLedger& ledger, std::uint32_t categoryId,
                                                      const std::unordered_set<std::uint32_t>& matched) {
  const CRecordTable& predactions = ledger.Predactions();
  std::vector<UnmatchedPredaction> unmatched;
  for (std::uint32_t i = 0; i < predactions.GetRowCount(); ++i) {
    if (RowIdFromNumber(predactions.NumberAt(i, predaction_column::kCategory)) != categoryId) continue;
    const std::uint32_t id = predactions.RowIdAt(i);
    if (matched.contains(id)) continue;
    unmatched.push_back(UnmatchedPredaction{id, predactions.NumberAt(i, predaction_column::kDate),
                                            predactions.NumberAt(i, predaction_column::kAmount)});
  }
  return unmatched;
}

std::optional<std::size_t> NearestPredaction(const CYearLedger& ledger, std::span<const UnmatchedPredaction> candidates,
                                             double monthDay, std::optional<std::uint32_t> withinDays) {
  const std::int64_t day = ledger.DayIndex(monthDay);
  std::optional<std::size_t> nearest;
  double nearestDifference = 0.0;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (withinDays && std::llabs(std::int64_t{ledger.DayIndex(candidates[i].monthDay)} - day) > *withinDays) continue;
    const double difference = std::fabs(candidates[i].monthDay - monthDay);
    // Strictly smaller, so that the earlier of two equally near ones stays.
    if (!nearest || difference < nearestDifference) {
      nearest = i;
      nearestDifference = difference;
    }
  }
  return nearest;
}

bool ApplyMatch(CYearLedger& ledger, std::uint32_t categoryId, std::uint32_t predactionId, double monthDay,
                double amount) {
  CRecordTable& categories = ledger.Categories();
  CRecordTable& predactions = ledger.Predactions();
  if (!categories.Find(categoryId) || !predactions.Find(predactionId)) return false;
  const double oldAmount = predactions.GetNumber(predaction_column::kAmount);
  predactions.SetNumber(predaction_column::kDate, monthDay);
  predactions.SetNumber(predaction_column::kAmount, amount);
  AddToBudget(categories, amount - oldAmount);
  return true;
}

std::optional<std::uint32_t> AddPredactionFor(CYearLedger& ledger, std::uint32_t categoryId, double monthDay,
                                              double amount) {
  CRecordTable& categories = ledger.Categories();
  CRecordTable& predactions = ledger.Predactions();
  if (!categories.Find(categoryId) || !predactions.AddRow()) return std::nullopt;
  predactions.SetNumber(predaction_column::kCategory, categoryId);
  predactions.SetNumber(predaction_column::kDate, monthDay);
  predactions.SetNumber(predaction_column::kAmount, amount);
  AddToBudget(categories, amount);
  return predactions.GetRowId();
}

}  // namespace purso
