// Carrying out an import proposal: every chosen line at once.
//
// Each chosen line is added as the Transactions dialog's Add adds a
// transaction: a line of a variable category holds the no-match marker; a
// line of a fixed category is first matched with its proposed predaction
// (which takes the line's date and amount, its category's budget moving by
// the difference) or given a new one (the budget grows by the amount), and
// holds that predaction's id. An opening balance line sets its year's
// opening balance. Lines go in in statement order.
//
// All or nothing: the ledgers the lines go to are changed as copies, which
// replace the book's ledgers only when every line went in. When a table
// cannot take another row, or the proposal no longer fits the book (a
// category or predaction it names is gone, or a predaction was matched in the
// meantime), the book is left exactly as it was. The dialog reports a table
// that cannot grow with the "Out of memory." problem of every Add.
//
// The proposal is spent afterwards: it describes the book as it was.
#pragma once

#include <cstddef>

#include "data/account_book.h"
#include "statement/import_proposal.h"

namespace purso {

enum class ImportStatus {
  kApplied,
  kTableFull,  // a table could not take another row (or memory ran out)
  kOutOfDate,  // the proposal does not fit the book
};

struct ImportResult {
  ImportStatus status = ImportStatus::kOutOfDate;
  std::size_t transactions = 0;    // added
  std::size_t matched = 0;         // existing predactions matched
  std::size_t newPredactions = 0;  // predactions added
  bool openingBalance = false;     // an opening balance was set
};

// Adds proposal's chosen lines to book, the book it was made for.
ImportResult ApplyImport(CAccountBook& book, const CImportProposal& proposal);

}  // namespace purso
