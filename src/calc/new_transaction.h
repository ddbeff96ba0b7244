// Adding a transaction to a year ledger: the one way a row of the
// Transactions table is written, whether the Transactions dialog's Add, a
// statement import or a test makes it.
//
// The caller has checked the entry (a real date of the ledger's year, an
// amount within what may be typed, a valid description) and matched it: a
// transaction of a fixed category holds the id of its predaction
// (calc/matching.h), any other kNoMatch.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "data/year_ledger.h"

namespace purso {

struct NewTransaction {
  double monthDay = 0.0;  // month x 100 + day
  std::uint32_t category = 0;
  double amount = 0.0;      // magnitude; the category's type gives the sign
  std::string description;  // account text
  std::uint32_t match = kNoMatch;
};

// Writes the transaction into the current row of the ledger's transactions.
void WriteTransaction(CYearLedger& ledger, const NewTransaction& transaction);

// Appends the transaction; the new row is the table's current row. Its row
// id, or nothing, the table unchanged, when the table cannot take another row.
std::optional<std::uint32_t> AddTransaction(CYearLedger& ledger, const NewTransaction& transaction);

}  // namespace purso
