// What changed between two states of an account, taken back and forth byte
// for byte, and the copies of tables that share their rows until written.
#include "data/book_change.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "data/archive.h"
#include "support/ledger_records.h"

namespace purso {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const CAccountBook& book) {
  CArchiveWriter archive;
  EXPECT_TRUE(book.Write(archive));
  return archive.Bytes();
}

// A year of 600 transactions whose ids do not match their places.
std::unique_ptr<CAccountBook> FilledBook() {
  auto book = std::make_unique<CAccountBook>(2024);
  CYearLedger& year = book->CurrentLedger();
  const std::uint32_t food = test::AddCategory(year, "Food", CategoryType::kVarEx, 1200);
  test::BurnRowId(year.Transactions());
  for (int i = 0; i < 600; ++i) test::AddTransaction(year, 101 + i % 28, food, i, "Shop");
  return book;
}

void RemoveAt(CRecordTable& table, std::uint32_t index) {
  ASSERT_TRUE(table.Find(table.RowIdAt(index)));
  table.RemoveRow();
}

TEST(BookChangeTest, EveryKindOfChangeIsTakenBackAndForthByteForByte) {
  const struct {
    const char* name;
    std::function<void(CAccountBook&)> change;
  } changes[] = {
      {"rows removed at both ends and in the middle, one rewritten, one added",
       [](CAccountBook& book) {
         CRecordTable& rows = book.CurrentLedger().Transactions();
         for (std::uint32_t index : {599u, 300u, 0u}) RemoveAt(rows, index);
         ASSERT_TRUE(rows.Find(rows.RowIdAt(400)));
         rows.SetNumber(transaction_column::kAmount, -0.0);
         test::AddTransaction(book.CurrentLedger(), 1231, 1, 9, "Late");
       }},
      {"every row removed", [](CAccountBook& book) {
         CRecordTable& rows = book.CurrentLedger().Transactions();
         while (rows.GetRowCount() > 0) RemoveAt(rows, 0);
       }},
      {"another year, the year index, the settings and an opening balance",
       [](CAccountBook& book) {
         test::AddObject(book.Ledger(80), "Boat");
         book.SetYearIndex(80);
         book.Settings().decimals = 0;
         book.Ledger(3).SetOpeningBalance(-0.0);
       }},
  };
  for (const auto& c : changes) {
    SCOPED_TRACE(c.name);
    const auto book = FilledBook();
    const CAccountBook before = *book;
    const Bytes beforeBytes = BytesOf(*book);
    c.change(*book);
    const Bytes afterBytes = BytesOf(*book);
    // The copy kept its state while the book was written.
    EXPECT_EQ(BytesOf(before), beforeBytes);
    const CBookChange change = CBookChange::Between(before, *book);
    ASSERT_FALSE(change.IsEmpty());
    change.Apply(*book, ChangeDirection::kBackward);
    EXPECT_EQ(BytesOf(*book), beforeBytes);
    change.Apply(*book, ChangeDirection::kForward);
    EXPECT_EQ(BytesOf(*book), afterBytes);
  }
}

TEST(BookChangeTest, ACopyUntouchedOrOnlySearchedIsNoChange) {
  const auto book = FilledBook();
  const CAccountBook before = *book;
  CRecordTable& rows = book->CurrentLedger().Transactions();
  rows.SetNumberCondition(0, 0, transaction_column::kAmount, Operator::kLess, 10);
  EXPECT_EQ(rows.ApplyConditions(), 10u);
  rows.ClearConditions();
  book->SetYearIndex(book->GetYearIndex());
  EXPECT_TRUE(CBookChange::Between(before, *book).IsEmpty());
  // The year alone is a change, but not of the account's content.
  book->SetYearIndex(3);
  const CBookChange year = CBookChange::Between(before, *book);
  EXPECT_FALSE(year.IsEmpty());
  EXPECT_FALSE(year.ChangesContent());
}

}  // namespace
}  // namespace purso
