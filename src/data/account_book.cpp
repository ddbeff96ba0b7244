#include "data/account_book.h"

#include <cstring>
#include <memory>

#include "data/account_format.h"

namespace purso {

CAccountBook::CAccountBook() {
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

bool CAccountBook::Load(CArchiveReader& archive) {
  using namespace account_format;
  char magic[kMagicSize];
  std::uint8_t record[CDisplaySettings::kRecordSize];
  std::uint8_t yearIndex = 0;
  if (!archive.Read(magic, kMagicSize) || !archive.Read(record, sizeof record) || !archive.ReadU8(yearIndex)) {
    return false;
  }
  const std::string_view found(magic, kMagicSize);
  if (found != kMagic && found != kEarlierMagic) return false;
  if (yearIndex >= kYearCount) return false;

  // Read into a fresh book and adopt it only when every byte was good.
  auto loaded = std::make_unique<CAccountBook>();
  if (!CDisplaySettings::Decode(record, loaded->settings_)) return false;
  loaded->yearIndex_ = yearIndex;
  for (CYearLedger& ledger : loaded->ledgers_) {
    if (!ledger.Load(archive)) return false;
  }
  loaded->modified_ = 0;
  *this = std::move(*loaded);
  return true;
}

bool CAccountBook::Write(CArchiveWriter& archive) const {
  using namespace account_format;
  const auto record = settings_.Encode();
  if (!archive.Write(kMagic.data(), kMagicSize) || !archive.Write(record.data(), record.size()) ||
      !archive.WriteU8(yearIndex_)) {
    return false;
  }
  for (const CYearLedger& ledger : ledgers_) {
    if (!ledger.Write(archive)) return false;
  }
  return true;
}

bool CAccountBook::Store(CArchiveWriter& archive) {
  if (!Write(archive)) return false;
  ClearModified();
  return true;
}

}  // namespace purso
