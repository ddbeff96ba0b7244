#include "data/account_book.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "data/account_file.h"
#include "data/byte_builder.h"
#include "data/calendar.h"
#include "data/sample_books.h"

namespace purso {
namespace {

using test_bytes::ByteBuilder;
using test_bytes::GetU32;
using test_bytes::PutU32;
using namespace purso::test;  // the sample books

constexpr std::size_t kSettingsAt = 7;
constexpr std::size_t kYearIndexAt = 47;
constexpr std::size_t kFirstLedgerAt = 48;

ReadFailure LoadBytes(const Bytes& bytes, CAccountBook& book) { return LoadAccount(bytes, book); }

// --- A new account -----------------------------------------------------------

TEST(AccountBookNew, OpensOnTodaysYearWithDefaultSettings) {
  const CFixedClock clock(CivilDate{2026, 12, 8});
  const CScopedClock scoped(clock);
  const CAccountBook book;
  EXPECT_EQ(book.GetYear(), 2026);
  EXPECT_EQ(book.GetYearIndex(), 28);
  EXPECT_EQ(book.CurrentLedger().GetYear(), 2026);
  const CDisplaySettings& s = book.Settings();
  EXPECT_EQ(s.dateOrder, DateOrder::kMonthFirst);
  EXPECT_EQ(s.dateSeparator, '/');
  EXPECT_EQ(s.decimalSymbol, DecimalSymbol::kPoint);
  EXPECT_EQ(s.symbolPosition, SymbolPosition::kBefore);
  EXPECT_FALSE(s.space);
  EXPECT_EQ(s.decimals, 2);
  EXPECT_EQ(s.currencySymbol, "$");
  ASSERT_EQ(CAccountBook::kYearCount, 102);
  for (int i = 0; i < CAccountBook::kYearCount; ++i) {
    EXPECT_EQ(book.Ledger(i).GetYear(), 1998 + i);
    EXPECT_EQ(book.Ledger(i).GetOpeningBalance(), 0.0);
    EXPECT_EQ(book.Ledger(i).Transactions().GetRowCount(), 0u);
  }
  EXPECT_FALSE(book.IsModified());
}

TEST(AccountBookNew, OpensOn1999WhenTodayIsNotOneOfItsYears) {
  const struct {
    CivilDate today;
    int year;
  } cases[] = {
      {{1998, 1, 1}, 1998}, {{1999, 6, 15}, 1999}, {{2024, 12, 31}, 2024}, {{2025, 1, 1}, 2025},
      {{2099, 12, 31}, 2099}, {{1997, 12, 31}, 1999}, {{2100, 1, 1}, 1999}, {{1970, 1, 1}, 1999},
  };
  for (const auto& c : cases) {
    const CFixedClock clock(c.today);
    const CScopedClock scoped(clock);
    EXPECT_EQ(CAccountBook().GetYear(), c.year) << c.today.year;
    EXPECT_EQ(CAccountBook(c.today.year).GetYear(), c.year) << c.today.year;
  }
}

TEST(AccountBookNew, YearIndexStaysWithinTheAccountsYears) {
  CAccountBook book(1999);
  book.SetYearIndex(26);
  EXPECT_EQ(book.GetYear(), 2024);
  book.SetYearIndex(101);
  EXPECT_EQ(book.GetYear(), 2099);
  book.SetYearIndex(102);
  EXPECT_EQ(book.GetYear(), 2099);
  book.SetYearIndex(255);
  EXPECT_EQ(book.GetYear(), 2099);
  book.SetYearIndex(0);
  EXPECT_EQ(book.GetYear(), 1998);
  EXPECT_EQ(&book.CurrentLedger(), &book.Ledger(0));
  EXPECT_FALSE(book.IsModified());
}

TEST(AccountBookNew, StoresThe8364ByteEmptyAccount) {
  ByteBuilder b;
  b.Chars("PURSO11");
  b.U32(0).U8('/').Zeros(3).U32(0).U32(0).U32(0).U8(2).Text("$", 5).Zeros(2).Zeros(12);
  b.U8(1);
  ASSERT_EQ(b.Bytes().size(), 48u);
  for (int i = 0; i < 27; ++i) AppendEmptyLedger(b);
  ASSERT_EQ(b.Bytes().size(), 8364u);

  CAccountBook book(1999);
  CArchiveWriter writer;
  ASSERT_TRUE(book.Store(writer));
  EXPECT_EQ(writer.Bytes(), b.Bytes());
}

// --- Modified flags -----------------------------------------------------------

TEST(AccountBookModified, OpeningBalanceMarksExactlyThatLedger) {
  CAccountBook book(1999);
  book.Ledger(5).SetOpeningBalance(100.0);
  EXPECT_TRUE(book.IsModified());
  for (int i = 0; i < CAccountBook::kYearCount; ++i) EXPECT_EQ(book.Ledger(i).IsModified(), i == 5) << i;
  CArchiveWriter writer;
  ASSERT_TRUE(book.Store(writer));
  EXPECT_FALSE(book.IsModified());
  EXPECT_FALSE(book.Ledger(5).IsModified());
}

TEST(AccountBookModified, ARowInAnyYearMarksTheBook) {
  CAccountBook book(1999);
  ASSERT_TRUE(book.Ledger(101).Objects().AddRow());
  EXPECT_TRUE(book.IsModified());
  book.ClearModified();
  EXPECT_FALSE(book.IsModified());
  book.SetModified();
  EXPECT_TRUE(book.IsModified());
  for (int i = 0; i < CAccountBook::kYearCount; ++i) EXPECT_FALSE(book.Ledger(i).IsModified()) << i;
}

TEST(AccountBookModified, FailingStoreKeepsEveryFlag) {
  for (std::size_t limit : {std::size_t{0}, std::size_t{20}, std::size_t{47}, std::size_t{5000}}) {
    CAccountBook book = FilledBook();
    CArchiveWriter writer(limit);
    EXPECT_FALSE(book.Store(writer)) << limit;
    EXPECT_TRUE(book.IsModified()) << limit;
    EXPECT_TRUE(book.Ledger(0).IsModified()) << limit;
    EXPECT_TRUE(book.Ledger(26).Transactions().IsModified()) << limit;
  }
}

TEST(AccountBookModified, WriteLeavesTheFlags) {
  CAccountBook book = FilledBook();
  CArchiveWriter writer;
  ASSERT_TRUE(book.Write(writer));
  EXPECT_TRUE(book.IsModified());
}

// --- Round trips ------------------------------------------------------------------

TEST(AccountBookRoundTrip, FilledAccountStoresBackByteForByte) {
  const Bytes file = Stored(FilledBook());
  CAccountBook loaded;
  loaded.SetModified();
  ASSERT_EQ(LoadBytes(file, loaded), ReadFailure::kNone);
  EXPECT_FALSE(loaded.IsModified());
  EXPECT_EQ(Stored(loaded), file);

  EXPECT_EQ(loaded.GetYear(), 2022);
  EXPECT_TRUE(loaded.Settings().SameSettings(FilledBook().Settings()));
  EXPECT_EQ(loaded.Settings().currencySymbol, "EUR");
  EXPECT_EQ(loaded.Ledger(13).GetOpeningBalance(), -250.75);
  EXPECT_EQ(loaded.Ledger(24).GetOpeningBalance(), 23999.75);
  for (int i = 0; i < CAccountBook::kYearCount; ++i) EXPECT_EQ(loaded.Ledger(i).GetYear(), 1998 + i);

  const CYearLedger& y2024 = loaded.Ledger(26);
  EXPECT_EQ(y2024.Objects().GetRowCount(), 2u);
  EXPECT_EQ(y2024.Objects().RowIdAt(1), 2u);
  EXPECT_EQ(y2024.Objects().TextAt(1, 0), "House 26");
  EXPECT_EQ(y2024.FunctionalAreas().TextAt(1, 0), "Food and drink for all o");
  EXPECT_EQ(y2024.Categories().NumberAt(1, category_column::kBudget), 24026.0);
  EXPECT_EQ(y2024.Predactions().GetRowCount(), 13u);
  EXPECT_EQ(y2024.Predactions().GetNextRowId(), 14u);
  EXPECT_EQ(y2024.Transactions().TextAt(1, transaction_column::kDescription), std::string(48, 'd'));
  EXPECT_EQ(y2024.Transactions().NumberAt(0, transaction_column::kMatch), 0.0);
  EXPECT_EQ(y2024.Transactions().NumberAt(2, transaction_column::kMatch), 4294967295.0);
}

TEST(AccountBookRoundTrip, UnusedSettingsBytesAreWrittenBackAsFound) {
  Bytes file = Stored(FilledBook());
  for (std::size_t at : {5, 6, 7, 26, 27}) file[kSettingsAt + at] = static_cast<std::uint8_t>(0xA0 + at);
  for (std::size_t at = 28; at < 40; ++at) file[kSettingsAt + at] = static_cast<std::uint8_t>(at);
  CAccountBook loaded;
  ASSERT_EQ(LoadBytes(file, loaded), ReadFailure::kNone);
  EXPECT_TRUE(loaded.Settings().SameSettings(FilledBook().Settings()));
  EXPECT_EQ(Stored(loaded), file);

  // A changed setting keeps the unused bytes around it.
  loaded.Settings().decimals = 0;
  file[kSettingsAt + 20] = 0;
  EXPECT_EQ(Stored(loaded), file);
}

TEST(AccountBookRoundTrip, EarlierVersionIsReadAndWrittenAsTheCurrentOne) {
  const Bytes current = Stored(FilledBook());
  Bytes earlier = current;
  earlier[6] = '0';  // "PURSO10"
  CAccountBook loaded;
  ASSERT_EQ(LoadBytes(earlier, loaded), ReadFailure::kNone);
  const Bytes written = Stored(loaded);
  EXPECT_EQ(std::string(written.begin(), written.begin() + 7), "PURSO11");
  EXPECT_EQ(written, current);
}

TEST(AccountBookRoundTrip, NewAccountLoadsAsANewAccount) {
  for (int year : {1999, 2030}) {
    CAccountBook loaded = FilledBook();
    ASSERT_EQ(LoadBytes(Stored(CAccountBook(year)), loaded), ReadFailure::kNone) << year;
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(loaded.GetYear(), year);
    EXPECT_EQ(Stored(loaded), Stored(CAccountBook(year)));
    // The loaded tables take rows as a new account's would.
    ASSERT_TRUE(loaded.Ledger(3).Transactions().AddRow());
    EXPECT_EQ(loaded.Ledger(3).Transactions().GetRowId(), 0u);
    EXPECT_EQ(loaded.Ledger(3).Transactions().GetBlocks(), 1u);
  }
}

// --- Refused files ------------------------------------------------------------------

// Loads into a filled, modified book and checks that a refusal left it exactly so.
ReadFailure LoadIntoFilledBook(const Bytes& bytes) {
  CAccountBook book = FilledBook();
  book.SetYearIndex(3);
  const Bytes before = Stored(book);
  const ReadFailure loaded = LoadBytes(bytes, book);
  if (loaded != ReadFailure::kNone) {
    EXPECT_EQ(Stored(book), before);
    EXPECT_TRUE(book.IsModified());
    EXPECT_TRUE(book.Ledger(13).IsModified());
    EXPECT_EQ(book.GetYear(), 2001);
  }
  return loaded;
}

TEST(AccountBookRefused, EveryOtherMagic) {
  const Bytes good = Stored(FilledBook());
  for (std::size_t i = 0; i < 7; ++i) {
    for (std::uint8_t flip : {0x02, 0x20, 0x80}) {
      Bytes bad = good;
      bad[i] ^= flip;
      EXPECT_EQ(LoadIntoFilledBook(bad), ReadFailure::kBadMagic) << i << " " << int{flip};
    }
  }
  // PURSO12 is the extended form's.
  for (const char* magic : {"PURSO13", "PURSO09", "PURSO1\0", "purso11", "       "}) {
    Bytes bad = good;
    std::copy(magic, magic + 7, bad.begin());
    EXPECT_EQ(LoadIntoFilledBook(bad), ReadFailure::kBadMagic) << magic;
  }
}

TEST(AccountBookRefused, EveryTruncation) {
  const Bytes good = Stored(FilledBook());
  CAccountBook book = FilledBook();
  const Bytes before = Stored(book);
  for (std::size_t n = 0; n < good.size(); ++n) {
    CArchiveReader reader(std::span(good.data(), n));
    ASSERT_FALSE(book.Load(reader)) << n << " of " << good.size();
    ASSERT_EQ(reader.Failure(), ReadFailure::kTruncated) << n;
    // Storing the whole book each time would take longer than the loads;
    // what a half-adopted file would change first is checked every time.
    ASSERT_EQ(book.GetYearIndex(), 24) << n;
    ASSERT_EQ(book.Ledger(0).GetOpeningBalance(), -0.25) << n;
    ASSERT_EQ(book.Ledger(0).Objects().GetRowCount(), 2u) << n;
    ASSERT_TRUE(book.Ledger(0).IsModified()) << n;
    if (n % 64 == 0) {
      ASSERT_EQ(Stored(book), before) << n;
    }
  }
  EXPECT_EQ(Stored(book), before);
  EXPECT_EQ(LoadBytes(good, book), ReadFailure::kNone);
}

// One damaged field of a filled account per test.
class AccountBookDamageTest : public ::testing::Test {
 protected:
  enum Table { kCategories, kFunctionalAreas, kObjects, kPredactions, kTransactions };

  void SetUp() override {
    file_ = Stored(FilledBook());
    std::size_t at = kFirstLedgerAt;
    for (int year = 0; year < 27; ++year) {
      at += 8;
      for (int table = 0; table < 5; ++table) {
        tables_[year][table] = at;
        at += 24 + 12 * GetU32(file_, at + 8) + GetU32(file_, at + 16) * GetU32(file_, at + 20);
      }
    }
    ASSERT_EQ(at, file_.size());
  }

  // The counts of a stored table, in their order.
  enum Count { kBlocks = 0, kBlockRows = 4, kColumns = 8, kNextRowId = 12, kRowCount = 16, kRowWidth = 20 };
  std::size_t TableAt(int year, Table table) const { return tables_[year][table]; }
  void SetCount(int year, Table table, Count count, std::uint32_t value) {
    PutU32(file_, TableAt(year, table) + count, value);
  }
  std::uint32_t GetCount(int year, Table table, Count count) const {
    return GetU32(file_, TableAt(year, table) + count);
  }
  std::size_t DescriptorAt(int year, Table table, std::uint32_t column) const {
    return TableAt(year, table) + 24 + 12 * column;
  }
  std::size_t RowAt(int year, Table table, std::uint32_t row) const {
    return DescriptorAt(year, table, GetCount(year, table, kColumns)) + row * GetCount(year, table, kRowWidth);
  }

  ReadFailure Load() const { return LoadIntoFilledBook(file_); }

  Bytes file_;
  std::size_t tables_[27][5] = {};
};

TEST_F(AccountBookDamageTest, IntactFileLoads) { EXPECT_EQ(Load(), ReadFailure::kNone); }

TEST_F(AccountBookDamageTest, YearIndex26IsTheLastYear) {
  file_[kYearIndexAt] = 26;
  CAccountBook book;
  ASSERT_EQ(LoadBytes(file_, book), ReadFailure::kNone);
  EXPECT_EQ(book.GetYear(), 2024);
}

TEST_F(AccountBookDamageTest, YearIndex27) {
  file_[kYearIndexAt] = 27;
  EXPECT_EQ(Load(), ReadFailure::kBadYearIndex);
}

TEST_F(AccountBookDamageTest, YearIndex255) {
  file_[kYearIndexAt] = 255;
  EXPECT_EQ(Load(), ReadFailure::kBadYearIndex);
}

TEST_F(AccountBookDamageTest, DamagedSettings) {
  struct Case {
    const char* what;
    std::size_t at;  // within the record
    std::uint8_t value;
  };
  const Case cases[] = {
      {"date order 2", 0, 2},      {"date order in a high byte", 3, 1}, {"no separator", 4, 0},
      {"digit separator", 4, '7'}, {"decimal symbol 2", 8, 2},          {"symbol position 255", 12, 255},
      {"space 2", 16, 2},          {"space in a high byte", 17, 1},     {"5 decimals", 20, 5},
      {"255 decimals", 20, 255},   {"no currency symbol", 21, 0},       {"4-character symbol", 24, 'O'},
  };
  const Bytes good = file_;
  for (const Case& c : cases) {
    file_ = good;
    file_[kSettingsAt + c.at] = c.value;
    EXPECT_EQ(Load(), ReadFailure::kBadSettings) << c.what;
  }
}

TEST_F(AccountBookDamageTest, RowCountAboveCapacity) {
  SetCount(24, kTransactions, kBlocks, 0);  // room for none of its 3 rows
  EXPECT_EQ(Load(), ReadFailure::kRowCountAboveCapacity);
}

TEST_F(AccountBookDamageTest, RowCountBeyondTheEndOfTheFile) {
  SetCount(26, kTransactions, kRowCount, 4);
  EXPECT_EQ(Load(), ReadFailure::kTruncated);
}

TEST_F(AccountBookDamageTest, CapacityBeyondThirtyTwoBits) {
  SetCount(1, kTransactions, kBlocks, 0x01000000);
  EXPECT_EQ(Load(), ReadFailure::kCapacityTooLarge);
}

TEST_F(AccountBookDamageTest, CapacityThatWrapsSixtyFourBits) {
  // 4294967284 * 148102321 * 29 bytes is 2^64 + 4294967140.
  SetCount(0, kObjects, kBlocks, 4294967284u);
  SetCount(0, kObjects, kBlockRows, 148102321u);
  EXPECT_EQ(Load(), ReadFailure::kCapacityTooLarge);
}

TEST_F(AccountBookDamageTest, LargeCapacityWithinThirtyTwoBitsIsAccepted) {
  SetCount(1, kTransactions, kBlocks, 49344);  // 49344 * 1024 * 85 bytes < 2^32
  CAccountBook book;
  ASSERT_EQ(LoadBytes(file_, book), ReadFailure::kNone);
  EXPECT_EQ(book.Ledger(1).Transactions().GetBlocks(), 49344u);
}

TEST_F(AccountBookDamageTest, RowsPerBlockZero) {
  SetCount(5, kPredactions, kBlockRows, 0);
  EXPECT_EQ(Load(), ReadFailure::kBadBlockRows);
}

TEST_F(AccountBookDamageTest, ColumnCountDisagrees) {
  SetCount(24, kCategories, kColumns, 4);
  EXPECT_EQ(Load(), ReadFailure::kBadColumns);
}

TEST_F(AccountBookDamageTest, ColumnTypeDisagrees) {
  file_[DescriptorAt(26, kTransactions, 3)] = 1;
  EXPECT_EQ(Load(), ReadFailure::kWrongSchema);
}

TEST_F(AccountBookDamageTest, ColumnWidthDisagrees) {
  // An empty table whose counts agree with its one wider column.
  PutU32(file_, DescriptorAt(7, kObjects, 0) + 4, 25);
  SetCount(7, kObjects, kRowWidth, 30);
  EXPECT_EQ(Load(), ReadFailure::kWrongSchema);
}

TEST_F(AccountBookDamageTest, ColumnOffsetDisagrees) {
  PutU32(file_, DescriptorAt(24, kTransactions, 4) + 8, 78);
  EXPECT_EQ(Load(), ReadFailure::kBadColumns);
}

TEST_F(AccountBookDamageTest, RowWidthDisagrees) {
  SetCount(0, kFunctionalAreas, kRowWidth, 30);
  EXPECT_EQ(Load(), ReadFailure::kBadColumns);
}

TEST_F(AccountBookDamageTest, RowIdsOutOfOrder) {
  PutU32(file_, RowAt(1, kPredactions, 0), 5);
  PutU32(file_, RowAt(1, kPredactions, 1), 4);
  EXPECT_EQ(Load(), ReadFailure::kBadRowIds);
}

TEST_F(AccountBookDamageTest, RowIdAtTheNextRowId) {
  SetCount(26, kObjects, kNextRowId, 2);  // the last object has id 2
  EXPECT_EQ(Load(), ReadFailure::kBadRowIds);
}

TEST_F(AccountBookDamageTest, DamageInTheLastTableOfTheLastYear) {
  file_.back() ^= 0xFF;  // a byte of a stored value: still a readable file
  EXPECT_EQ(Load(), ReadFailure::kNone);
  SetCount(26, kTransactions, kRowWidth, 84);
  EXPECT_EQ(Load(), ReadFailure::kBadColumns);
}

TEST_F(AccountBookDamageTest, RowsPerBlockOtherThanTheTablesOwn) {
  const Bytes good = file_;
  for (Table table : {kCategories, kFunctionalAreas, kObjects, kPredactions, kTransactions}) {
    for (std::uint32_t factor : {2u, 4u}) {
      file_ = good;
      // A larger block still has room for the rows: only the rows per block is wrong.
      SetCount(1, table, kBlockRows, GetCount(1, table, kBlockRows) * factor);
      EXPECT_EQ(Load(), ReadFailure::kBadBlockRows) << table << " " << factor;
    }
  }
}

TEST_F(AccountBookDamageTest, NextRowIdIsTheNoRowMarker) {
  SetCount(24, kPredactions, kNextRowId, 4294967295u);
  EXPECT_EQ(Load(), ReadFailure::kBadNextRowId);
}

TEST_F(AccountBookDamageTest, BytesAfterTheLastLedger) {
  // One stray byte, and a whole 28th ledger that the earlier form has no
  // room for: either would be dropped on the next save.
  const Bytes good = file_;
  file_.push_back(0);
  EXPECT_EQ(Load(), ReadFailure::kTrailingBytes);
  file_ = good;
  ByteBuilder ledger;
  AppendEmptyLedger(ledger);
  file_.insert(file_.end(), ledger.Bytes().begin(), ledger.Bytes().end());
  EXPECT_EQ(Load(), ReadFailure::kTrailingBytes);
}

}  // namespace
}  // namespace purso
