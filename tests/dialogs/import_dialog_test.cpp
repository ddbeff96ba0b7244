#include "dialogs/import_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/archive.h"
#include "dialogs/message_dialogs.h"
#include "resources/import_dialog_resource.h"
#include "sample_statements.h"
#include "statement/statement_file.h"
#include "support/ledger_records.h"
#include "support/scripted_host.h"
#include "text/list_layouts.h"
#include "text/list_row.h"

namespace purso::test {
namespace {

namespace ids = import_dialog;
namespace columns = layout::statement_import;

std::vector<std::uint8_t> BytesOf(const CAccountBook& book) {
  CArchiveWriter archive;
  EXPECT_TRUE(book.Write(archive));
  return archive.Bytes();
}

std::string Column(CDialogDriver& d, std::size_t row, std::string_view layout) {
  return ReadColumnText(d.Item(ids::kLines, row), layout::Start(layout));
}

// The sample account and its OFX 1.x statement (statement/sample_statements.h).
class ImportDialogTest : public ::testing::Test {
 protected:
  ImportDialogTest() : book_(SampleAccount(ids_)), statement_(ReadSample(SampleFiles().front())) {}
  int Run(const CScriptedHost::Steps& steps) {
    CImportDialog dialog(book_, statement_, "bank_sgml.ofx");
    const int result = host_.Run(dialog, steps);
    imported_ = dialog.Imported();
    return result;
  }
  std::uint32_t Transactions2024() {
    return book_.Ledger(2024 - CAccountBook::kFirstYear).Transactions().GetRowCount();
  }

  SampleIds ids_;
  CAccountBook book_;
  Statement statement_;
  CScriptedHost host_;
  ImportResult imported_;
};

TEST_F(ImportDialogTest, ShowsLearnedCategoriesNearOrNewPredactionsDuplicatesAndTheLinesOutside) {
  Run([](CDialogDriver& d) {
    EXPECT_EQ(d.Text(ids::kStatement), "Statement: bank_sgml.ofx, 9 lines");
    EXPECT_EQ(d.Text(ids::kChosenCount), "5 of 8 lines to import");
    EXPECT_EQ(d.Text(ids::kOutside), "Not imported, outside the years 1998 to 2099: 1 line (line 68 of the file)");
    ASSERT_EQ(d.Controls().ItemCount(ids::kLines), 8u);
    EXPECT_EQ(d.Item(ids::kLines, 0),
              "%000!018!LB%[x]%022!086!LB%02/03/2024%090!166!RR%$500.00%174!294!LB%Rent%300!366!LB%02/05"
              "%372!426!LB% %432!732!LB%LANDLORD SMITH February rent%000!000!SB%");
    EXPECT_EQ(d.Item(ids::kLines, 1).substr(37, 21), "%090!166!RB%$2,100.00");  // money in, not red
    const struct {
      const char* chosen;
      const char* date;
      const char* category;
      const char* predaction;
      const char* note;
    } rows[] = {
        {"[x]", "02/03/2024", "Rent", "02/05", " "},      {"[x]", "02/26/2024", "SALARY", "02/25", " "},
        {"[x]", "03/20/2024", "Rent", "new", " "},        {"[x]", "02/10/2024", "Groceries", " ", " "},
        {"[ ]", "02/11/2024", "(no category)", " ", " "}, {"[ ]", "02/12/2024", "(no category)", " ", " "},
        {"[x]", "12/30/2023", "Phone", "new", " "},       {"[ ]", "01/05/2024", "Rent", "new", "duplicate"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(Column(d, i, columns::kChosen), rows[i].chosen);
      EXPECT_EQ(Column(d, i, columns::kDate), rows[i].date);
      EXPECT_EQ(Column(d, i, columns::kCategory), rows[i].category);
      EXPECT_EQ(Column(d, i, columns::kPredaction), rows[i].predaction);
      EXPECT_EQ(Column(d, i, columns::kNote), rows[i].note);
    }
    // The first line is selected: the expense categories of 2024 to choose from.
    EXPECT_EQ(d.Controls().Items(ids::kCategory),
              (std::vector<std::string>{"(no category)", "Groceries", "Rent", "Phone"}));
    EXPECT_EQ(d.Controls().SelectedText(ids::kCategory), "Rent");
    EXPECT_TRUE(d.Controls().IsChecked(ids::kChosen));
    d.Press(ids::kHelp);
    d.Escape();
  });
  EXPECT_EQ(host_.OpenedDocuments(), std::vector<std::string>{"/opt/tolva/imp_dlg.htm"});
}

TEST_F(ImportDialogTest, TheUserChangesCategoriesAndChoicesThenImportAddsTheChosenLinesAtOnce) {
  const std::uint32_t before = Transactions2024();
  EXPECT_EQ(Run([](CDialogDriver& d) {
              d.Choose(ids::kLines, 4);  // the cafe, which has no category
              d.Press(ids::kChosen);
              d.ExpectRefused("The line has no category.", "Choose a category for the line first.", ids::kCategory);
              EXPECT_FALSE(d.Controls().IsChecked(ids::kChosen));
              d.Choose(ids::kCategory, "Groceries");  // given a category, the line is chosen
              EXPECT_EQ(Column(d, 4, columns::kChosen), "[x]");
              EXPECT_EQ(Column(d, 4, columns::kCategory), "Groceries");
              d.DoubleClick(ids::kLines, 7);  // the duplicate, ticked all the same
              EXPECT_EQ(Column(d, 7, columns::kChosen), "[x]");
              d.Choose(ids::kLines, 2);
              d.Choose(ids::kCategory, "(no category)");
              EXPECT_EQ(Column(d, 2, columns::kChosen), "[ ]");
              EXPECT_EQ(Column(d, 2, columns::kPredaction), " ");
              EXPECT_EQ(d.Text(ids::kChosenCount), "6 of 8 lines to import");
              d.Press(ids::kImport);
            }),
            kCommandOk);
  EXPECT_EQ(imported_.transactions, 6u);
  EXPECT_EQ(imported_.matched, 2u);
  EXPECT_EQ(imported_.newPredactions, 2u);  // the duplicate's and the phone's of 2023
  EXPECT_EQ(Transactions2024(), before + 5);
  EXPECT_TRUE(book_.IsModified());
}

TEST_F(ImportDialogTest, ATableThatCannotGrowIsOutOfMemoryAndNothingIsImported) {
  LeaveRowIds(book_.Ledger(2024 - CAccountBook::kFirstYear).Transactions(), 2);
  book_.ClearModified();
  const std::vector<std::uint8_t> before = BytesOf(book_);
  Run([](CDialogDriver& d) {
    d.Press(ids::kImport);
    EXPECT_FALSE(d.Ended());
    d.Escape();
  });
  ASSERT_EQ(host_.Problems().size(), 1u);
  EXPECT_EQ(host_.Problems()[0].problem, kOutOfMemoryProblem);
  EXPECT_EQ(host_.Problems()[0].suggestion, kOutOfMemorySuggestion);
  EXPECT_EQ(BytesOf(book_), before);
}

TEST_F(ImportDialogTest, NothingChosenLeavesImportDisabled) {
  statement_.lines.resize(2);
  statement_.lines[0].payee = statement_.lines[1].payee = "Unknown";
  Run([](CDialogDriver& d) {
    EXPECT_EQ(d.Text(ids::kChosenCount), "0 of 2 lines to import");
    EXPECT_EQ(d.Text(ids::kOutside), "");
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kImport));
    d.Choose(ids::kCategory, "Rent");
    EXPECT_TRUE(d.Controls().IsEnabled(ids::kImport));
    d.Escape();
  });
}

TEST_F(ImportDialogTest, ACategoryChosenForSelectedLinesGoesToEachThatCanTakeIt) {
  Run([](CDialogDriver& d) {
    d.ChooseItems(ids::kLines, {3, 4, 5});  // groceries, the cafe (no category) and the refund (money in)
    EXPECT_FALSE(d.Controls().IsChecked(ids::kChosen));
    d.Choose(ids::kCategory, "Phone");
    EXPECT_EQ(Column(d, 3, columns::kCategory), "Phone");
    EXPECT_EQ(Column(d, 4, columns::kCategory), "Phone");
    EXPECT_EQ(Column(d, 5, columns::kCategory), "(no category)");  // an expense takes no money in
    d.Press(ids::kChosen);
    d.ExpectRefused("Some of the selected lines have no category.", "Choose a category for the lines first.",
                    ids::kCategory);
    EXPECT_EQ(d.Controls().SelectedItems(ids::kLines), (std::vector<int>{3, 4, 5}));
    d.Escape();
  });
}

TEST_F(ImportDialogTest, EachAccountOfTheStatementIsProposedOnItsOwnWithItsOpeningBalance) {
  StatementError error;
  statement_ = Statement{};
  ASSERT_TRUE(ReadStatement(SampleText("cases/opening_balance_and_categories.qif"), StatementFormat::kQif, {},
                            statement_, error));
  Run([](CDialogDriver& d) {
    EXPECT_EQ(d.Controls().Items(ids::kAccount),
              (std::vector<std::string>{"Checking (bank, 5 lines)", "Savings (bank, 1 line)"}));
    EXPECT_EQ(Column(d, 0, columns::kCategory), "opening balance");
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kCategory));
    d.DoubleClick(ids::kLines, 0);  // chosen without a category
    EXPECT_EQ(Column(d, 0, columns::kChosen), "[x]");
    d.Choose(ids::kAccount, 1);
    EXPECT_EQ(d.Controls().ItemCount(ids::kLines), 1u);
    EXPECT_EQ(d.Text(ids::kChosenCount), "0 of 1 line to import");
    d.Escape();
  });
}

TEST_F(ImportDialogTest, AStatementOfOnlyMoneyInAndItsUndatedLinesAreSaid) {
  statement_.lines.resize(2);
  statement_.lines[0].amount = 5;
  statement_.lines[1].amount = 7;
  statement_.undated = {4, 9};
  Run([](CDialogDriver& d) {
    EXPECT_EQ(d.Text(ids::kWarning),
              "Every line is money in. If some are payments, check the signs or the columns of the statement.");
    EXPECT_EQ(d.Text(ids::kOutside), "Not imported, without a date: 2 lines (lines 4, 9 of the file)");
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kAccount));
    d.Escape();
  });
}

}  // namespace
}  // namespace purso::test
