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
    // Rows come in table order, so an equal date replaces the earlier row's category.
    const auto keep = [&](Found& found) {
      Latest& latest = in ? found.in : found.out;
      if (!latest.found || monthDay >= latest.monthDay) latest = Latest{monthDay, category->id, true};
    };
    if (key.empty()) continue;
    keep(byWhole_[key]);
    // Every run of leading words is a key a payee may match.
    for (std::size_t end = key.find(' '); !key.empty(); end = key.find(' ', end + 1)) {
      keep(byKey_[std::string_view(key).substr(0, end)]);
      if (end == std::string::npos) break;
    }
  }
}

std::optional<std::uint32_t> CCategoryLearner::Learned(std::string_view payeeKey, MoneyDirection direction) const {
  if (payeeKey.empty()) return std::nullopt;
  const auto latestOf = [direction](const std::unordered_map<std::string_view, Found>& index,
                                    std::string_view key) -> std::optional<std::uint32_t> {
    const auto found = index.find(key);
    if (found == index.end()) return std::nullopt;
    const Latest& latest = direction == MoneyDirection::kIn ? found->second.in : found->second.out;
    return latest.found ? std::optional(latest.category) : std::nullopt;
  };
  if (const std::optional<std::uint32_t> category = latestOf(byKey_, payeeKey)) return category;
  // The longest stored description that is the start of the payee.
  for (std::size_t end = payeeKey.rfind(' '); end != std::string_view::npos && end > 0;
       end = payeeKey.rfind(' ', end - 1)) {
    if (const std::optional<std::uint32_t> category = latestOf(byWhole_, payeeKey.substr(0, end))) return category;
  }
  return std::nullopt;
}

}  // namespace purso
