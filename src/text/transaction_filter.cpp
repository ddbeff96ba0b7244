#include "text/transaction_filter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "data/no_case.h"
#include "text/amount_text.h"

namespace purso {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// An amount of the filter in whole units of the last shown decimal; an empty
// end of a range stands for the far end.
std::optional<long long> Units(const CDisplaySettings& settings, std::string_view text, double unitsPerAmount,
                               long long whenEmpty) {
  text = Trimmed(text);
  if (text.empty()) return whenEmpty;
  double amount = 0.0;
  if (!ParseAmount(settings, text, amount) || amount > kMaxAmount) return std::nullopt;
  return std::llround(amount * unitsPerAmount);
}

}  // namespace

CTransactionFilter::CTransactionFilter(const CDisplaySettings& settings, std::string_view typed) {
  const std::string_view text = Trimmed(typed);
  if (text.empty()) return;
  unitsPerAmount_ = std::pow(10.0, std::clamp(settings.decimals, 0, CDisplaySettings::kMaxDecimals));
  std::optional<long long> low;
  std::optional<long long> high;
  if (text.front() == '=') {
    low = high = Units(settings, text.substr(1), unitsPerAmount_, -1);
    if (low == -1) low = high = std::nullopt;  // "=" alone asks for no amount
  } else if (const auto dots = text.find(".."); dots != std::string_view::npos) {
    low = Units(settings, text.substr(0, dots), unitsPerAmount_, 0);
    high = Units(settings, text.substr(dots + 2), unitsPerAmount_, std::numeric_limits<long long>::max());
  }
  if (low && high) {
    kind_ = Kind::kAmounts;
    low_ = std::min(*low, *high);
    high_ = std::max(*low, *high);
    return;
  }
  kind_ = Kind::kText;
  folded_ = FoldedCopy(text);
}

bool CTransactionFilter::FoldedHolds(std::string_view folded) const {
  return folded.find(folded_) != std::string_view::npos;
}

bool CTransactionFilter::MatchesAmount(double amount) const {
  if (kind_ != Kind::kAmounts || !std::isfinite(amount)) return false;
  const double scaled = std::fabs(amount) * unitsPerAmount_;
  if (scaled >= 9.0e18) return high_ == std::numeric_limits<long long>::max();
  const long long units = std::llround(scaled);
  return units >= low_ && units <= high_;
}

bool CTransactionFilter::Matches(std::string_view description, std::string_view category, double amount) const {
  switch (kind_) {
    case Kind::kEverything:
      return true;
    case Kind::kText:
      return FoldedHolds(FoldedCopy(description)) || FoldedHolds(FoldedCopy(category));
    case Kind::kAmounts:
      return MatchesAmount(amount);
  }
  return false;
}

}  // namespace purso
