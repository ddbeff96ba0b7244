// CAccountBook: everything one account file holds.
//
// The display settings, the index of the year the user works on, and 27
// year ledgers for the years 1998 to 2024; ledger i holds the year 1998 + i.
// The book is read and written whole in the account file form of
// doc/account_file_format.md.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "data/archive.h"
#include "data/display_settings.h"
#include "data/year_ledger.h"

namespace purso {

class CAccountBook {
 public:
  static constexpr int kFirstYear = 1998;
  static constexpr int kYearCount = 27;
  static constexpr std::uint8_t kNewYearIndex = 1;  // a new account starts on 1999

  CAccountBook();

  // The current year, 1998 + the current year index; dates are checked against it.
  int GetYear() const { return kFirstYear + yearIndex_; }
  std::uint8_t GetYearIndex() const { return yearIndex_; }
  // Ignored for an index outside 0..26. Does not mark the book modified.
  void SetYearIndex(std::uint8_t index);

  CYearLedger& CurrentLedger() { return ledgers_[yearIndex_]; }
  const CYearLedger& CurrentLedger() const { return ledgers_[yearIndex_]; }
  // Precondition: index < kYearCount.
  CYearLedger& Ledger(int index) { return ledgers_[static_cast<std::size_t>(index)]; }
  const CYearLedger& Ledger(int index) const { return ledgers_[static_cast<std::size_t>(index)]; }

  CDisplaySettings& Settings() { return settings_; }
  const CDisplaySettings& Settings() const { return settings_; }

  // The book's own flag (set when a setting changed) or any ledger's.
  bool IsModified() const;
  void SetModified() { modified_ = 1; }
  void ClearModified();

  // Reads a whole account. On any failure (wrong magic, a damaged or short
  // file, a year index above 26) returns false and leaves the book as it was.
  bool Load(CArchiveReader& archive);
  // Writes the whole account, always with the current magic, and clears the
  // modified flags; Write leaves them alone.
  bool Store(CArchiveWriter& archive);
  bool Write(CArchiveWriter& archive) const;

 private:
  std::int32_t modified_ = 0;
  std::uint8_t yearIndex_ = kNewYearIndex;
  CDisplaySettings settings_;
  std::array<CYearLedger, kYearCount> ledgers_;
};

}  // namespace purso
