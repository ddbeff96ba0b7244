#include "statement/ledger_categories.h"

#include "statement/statement_text.h"

namespace purso {

bool TakesMoney(CategoryType type, MoneyDirection direction) {
  switch (type) {
    case CategoryType::kFixEx:
    case CategoryType::kVarEx:
      return direction == MoneyDirection::kOut;
    case CategoryType::kFixIn:
    case CategoryType::kVarIn:
      return direction == MoneyDirection::kIn;
  }
  return false;
}

CLedgerCategories::CLedgerCategories(const CYearLedger& ledger) {
  const CRecordTable& table = ledger.Categories();
  categories_.reserve(table.GetRowCount());
  for (std::uint32_t i = 0; i < table.GetRowCount(); ++i) {
    CategoryFacts facts;
    facts.id = table.RowIdAt(i);
    facts.name = std::string(table.TextAt(i, category_column::kName));
    facts.type = CategoryTypeFromCode(table.NumberAt(i, category_column::kType));
    byId_.emplace(facts.id, categories_.size());
    byName_.emplace(FoldedCopy(facts.name), facts.id);
    categories_.push_back(std::move(facts));
  }
}

const CategoryFacts* CLedgerCategories::Find(std::uint32_t id) const {
  const auto found = byId_.find(id);
  return found == byId_.end() ? nullptr : &categories_[found->second];
}

std::optional<std::uint32_t> CLedgerCategories::Named(std::string_view name) const {
  const auto found = byName_.find(FoldedCopy(name));
  if (found == byName_.end()) return std::nullopt;
  return found->second;
}

std::vector<std::uint32_t> CLedgerCategories::Taking(MoneyDirection direction) const {
  std::vector<std::uint32_t> ids;
  for (const CategoryFacts& facts : categories_) {
    if (TakesMoney(facts.type, direction)) ids.push_back(facts.id);
  }
  return ids;
}

}  // namespace purso
