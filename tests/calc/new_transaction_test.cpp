// Adding a transaction: the one row the dialog, the import and the tests write.
#include "calc/new_transaction.h"

#include <gtest/gtest.h>

#include "support/ledger_records.h"

namespace purso {
namespace {

TEST(NewTransactionTest, WritesEveryColumnOrNothingWhenTheTableIsFull) {
  CYearLedger ledger;
  const std::optional<std::uint32_t> id = AddTransaction(ledger, {1231, 7, 12.5, "Bakery", 42});
  ASSERT_TRUE(id);
  const CRecordTable& transactions = ledger.Transactions();
  EXPECT_EQ(transactions.RowIdAt(0), *id);
  EXPECT_EQ(transactions.NumberAt(0, transaction_column::kDate), 1231);
  EXPECT_EQ(transactions.NumberAt(0, transaction_column::kCategory), 7);
  EXPECT_EQ(transactions.NumberAt(0, transaction_column::kAmount), 12.5);
  EXPECT_EQ(transactions.TextAt(0, transaction_column::kDescription), "Bakery");
  EXPECT_EQ(transactions.NumberAt(0, transaction_column::kMatch), 42);

  test::LeaveRowIds(ledger.Transactions(), 0);
  EXPECT_FALSE(AddTransaction(ledger, {101, 7, 1, "Full", kNoMatch}));
  EXPECT_EQ(transactions.GetRowCount(), 1u);
}

}  // namespace
}  // namespace purso
