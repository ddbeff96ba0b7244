// The categories of one year ledger as the import needs them: by id, by
// name, by the names of their object and functional area, and by the way
// they take money.
//
// Built once from the Categories table (read by row index, the table is not
// touched); it does not follow later changes of the table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/year_ledger.h"
#include "statement/statement.h"

namespace purso {

// Expense types take money out, income types take money in; a type code
// outside the four types takes none.
bool TakesMoney(CategoryType type, MoneyDirection direction);

struct CategoryFacts {
  std::uint32_t id = 0;
  std::string name;  // account text
  CategoryType type = CategoryType::kVarEx;
  std::string object;  // the name of its object, account text; empty when there is none
  std::string area;    // the name of its functional area, likewise
};

class CLedgerCategories {
 public:
  explicit CLedgerCategories(const CYearLedger& ledger);

  // Nothing when the ledger has no category with that id.
  const CategoryFacts* Find(std::uint32_t id) const;
  // The first category in table order with that name, letter case ignored.
  std::optional<std::uint32_t> Named(std::string_view name) const;
  // The first category in table order whose object and functional area
  // have these names, letter case ignored.
  std::optional<std::uint32_t> OfParts(std::string_view object, std::string_view area) const;
  // The ids of the categories that take money that way, in table order.
  std::vector<std::uint32_t> Taking(MoneyDirection direction) const;

 private:
  std::vector<CategoryFacts> categories_;  // table order
  std::unordered_map<std::uint32_t, std::size_t> byId_;
  std::unordered_map<std::string, std::uint32_t> byName_;  // folded name
};

}  // namespace purso
