#include "statement/predaction_pool.h"

#include <algorithm>
#include <unordered_set>

namespace purso {

CPredactionPool::CPredactionPool(const CYearLedger& ledger) : ledger_(ledger) {
  const std::unordered_set<std::uint32_t> matched = MatchedPredactionIds(ledger);
  const CRecordTable& predactions = ledger.Predactions();
  for (std::uint32_t i = 0; i < predactions.GetRowCount(); ++i) {
    const std::uint32_t id = predactions.RowIdAt(i);
    if (matched.contains(id)) continue;
    free_[RowIdFromNumber(predactions.NumberAt(i, predaction_column::kCategory))].push_back(UnmatchedPredaction{
        id, predactions.NumberAt(i, predaction_column::kDate), predactions.NumberAt(i, predaction_column::kAmount)});
  }
}

std::optional<std::uint32_t> CPredactionPool::Take(std::uint32_t category, double monthDay) {
  const auto found = free_.find(category);
  if (found == free_.end()) return std::nullopt;
  std::vector<UnmatchedPredaction>& candidates = found->second;
  const std::optional<std::size_t> nearest = NearestPredaction(ledger_, candidates, monthDay, kWindowDays);
  if (!nearest) return std::nullopt;
  const UnmatchedPredaction chosen = candidates[*nearest];
  candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(*nearest));
  taken_.emplace(chosen.id, std::pair{category, chosen});
  return chosen.id;
}

void CPredactionPool::GiveBack(std::uint32_t predaction) {
  const auto found = taken_.find(predaction);
  if (found == taken_.end()) return;
  const auto& [category, given] = found->second;
  std::vector<UnmatchedPredaction>& candidates = free_[category];
  const auto at = std::lower_bound(candidates.begin(), candidates.end(), given.id,
                                   [](const UnmatchedPredaction& p, std::uint32_t id) { return p.id < id; });
  candidates.insert(at, given);
  taken_.erase(found);
}

}  // namespace purso
