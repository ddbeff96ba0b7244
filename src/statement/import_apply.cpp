#include "statement/import_apply.h"

#include <map>
#include <new>
#include <optional>
#include <unordered_set>

#include "calc/matching.h"
#include "calc/new_transaction.h"
#include "statement/ledger_categories.h"
#include "text/description_rules.h"

namespace purso {
namespace {

// A ledger being changed: the copy, its categories and the predactions
// matched so far.
struct Draft {
  explicit Draft(const CYearLedger& original)
      : ledger(original), categories(ledger), matched(MatchedPredactionIds(ledger)) {}

  CYearLedger ledger;
  CLedgerCategories categories;
  std::unordered_set<std::uint32_t> matched;
};

// The predaction the line is matched with, or the failure.
ImportStatus LinkOf(Draft& draft, const ProposedLine& line, bool fixed, std::uint32_t& link, ImportResult& result) {
  link = kNoMatch;
  if (!fixed) return line.predaction == PredactionProposal::kNone ? ImportStatus::kApplied : ImportStatus::kOutOfDate;
  if (line.predaction == PredactionProposal::kNew) {
    const std::optional<std::uint32_t> added =
        AddPredactionFor(draft.ledger, *line.category, line.monthDay, line.amount);
    if (!added) return ImportStatus::kTableFull;
    link = *added;
    ++result.newPredactions;
  } else if (line.predaction == PredactionProposal::kExisting) {
    CRecordTable& predactions = draft.ledger.Predactions();
    const bool fits = predactions.Find(line.predactionId) &&
                      RowIdFromNumber(predactions.GetNumber(predaction_column::kCategory)) == *line.category &&
                      !draft.matched.contains(line.predactionId);
    if (!fits || !ApplyMatch(draft.ledger, *line.category, line.predactionId, line.monthDay, line.amount)) {
      return ImportStatus::kOutOfDate;
    }
    link = line.predactionId;
    ++result.matched;
  } else {
    return ImportStatus::kOutOfDate;
  }
  draft.matched.insert(link);
  return ImportStatus::kApplied;
}

ImportStatus AddLine(Draft& draft, const ProposedLine& line, ImportResult& result) {
  if (line.kind == LineKind::kOpeningBalance) {
    draft.ledger.SetOpeningBalance(line.direction == MoneyDirection::kIn ? line.amount : -line.amount);
    result.openingBalance = true;
    return ImportStatus::kApplied;
  }
  if (!line.category || CheckDescription(line.description)) return ImportStatus::kOutOfDate;
  const CategoryFacts* category = draft.categories.Find(*line.category);
  if (category == nullptr || !TakesMoney(category->type, line.direction)) return ImportStatus::kOutOfDate;
  std::uint32_t link = kNoMatch;
  const ImportStatus linked = LinkOf(draft, line, IsFixed(category->type), link, result);
  if (linked != ImportStatus::kApplied) return linked;
  if (!AddTransaction(draft.ledger, {line.monthDay, *line.category, line.amount, line.description, link})) {
    return ImportStatus::kTableFull;
  }
  ++result.transactions;
  return ImportStatus::kApplied;
}

}  // namespace

ImportResult ApplyImport(CAccountBook& book, const CImportProposal& proposal) {
  ImportResult result;
  std::map<int, Draft> drafts;  // by ledger index
  try {
    for (const ProposedLine& line : proposal.Lines()) {
      if (!line.chosen) continue;
      const int index = line.year - CAccountBook::kFirstYear;
      if (index < 0 || index >= CAccountBook::kYearCount) return ImportResult{};
      const auto [draft, made] = drafts.try_emplace(index, book.Ledger(index));
      result.status = AddLine(draft->second, line, result);
      if (result.status != ImportStatus::kApplied) return ImportResult{result.status};
    }
  } catch (const std::bad_alloc&) {
    return ImportResult{ImportStatus::kTableFull};
  }
  for (auto& [index, draft] : drafts) book.Ledger(index) = std::move(draft.ledger);
  result.status = ImportStatus::kApplied;
  return result;
}

}  // namespace purso
