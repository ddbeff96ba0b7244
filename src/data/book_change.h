// CBookChange: what changed in an account book between two of its states.
//
// It holds the display settings record before and after when it changed,
// the current year index before and after, and for each year whose opening
// balance or tables changed, the opening balance before and after and a
// CTableChange per changed table: never a copy of the account. Applying it
// in either direction gives back the other state byte for byte as a save
// writes it. Modified flags are not part of it: the caller sets them.
//
// Taking the state before a command costs one copy of the book, which
// shares every table's rows until the command writes one (record_table.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "data/account_book.h"
#include "data/display_settings.h"
#include "data/table_change.h"

namespace purso {

class CBookChange {
 public:
  // The change that leads from before to after, two states of one account.
  static CBookChange Between(const CAccountBook& before, const CAccountBook& after);

  // Nothing that a save writes differs.
  bool IsEmpty() const;
  // Something besides the current year changed: what makes an account
  // modified, since choosing another year alone does not.
  bool ChangesContent() const;

  // Puts book in the state before the change (kBackward) or after it
  // (kForward). Precondition: book is in the other state. Throws
  // std::bad_alloc, book unchanged, when memory for the rows cannot be had.
  void Apply(CAccountBook& book, ChangeDirection direction) const;

  // Bytes this change holds, for the memory bound of the undo history.
  std::size_t MemoryUse() const;

 private:
  static constexpr int kTables = 5;

  struct TableChange {
    int table = 0;  // 0..kTables - 1, in the order of the file
    CTableChange change;
  };
  struct LedgerChange {
    int index = 0;
    std::optional<std::pair<double, double>> openingBalance;  // before, after
    std::vector<TableChange> tables;
  };

  // Held apart: most changes leave the settings alone.
  std::unique_ptr<std::pair<CDisplaySettings, CDisplaySettings>> settings_;  // before, after
  std::uint8_t yearBefore_ = 0;
  std::uint8_t yearAfter_ = 0;
  std::vector<LedgerChange> ledgers_;
};

}  // namespace purso
