// Bank statements into the account through the document, as File > Import
// Statement... runs it, and the current year out as CSV.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/purso_document.h"
#include "data/archive.h"
#include "data/scratch_folder.h"
#include "resources/csv_columns_dialog_resource.h"
#include "resources/import_dialog_resource.h"
#include "sample_statements.h"
#include "statement/year_csv_export.h"
#include "support/scripted_host.h"

namespace purso::test {
namespace {

namespace dialog = import_dialog;
namespace columns = csv_columns_dialog;

class CCountingView : public IDocumentView {
 public:
  void OnDocumentChanged() override { ++updates; }
  int updates = 0;
};

class DocumentImportTest : public ScratchFolderTest {
 protected:
  DocumentImportTest() {
    document_.Book() = SampleAccount(ids_);
    document_.AddView(view_);
  }
  ~DocumentImportTest() override { document_.RemoveView(view_); }

  std::vector<std::uint8_t> AccountBytes() {
    CArchiveWriter archive;
    EXPECT_TRUE(document_.Book().Write(archive));
    return archive.Bytes();
  }
  // The German CSV sample's columns, chosen the first time only.
  void ExpectColumns() {
    host_.Expect(columns::kDialogId, [this](CDialogDriver& d) {
      if (!columnsChosen_) {
        d.Choose(columns::kDate, "Buchungstag");
        d.Choose(columns::kAmount, "Betrag");
        d.Choose(columns::kPayee, "Empf\xE4nger");
        d.Choose(columns::kDateOrder, 1);
        d.Choose(columns::kDecimal, 1);
        columnsChosen_ = true;
      }
      d.Press(columns::kOk);
    });
  }

  SampleIds ids_;
  CScriptedHost host_;
  CpursoPXFDoc document_{host_};
  CCountingView view_;
  CMemorySettingsStore settings_;
  CInlineRunner runner_;
  bool columnsChosen_ = false;
};

TEST_F(DocumentImportTest, EverySampleIsImportedOnceAndFoundAgainAsDuplicates) {
  for (const SampleFile& sample : SampleFiles()) {
    SCOPED_TRACE(sample.name);
    document_.Book() = SampleAccount(ids_);
    view_.updates = 0;
    const bool csvFile = sample.format == StatementFormat::kCsv;
    if (csvFile) ExpectColumns();
    host_.Expect(dialog::kDialogId, [](CDialogDriver& d) {
      EXPECT_EQ(d.Text(dialog::kChosenCount), "5 of 8 lines to import");
      d.Press(dialog::kImport);
    });
    EXPECT_TRUE(document_.ImportStatement(SamplePath(sample.name), settings_, runner_));
    EXPECT_EQ(view_.updates, 1);
    EXPECT_TRUE(document_.IsModified());
    EXPECT_TRUE(document_.NeedsRecalculation());
    EXPECT_EQ(document_.Book().Ledger(2024 - CAccountBook::kFirstYear).Transactions().GetRowCount(), 6u);

    // A second import finds every line it imported: nothing is chosen.
    if (csvFile) ExpectColumns();
    host_.Expect(dialog::kDialogId, [](CDialogDriver& d) {
      EXPECT_EQ(d.Text(dialog::kChosenCount), "0 of 8 lines to import");
      EXPECT_FALSE(d.Controls().IsEnabled(dialog::kImport));
      d.Escape();
    });
    EXPECT_FALSE(document_.ImportStatement(SamplePath(sample.name), settings_, runner_));
    EXPECT_EQ(view_.updates, 1);
  }
  EXPECT_TRUE(host_.Problems().empty());
}

TEST_F(DocumentImportTest, ACancelledImportLeavesTheAccountByteForByte) {
  const std::vector<std::uint8_t> before = AccountBytes();
  host_.Expect(dialog::kDialogId, [](CDialogDriver& d) {
    d.Choose(dialog::kCategory, "Groceries");
    d.Escape();
  });
  EXPECT_FALSE(document_.ImportStatement(SamplePath("bank_xml.qfx"), settings_, runner_));
  EXPECT_EQ(AccountBytes(), before);
  EXPECT_FALSE(document_.IsModified());
  EXPECT_EQ(view_.updates, 0);
}

// Cancels every task before it starts, as a user quick on Cancel does.
class CCancellingRunner final : public IBackgroundRunner {
 public:
  bool Run(std::string_view, const BackgroundTask& task) override {
    CTaskProgress progress;
    progress.Cancel();
    task(progress);
    ++runs;
    return false;
  }
  int runs = 0;
};

TEST_F(DocumentImportTest, ACancelledReadingShowsNothingAndChangesNothing) {
  const std::vector<std::uint8_t> before = AccountBytes();
  CCancellingRunner cancelling;
  EXPECT_FALSE(document_.ImportStatement(SamplePath("bank.qif"), settings_, cancelling));
  EXPECT_EQ(cancelling.runs, 1);
  EXPECT_TRUE(host_.Problems().empty());
  EXPECT_EQ(AccountBytes(), before);
  EXPECT_EQ(view_.updates, 0);
}

TEST_F(DocumentImportTest, AStatementThatCannotBeReadIsRefusedNamingTheFileAndLine) {
  const struct {
    const char* name;
    const char* content;
    const char* problem;
    const char* suggestion;
  } cases[] = {
      {"bank.ofx", "Dear customer,\n",
       "The statement bank.ofx cannot be read.\nLine 1: this is not a bank statement in the OFX format.",
       "- check that the file is a bank statement\n- choose the format the bank wrote it in"},
      {"dates.qif", "!Type:Bank\nD2024/31/12\nT1.00\n^\n",
       "The statement dates.qif cannot be read.\nLine 2: the date \"2024/31/12\" is not a date.",
       "- check the date order chosen for the statement\n- check that the file is a bank statement"},
      {"amount.qif", "!Type:Bank\nD01/02/2024\nT12,x\n^\n",
       "The statement amount.qif cannot be read.\nLine 3: the amount \"12,x\" is not a number.",
       "- check the decimal symbol chosen for the statement\n- check that the file is a bank statement"},
      {"empty.csv", "", "The statement empty.csv cannot be read.\nLine 1: the column \"Date\" is missing.",
       "- check the columns chosen for the statement\n- check the field separator"},
      {"notes.txt", "Rent 500\n", "The file notes.txt is not a bank statement the program can read.",
       "- choose an OFX or QFX, a QIF or a CSV statement (.ofx, .qfx, .qif, .csv)"},
  };
  const std::vector<std::uint8_t> before = AccountBytes();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::ofstream(PathOf(c.name), std::ios::binary) << c.content;
    EXPECT_FALSE(document_.ImportStatement(PathOf(c.name), settings_, runner_));
    ASSERT_FALSE(host_.Problems().empty());
    EXPECT_EQ(host_.Problems().back().problem, c.problem);
    EXPECT_EQ(host_.Problems().back().suggestion, c.suggestion);
  }
  EXPECT_EQ(host_.Problems().size(), std::size(cases));
  EXPECT_EQ(AccountBytes(), before);
  EXPECT_EQ(view_.updates, 0);
}

TEST_F(DocumentImportTest, TheCurrentYearIsExportedAsCsvUnderTheAccountsName) {
  document_.Book().SetYearIndex(static_cast<std::uint8_t>(2024 - CAccountBook::kFirstYear));
  document_.SetTitle("household.pxf");
  EXPECT_EQ(document_.ExportFileName(), "household 2024.csv");
  const std::string path = PathOf(document_.ExportFileName());
  ASSERT_TRUE(document_.ExportYear(path));
  const Bytes written = ReadRaw(path);
  EXPECT_EQ(std::string(written.begin(), written.end()),
            YearToCsv(document_.Book().CurrentLedger(), document_.Book().Settings()));

  EXPECT_FALSE(document_.ExportYear(PathOf("no folder/household 2024.csv")));
  ASSERT_EQ(host_.Problems().size(), 1u);
  EXPECT_EQ(host_.Problems()[0].problem, "The file household 2024.csv cannot be written.");
  EXPECT_FALSE(document_.IsModified());
}

}  // namespace
}  // namespace purso::test
