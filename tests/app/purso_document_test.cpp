#include "app/purso_document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "data/account_file.h"
#include "data/calendar.h"
#include "resources/budget_report_dialog_resource.h"
#include "resources/budget_wizard_dialog_resource.h"
#include "resources/categories_dialog_resource.h"
#include "resources/change_year_dialog_resource.h"
#include "resources/functional_areas_dialog_resource.h"
#include "resources/objects_dialog_resource.h"
#include "resources/opening_balance_dialog_resource.h"
#include "resources/settings_dialog_resource.h"
#include "resources/solver_dialog_resource.h"
#include "support/ledger_builder.h"
#include "support/scripted_host.h"

namespace purso::test {
namespace {

namespace fs = std::filesystem;

class CCountingView : public IDocumentView {
 public:
  void OnDocumentChanged() override { ++updates; }
  int updates = 0;
};

class DocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("purso_document_test_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
    document_.AddView(view_);
  }
  void TearDown() override {
    document_.RemoveView(view_);
    fs::remove_all(folder_);
  }
  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  // A new document's account opens on today's year.
  CFixedClock clock_{CivilDate{1999, 6, 15}};
  CScopedClock scopedClock_{clock_};
  CScriptedHost host_;
  CpursoPXFDoc document_{host_};
  CCountingView view_;
  fs::path folder_;
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(DocumentTest, ANewAccountStartsOnTodaysYearWithDefaultsAndNeedsItsFigures) {
  EXPECT_EQ(document_.Book().GetYear(), 1999);
  {
    const CFixedClock december(CivilDate{2026, 12, 8});
    const CScopedClock scoped(december);
    EXPECT_EQ(CpursoPXFDoc(host_).Book().GetYear(), 2026);
  }
  EXPECT_EQ(document_.Book().Settings().currencySymbol, "$");
  EXPECT_EQ(document_.Book().Settings().decimals, 2);
  EXPECT_FALSE(document_.IsModified());
  EXPECT_TRUE(document_.NeedsRecalculation());
  EXPECT_TRUE(document_.PathName().empty());
}

TEST_F(DocumentTest, SavesAndOpensTheSameAccount) {
  FillSampleYear(document_.Book());
  const std::string path = PathOf("household.pxf");
  ASSERT_TRUE(document_.OnSaveDocument(path));
  EXPECT_FALSE(document_.IsModified());
  EXPECT_FALSE(document_.Book().IsModified());
  EXPECT_EQ(document_.Title(), "household.pxf");

  CpursoPXFDoc reopened(host_);
  ASSERT_TRUE(reopened.OnOpenDocument(path));
  EXPECT_EQ(reopened.PathName(), path);
  EXPECT_EQ(reopened.Book().CurrentLedger().Transactions().GetRowCount(),
            document_.Book().CurrentLedger().Transactions().GetRowCount());
  EXPECT_EQ(reopened.Book().CurrentLedger().NetBudget(), document_.Book().CurrentLedger().NetBudget());
  EXPECT_TRUE(host_.Problems().empty());
}

TEST_F(DocumentTest, ABadFileIsRefusedWithTheReadingMessageAndNothingIsOpened) {
  const std::string path = PathOf("bad.pxf");
  std::ofstream(path, std::ios::binary) << "PURSO99 not an account";
  FillSampleYear(document_.Book());
  const double before = document_.Book().CurrentLedger().NetBudget();
  EXPECT_FALSE(document_.OnOpenDocument(path));
  ASSERT_EQ(host_.Problems().size(), 1u);
  EXPECT_EQ(host_.Problems()[0].problem, kReadingProblem);
  EXPECT_EQ(host_.Problems()[0].suggestion, kReadingSuggestion);
  EXPECT_TRUE(document_.PathName().empty());
  EXPECT_EQ(document_.Book().CurrentLedger().NetBudget(), before);
}

TEST_F(DocumentTest, AFailedSaveKeepsTheOldFileAndTheAccountModified) {
  const std::string path = PathOf("kept.pxf");
  ASSERT_TRUE(document_.OnSaveDocument(path));
  const std::string before = ReadAll(path);
  document_.CurrentLedger().SetOpeningBalance(500);
  // A folder where the file should be cannot be replaced by a file.
  const std::string blocked = PathOf("folder.pxf");
  fs::create_directories(blocked + "/inside");
  EXPECT_FALSE(document_.OnSaveDocument(blocked));
  ASSERT_EQ(host_.Problems().size(), 1u);
  const SaveMessage why = SaveFailureMessage(SaveFailure::kInvalidName, "folder.pxf", "folder.pxf.bak");
  EXPECT_EQ(host_.Problems()[0].problem, why.problem);
  EXPECT_EQ(host_.Problems()[0].suggestion, why.suggestion);
  EXPECT_TRUE(document_.IsModified());
  EXPECT_TRUE(document_.Book().IsModified());
  EXPECT_EQ(document_.PathName(), path);
  EXPECT_EQ(ReadAll(path), before);
}

TEST_F(DocumentTest, GuardsRefuseWithTheirTextsAndTheObjectsGuardComesFirst) {
  EXPECT_FALSE(document_.CheckGuard(CommandGuard::kHasObjects));
  EXPECT_FALSE(document_.CheckGuard(CommandGuard::kHasFunctionalAreas));
  EXPECT_FALSE(document_.CheckGuard(CommandGuard::kHasCategories));
  ASSERT_EQ(host_.Problems().size(), 3u);
  EXPECT_EQ(host_.Problems()[0].problem,
            "You have not defined any objects.\nYou need some objects to define categories.");
  EXPECT_EQ(host_.Problems()[0].suggestion, "Select \"Categories|Objects...\" to define objects.");
  EXPECT_EQ(host_.Problems()[1].suggestion, "Select \"Categories|Functional Areas...\" to define functional areas.");
  EXPECT_EQ(host_.Problems()[2].problem,
            "You have not defined any categories.\nYou need some categories to create transactions.");

  AddObject(document_.CurrentLedger(), "Car");
  AddFunctionalArea(document_.CurrentLedger(), "Fuel");
  AddCategory(document_.CurrentLedger(), "Petrol", CategoryType::kVarEx, 100);
  EXPECT_TRUE(document_.CheckGuard(CommandGuard::kHasObjects));
  EXPECT_TRUE(document_.CheckGuard(CommandGuard::kHasFunctionalAreas));
  EXPECT_TRUE(document_.CheckGuard(CommandGuard::kHasCategories));
  EXPECT_EQ(host_.Problems().size(), 3u);
}

TEST_F(DocumentTest, OpeningBalanceOkOnAnUnchangedValueDoesNotMarkTheAccount) {
  document_.ClearRecalculation();
  host_.Expect(opening_balance_dialog::kDialogId,
               [](CDialogDriver& driver) { driver.Press(opening_balance_dialog::kOk); });
  EXPECT_TRUE(document_.OnCommand(command_id::kOpeningBalance));
  EXPECT_FALSE(document_.IsModified());
  EXPECT_EQ(view_.updates, 1);
  EXPECT_TRUE(document_.NeedsRecalculation());

  host_.Expect(opening_balance_dialog::kDialogId, [](CDialogDriver& driver) {
    driver.Type(opening_balance_dialog::kAmount, "100");
    driver.Press(opening_balance_dialog::kNegative);
    driver.Enter();
  });
  document_.OnCommand(command_id::kOpeningBalance);
  EXPECT_EQ(document_.CurrentLedger().GetOpeningBalance(), -100);
  EXPECT_TRUE(document_.IsModified());
  EXPECT_EQ(view_.updates, 2);
}

TEST_F(DocumentTest, SettingsMarkTheAccountOnlyWhenAValueChanged) {
  host_.Expect(settings_dialog::kDialogId, [](CDialogDriver& driver) { driver.Press(settings_dialog::kDone); });
  document_.OnCommand(command_id::kSettings);
  EXPECT_FALSE(document_.IsModified());
  EXPECT_EQ(view_.updates, 1);

  host_.Expect(settings_dialog::kDialogId, [](CDialogDriver& driver) {
    driver.Press(settings_dialog::kDayFirst);
    driver.Press(settings_dialog::kDone);
  });
  document_.OnCommand(command_id::kSettings);
  EXPECT_TRUE(document_.IsModified());
  EXPECT_EQ(document_.Book().Settings().dateOrder, DateOrder::kDayFirst);
}

TEST_F(DocumentTest, ChangingTheYearAloneLeavesTheAccountUnmodified) {
  host_.Expect(change_year_dialog::kDialogId, [](CDialogDriver& driver) {
    driver.Choose(change_year_dialog::kYears, "2024");
    driver.Press(change_year_dialog::kOk);
  });
  document_.OnCommand(command_id::kChangeYear);
  EXPECT_EQ(document_.Book().GetYear(), 2024);
  EXPECT_FALSE(document_.IsModified());
  EXPECT_EQ(view_.updates, 1);
}

TEST_F(DocumentTest, ChangingToAYearStartedWithTheBudgetBeforeModifiesTheAccount) {
  FillSampleYear(document_.Book());
  document_.Book().ClearModified();
  host_.AnswerConfirmation(true);
  host_.Expect(change_year_dialog::kDialogId, [](CDialogDriver& driver) {
    driver.Choose(change_year_dialog::kYears, "2000");
    driver.Press(change_year_dialog::kOk);
  });
  document_.OnCommand(command_id::kChangeYear);
  ASSERT_EQ(host_.Questions().size(), 1u);
  EXPECT_EQ(document_.Book().GetYear(), 2000);
  EXPECT_EQ(document_.Book().CurrentLedger().Categories().GetRowCount(),
            document_.Book().Ledger(1).Categories().GetRowCount());
  EXPECT_TRUE(document_.IsModified());
  EXPECT_TRUE(document_.NeedsRecalculation());
}

TEST_F(DocumentTest, ASolverTransferMarksTheAccountAndRecalculates) {
  FillSampleYear(document_.Book());
  document_.Book().ClearModified();
  document_.ClearRecalculation();
  host_.Expect(solver_dialog::kDialogId, [](CDialogDriver& driver) {
    driver.Press(solver_dialog::kTransferAtYearEnd);
    driver.Press(solver_dialog::kDone);
  });
  EXPECT_TRUE(document_.OnCommand(command_id::kSolver));
  EXPECT_TRUE(document_.IsModified());
  EXPECT_TRUE(document_.NeedsRecalculation());
  EXPECT_EQ(view_.updates, 1);
}

TEST_F(DocumentTest, TheBudgetReportChangesNothingAndNamesItsFilesAfterTheAccount) {
  FillSampleYear(document_.Book());
  document_.Book().ClearModified();
  document_.ClearRecalculation();
  document_.SetTitle("Home.pxf");
  host_.AnswerSaveFileName(std::nullopt);
  host_.Expect(budget_report_dialog::kDialogId, [](CDialogDriver& driver) {
    driver.Press(budget_report_dialog::kExportCsv);
    driver.Press(budget_report_dialog::kDone);
  });
  EXPECT_TRUE(document_.OnCommand(command_id::kBudgetReport));
  EXPECT_EQ(host_.ProposedFileNames(),
            std::vector<std::string>{"Home " + std::to_string(document_.Book().GetYear()) + " budget report.csv"});
  EXPECT_FALSE(document_.IsModified());
  EXPECT_FALSE(document_.NeedsRecalculation());
}

TEST_F(DocumentTest, ObjectsAndFunctionalAreasSetOnlyTheModifiedState) {
  document_.ClearRecalculation();
  host_.Expect(objects_dialog::kDialogId, [](CDialogDriver& driver) { driver.Press(objects_dialog::kDone); });
  EXPECT_TRUE(document_.OnCommand(command_id::kObjects));
  EXPECT_FALSE(document_.IsModified());

  host_.Expect(functional_areas_dialog::kDialogId, [](CDialogDriver& driver) {
    driver.Type(functional_areas_dialog::kAddName, "Fuel");
    driver.Enter();
    driver.Escape();
  });
  EXPECT_TRUE(document_.OnCommand(command_id::kFunctionalAreas));
  EXPECT_TRUE(document_.IsModified());
  EXPECT_EQ(document_.CurrentLedger().FunctionalAreas().GetRowCount(), 1u);
  EXPECT_FALSE(document_.NeedsRecalculation());
  EXPECT_EQ(view_.updates, 0);
}

TEST_F(DocumentTest, CategoriesNeedObjectsThenFunctionalAreasAndEndWithBookkeeping) {
  document_.OnCommand(command_id::kCategories);
  AddObject(document_.CurrentLedger(), "Car");
  document_.OnCommand(command_id::kCategories);
  ASSERT_EQ(host_.Problems().size(), 2u);
  EXPECT_EQ(host_.Problems()[0].suggestion, "Select \"Categories|Objects...\" to define objects.");
  EXPECT_EQ(host_.Problems()[1].suggestion, "Select \"Categories|Functional Areas...\" to define functional areas.");
  EXPECT_EQ(view_.updates, 0);

  AddFunctionalArea(document_.CurrentLedger(), "Fuel");
  document_.ClearRecalculation();
  host_.Expect(categories_dialog::kDialogId, [](CDialogDriver& driver) { driver.Escape(); });
  EXPECT_TRUE(document_.OnCommand(command_id::kCategories));
  EXPECT_EQ(host_.OpenedDialogs(), (std::vector<int>{131, 131, 142}));
  EXPECT_EQ(view_.updates, 1);
  EXPECT_TRUE(document_.NeedsRecalculation());
}

TEST_F(DocumentTest, TheWizardStoppedAtTheCategoriesKeepsWhatItsDialogsMadeAndRedraws) {
  namespace wizard = budget_wizard_dialog;
  document_.ClearRecalculation();
  host_.Expect(wizard::kDialogId, [](CDialogDriver& driver) {
    for (int press : {wizard::kNext, wizard::kGo, wizard::kNext, wizard::kGo, wizard::kNext}) driver.Press(press);
    driver.Press(wizard::kStop);
  });
  host_.Expect(objects_dialog::kDialogId, [](CDialogDriver& driver) {
    driver.Type(objects_dialog::kAddName, "Car");
    driver.Enter();
    driver.Escape();
  });
  host_.Expect(functional_areas_dialog::kDialogId, [](CDialogDriver& driver) {
    driver.Type(functional_areas_dialog::kAddName, "Fuel");
    driver.Enter();
    driver.Escape();
  });
  EXPECT_TRUE(document_.OnCommand(command_id::kBudgetWizard));
  EXPECT_EQ(document_.CurrentLedger().Objects().GetRowCount(), 1u);
  EXPECT_EQ(document_.CurrentLedger().FunctionalAreas().GetRowCount(), 1u);
  EXPECT_TRUE(document_.IsModified());
  EXPECT_TRUE(document_.NeedsRecalculation());
  EXPECT_EQ(view_.updates, 1);
}

TEST_F(DocumentTest, EveryAccountCommandIsCarriedAndNoOtherCommand) {
  for (const int command : command_id::kAccountCommands) EXPECT_TRUE(document_.IsCommandAvailable(command)) << command;
  for (const int command : {command_id::kFileNew, command_id::kImportStatement}) {
    EXPECT_FALSE(document_.IsCommandAvailable(command)) << command;
    EXPECT_FALSE(document_.OnCommand(command)) << command;
  }
  EXPECT_EQ(view_.updates, 0);
  EXPECT_TRUE(host_.OpenedDialogs().empty());
}

}  // namespace
}  // namespace purso::test
