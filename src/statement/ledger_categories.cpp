#include "statement/ledger_categories.h"

#include "data/no_case.h"

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

namespace {

// The names of a table of names, by row id.
std::unordered_map<std::uint32_t, std::string> NamesById(const CRecordTable& table) {
  std::unordered_map<std::uint32_t, std::string> names;
  for (std::uint32_t i = 0; i < table.GetRowCount(); ++i) {
    names.emplace(table.RowIdAt(i), std::string(table.TextAt(i, name_column::kName)));
  }
  return names;
}

}  // namespace

CLedgerCategories::CLedgerCategories(const CYearLedger& ledger) {
  const std::unordered_map<std::uint32_t, std::string> objects = NamesById(ledger.Objects());
  const std::unordered_map<std::uint32_t, std::string> areas = NamesById(ledger.FunctionalAreas());
  const auto nameOf = [](const std::unordered_map<std::uint32_t, std::string>& names, double id) {
    const auto found = names.find(RowIdFromNumber(id));
    return found == names.end() ? std::string() : found->second;
  };
  const CRecordTable& table = ledger.Categories();
  categories_.reserve(table.GetRowCount());
  for (std::uint32_t i = 0; i < table.GetRowCount(); ++i) {
    CategoryFacts facts;
    facts.id = table.RowIdAt(i);
    facts.name = std::string(table.TextAt(i, category_column::kName));
    facts.type = CategoryTypeFromCode(table.NumberAt(i, category_column::kType));
    facts.object = nameOf(objects, table.NumberAt(i, category_column::kObject));
    facts.area = nameOf(areas, table.NumberAt(i, category_column::kFunctionalArea));
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

std::optional<std::uint32_t> CLedgerCategories::OfParts(std::string_view object, std::string_view area) const {
  for (const CategoryFacts& facts : categories_) {
    if (!facts.object.empty() && EqualNoCase(facts.object, object) && EqualNoCase(facts.area, area)) return facts.id;
  }
  return std::nullopt;
}

std::vector<std::uint32_t> CLedgerCategories::Taking(MoneyDirection direction) const {
  std::vector<std::uint32_t> ids;
  for (const CategoryFacts& facts : categories_) {
    if (TakesMoney(facts.type, direction)) ids.push_back(facts.id);
  }
  return ids;
}

}  // namespace purso
