#include "data/book_change.h"

#include <cstring>

namespace purso {
namespace {

// The five tables of a ledger in the order of the file.
template <typename Ledger>
auto& TableOf(Ledger& ledger, int table) {
  switch (table) {
    case 0:
      return ledger.Categories();
    case 1:
      return ledger.FunctionalAreas();
    case 2:
      return ledger.Objects();
    case 3:
      return ledger.Predactions();
    default:
      return ledger.Transactions();
  }
}

// Compared as the file holds them: 0.0 and -0.0 are different bytes.
bool SameBytes(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

CBookChange CBookChange::Between(const CAccountBook& before, const CAccountBook& after) {
  CBookChange change;
  if (before.Settings().Encode() != after.Settings().Encode()) {
    change.settings_ =
        std::make_unique<std::pair<CDisplaySettings, CDisplaySettings>>(before.Settings(), after.Settings());
  }
  change.yearBefore_ = before.GetYearIndex();
  change.yearAfter_ = after.GetYearIndex();
  for (int i = 0; i < CAccountBook::kYearCount; ++i) {
    const CYearLedger& old = before.Ledger(i);
    const CYearLedger& now = after.Ledger(i);
    LedgerChange ledger;
    ledger.index = i;
    if (!SameBytes(old.GetOpeningBalance(), now.GetOpeningBalance())) {
      ledger.openingBalance.emplace(old.GetOpeningBalance(), now.GetOpeningBalance());
    }
    for (int t = 0; t < kTables; ++t) {
      if (auto table = CTableChange::Between(TableOf(old, t), TableOf(now, t))) {
        ledger.tables.push_back({t, std::move(*table)});
      }
    }
    if (ledger.openingBalance || !ledger.tables.empty()) {
      ledger.tables.shrink_to_fit();
      change.ledgers_.push_back(std::move(ledger));
    }
  }
  change.ledgers_.shrink_to_fit();
  return change;
}

bool CBookChange::IsEmpty() const { return yearBefore_ == yearAfter_ && !ChangesContent(); }

bool CBookChange::ChangesContent() const { return settings_ != nullptr || !ledgers_.empty(); }

void CBookChange::Apply(CAccountBook& book, ChangeDirection direction) const {
  const bool forward = direction == ChangeDirection::kForward;
  // Every table's rows are worked out before any is put in, so that a
  // failure leaves the whole book as it was.
  std::vector<CTableChange::CPrepared> prepared;
  for (const LedgerChange& ledger : ledgers_) {
    for (const TableChange& table : ledger.tables) {
      prepared.push_back(table.change.Prepare(TableOf(book.Ledger(ledger.index), table.table), direction));
    }
  }
  auto next = prepared.begin();
  for (const LedgerChange& ledger : ledgers_) {
    CYearLedger& target = book.Ledger(ledger.index);
    if (ledger.openingBalance) {
      target.SetOpeningBalance(forward ? ledger.openingBalance->second : ledger.openingBalance->first);
    }
    for (const TableChange& table : ledger.tables)
      CTableChange::Commit(TableOf(target, table.table), std::move(*next++));
  }
  if (settings_) book.Settings() = forward ? settings_->second : settings_->first;
  book.SetYearIndex(forward ? yearAfter_ : yearBefore_);
}

std::size_t CBookChange::MemoryUse() const {
  std::size_t bytes = sizeof(CBookChange) + ledgers_.capacity() * sizeof(LedgerChange);
  for (const LedgerChange& ledger : ledgers_) {
    bytes += ledger.tables.capacity() * sizeof(TableChange);
    for (const TableChange& table : ledger.tables) bytes += table.change.MemoryUse() - sizeof(CTableChange);
  }
  if (settings_) bytes += sizeof(*settings_);
  return bytes;
}

}  // namespace purso
