// The Budget Report dialog on the shared sample account: its rows and foot,
// and its report printed and written out.
#include "dialogs/budget_report_dialog.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "resources/budget_report_dialog_resource.h"
#include "statement/budget_report_export.h"
#include "support/ledger_builder.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

namespace fs = std::filesystem;
namespace ids = budget_report_dialog;
using test::CDialogDriver;

class BudgetReportDialogTest : public ::testing::Test {
 protected:
  BudgetReportDialogTest() {
    test::FillSampleYear(book_);
    fs::create_directories(folder_);
  }
  ~BudgetReportDialogTest() override { fs::remove_all(folder_); }
  void Run(const test::CScriptedHost::Steps& steps) {
    CBudgetReportDialog dialog(book_, "Household");
    host_.Run(dialog, steps);
  }
  static std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }

  CFixedClock clock_{CivilDate{2024, 6, 15}};
  CScopedClock scopedClock_{clock_};
  CAccountBook book_{2024};
  test::CScriptedHost host_;
  fs::path folder_ = fs::temp_directory_path() / ("purso_report_test_" + std::to_string(::getpid()));
};

TEST_F(BudgetReportDialogTest, ShowsEachTypesCategoriesAndTotalAndTheBalances) {
  Run([](CDialogDriver& d) {
    EXPECT_EQ(d.Text(ids::kSubtitle), "Budget of 2024 at 06/16");
    EXPECT_EQ(d.Text(ids::kSurplusAtYearEndHeader), "12/31\nsurplus");
    // Fix In: the salary, paid January to May as due by 16 June, then its
    // total and a gap before the Var In group.
    EXPECT_EQ(d.Item(ids::kRows, 0),
              "%000!135!LB%Bank Job%140!180!LB%Fix In%185!260!RB%28,800.00%265!340!RB%12,000.00%345!420!RB%12,000.00"
              "%425!500!RB%0.00%505!580!RR%-16,800.00%585!640!RB%5%645!700!RB%0%000!000!SB%");
    EXPECT_EQ(d.Item(ids::kRows, 1).substr(0, 26), "%000!135!LB%Total Fix In%1");
    EXPECT_EQ(d.Item(ids::kRows, 2), "%000!135!LB% %000!000!SB%");
    EXPECT_EQ(d.Controls().ItemCount(ids::kRows), 13u);  // 6 categories, 4 totals, 3 gaps
    EXPECT_EQ(d.Text(ids::kActualAtDateLabel), "Actual balance at 06/16");
    EXPECT_EQ(d.Text(ids::kActualAtYearEnd), "not yet known");
    d.Press(ids::kDone);
  });
}

TEST_F(BudgetReportDialogTest, PrintsAndWritesTheReportAndNamesAFileItCannotWrite) {
  const fs::path csv = folder_ / "report.csv";
  const fs::path html = folder_ / "report.html";
  host_.AnswerPrint(true);
  host_.AnswerSaveFileName(std::nullopt);
  host_.AnswerSaveFileName(csv.string());
  host_.AnswerSaveFileName(html.string());
  host_.AnswerSaveFileName((folder_ / "missing" / "report.csv").string());
  Run([](CDialogDriver& d) {
    d.Press(ids::kPrint);
    d.Press(ids::kExportCsv);  // cancelled
    d.ExpectAccepted();
    d.Press(ids::kExportCsv);
    d.Press(ids::kExportHtml);
    d.ExpectAccepted();
    d.Press(ids::kExportCsv);
    d.ExpectRefused("The file report.csv cannot be written.",
                    "- check that you may write to the folder\n- check that the disk is not full\n- try another name",
                    ids::kExportCsv);
    d.Escape();
  });
  const BudgetReport report = ComputeBudgetReport(book_.CurrentLedger());
  EXPECT_EQ(Read(csv), BudgetReportCsv(report, book_.Settings()));
  EXPECT_EQ(Read(html), BudgetReportHtml(report, book_.Settings(), "Household"));
  ASSERT_EQ(host_.PrintedPages().size(), 1u);
  EXPECT_EQ(host_.PrintedPages()[0], Read(html));
  EXPECT_EQ(host_.ProposedFileNames()[0], "Household 2024 budget report.csv");
  EXPECT_EQ(host_.ProposedFileNames()[2], "Household 2024 budget report.html");
}

TEST_F(BudgetReportDialogTest, ProposesTheFileNameInUtf8) {
  host_.AnswerSaveFileName(std::nullopt);
  CBudgetReportDialog dialog(book_, "M\xE9nage");  // account text
  host_.Run(dialog, [](CDialogDriver& d) {
    d.Press(ids::kExportCsv);
    d.Escape();
  });
  EXPECT_EQ(host_.ProposedFileNames().at(0), "M\xC3\xA9nage 2024 budget report.csv");
}

}  // namespace
}  // namespace purso
