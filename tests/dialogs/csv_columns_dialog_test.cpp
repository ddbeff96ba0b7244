#include "dialogs/csv_columns_dialog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "data/scratch_folder.h"
#include "dialogs/csv_mapping_memory.h"
#include "resources/csv_columns_dialog_resource.h"
#include "sample_statements.h"
#include "statement/csv_column_guess.h"
#include "support/scripted_host.h"

namespace purso::test {
namespace {

namespace ids = csv_columns_dialog;

// The German sample: ";", day-first dates, a decimal comma and German
// column names.
class CsvColumnsDialogTest : public ScratchFolderTest {
 protected:
  int Run(const std::string& path, const CScriptedHost::Steps& steps) {
    StatementError error;
    EXPECT_TRUE(LoadStatementFile(path, text_, error));
    records_ = SplitCsvRecords(text_, GuessCsvSeparator(text_));
    CCsvColumnsDialog dialog(store_, runner_, path, text_, records_,
                             GuessCsvMapping(records_, GuessCsvSeparator(text_), CsvPreferencesOf(settings_)));
    const int result = host_.Run(dialog, steps);
    read_ = dialog.ReadStatement();
    return result;
  }
  static void ChooseGermanColumns(CDialogDriver& d) {
    d.Choose(ids::kDate, "Buchungstag");
    d.Choose(ids::kAmount, "Betrag");
    d.Choose(ids::kPayee, "Empf\xE4nger");
    d.Choose(ids::kMemo, "Verwendungszweck");
  }

  CDisplaySettings settings_;
  CMemorySettingsStore store_;
  CScriptedHost host_;
  CInlineRunner runner_;
  std::string text_;
  std::vector<CsvRecord> records_;
  Statement read_;
  const std::string german_ = SamplePath("bank_semicolon.csv");
};

TEST_F(CsvColumnsDialogTest, RefusalsNameTheFileAndLineAndFocusTheChoiceAtFault) {
  const struct {
    int control;
    int item;
    const char* problem;
    const char* suggestion;
  } cases[] = {
      {ids::kDecimal, 0, "Line 3: the amount \"2.100,00\" is not a number.",
       "- check the decimal symbol chosen for the statement\n- check that the file is a bank statement"},
      {ids::kDateOrder, 0, "Line 2: the date \"03.02.2024\" is not a date.",
       "- check the date order chosen for the statement\n- check that the file is a bank statement"},
      {ids::kAmount, 0, "Line 1: the column \"Amount\" is missing.",
       "- check the columns chosen for the statement\n- check the field separator"},
  };
  Run(german_, [&cases](CDialogDriver& d) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.problem);
      ChooseGermanColumns(d);
      d.Choose(ids::kDateOrder, 1);
      d.Choose(ids::kDecimal, 1);
      d.Choose(c.control, c.item);
      d.Press(ids::kOk);
      d.ExpectRefused(std::string("The statement bank_semicolon.csv cannot be read.\n") + c.problem, c.suggestion,
                      c.control);
    }
    d.Escape();
  });
  EXPECT_FALSE(RecallCsvMapping(store_, {"Buchungstag", "Betrag", "Empf\xC3\xA4nger", "Verwendungszweck"}));
}

TEST_F(CsvColumnsDialogTest, ColumnsThatReadTheFileAreRememberedForItsLayout) {
  EXPECT_EQ(Run(german_,
                [](CDialogDriver& d) {
                  EXPECT_EQ(d.Text(ids::kStatement), "The columns of bank_semicolon.csv");
                  // The guess reads the German names and values.
                  EXPECT_EQ(d.Controls().SelectedText(ids::kDate), "Buchungstag");
                  EXPECT_EQ(d.Controls().SelectedText(ids::kAmount), "Betrag");
                  EXPECT_EQ(d.Controls().SelectedText(ids::kDateOrder), "Day Month Year (31.12.2024)");
                  d.Choose(ids::kMemo, "(none)");
                  d.Press(ids::kOk);
                  d.ExpectAccepted();
                }),
            kCommandOk);
  ASSERT_EQ(read_.lines.size(), 9u);
  EXPECT_DOUBLE_EQ(read_.lines[1].amount, 2100);

  // The next file of the bank opens with the same choices.
  Run(german_, [](CDialogDriver& d) {
    EXPECT_EQ(d.Controls().SelectedText(ids::kMemo), "(none)");
    EXPECT_EQ(d.Controls().SelectedText(ids::kPayee), "Empf\xE4nger");
    EXPECT_EQ(d.Controls().SelectedText(ids::kDateOrder), "Day Month Year (31.12.2024)");
    EXPECT_EQ(d.Controls().SelectedText(ids::kDecimal), "Comma (1.234,56)");
    d.Press(ids::kOk);
  });
  EXPECT_EQ(read_.lines.size(), 9u);
}

TEST_F(CsvColumnsDialogTest, NamesAndValuesGiveTheColumnsAwayAndAFileWithoutNamesIsReadByNumber) {
  const std::string path = PathOf("bank.csv");
  std::ofstream(path) << "Date,Description,Debit,Credit\n2024-03-01,Coffee,\"1,003.50\",\n2024-03-02,Refund,,12.00\n";
  Run(path, [](CDialogDriver& d) {
    for (const auto& [control, column] : {std::pair{ids::kDate, "Date"},
                                          {ids::kPayee, "Description"},
                                          {ids::kDebit, "Debit"},
                                          {ids::kCredit, "Credit"},
                                          {ids::kAmount, "(none)"}}) {
      EXPECT_EQ(d.Controls().SelectedText(control), column);
    }
    EXPECT_EQ(d.Controls().GetSelection(ids::kDateOrder), 0);  // year first: the only order that reads them
    EXPECT_EQ(d.Controls().GetSelection(ids::kDecimal), 0);
    d.Press(ids::kHeader);
    EXPECT_EQ(d.Controls().Item(ids::kDate, 1), "Column 1: Date");
    d.Press(ids::kOk);  // the names are no date
    d.ExpectRefused("The statement bank.csv cannot be read.\nLine 1: the date \"Date\" is not a date.",
                    "- check the date order chosen for the statement\n- check that the file is a bank statement",
                    ids::kDateOrder);
    d.Press(ids::kHeader);
    d.Press(ids::kOk);
  });
  ASSERT_EQ(read_.lines.size(), 2u);
  EXPECT_DOUBLE_EQ(read_.lines[0].amount, -1003.5);
  EXPECT_EQ(read_.lines[1].payee, "Refund");
}

}  // namespace
}  // namespace purso::test
