#include "data/year_ledger.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "data/byte_builder.h"
#include "support/ledger_records.h"

namespace purso {
namespace {

using test_bytes::ByteBuilder;
using namespace purso::test;  // the ledger record helpers
using Bytes = std::vector<std::uint8_t>;

Bytes Stored(const CYearLedger& ledger) {
  CArchiveWriter writer;
  EXPECT_TRUE(ledger.Write(writer));
  return writer.Bytes();
}

// A ledger with a row in each of its five tables.
CYearLedger FilledLedger(int year) {
  CYearLedger ledger;
  ledger.SetYear(year);
  ledger.SetOpeningBalance(1234.5);
  AddObject(ledger, "Car");
  AddFunctionalArea(ledger, "Insurance");
  const std::uint32_t category = AddCategory(ledger, "Car Insurance", CategoryType::kFixEx, 600);
  AddPredaction(ledger, category, 315, 600, PredactionBudget::kUntouched);
  AddTransaction(ledger, 316, category, 612.25, "Yearly premium", kNoMatch);
  return ledger;
}

TEST(YearLedgerSchema, FiveTablesAsDeclared) {
  struct Expected {
    const char* name;
    const CRecordTable& table;
    std::uint32_t blockRows;
    std::vector<ColumnDescriptor> columns;
    std::uint32_t rowWidth;
  };
  const CYearLedger ledger;
  const Expected expected[] = {
      {"categories", ledger.Categories(), 64, {{2, 24, 5}, {1, 8, 29}, {1, 8, 37}, {1, 8, 45}, {1, 8, 53}}, 61},
      {"functional areas", ledger.FunctionalAreas(), 16, {{2, 24, 5}}, 29},
      {"objects", ledger.Objects(), 16, {{2, 24, 5}}, 29},
      {"predactions", ledger.Predactions(), 256, {{1, 8, 5}, {1, 8, 13}, {1, 8, 21}}, 29},
      {"transactions", ledger.Transactions(), 1024, {{1, 8, 5}, {1, 8, 13}, {1, 8, 21}, {2, 48, 29}, {1, 8, 77}}, 85},
  };
  for (const Expected& e : expected) {
    EXPECT_EQ(e.table.GetBlockRows(), e.blockRows) << e.name;
    EXPECT_EQ(e.table.GetRowWidth(), e.rowWidth) << e.name;
    EXPECT_EQ(e.table.GetRowCount(), 0u) << e.name;
    ASSERT_EQ(e.table.GetColumnCount(), e.columns.size()) << e.name;
    for (std::uint32_t c = 0; c < e.columns.size(); ++c) EXPECT_EQ(e.table.GetColumn(c), e.columns[c]) << e.name << c;
  }
  EXPECT_EQ(ledger.GetOpeningBalance(), 0.0);
  EXPECT_FALSE(ledger.IsModified());
}

TEST(YearLedgerDayIndex, MonthDayNumbersInCommonAndLeapYears) {
  struct Case {
    int year;
    double monthDay;
    std::uint32_t index;
  };
  const Case cases[] = {
      {1999, 101, 0},   {1999, 1231, 364}, {2000, 1231, 365}, {2024, 1231, 365},  {1998, 1231, 364},
      {2024, 229, 59},  {2000, 229, 59},   {1999, 229, 0},    {2100, 229, 0},     {1999, 301, 59},
      {2000, 301, 60},  {1999, 1300, 0},   {1999, 0, 0},      {1999, 1232, 0},    {1999, 431, 0},
      {1999, 315.9, 73}, {2000, 315.9, 74}, {1999, 315, 73},  {1999, 100, 0},     {1999, 1, 0},
      {1999, -101, 0},  {1999, 1e12, 0},   {1999, 630, 180},  {1999, 701, 181},
  };
  for (const Case& c : cases) {
    CYearLedger ledger;
    ledger.SetYear(c.year);
    EXPECT_EQ(ledger.DayIndex(c.monthDay), c.index) << c.year << " " << c.monthDay;
  }
  CYearLedger ledger;
  ledger.SetYear(1999);
  EXPECT_EQ(ledger.DayIndex(std::numeric_limits<double>::quiet_NaN()), 0u);
  EXPECT_EQ(ledger.DayIndex(std::numeric_limits<double>::infinity()), 0u);
}

TEST(YearLedgerSign, ExpenseTypesCountNegative) {
  CYearLedger ledger;
  const std::uint32_t fixEx = AddCategory(ledger, "Rent", CategoryType::kFixEx, 0);
  const std::uint32_t fixIn = AddCategory(ledger, "Salary", CategoryType::kFixIn, 0);
  const std::uint32_t varEx = AddCategory(ledger, "Food", CategoryType::kVarEx, 0);
  const std::uint32_t varIn = AddCategory(ledger, "Tips", CategoryType::kVarIn, 0);
  EXPECT_EQ(ledger.Sign(varEx), -1.0);
  EXPECT_EQ(ledger.Categories().GetRowId(), varEx);
  EXPECT_EQ(ledger.Sign(fixIn), 1.0);
  EXPECT_EQ(ledger.Categories().GetRowId(), fixIn);
  EXPECT_EQ(ledger.Sign(varIn), 1.0);
  EXPECT_EQ(ledger.Sign(fixEx), -1.0);
  EXPECT_EQ(ledger.Categories().GetRowId(), fixEx);
}

TEST(YearLedgerSign, TypeCodesAreTruncated) {
  CYearLedger ledger;
  const std::uint32_t id = AddCategory(ledger, "Food", CategoryType::kVarEx, 0);
  ledger.Categories().SetNumber(category_column::kType, 2.9);
  EXPECT_EQ(ledger.Sign(id), -1.0);
  ledger.Categories().SetNumber(category_column::kType, 1.9);
  EXPECT_EQ(ledger.Sign(id), 1.0);
}

TEST(YearLedgerModified, OpeningBalanceOrAnyTableMarksTheLedger) {
  CYearLedger ledger;
  ledger.SetOpeningBalance(250.0);
  EXPECT_TRUE(ledger.IsModified());
  EXPECT_EQ(ledger.GetOpeningBalance(), 250.0);
  EXPECT_FALSE(ledger.Categories().IsModified());

  CYearLedger other;
  ASSERT_TRUE(other.Transactions().AddRow());
  EXPECT_TRUE(other.IsModified());
  other.ClearModified();
  EXPECT_FALSE(other.IsModified());
  EXPECT_FALSE(other.Transactions().IsModified());
}

TEST(YearLedgerArchive, NewLedgerStoresOpeningBalanceAndFiveEmptyTables) {
  CYearLedger ledger;
  ledger.SetOpeningBalance(-0.5);
  ByteBuilder b;
  b.Double(-0.5);
  b.TableHead(0, 64, 5, 0, 0, 61).Descriptor(2, 24, 5).Descriptor(1, 8, 29).Descriptor(1, 8, 37);
  b.Descriptor(1, 8, 45).Descriptor(1, 8, 53);
  b.TableHead(0, 16, 1, 0, 0, 29).Descriptor(2, 24, 5);
  b.TableHead(0, 16, 1, 0, 0, 29).Descriptor(2, 24, 5);
  b.TableHead(0, 256, 3, 0, 0, 29).Descriptor(1, 8, 5).Descriptor(1, 8, 13).Descriptor(1, 8, 21);
  b.TableHead(0, 1024, 5, 0, 0, 85).Descriptor(1, 8, 5).Descriptor(1, 8, 13).Descriptor(1, 8, 21);
  b.Descriptor(2, 48, 29).Descriptor(1, 8, 77);
  ASSERT_EQ(b.Bytes().size(), 308u);
  CArchiveWriter writer;
  ASSERT_TRUE(ledger.Store(writer));
  EXPECT_EQ(writer.Bytes(), b.Bytes());
  EXPECT_FALSE(ledger.IsModified());
}

TEST(YearLedgerArchive, RoundTripKeepsEveryTableAndTheYear) {
  CYearLedger original = FilledLedger(2003);
  const Bytes bytes = Stored(original);

  CYearLedger loaded;
  loaded.SetYear(2004);
  CArchiveReader reader(bytes);
  ASSERT_TRUE(loaded.Load(reader));
  EXPECT_EQ(reader.Remaining(), 0u);
  EXPECT_FALSE(loaded.IsModified());
  EXPECT_EQ(loaded.GetYear(), 2004);  // the year is the ledger's place, never stored
  EXPECT_EQ(loaded.GetOpeningBalance(), 1234.5);
  EXPECT_EQ(loaded.Transactions().TextAt(0, transaction_column::kDescription), "Yearly premium");
  EXPECT_EQ(loaded.Transactions().NumberAt(0, transaction_column::kMatch), 4294967295.0);
  EXPECT_EQ(loaded.Sign(0), -1.0);
  EXPECT_EQ(Stored(loaded), bytes);
}

TEST(YearLedgerArchive, FailingLoadLeavesTheLedgerUnchanged) {
  const Bytes bytes = Stored(FilledLedger(2003));
  CYearLedger target = FilledLedger(2010);
  target.SetOpeningBalance(-7.0);
  ASSERT_TRUE(target.Predactions().AddRow());
  const Bytes before = Stored(target);
  // Cutting the archive anywhere lets some tables load before one fails.
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    CArchiveReader reader(std::span(bytes.data(), n));
    ASSERT_FALSE(target.Load(reader)) << n;
    ASSERT_EQ(Stored(target), before) << n;
    ASSERT_TRUE(target.IsModified()) << n;
    ASSERT_EQ(target.GetYear(), 2010);
  }
}

TEST(YearLedgerEmpty, AnyRowOrAnOpeningBalanceIsUse) {
  EXPECT_TRUE(CYearLedger().IsEmpty());
  for (int what = 0; what < 6; ++what) {
    CYearLedger ledger;
    CRecordTable* tables[] = {&ledger.Categories(), &ledger.FunctionalAreas(), &ledger.Objects(),
                              &ledger.Predactions(), &ledger.Transactions()};
    if (what < 5) {
      ASSERT_TRUE(tables[what]->AddRow());
      EXPECT_FALSE(ledger.IsEmpty()) << what;
      tables[what]->RemoveRow();  // what remains of it is no use
      EXPECT_TRUE(ledger.IsEmpty()) << what;
    } else {
      ledger.SetOpeningBalance(-0.01);
      EXPECT_FALSE(ledger.IsEmpty());
    }
  }
}

TEST(YearLedgerArchive, FailingStoreKeepsTheLedgerModified) {
  CYearLedger ledger = FilledLedger(2003);
  CArchiveWriter writer(200);  // room for the first tables only
  EXPECT_FALSE(ledger.Store(writer));
  EXPECT_TRUE(ledger.IsModified());
  EXPECT_TRUE(ledger.Transactions().IsModified());
}

}  // namespace
}  // namespace purso
