// CAccountBook: everything one account file holds.
//
// The display settings, the index of the year the user works on, and 102
// year ledgers for the years 1998 to 2099; ledger i holds the year 1998 + i.
// The book is read and written whole in the account file forms of
// doc/account_file_format.md: an account that uses no year after 2024 is
// written in the earlier form, which every earlier program reads; any other
// in the extended form, which holds the ledgers up to the last one in use.
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
  static constexpr int kLastYear = 2099;
  static constexpr int kYearCount = kLastYear - kFirstYear + 1;
  // The year a new account opens on when the year asked for is not one of the account's.
  static constexpr int kFallbackYear = 1999;

  // A new account on today's year, the local date of the process clock.
  CAccountBook();
  // A new account on that year.
  explicit CAccountBook(int year);

  static bool HoldsYear(int year) { return year >= kFirstYear && year <= kLastYear; }

  // The current year, 1998 + the current year index; dates are checked against it.
  int GetYear() const { return kFirstYear + yearIndex_; }
  std::uint8_t GetYearIndex() const { return yearIndex_; }
  // Ignored for an index outside 0..kYearCount - 1. Does not mark the book modified.
  void SetYearIndex(std::uint8_t index);

  CYearLedger& CurrentLedger() { return ledgers_[yearIndex_]; }
  const CYearLedger& CurrentLedger() const { return ledgers_[yearIndex_]; }
  // Precondition: 0 <= index < kYearCount.
  CYearLedger& Ledger(int index) { return ledgers_[static_cast<std::size_t>(index)]; }
  const CYearLedger& Ledger(int index) const { return ledgers_[static_cast<std::size_t>(index)]; }

  CDisplaySettings& Settings() { return settings_; }
  const CDisplaySettings& Settings() const { return settings_; }

  // The book's own flag (set when a setting changed) or any ledger's.
  bool IsModified() const;
  void SetModified() { modified_ = 1; }
  void ClearModified();

  // Reads a whole account in either form. On any failure (wrong magic, a
  // damaged or short file, bytes after the last ledger, a year index or
  // ledger count out of range) returns false with the reason in the archive
  // and leaves the book as it was.
  bool Load(CArchiveReader& archive);
  // Writes the whole account in the form it needs, and clears the modified
  // flags; Write leaves them alone.
  bool Store(CArchiveWriter& archive);
  bool Write(CArchiveWriter& archive) const;

 private:
  // How many ledgers, from 1998 on, the account needs in its file: up to the
  // last one that is not empty or the current one, whichever is later.
  int LedgersInUse() const;

  std::int32_t modified_ = 0;
  std::uint8_t yearIndex_ = 0;
  CDisplaySettings settings_;
  // Held in the book itself: a new book allocates nothing (its tables are
  // empty), and loading a file into a fresh book churns no large block.
  std::array<CYearLedger, kYearCount> ledgers_;
};

}  // namespace purso
