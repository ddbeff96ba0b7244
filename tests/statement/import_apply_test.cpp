// Applying a proposal: the transactions and predactions it writes, and that
// it writes all of them or none.
#include "statement/import_apply.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "data/archive.h"
#include "sample_statements.h"
#include "support/ledger_records.h"

namespace purso {
namespace {

std::vector<std::uint8_t> BytesOf(const CAccountBook& book) {
  CArchiveWriter archive;
  EXPECT_TRUE(book.Write(archive));
  return archive.Bytes();
}

struct Row {
  double monthDay;
  std::uint32_t category;
  double amount;
  std::string description;
  std::uint32_t match;

  friend bool operator==(const Row&, const Row&) = default;
};

class ImportApplyTest : public ::testing::Test {
 protected:
  ImportApplyTest() : book_(test::SampleAccount(ids_)), statement_(test::ReadSample(test::SampleFiles()[2])) {}

  CYearLedger& Ledger2024() { return book_.Ledger(2024 - CAccountBook::kFirstYear); }

  std::vector<Row> Transactions2024() {
    const CRecordTable& table = Ledger2024().Transactions();
    std::vector<Row> rows;
    for (std::uint32_t i = 0; i < table.GetRowCount(); ++i) {
      rows.push_back({table.NumberAt(i, transaction_column::kDate),
                      RowIdFromNumber(table.NumberAt(i, transaction_column::kCategory)),
                      table.NumberAt(i, transaction_column::kAmount),
                      std::string(table.TextAt(i, transaction_column::kDescription)),
                      RowIdFromNumber(table.NumberAt(i, transaction_column::kMatch))});
    }
    return rows;
  }

  test::SampleIds ids_;
  CAccountBook book_;
  Statement statement_;
};

TEST_F(ImportApplyTest, ChosenLinesBecomeTransactionsMatchedAsTheTransactionsDialogMatchesThem) {
  const CImportProposal proposal(book_, statement_);
  ASSERT_EQ(ApplyImport(book_, proposal).status, ImportStatus::kApplied);
  EXPECT_TRUE(book_.IsModified());

  const CRecordTable& predactions = Ledger2024().Predactions();
  const std::uint32_t march20 = predactions.RowIdAt(predactions.GetRowCount() - 1);
  EXPECT_DOUBLE_EQ(predactions.NumberAt(predactions.GetRowCount() - 1, predaction_column::kDate), 320);
  const std::vector<Row> expected = {
      {105, ids_.rent, 500, "Landlord Smith", ids_.rentJan},
      {110, ids_.groceries, 45.2, "", kNoMatch},
      {203, ids_.rent, 500, "LANDLORD SMITH February rent", ids_.rentFeb},
      {226, ids_.salary, 2100, "ACME CORP. Salary Feb", ids_.salaryFeb},
      {320, ids_.rent, 500, "Landlord Smith", march20},
      {210, ids_.groceries, 23.45, "SUPERMART #0815", kNoMatch},
  };
  std::vector<Row> rows = Transactions2024();
  rows[1].description.clear();  // the sample's own row
  EXPECT_EQ(rows, expected);
  CRecordTable& table = Ledger2024().Predactions();
  ASSERT_TRUE(table.Find(ids_.salaryFeb));
  EXPECT_DOUBLE_EQ(table.GetNumber(predaction_column::kDate), 226);
  EXPECT_DOUBLE_EQ(table.GetNumber(predaction_column::kAmount), 2100);
}

TEST_F(ImportApplyTest, ATableThatCannotGrowMidwayLeavesTheAccountAsItWas) {
  // The 2024 transactions may take one more row id, and the import needs four.
  CArchiveWriter writer;
  ASSERT_TRUE(Ledger2024().Transactions().Write(writer));
  std::vector<std::uint8_t> bytes = writer.TakeBytes();
  const std::uint32_t lastButOne = CRecordTable::kNoRow - 1;
  std::memcpy(bytes.data() + 12, &lastButOne, 4);  // next row id, little-endian on the hosts built for
  CArchiveReader reader(bytes);
  ASSERT_TRUE(Ledger2024().Transactions().Load(reader));
  book_.ClearModified();
  const std::vector<std::uint8_t> before = BytesOf(book_);

  const CImportProposal proposal(book_, statement_);
  EXPECT_EQ(ApplyImport(book_, proposal).status, ImportStatus::kTableFull);
  EXPECT_EQ(BytesOf(book_), before);
  EXPECT_FALSE(book_.IsModified());
}

TEST_F(ImportApplyTest, AProposalThatNoLongerFitsTheAccountChangesNothing) {
  const CImportProposal proposal(book_, statement_);
  test::AddTransaction(Ledger2024(), 204, ids_.rent, 500, "Paid by hand", ids_.rentFeb);
  const std::vector<std::uint8_t> before = BytesOf(book_);
  EXPECT_EQ(ApplyImport(book_, proposal).status, ImportStatus::kOutOfDate);
  EXPECT_EQ(BytesOf(book_), before);
}

}  // namespace
}  // namespace purso
