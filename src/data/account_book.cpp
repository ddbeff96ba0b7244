#include "data/account_book.h"

#include <memory>
#include <new>

#include "data/account_format.h"
#include "data/calendar.h"

namespace purso {

CAccountBook::CAccountBook() : CAccountBook(CurrentClock().LocalToday().year) {}

CAccountBook::CAccountBook(int year)
    : yearIndex_(static_cast<std::uint8_t>((HoldsYear(year) ? year : kFallbackYear) - kFirstYear)) {
  for (int i = 0; i < kYearCount; ++i) Ledger(i).SetYear(kFirstYear + i);
}

void CAccountBook::SetYearIndex(std::uint8_t index) {
  if (index < kYearCount) yearIndex_ = index;
}

bool CAccountBook::IsModified() const {
  if (modified_ != 0) return true;
  for (const CYearLedger& ledger : ledgers_) {
    if (ledger.IsModified()) return true;
  }
  return false;
}

void CAccountBook::ClearModified() {
  modified_ = 0;
  for (CYearLedger& ledger : ledgers_) ledger.ClearModified();
}

int CAccountBook::LedgersInUse() const {
  for (int i = kYearCount - 1; i > yearIndex_; --i) {
    if (!Ledger(i).IsEmpty()) return i + 1;
  }
  return yearIndex_ + 1;
}

namespace {

bool Refuse(CArchiveReader& archive, ReadFailure reason) {
  archive.Fail(reason);
  return false;
}

}  // namespace

bool CAccountBook::Load(CArchiveReader& archive) {
  using namespace account_format;
  char magic[kMagicSize];
  if (!archive.Read(magic, kMagicSize)) return false;
  const std::string_view found(magic, kMagicSize);
  const bool extended = found == kExtendedMagic;
  if (!extended && found != kMagic && found != kEarlierMagic) return Refuse(archive, ReadFailure::kBadMagic);

  std::uint8_t record[CDisplaySettings::kRecordSize];
  std::uint8_t yearIndex = 0;
  std::uint8_t ledgerCount = kEarlierLedgerCount;
  CDisplaySettings settings;
  if (!archive.Read(record, sizeof record)) return false;
  if (!CDisplaySettings::Decode(record, settings)) return Refuse(archive, ReadFailure::kBadSettings);
  if (!archive.ReadU8(yearIndex)) return false;
  if (extended) {
    if (!archive.ReadU8(ledgerCount)) return false;
    if (ledgerCount == 0 || ledgerCount > kYearCount) return Refuse(archive, ReadFailure::kBadLedgerCount);
  }
  if (yearIndex >= ledgerCount) return Refuse(archive, ReadFailure::kBadYearIndex);

  // Read into a fresh book and adopt it only when every byte was good.
  std::unique_ptr<CAccountBook> loaded;
  try {
    loaded = std::make_unique<CAccountBook>(kFirstYear);
  } catch (const std::bad_alloc&) {
    return Refuse(archive, ReadFailure::kOutOfMemory);
  }
  loaded->settings_ = std::move(settings);
  loaded->yearIndex_ = yearIndex;
  for (int i = 0; i < ledgerCount; ++i) {
    if (!loaded->Ledger(i).Load(archive)) return false;
  }
  // A damaged count or table can leave whole rows unread; the file's end
  // must be the last ledger's.
  if (archive.Remaining() != 0) return Refuse(archive, ReadFailure::kTrailingBytes);
  loaded->modified_ = 0;
  *this = std::move(*loaded);
  return true;
}

bool CAccountBook::Write(CArchiveWriter& archive) const {
  using namespace account_format;
  const int inUse = LedgersInUse();
  const bool extended = inUse > kEarlierLedgerCount;
  const int ledgerCount = extended ? inUse : kEarlierLedgerCount;
  const std::string_view magic = extended ? kExtendedMagic : kMagic;
  const auto record = settings_.Encode();
  if (!archive.Write(magic.data(), kMagicSize) || !archive.Write(record.data(), record.size()) ||
      !archive.WriteU8(yearIndex_)) {
    return false;
  }
  if (extended && !archive.WriteU8(static_cast<std::uint8_t>(ledgerCount))) return false;
  for (int i = 0; i < ledgerCount; ++i) {
    if (!Ledger(i).Write(archive)) return false;
  }
  return true;
}

bool CAccountBook::Store(CArchiveWriter& archive) {
  if (!Write(archive)) return false;
  ClearModified();
  return true;
}

}  // namespace purso
