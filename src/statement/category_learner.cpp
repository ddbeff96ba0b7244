#include "statement/category_learner.h"

#include "statement/line_description.h"

namespace purso {

CCategoryLearner::CCategoryLearner(const CYearLedger& ledger, const CLedgerCategories& categories) {
  const CRecordTable& transactions = ledger.Transactions();
  descriptionKeys_.reserve(transactions.GetRowCount());
  for (std::uint32_t i = 0; i < transactions.GetRowCount(); ++i) {
    const CategoryFacts* category =
        categories.Find(RowIdFromNumber(transactions.NumberAt(i, transaction_column::kCategory)));
    if (category == nullptr) continue;
    const bool in = TakesMoney(category->type, MoneyDirection::kIn);
    if (!in && !TakesMoney(category->type, MoneyDirection::kOut)) continue;
    const std::string& key =
        descriptionKeys_.emplace_back(PayeeKey(transactions.TextAt(i, transaction_column::kDescription)));
    const double monthDay = transactions.NumberAt(i, transaction_column::kDate);
    // Every run of leading words is a key a payee may match. Rows come in
    // table order, so an equal date replaces the earlier row's category.
    for (std::size_t end = key.find(' '); !key.empty(); end = key.find(' ', end + 1)) {
      Latest& latest =
          in ? byKey_[std::string_view(key).substr(0, end)].in : byKey_[std::string_view(key).substr(0, end)].out;
      if (!latest.found || monthDay >= latest.monthDay) latest = Latest{monthDay, category->id, true};
      if (end == std::string::npos) break;
    }
  }
}

std::optional<std::uint32_t> CCategoryLearner::Learned(std::string_view payeeKey, MoneyDirection direction) const {
  if (payeeKey.empty()) return std::nullopt;
  const auto found = byKey_.find(payeeKey);
  if (found == byKey_.end()) return std::nullopt;
  const Latest& latest = direction == MoneyDirection::kIn ? found->second.in : found->second.out;
  if (!latest.found) return std::nullopt;
  return latest.category;
}

}  // namespace purso
