#include "dialogs/transaction_rows.h"

#include <algorithm>
#include <cmath>

#include "data/no_case.h"
#include "dialogs/categories_dialog.h"
#include "text/amount_text.h"
#include "text/date_text.h"
#include "text/list_layouts.h"
#include "text/list_row.h"

namespace purso {
namespace {

namespace columns = layout::transactions;

// A transaction whose category is not in the table (possible only in files
// written elsewhere) is shown as an income that is not matched, as the
// balances count it.
constexpr CategoryType kMissingType = CategoryType::kVarIn;

// A number to order by: a damaged file's NaN goes first, so that the order
// stays an order.
double Key(double number) { return std::isnan(number) ? -HUGE_VAL : number; }

}  // namespace

CTransactionRows::CTransactionRows(const CYearLedger& ledger, const CDisplaySettings& settings)
    : ledger_(ledger), settings_(settings) {}

std::uint32_t CTransactionRows::CategoryIndex(std::uint32_t categoryId) {
  if (const auto found = categoryIndexes_.find(categoryId); found != categoryIndexes_.end()) return found->second;
  const CRecordTable& table = ledger_.Categories();
  Category category{categoryId, std::string(kMissingName), {}};
  CategoryType type = kMissingType;
  for (std::uint32_t row = 0; row < table.GetRowCount(); ++row) {
    if (table.RowIdAt(row) != categoryId) continue;
    category.name = table.TextAt(row, category_column::kName);
    type = CategoryTypeFromCode(table.NumberAt(row, category_column::kType));
    break;
  }
  category.folded = FoldedCopy(category.name);
  // The type decides the amount's colour; it is kept beside the name.
  category.expense = IsExpense(type);
  const auto index = static_cast<std::uint32_t>(categories_.size());
  categories_.push_back(std::move(category));
  categoryIndexes_.emplace(categoryId, index);
  return index;
}

CTransactionRows::Entry CTransactionRows::Build(std::uint32_t tableRow) {
  const CRecordTable& transactions = ledger_.Transactions();
  Entry entry;
  entry.id = transactions.RowIdAt(tableRow);
  entry.date = transactions.NumberAt(tableRow, transaction_column::kDate);
  entry.amount = transactions.NumberAt(tableRow, transaction_column::kAmount);
  entry.category = CategoryIndex(RowIdFromNumber(transactions.NumberAt(tableRow, transaction_column::kCategory)));
  const std::string_view description = transactions.TextAt(tableRow, transaction_column::kDescription);
  entry.description = FoldedCopy(description);
  const Category& category = categories_[entry.category];
  entry.text = CListRowBuilder()
                   .DateColumn(columns::kDate, entry.date, FormatDate(settings_, entry.date))
                   .Id(entry.id)
                   .Column(columns::kCategory, category.name)
                   .Column(category.expense ? columns::kAmountExpense : columns::kAmountIncome,
                           FormatAmount(settings_, entry.amount))
                   .Column(columns::kDescription, description)
                   .Finish();
  return entry;
}

void CTransactionRows::Load() {
  pinned_.clear();
  Rebuild();
}

void CTransactionRows::Reload() { Rebuild(); }

void CTransactionRows::Rebuild() {
  categories_.clear();
  categoryIndexes_.clear();
  entries_.clear();
  const CRecordTable& transactions = ledger_.Transactions();
  entries_.reserve(transactions.GetRowCount());
  for (std::uint32_t row = 0; row < transactions.GetRowCount(); ++row) entries_.push_back(Build(row));
  sorted_.resize(entries_.size());
  for (std::uint32_t i = 0; i < sorted_.size(); ++i) sorted_[i] = i;
  Sort();
  Narrow();
}

bool CTransactionRows::Before(std::uint32_t a, std::uint32_t b) const {
  if (direction_ == SortDirection::kDescending) std::swap(a, b);
  const Entry& x = entries_[a];
  const Entry& y = entries_[b];
  switch (order_) {
    case TransactionOrder::kDate:
      break;
    case TransactionOrder::kCategory:
      if (const int c = categories_[x.category].folded.compare(categories_[y.category].folded); c != 0) return c < 0;
      break;
    case TransactionOrder::kAmount:
      if (Key(x.amount) != Key(y.amount)) return Key(x.amount) < Key(y.amount);
      break;
    case TransactionOrder::kDescription:
      if (const int c = x.description.compare(y.description); c != 0) return c < 0;
      break;
  }
  // Equal rows in date order, a day's rows in the order they were entered.
  if (Key(x.date) != Key(y.date)) return Key(x.date) < Key(y.date);
  return x.id < y.id;
}

void CTransactionRows::Sort() {
  std::sort(sorted_.begin(), sorted_.end(), [this](std::uint32_t a, std::uint32_t b) { return Before(a, b); });
}

std::vector<char> CTransactionRows::CategoryMatches() const {
  std::vector<char> matches(categories_.size(), 0);
  if (filter_.GetKind() != CTransactionFilter::Kind::kText) return matches;
  for (std::size_t i = 0; i < categories_.size(); ++i) matches[i] = filter_.FoldedHolds(categories_[i].folded);
  return matches;
}

bool CTransactionRows::Keeps(std::uint32_t index, const std::vector<char>& categoryMatches) const {
  const Entry& entry = entries_[index];
  bool kept = true;
  switch (filter_.GetKind()) {
    case CTransactionFilter::Kind::kEverything:
      return true;
    case CTransactionFilter::Kind::kText:
      kept = categoryMatches[entry.category] != 0 || filter_.FoldedHolds(entry.description);
      break;
    case CTransactionFilter::Kind::kAmounts:
      kept = filter_.MatchesAmount(entry.amount);
      break;
  }
  return kept || std::find(pinned_.begin(), pinned_.end(), entry.id) != pinned_.end();
}

void CTransactionRows::Narrow() {
  shown_.clear();
  if (filter_.GetKind() == CTransactionFilter::Kind::kEverything) {
    shown_ = sorted_;
    return;
  }
  // The rows are tested in the order they are stored, which a large year
  // reads many times faster than the order they are shown in.
  const std::vector<char> categoryMatches = CategoryMatches();
  std::vector<char> kept(entries_.size());
  for (std::uint32_t index = 0; index < entries_.size(); ++index) kept[index] = Keeps(index, categoryMatches);
  for (const std::uint32_t index : sorted_) {
    if (kept[index] != 0) shown_.push_back(index);
  }
}

void CTransactionRows::SetFilter(std::string_view typed) {
  filter_ = CTransactionFilter(settings_, typed);
  pinned_.clear();
  Narrow();
}

void CTransactionRows::SetOrder(TransactionOrder order, SortDirection direction) {
  order_ = order;
  direction_ = direction;
  Sort();
  Narrow();
}

std::vector<std::string> CTransactionRows::TakeShownTexts() {
  std::vector<std::string> texts;
  texts.reserve(shown_.size());
  for (const std::uint32_t index : shown_) texts.push_back(std::move(entries_[index].text));
  return texts;
}

void CTransactionRows::GiveBack(std::vector<std::string> texts) {
  const std::size_t count = std::min(texts.size(), shown_.size());
  for (std::size_t i = 0; i < count; ++i) entries_[shown_[i]].text = std::move(texts[i]);
}

std::optional<std::size_t> CTransactionRows::FindEntry(std::uint32_t rowId) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].id == rowId) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> CTransactionRows::ShownIndex(std::uint32_t rowId) const {
  const auto entry = FindEntry(rowId);
  if (!entry) return std::nullopt;
  const auto found = std::find(shown_.begin(), shown_.end(), static_cast<std::uint32_t>(*entry));
  if (found == shown_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - shown_.begin());
}

std::optional<std::size_t> CTransactionRows::Remove(std::uint32_t rowId) {
  const auto entry = FindEntry(rowId);
  if (!entry) return std::nullopt;
  const std::optional<std::size_t> shownAt = ShownIndex(rowId);
  const auto gone = static_cast<std::uint32_t>(*entry);
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(gone));
  // The entries after it moved down by one.
  for (std::vector<std::uint32_t>* indexes : {&sorted_, &shown_}) {
    std::erase(*indexes, gone);
    for (std::uint32_t& index : *indexes) index -= index > gone ? 1 : 0;
  }
  return shownAt;
}

std::size_t CTransactionRows::Put(std::uint32_t tableRow) {
  Entry entry = Build(tableRow);
  Remove(entry.id);
  if (std::find(pinned_.begin(), pinned_.end(), entry.id) == pinned_.end()) pinned_.push_back(entry.id);
  const auto index = static_cast<std::uint32_t>(entries_.size());
  entries_.push_back(std::move(entry));
  const auto before = [this](std::uint32_t a, std::uint32_t b) { return Before(a, b); };
  sorted_.insert(std::upper_bound(sorted_.begin(), sorted_.end(), index, before), index);
  const auto at = shown_.insert(std::upper_bound(shown_.begin(), shown_.end(), index, before), index);
  return static_cast<std::size_t>(at - shown_.begin());
}

}  // namespace purso
