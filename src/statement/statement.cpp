#include "statement/statement.h"

#include <algorithm>

namespace purso {

std::uint32_t Statement::AccountIndex(const StatementAccount& account) {
  return purso::AccountIndex(accounts, account);
}

std::uint32_t AccountIndex(std::vector<StatementAccount>& accounts, const StatementAccount& account) {
  const auto found = std::find(accounts.begin(), accounts.end(), account);
  if (found != accounts.end()) return static_cast<std::uint32_t>(found - accounts.begin());
  accounts.push_back(account);
  return static_cast<std::uint32_t>(accounts.size() - 1);
}

std::vector<std::size_t> Statement::LinesPerAccount() const {
  std::vector<std::size_t> counts(accounts.size(), 0);
  for (const StatementLine& line : lines) {
    if (line.account < counts.size()) ++counts[line.account];
  }
  return counts;
}

std::uint32_t Statement::BusiestAccount() const {
  const std::vector<std::size_t> counts = LinesPerAccount();
  const auto busiest = std::max_element(counts.begin(), counts.end());
  return busiest == counts.end() ? 0 : static_cast<std::uint32_t>(busiest - counts.begin());
}

std::string_view AccountKindName(StatementAccountKind kind) {
  switch (kind) {
    case StatementAccountKind::kBank:
      return "bank";
    case StatementAccountKind::kCard:
      return "card";
    case StatementAccountKind::kInvestment:
      return "investment";
  }
  return "";
}

}  // namespace purso
