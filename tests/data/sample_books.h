// Filled accounts for the account book and file tests, and the bytes of an
// empty ledger.
#pragma once

#include <cstdint>
#include <vector>

#include "data/account_book.h"
#include "data/byte_builder.h"

namespace purso::test {

using Bytes = std::vector<std::uint8_t>;

// Rows in all five tables, with removed rows leaving gaps in the ids and
// texts that fill their whole field.
void FillLedger(CYearLedger& ledger, int variant);

// Non-default settings, the current year 2022, and the filled years 1998,
// 1999, 2022 and 2024 and an opening balance in 2011, all marked modified:
// an account of the earlier file form.
CAccountBook FilledBook();

// What Write gives.
Bytes Stored(const CAccountBook& book);

// The bytes of a new, empty ledger.
void AppendEmptyLedger(test_bytes::ByteBuilder& b);

}  // namespace purso::test
