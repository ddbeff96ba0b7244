// Building ledgers for tests: the record helpers of ledger_records.h and a
// sample household account.
#pragma once

#include "data/account_book.h"
#include "support/ledger_records.h"

namespace purso::test {

// A household's year in the current ledger of book: objects, functional
// areas, categories of all four types with predactions, some of them
// matched by transactions, and an opening balance. Meant to be viewed with
// today in the middle of that year.
void FillSampleYear(CAccountBook& book);

}  // namespace purso::test
