#include "statement/duplicate_finder.h"

#include <cmath>
#include <optional>

#include "data/no_case.h"

namespace purso {
namespace {

// Date and amount in one number; nothing for values no line can have.
std::optional<std::uint64_t> KeyOf(double monthDay, double amount) {
  if (!(monthDay >= 101.0 && monthDay < 1232.0 && amount >= 0.0 && amount <= kMaxStatementAmount)) {
    return std::nullopt;
  }
  const auto day = static_cast<std::uint64_t>(monthDay);
  const auto tenThousandths = static_cast<std::uint64_t>(std::llround(amount * 10000.0));
  return (day << 48) | tenThousandths;
}

}  // namespace

CDuplicateFinder::CDuplicateFinder(const CYearLedger& ledger, const CLedgerCategories& categories)
    : ledger_(ledger), categories_(categories), claimed_(ledger.Transactions().GetRowCount(), false) {
  const CRecordTable& transactions = ledger.Transactions();
  for (std::uint32_t i = 0; i < transactions.GetRowCount(); ++i) {
    const std::optional<std::uint64_t> key = KeyOf(transactions.NumberAt(i, transaction_column::kDate),
                                                   transactions.NumberAt(i, transaction_column::kAmount));
    if (key) rowsByDateAndAmount_[*key].push_back(i);
  }
}

bool CDuplicateFinder::Claim(double monthDay, double amount, std::string_view description, MoneyDirection direction) {
  const std::optional<std::uint64_t> key = KeyOf(monthDay, amount);
  if (!key) return false;
  const auto found = rowsByDateAndAmount_.find(*key);
  if (found == rowsByDateAndAmount_.end()) return false;
  const CRecordTable& transactions = ledger_.Transactions();
  for (const std::uint32_t row : found->second) {
    if (claimed_[row] || !EqualNoCase(transactions.TextAt(row, transaction_column::kDescription), description)) {
      continue;
    }
    const CategoryFacts* category =
        categories_.Find(RowIdFromNumber(transactions.NumberAt(row, transaction_column::kCategory)));
    if (category == nullptr || !TakesMoney(category->type, direction)) continue;
    claimed_[row] = true;
    return true;
  }
  return false;
}

}  // namespace purso
