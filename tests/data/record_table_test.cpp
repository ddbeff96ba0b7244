#include "data/record_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "data/byte_builder.h"

namespace purso {
namespace {

using test_bytes::ByteBuilder;
using ::testing::ElementsAre;

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kNumber = 1;
constexpr std::uint8_t kText = 2;

// A table of one 24-character name per row, 16 rows per block.
CRecordTable NameTable() {
  CRecordTable table;
  table.SetBlockRows(16);
  EXPECT_TRUE(table.AddColumn(ColumnType::kText, 24));
  return table;
}

// A name followed by a number, so that a text read past its width would run
// into the number's bytes.
CRecordTable NameAndNumberTable(std::uint32_t blockRows = 16) {
  CRecordTable table;
  table.SetBlockRows(blockRows);
  EXPECT_TRUE(table.AddColumn(ColumnType::kText, 24));
  EXPECT_TRUE(table.AddColumn(ColumnType::kNumber, 8));
  return table;
}

void AddName(CRecordTable& table, std::string_view name) {
  ASSERT_TRUE(table.AddRow());
  ASSERT_TRUE(table.SetText(0, name));
}

void AddNameAndNumber(CRecordTable& table, std::string_view name, double number) {
  AddName(table, name);
  ASSERT_TRUE(table.SetNumber(1, number));
}

Bytes Stored(const CRecordTable& table) {
  CArchiveWriter writer;
  EXPECT_TRUE(table.Write(writer));
  return writer.Bytes();
}

bool LoadFrom(CRecordTable& table, const Bytes& bytes) {
  CArchiveReader reader(bytes);
  return table.Load(reader);
}

std::vector<std::string> Names(const CRecordTable& table) {
  std::vector<std::string> names;
  for (std::uint32_t i = 0; i < table.GetRowCount(); ++i) names.emplace_back(table.TextAt(i, 0));
  return names;
}

std::vector<std::uint32_t> SelectedIds(CRecordTable& table) {
  std::vector<std::uint32_t> ids;
  for (bool more = table.First(); more; more = table.Next()) ids.push_back(table.GetRowId());
  return ids;
}

// The stored rows of a table, without the counts and descriptors before them.
Bytes StoredRows(const CRecordTable& table) {
  const Bytes all = Stored(table);
  return Bytes(all.begin() + 24 + 12 * table.GetColumnCount(), all.end());
}

// --- Schema ---------------------------------------------------------------

TEST(RecordTableSchema, NewTableIsEmpty) {
  CRecordTable table;
  EXPECT_EQ(table.GetRowCount(), 0u);
  EXPECT_EQ(table.GetBlocks(), 0u);
  EXPECT_EQ(table.GetBlockRows(), 256u);
  EXPECT_EQ(table.GetRowWidth(), 5u);
  EXPECT_EQ(table.GetNextRowId(), 0u);
  EXPECT_EQ(table.GetColumnCount(), 0u);
  EXPECT_FALSE(table.IsModified());
  EXPECT_FALSE(table.First());
  EXPECT_EQ(table.GetRowId(), CRecordTable::kNoRow);
}

TEST(RecordTableSchema, ColumnsFollowOneAnother) {
  CRecordTable table;
  ASSERT_TRUE(table.AddColumn(ColumnType::kText, 24));
  ASSERT_TRUE(table.AddColumn(ColumnType::kNumber, 8));
  ASSERT_TRUE(table.AddColumn(ColumnType::kText, 48));
  EXPECT_EQ(table.GetColumn(0), (ColumnDescriptor{kText, 24, 5}));
  EXPECT_EQ(table.GetColumn(1), (ColumnDescriptor{kNumber, 8, 29}));
  EXPECT_EQ(table.GetColumn(2), (ColumnDescriptor{kText, 48, 37}));
  EXPECT_EQ(table.GetRowWidth(), 85u);
}

TEST(RecordTableSchema, RefusesOverWideColumnsAndTheThirtyThird) {
  CRecordTable table;
  EXPECT_FALSE(table.AddColumn(ColumnType::kText, 256));
  EXPECT_EQ(table.GetColumnCount(), 0u);
  EXPECT_EQ(table.GetRowWidth(), 5u);
  EXPECT_TRUE(table.AddColumn(ColumnType::kText, 255));
  for (int i = 1; i < 32; ++i) ASSERT_TRUE(table.AddColumn(ColumnType::kNumber, 8)) << i;
  EXPECT_FALSE(table.AddColumn(ColumnType::kNumber, 8));
  EXPECT_EQ(table.GetColumnCount(), 32u);
  EXPECT_EQ(table.GetRowWidth(), 5u + 255u + 31u * 8u);
}

TEST(RecordTableSchema, SchemaIsFixedOnceARowWasAdded) {
  CRecordTable table = NameTable();
  AddName(table, "Car");
  table.RemoveRow();  // the buffer stays although the table is empty again
  EXPECT_FALSE(table.AddColumn(ColumnType::kNumber, 8));
  EXPECT_EQ(table.GetColumnCount(), 1u);
  EXPECT_EQ(table.GetRowWidth(), 29u);
  table.SetBlockRows(4);
  EXPECT_EQ(table.GetBlockRows(), 16u);
}

TEST(RecordTableSchema, RowsPerBlockOfZeroIsIgnored) {
  CRecordTable table;
  table.SetBlockRows(0);
  EXPECT_EQ(table.GetBlockRows(), 256u);
}

// --- Rows -----------------------------------------------------------------

TEST(RecordTableRows, RowIdsAreNeverReused) {
  CRecordTable table = NameTable();
  ASSERT_TRUE(table.AddRow());
  EXPECT_EQ(table.GetRowId(), 0u);
  table.RemoveRow();
  ASSERT_TRUE(table.AddRow());
  EXPECT_EQ(table.GetRowId(), 1u);
  ASSERT_TRUE(table.AddRow());
  EXPECT_EQ(table.GetRowId(), 2u);
  while (table.First()) table.RemoveRow();
  ASSERT_TRUE(table.AddRow());
  EXPECT_EQ(table.GetRowId(), 3u);
  EXPECT_EQ(table.GetNextRowId(), 4u);
}

TEST(RecordTableRows, NewRowIsZeroedSelectedAndCurrentWhateverTheConditions) {
  CRecordTable table = NameAndNumberTable();
  AddNameAndNumber(table, "Car", 12.5);
  table.ClearModified();
  ASSERT_TRUE(table.SetTextCondition(0, 0, 0, Operator::kEqual, "nothing like it"));
  EXPECT_EQ(table.ApplyConditions(), 0u);

  ASSERT_TRUE(table.AddRow());
  EXPECT_TRUE(table.IsModified());
  EXPECT_EQ(table.GetCursor(), 1u);
  EXPECT_TRUE(table.IsSelected(1));
  EXPECT_FALSE(table.IsSelected(0));
  std::uint8_t raw[24];
  std::memset(raw, 0x55, sizeof raw);
  ASSERT_TRUE(table.GetValue(0, raw));
  EXPECT_EQ(Bytes(raw, raw + 24), Bytes(24, 0));
  EXPECT_EQ(table.GetNumber(1), 0.0);
}

TEST(RecordTableRows, RemoveRowKeepsOrderAndCursorIndex) {
  CRecordTable table = NameTable();
  for (const char* name : {"a", "b", "c", "d"}) AddName(table, name);
  table.ClearModified();
  ASSERT_TRUE(table.Find(1));
  table.RemoveRow();
  EXPECT_TRUE(table.IsModified());
  EXPECT_EQ(table.GetRowCount(), 3u);
  EXPECT_EQ(table.GetCursor(), 1u);
  EXPECT_EQ(table.GetText(0), "c");
  EXPECT_EQ(table.GetRowId(), 2u);
  EXPECT_THAT(Names(table), ElementsAre("a", "c", "d"));
}

TEST(RecordTableRows, RemovingTheLastRowLeavesTheCursorPastTheEnd) {
  CRecordTable table = NameTable();
  AddName(table, "a");
  AddName(table, "b");
  table.RemoveRow();  // the cursor is on the new row, the last one
  EXPECT_EQ(table.GetRowCount(), 1u);
  EXPECT_EQ(table.GetCursor(), 1u);
  EXPECT_EQ(table.GetRowId(), CRecordTable::kNoRow);
  std::uint8_t raw[24];
  EXPECT_FALSE(table.GetValue(0, raw));
  EXPECT_FALSE(table.SetText(0, "x"));
  EXPECT_FALSE(table.Next());
  ASSERT_TRUE(table.First());
  EXPECT_EQ(table.GetCursor(), 0u);
  EXPECT_EQ(table.GetText(0), "a");
}

TEST(RecordTableRows, RemoveRowOnAnEmptyTableDoesNothing) {
  CRecordTable table = NameTable();
  table.RemoveRow();
  EXPECT_EQ(table.GetRowCount(), 0u);
  EXPECT_FALSE(table.IsModified());
}

TEST(RecordTableRows, TheTwoHundredFiftySeventhRowAddsOneBlockAndKeepsTheRows) {
  CRecordTable table = NameAndNumberTable(256);
  for (int i = 0; i < 256; ++i) AddNameAndNumber(table, "row " + std::to_string(i), i * 1.5);
  EXPECT_EQ(table.GetBlocks(), 1u);
  const Bytes before = StoredRows(table);

  AddNameAndNumber(table, "row 256", -1.0);
  EXPECT_EQ(table.GetBlocks(), 2u);
  EXPECT_EQ(table.GetRowId(), 256u);
  const Bytes after = StoredRows(table);
  ASSERT_EQ(after.size(), before.size() + table.GetRowWidth());
  EXPECT_EQ(Bytes(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(before.size())), before);

  // The second block holds rows 257 to 512; the 513th opens a third.
  for (int i = 257; i < 512; ++i) ASSERT_TRUE(table.AddRow());
  EXPECT_EQ(table.GetBlocks(), 2u);
  ASSERT_TRUE(table.AddRow());
  EXPECT_EQ(table.GetBlocks(), 3u);
  EXPECT_EQ(table.NumberAt(100, 1), 150.0);
}

TEST(RecordTableRows, ValuesAreCopiedAtExactlyTheColumnWidth) {
  CRecordTable table = NameAndNumberTable();
  AddNameAndNumber(table, "Car", 7.0);
  const std::string full(24, 'x');
  ASSERT_TRUE(table.SetValue(0, full.data()));
  // A text that fills its field has no terminator and ends at the width.
  EXPECT_EQ(table.GetText(0), full);
  EXPECT_EQ(table.TextAt(0, 0), full);

  char out[32];
  std::memset(out, '#', sizeof out);
  ASSERT_TRUE(table.GetValue(0, out));
  EXPECT_EQ(std::string(out, 24), full);
  EXPECT_EQ(std::string(out + 24, 8), std::string(8, '#'));
  EXPECT_EQ(table.GetNumber(1), 7.0);
}

TEST(RecordTableRows, SetTextClearsTheBytesAfterTheText) {
  CRecordTable table = NameTable();
  AddName(table, "Motorcycle insurance");
  ASSERT_TRUE(table.SetText(0, "Car"));
  std::uint8_t raw[24];
  ASSERT_TRUE(table.GetValue(0, raw));
  EXPECT_EQ(Bytes(raw, raw + 24), ByteBuilder().Text("Car", 24).Bytes());
  ASSERT_TRUE(table.SetText(0, std::string(30, 'y')));
  EXPECT_EQ(table.GetText(0), std::string(24, 'y'));
}

TEST(RecordTableRows, BadColumnIndexChangesNothing) {
  CRecordTable table = NameTable();
  AddName(table, "Car");
  table.ClearModified();
  char out[24];
  std::memset(out, '#', sizeof out);
  EXPECT_FALSE(table.GetValue(1, out));
  EXPECT_EQ(std::string(out, 24), std::string(24, '#'));
  EXPECT_FALSE(table.SetValue(1, out));
  EXPECT_FALSE(table.SetText(1, "x"));
  EXPECT_FALSE(table.IsModified());
  EXPECT_EQ(table.GetText(0), "Car");
}

TEST(RecordTableRows, FindReachesEveryRowSelectedOrNot) {
  CRecordTable table = NameTable();
  for (int i = 0; i < 10; ++i) AddName(table, "n" + std::to_string(i));
  for (std::uint32_t gone : {2u, 3u, 7u, 0u, 9u}) {
    ASSERT_TRUE(table.Find(gone));
    table.RemoveRow();
  }
  ASSERT_TRUE(table.SetTextCondition(0, 0, 0, Operator::kEqual, "n5"));
  ASSERT_EQ(table.ApplyConditions(), 1u);
  for (std::uint32_t id : {1u, 4u, 5u, 6u, 8u}) {
    ASSERT_TRUE(table.Find(id)) << id;
    EXPECT_EQ(table.GetRowId(), id);
    EXPECT_EQ(table.GetText(0), "n" + std::to_string(id));
  }
  ASSERT_TRUE(table.Find(4));
  for (std::uint32_t missing : {0u, 2u, 3u, 7u, 9u, 10u, CRecordTable::kNoRow}) {
    EXPECT_FALSE(table.Find(missing)) << missing;
    EXPECT_EQ(table.GetRowId(), 4u);
  }
}

// --- Selection conditions ---------------------------------------------------

TEST(RecordTableConditions, ApplyCountsMatchesAndFirstLandsOnTheFirstOfThem) {
  CRecordTable table = NameAndNumberTable();
  for (double value : {5.0, 3.0, 5.0, 1.0, 5.0}) AddNameAndNumber(table, "x", value);
  ASSERT_TRUE(table.SetNumberCondition(0, 0, 1, Operator::kEqual, 5.0));
  EXPECT_EQ(table.ApplyConditions(), 3u);
  ASSERT_TRUE(table.First());
  EXPECT_EQ(table.GetCursor(), 0u);
  ASSERT_TRUE(table.Next());
  EXPECT_EQ(table.GetCursor(), 2u);
  ASSERT_TRUE(table.Next());
  EXPECT_EQ(table.GetCursor(), 4u);
  EXPECT_FALSE(table.Next());
  EXPECT_EQ(table.GetCursor(), 4u);

  ASSERT_TRUE(table.SetNumberCondition(0, 0, 1, Operator::kEqual, 4.0));
  EXPECT_EQ(table.ApplyConditions(), 0u);
  EXPECT_FALSE(table.First());
  EXPECT_EQ(table.GetCursor(), 4u);
}

TEST(RecordTableConditions, NumberOperators) {
  struct Case {
    Operator op;
    std::vector<std::uint32_t> selected;  // ids among the values 1, 2, 3
  };
  const Case cases[] = {
      {Operator::kNone, {0, 1, 2}},         {Operator::kLess, {0}},    {Operator::kLessOrEqual, {0, 1}},
      {Operator::kEqual, {1}},              {Operator::kGreater, {2}}, {Operator::kGreaterOrEqual, {1, 2}},
      {Operator::kNotEqual, {0, 2}},
  };
  CRecordTable table = NameAndNumberTable();
  for (double value : {1.0, 2.0, 3.0}) AddNameAndNumber(table, "x", value);
  for (const Case& c : cases) {
    table.ClearConditions();
    ASSERT_TRUE(table.SetNumberCondition(0, 0, 1, c.op, 2.0));
    EXPECT_EQ(table.ApplyConditions(), c.selected.size()) << static_cast<int>(c.op);
    EXPECT_EQ(SelectedIds(table), c.selected) << static_cast<int>(c.op);
  }
}

TEST(RecordTableConditions, TextsCompareWithoutRegardToLetterCase) {
  struct Case {
    Operator op;
    const char* text;
    std::vector<std::uint32_t> selected;
  };
  // Ordered as lower-cased texts: "_x" < "apple" < "banana" < "cherry" ('_' lies
  // between the capitals and the small letters).
  const Case cases[] = {
      {Operator::kEqual, "CAR", {4}},
      {Operator::kEqual, "ca", {}},
      {Operator::kLess, "BANANA", {0, 3}},
      {Operator::kGreater, "b", {1, 2, 4}},
      {Operator::kGreaterOrEqual, "APPLE", {0, 1, 2, 4}},
      {Operator::kLessOrEqual, "Apple", {0, 3}},
      {Operator::kNotEqual, "banana", {0, 2, 3, 4}},
      {Operator::kLess, "A", {3}},
  };
  CRecordTable table = NameTable();
  for (const char* name : {"apple", "Banana", "cherry", "_x", "car"}) AddName(table, name);
  for (const Case& c : cases) {
    table.ClearConditions();
    ASSERT_TRUE(table.SetTextCondition(0, 0, 0, c.op, c.text));
    table.ApplyConditions();
    EXPECT_EQ(SelectedIds(table), c.selected) << static_cast<int>(c.op) << " " << c.text;
  }
}

TEST(RecordTableConditions, AFullWidthTextEndsAtItsWidth) {
  CRecordTable table = NameAndNumberTable();
  const std::string full(24, 'n');
  // 1.1 starts with a non-zero byte, which follows the text directly.
  AddNameAndNumber(table, full, 1.1);
  ASSERT_TRUE(table.SetTextCondition(0, 0, 0, Operator::kEqual, std::string(24, 'N')));
  EXPECT_EQ(table.ApplyConditions(), 1u);
  ASSERT_TRUE(table.SetTextCondition(0, 0, 0, Operator::kEqual, full + "n"));
  EXPECT_EQ(table.ApplyConditions(), 0u);
  ASSERT_TRUE(table.SetTextCondition(0, 0, 0, Operator::kLess, full + "n"));
  EXPECT_EQ(table.ApplyConditions(), 1u);
}

TEST(RecordTableConditions, ConditionTextsUpTo255Characters) {
  CRecordTable table = NameTable();
  AddName(table, "Car");
  EXPECT_TRUE(table.SetTextCondition(0, 0, 0, Operator::kNotEqual, std::string(255, 'a')));
  EXPECT_FALSE(table.SetTextCondition(0, 1, 0, Operator::kEqual, std::string(256, 'a')));
  // The refused condition did not replace the position it was meant for.
  EXPECT_EQ(table.ApplyConditions(), 1u);
}

TEST(RecordTableConditions, RefusesPlacesOutsideTheGridAndTheTable) {
  CRecordTable table = NameTable();
  AddName(table, "Car");
  EXPECT_FALSE(table.SetNumberCondition(16, 0, 0, Operator::kEqual, 1.0));
  EXPECT_FALSE(table.SetNumberCondition(0, 4, 0, Operator::kEqual, 1.0));
  EXPECT_FALSE(table.SetTextCondition(0, 0, 1, Operator::kEqual, "Car"));
  EXPECT_EQ(table.ApplyConditions(), 1u);
  EXPECT_TRUE(table.SetTextCondition(15, 3, 0, Operator::kEqual, "Car"));
}

TEST(RecordTableConditions, SelectionChangesOnlyWhenApplied) {
  CRecordTable table = NameTable();
  AddName(table, "a");
  AddName(table, "b");
  ASSERT_TRUE(table.SetTextCondition(0, 0, 0, Operator::kEqual, "b"));
  EXPECT_TRUE(table.IsSelected(0));
  EXPECT_EQ(table.ApplyConditions(), 1u);
  EXPECT_FALSE(table.IsSelected(0));
  table.ClearConditions();
  EXPECT_TRUE(table.IsSelected(0));
  EXPECT_TRUE(table.IsSelected(1));
  EXPECT_EQ(table.ApplyConditions(), 2u);
}

TEST(RecordTableConditions, EveryPositionOfGridRowZeroMustHold) {
  CRecordTable table = NameAndNumberTable();
  for (double value : {1.0, 2.0, 3.0, 4.0, 5.0}) AddNameAndNumber(table, "x", value);
  ASSERT_TRUE(table.SetNumberCondition(0, 0, 1, Operator::kGreater, 1.0));
  ASSERT_TRUE(table.SetNumberCondition(0, 3, 1, Operator::kLess, 4.0));
  EXPECT_EQ(table.ApplyConditions(), 2u);
  EXPECT_THAT(SelectedIds(table), ElementsAre(1u, 2u));
}

TEST(RecordTableConditions, RemovingEveryMatchingRow) {
  CRecordTable table = NameAndNumberTable();
  for (double category : {1.0, 2.0, 1.0, 3.0, 1.0}) AddNameAndNumber(table, "x", category);
  table.ClearConditions();
  ASSERT_TRUE(table.SetNumberCondition(0, 0, 1, Operator::kEqual, 1.0));
  EXPECT_EQ(table.ApplyConditions(), 3u);
  while (table.First()) table.RemoveRow();
  table.ClearConditions();
  EXPECT_THAT(SelectedIds(table), ElementsAre(1u, 3u));
  EXPECT_EQ(table.NumberAt(1, 1), 3.0);
}

// --- Archive form ----------------------------------------------------------------

// A name table of one row, "Car": 65 bytes.
Bytes CarArchive() {
  return ByteBuilder()
      .TableHead(1, 16, 1, 1, 1, 29)
      .Descriptor(kText, 24, 5)
      .U32(0)
      .U8(1)
      .Text("Car", 24)
      .Bytes();
}

TEST(RecordTableArchive, StoresTheOneRowNameTableInSixtyFiveBytes) {
  CRecordTable table = NameTable();
  AddName(table, "Car");
  CArchiveWriter writer;
  ASSERT_TRUE(table.Store(writer));
  EXPECT_EQ(writer.Bytes().size(), 65u);
  EXPECT_EQ(writer.Bytes(), CarArchive());
  EXPECT_FALSE(table.IsModified());
}

TEST(RecordTableArchive, NewTableStoresItsCountsAndDescriptors) {
  CRecordTable table = NameAndNumberTable(64);
  EXPECT_EQ(Stored(table),
            ByteBuilder().TableHead(0, 64, 2, 0, 0, 37).Descriptor(kText, 24, 5).Descriptor(kNumber, 8, 29).Bytes());
}

TEST(RecordTableArchive, UndeclaredTableTakesTheStoredColumns) {
  CRecordTable table;
  ASSERT_TRUE(LoadFrom(table, CarArchive()));
  EXPECT_EQ(table.GetColumnCount(), 1u);
  EXPECT_EQ(table.GetColumn(0), (ColumnDescriptor{kText, 24, 5}));
  EXPECT_EQ(table.GetBlockRows(), 16u);
  EXPECT_EQ(table.GetNextRowId(), 1u);
  EXPECT_EQ(table.GetCursor(), 0u);
  EXPECT_EQ(table.GetText(0), "Car");
  EXPECT_FALSE(table.AddColumn(ColumnType::kNumber, 8));
  EXPECT_EQ(Stored(table), CarArchive());
}

TEST(RecordTableArchive, LoadAndStoreClearTheModifiedFlag) {
  CRecordTable table = NameTable();
  AddName(table, "Boat");
  ASSERT_TRUE(LoadFrom(table, CarArchive()));
  EXPECT_FALSE(table.IsModified());
  EXPECT_THAT(Names(table), ElementsAre("Car"));
  ASSERT_TRUE(table.SetText(0, "Van"));
  EXPECT_TRUE(table.IsModified());
  CArchiveWriter writer;
  ASSERT_TRUE(table.Store(writer));
  EXPECT_FALSE(table.IsModified());
}

TEST(RecordTableArchive, AfterLoadEveryRowIsSelected) {
  const Bytes archive = ByteBuilder()
                            .TableHead(1, 16, 1, 3, 2, 29)
                            .Descriptor(kText, 24, 5)
                            .U32(0).U8(0).Text("Car", 24)
                            .U32(2).U8(0).Text("Boat", 24)
                            .Bytes();
  CRecordTable table = NameTable();
  AddName(table, "Van");
  ASSERT_TRUE(table.SetTextCondition(0, 0, 0, Operator::kEqual, "Van"));
  ASSERT_TRUE(LoadFrom(table, archive));
  EXPECT_TRUE(table.IsSelected(0));
  EXPECT_TRUE(table.IsSelected(1));
  EXPECT_THAT(SelectedIds(table), ElementsAre(0u, 2u));
  // The conditions set before went with the old content.
  EXPECT_EQ(table.ApplyConditions(), 2u);
  const Bytes stored = Stored(table);
  EXPECT_EQ(stored[24 + 12 + 4], 1);
  EXPECT_EQ(stored[24 + 12 + 29 + 4], 1);
}

TEST(RecordTableArchive, LoadKeepsTheNextRowId) {
  const Bytes archive = ByteBuilder()
                            .TableHead(1, 16, 1, 7, 2, 29)
                            .Descriptor(kText, 24, 5)
                            .U32(2).U8(1).Text("Car", 24)
                            .U32(5).U8(1).Text("Boat", 24)
                            .Bytes();
  CRecordTable table = NameTable();
  ASSERT_TRUE(LoadFrom(table, archive));
  ASSERT_TRUE(table.AddRow());
  EXPECT_EQ(table.GetRowId(), 7u);
  ASSERT_TRUE(table.Find(5));
  EXPECT_EQ(table.GetText(0), "Boat");
}

TEST(RecordTableArchive, CapacityMayExceedWhatTheArchiveHolds) {
  // One row of a 1024-row block: the block is far larger than the archive.
  CRecordTable table = NameAndNumberTable(1024);
  AddNameAndNumber(table, "Groceries", 42.0);
  const Bytes archive = Stored(table);
  CRecordTable loaded = NameAndNumberTable(1024);
  ASSERT_TRUE(LoadFrom(loaded, archive));
  EXPECT_EQ(loaded.GetBlocks(), 1u);
  for (int i = 1; i < 1024; ++i) ASSERT_TRUE(loaded.AddRow());
  EXPECT_EQ(loaded.GetBlocks(), 1u);
  ASSERT_TRUE(loaded.AddRow());
  EXPECT_EQ(loaded.GetBlocks(), 2u);
  EXPECT_EQ(loaded.TextAt(0, 0), "Groceries");
  EXPECT_EQ(loaded.NumberAt(0, 1), 42.0);
}

TEST(RecordTableArchive, LoadedFullTableGrowsByOneBlock) {
  CRecordTable table = NameTable();
  for (int i = 0; i < 16; ++i) AddName(table, "n" + std::to_string(i));
  CRecordTable loaded = NameTable();
  ASSERT_TRUE(LoadFrom(loaded, Stored(table)));
  const Bytes before = StoredRows(loaded);
  AddName(loaded, "n16");
  EXPECT_EQ(loaded.GetBlocks(), 2u);
  EXPECT_EQ(loaded.GetRowId(), 16u);
  const Bytes after = StoredRows(loaded);
  EXPECT_EQ(Bytes(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(before.size())), before);
}

TEST(RecordTableArchive, RowIdsStopShortOfTheNoRowMarker) {
  // An id equal to the marker would read as "no row" and as "no match", and
  // the counter would start over at 0.
  // The counter stops one short of it, so that no table ever holds the
  // marker as its next id, which Load refuses.
  const Bytes archive =
      ByteBuilder().TableHead(1, 16, 1, 0xFFFFFFFDu, 1, 29).Descriptor(kText, 24, 5).U32(7).U8(1).Text("a", 24).Bytes();
  CRecordTable table = NameTable();
  ASSERT_TRUE(LoadFrom(table, archive));
  ASSERT_TRUE(table.AddRow());
  EXPECT_EQ(table.GetRowId(), 0xFFFFFFFDu);
  EXPECT_FALSE(table.AddRow());
  EXPECT_EQ(table.GetNextRowId(), 0xFFFFFFFEu);
  EXPECT_EQ(table.GetRowCount(), 2u);
  CRecordTable reloaded = NameTable();
  EXPECT_TRUE(LoadFrom(reloaded, Stored(table)));
}

TEST(RecordTableArchive, NoBlockTakesTheCapacityPastWhatLoadAccepts) {
  // Blocks 0 is a capacity of 0 bytes whatever the block size; the first
  // block of 148102321 rows of 29 bytes would be 4294967309 bytes.
  for (std::uint32_t blockRows : {148102321u, 0xFFFFFFFFu}) {
    const Bytes archive = ByteBuilder().TableHead(0, blockRows, 1, 0, 0, 29).Descriptor(kText, 24, 5).Bytes();
    CRecordTable table = NameTable();
    ASSERT_TRUE(LoadFrom(table, archive)) << blockRows;
    EXPECT_FALSE(table.AddRow()) << blockRows;
    EXPECT_EQ(table.GetRowCount(), 0u);
    EXPECT_EQ(table.GetBlocks(), 0u);
    EXPECT_EQ(table.GetNextRowId(), 0u);
    EXPECT_FALSE(table.IsModified());
  }
}

TEST(RecordTableArchive, StoreFailsWhenTheArchiveIsFull) {
  CRecordTable table = NameTable();
  AddName(table, "Car");
  CArchiveWriter writer(64);
  EXPECT_FALSE(table.Store(writer));
  EXPECT_TRUE(table.IsModified());
}

// --- Damaged archives, one way per test -------------------------------------------

// Each test damages one field of a good archive of a name table (rows 0 and
// 2, next id 3, one block of 16) and checks that a table already holding a
// row refuses it and keeps that row.
class RecordTableDamageTest : public ::testing::Test {
 protected:
  struct Column {
    std::uint8_t type;
    std::uint32_t width;
    std::uint32_t offset;
  };
  struct Row {
    std::uint32_t id;
    std::string name;
  };

  std::uint32_t blocks_ = 1;
  std::uint32_t blockRows_ = 16;
  std::uint32_t nextRowId_ = 3;
  std::vector<Column> columns_ = {{kText, 24, 5}};
  std::vector<Row> rows_ = {{0, "Car"}, {2, "Boat"}};
  std::uint32_t rowWidth_ = 29;
  std::uint32_t rowCount_ = 2;  // as stored; rows_ says what follows

  Bytes Archive() const {
    ByteBuilder b;
    b.TableHead(blocks_, blockRows_, static_cast<std::uint32_t>(columns_.size()), nextRowId_, rowCount_, rowWidth_);
    for (const Column& c : columns_) b.Descriptor(c.type, c.width, c.offset);
    for (const Row& r : rows_) b.U32(r.id).U8(1).Text(r.name, rowWidth_ - 5);
    return b.Bytes();
  }

  // Loads into a declared name table and gives the reason of a refusal; on
  // failure also checks the table is unchanged.
  ReadFailure Load(const Bytes& archive) {
    CRecordTable table = NameTable();
    AddName(table, "Kept");
    table.ClearModified();
    const Bytes before = Stored(table);
    CArchiveReader reader(archive);
    const bool loaded = table.Load(reader);
    EXPECT_EQ(loaded, !reader.Failed());
    if (!loaded) {
      EXPECT_EQ(Stored(table), before);
      EXPECT_FALSE(table.IsModified());
      EXPECT_EQ(table.GetText(0), "Kept");
    }
    return reader.Failure();
  }
  ReadFailure Load() { return Load(Archive()); }
};

TEST_F(RecordTableDamageTest, IntactArchiveLoads) { EXPECT_EQ(Load(), ReadFailure::kNone); }

TEST_F(RecordTableDamageTest, EveryTruncation) {
  const Bytes whole = Archive();
  for (std::size_t n = 0; n < whole.size(); ++n) {
    EXPECT_EQ(Load(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n))), ReadFailure::kTruncated) << n;
  }
}

TEST_F(RecordTableDamageTest, RowCountAboveCapacity) {
  blockRows_ = 1;
  EXPECT_EQ(Load(), ReadFailure::kRowCountAboveCapacity);
}

TEST_F(RecordTableDamageTest, RowCountAboveWhatFollows) {
  rowCount_ = 3;
  EXPECT_EQ(Load(), ReadFailure::kTruncated);
}

TEST_F(RecordTableDamageTest, CapacityBeyondThirtyTwoBits) {
  blocks_ = 0x10000000;  // 2^32 rows of 29 bytes
  EXPECT_EQ(Load(), ReadFailure::kCapacityTooLarge);
}

TEST_F(RecordTableDamageTest, CapacityThatWrapsSixtyFourBits) {
  // blocks * rows per block * 29 is 2^64 + 4294967140: kept in 64 bits it
  // would pass for a capacity of under 4 GiB.
  blocks_ = 4294967284u;
  blockRows_ = 148102321u;
  EXPECT_EQ(Load(), ReadFailure::kCapacityTooLarge);
}

TEST_F(RecordTableDamageTest, RowsPerBlockZero) {
  blockRows_ = 0;
  EXPECT_EQ(Load(), ReadFailure::kBadBlockRows);
}

TEST_F(RecordTableDamageTest, ColumnCountDisagreesWithTheDeclaredColumns) {
  columns_.push_back({kNumber, 8, 29});
  rowWidth_ = 37;
  EXPECT_EQ(Load(), ReadFailure::kWrongSchema);
}

TEST_F(RecordTableDamageTest, NoColumnsWhereColumnsWereDeclared) {
  columns_.clear();
  rowWidth_ = 5;
  rows_.clear();
  rowCount_ = 0;
  EXPECT_EQ(Load(), ReadFailure::kWrongSchema);
}

TEST_F(RecordTableDamageTest, ColumnTypeDisagrees) {
  columns_[0].type = 3;
  EXPECT_EQ(Load(), ReadFailure::kWrongSchema);
}

TEST_F(RecordTableDamageTest, ColumnWidthDisagrees) {
  columns_[0].width = 23;
  rowWidth_ = 28;
  EXPECT_EQ(Load(), ReadFailure::kWrongSchema);
}

TEST_F(RecordTableDamageTest, ColumnOffsetDisagrees) {
  columns_[0].offset = 6;
  rowWidth_ = 30;
  EXPECT_EQ(Load(), ReadFailure::kBadColumns);
}

TEST_F(RecordTableDamageTest, RowWidthDisagreesWithTheColumns) {
  rowWidth_ = 30;
  EXPECT_EQ(Load(), ReadFailure::kBadColumns);
}

TEST_F(RecordTableDamageTest, RowIdsRepeated) {
  rows_[1].id = 0;
  EXPECT_EQ(Load(), ReadFailure::kBadRowIds);
}

TEST_F(RecordTableDamageTest, RowIdsFalling) {
  rows_[0].id = 2;
  rows_[1].id = 1;
  EXPECT_EQ(Load(), ReadFailure::kBadRowIds);
}

TEST_F(RecordTableDamageTest, RowIdNotBelowTheNextRowId) {
  nextRowId_ = 2;
  EXPECT_EQ(Load(), ReadFailure::kBadRowIds);
}

TEST_F(RecordTableDamageTest, NextRowIdIsTheNoRowMarker) {
  nextRowId_ = 0xFFFFFFFFu;
  EXPECT_EQ(Load(), ReadFailure::kBadNextRowId);
}

// A table without declared columns has no schema to compare with, but the
// stored descriptors must still describe a possible table.
TEST(RecordTableUndeclaredDamage, ColumnDescriptorsMustBeConsistent) {
  struct Case {
    const char* what;
    Bytes archive;
  };
  const Case cases[] = {
      {"33 columns", [] {
         ByteBuilder b;
         b.TableHead(0, 16, 33, 0, 0, 5 + 33);
         for (std::uint32_t i = 0; i < 33; ++i) b.Descriptor(kText, 1, 5 + i);
         return b.Bytes();
       }()},
      {"width 256", ByteBuilder().TableHead(0, 16, 1, 0, 0, 261).Descriptor(kText, 256, 5).Bytes()},
      {"gap between columns",
       ByteBuilder().TableHead(0, 16, 2, 0, 0, 38).Descriptor(kText, 24, 5).Descriptor(kNumber, 8, 30).Bytes()},
      {"row width", ByteBuilder().TableHead(0, 16, 1, 0, 0, 28).Descriptor(kText, 24, 5).Bytes()},
  };
  for (const Case& c : cases) {
    CRecordTable table;
    CArchiveReader reader(c.archive);
    EXPECT_FALSE(table.Load(reader)) << c.what;
    EXPECT_EQ(reader.Failure(), ReadFailure::kBadColumns) << c.what;
    EXPECT_EQ(table.GetColumnCount(), 0u) << c.what;
  }
}

TEST(RecordTableUndeclaredDamage, CapacityThatWrapsWithAnEvenRowWidth) {
  // 2^31 blocks of 2^30 rows of 8 bytes is exactly 2^64 bytes.
  const Bytes archive =
      ByteBuilder().TableHead(0x80000000u, 0x40000000u, 1, 1, 1, 8).Descriptor(kText, 3, 5).U32(0).U8(1).Text("ab", 3).Bytes();
  CRecordTable table;
  EXPECT_FALSE(LoadFrom(table, archive));
  EXPECT_EQ(table.GetRowCount(), 0u);
}

}  // namespace
}  // namespace purso
