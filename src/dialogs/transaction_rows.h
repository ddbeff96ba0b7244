// CTransactionRows: the rows of the Transactions list, in the order the user
// chose and narrowed by the filter the user typed.
//
// Every transaction of the year is turned into its list row once, when the
// rows are loaded; a keystroke in the filter then only walks the rows in
// their order and keeps those the filter matches, so that a year of many
// thousands of card payments narrows without a pause. The order is by date
// (the default, as the sorted list always showed it), category, amount or
// description, each either way round; rows that compare equal stay in date
// order and then in the order they were entered.
//
// A row written by Add or Update is pinned: it is shown, whatever the filter,
// until the filter changes, so that what the user just wrote never vanishes
// from sight.
//
// The ledger must outlive the rows. The rows follow the Transactions table
// only through Load, Put and Remove: a change made elsewhere is not seen.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/display_settings.h"
#include "data/year_ledger.h"
#include "text/transaction_filter.h"

namespace purso {

// The columns a Transactions list can be ordered by.
enum class TransactionOrder : std::uint8_t { kDate, kCategory, kAmount, kDescription };
enum class SortDirection : std::uint8_t { kAscending, kDescending };

class CTransactionRows {
 public:
  CTransactionRows(const CYearLedger& ledger, const CDisplaySettings& settings);

  // Builds the row of every transaction of the table, in the current order,
  // and shows those the filter keeps; no row is pinned.
  void Load();
  // Builds every row again, for categories that may have been renamed,
  // retyped or removed; the pins stay.
  void Reload();
  // A new filter: the rows it keeps are shown, and the pins are dropped.
  void SetFilter(std::string_view typed);
  // A new order; the pins stay.
  void SetOrder(TransactionOrder order, SortDirection direction);

  TransactionOrder Order() const { return order_; }
  SortDirection Direction() const { return direction_; }
  bool IsFiltered() const { return filter_.GetKind() != CTransactionFilter::Kind::kEverything; }

  std::size_t TotalCount() const { return entries_.size(); }
  std::size_t ShownCount() const { return shown_.size(); }
  // The texts of the shown rows, in order, moved out for the list's items:
  // a year's rows are handed over, not copied, on every keystroke.
  std::vector<std::string> TakeShownTexts();
  // The list's items given back, the shown rows' texts in order, before the
  // filter or the order changes. Precondition: the list held the shown rows.
  void GiveBack(std::vector<std::string> texts);
  // The position among the shown rows of a transaction; none when hidden.
  std::optional<std::size_t> ShownIndex(std::uint32_t rowId) const;

  // Builds (again) the row of the transaction at a row index of the table,
  // pins it and returns its position among the shown rows; a transaction
  // already listed leaves its old place first (see Remove).
  std::size_t Put(std::uint32_t tableRow);
  // Drops the row of a transaction; its position among the shown rows when
  // it was shown.
  std::optional<std::size_t> Remove(std::uint32_t rowId);
  const std::string& Text(std::size_t shownIndex) const { return entries_[shown_[shownIndex]].text; }

 private:
  struct Entry {
    std::uint32_t id = 0;
    double date = 0.0;
    double amount = 0.0;
    std::uint32_t category = 0;  // index into categories_
    std::string text;            // the list row; with the list while shown
    std::string description;     // case-folded, for the filter and the order
  };
  struct Category {
    std::uint32_t id = 0;
    std::string name;    // as shown
    std::string folded;  // case-folded
    bool expense = false;  // its amounts are shown red
  };

  void Rebuild();
  Entry Build(std::uint32_t tableRow);
  std::uint32_t CategoryIndex(std::uint32_t categoryId);
  bool Before(std::uint32_t a, std::uint32_t b) const;
  bool Keeps(std::uint32_t entry, const std::vector<char>& categoryMatches) const;
  std::vector<char> CategoryMatches() const;
  void Sort();
  void Narrow();
  std::optional<std::size_t> FindEntry(std::uint32_t rowId) const;

  const CYearLedger& ledger_;
  const CDisplaySettings& settings_;
  CTransactionFilter filter_;
  TransactionOrder order_ = TransactionOrder::kDate;
  SortDirection direction_ = SortDirection::kAscending;
  std::vector<Category> categories_;
  std::vector<Entry> entries_;
  std::unordered_map<std::uint32_t, std::uint32_t> categoryIndexes_;  // by category id
  std::vector<std::uint32_t> sorted_;  // every entry's index, in order
  std::vector<std::uint32_t> shown_;   // the shown entries' indexes, in order
  std::vector<std::uint32_t> pinned_;  // row ids
};

}  // namespace purso
