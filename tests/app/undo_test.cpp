// Undo and Redo through the document: every kind of command as one step,
// the account back byte for byte, the modified state following the saved
// point, and steps that hold what changed, not the account.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/account_view.h"
#include "app/purso_document.h"
#include "data/archive.h"
#include "data/calendar.h"
#include "data/scratch_folder.h"
#include "platform/task_progress.h"
#include "resources/budget_wizard_dialog_resource.h"
#include "resources/categories_dialog_resource.h"
#include "resources/change_year_dialog_resource.h"
#include "resources/functional_areas_dialog_resource.h"
#include "resources/import_dialog_resource.h"
#include "resources/objects_dialog_resource.h"
#include "resources/opening_balance_dialog_resource.h"
#include "resources/predactions_dialog_resource.h"
#include "resources/settings_dialog_resource.h"
#include "resources/solver_dialog_resource.h"
#include "resources/transactions_dialog_resource.h"
#include "sample_statements.h"
#include "support/ledger_builder.h"
#include "support/scripted_host.h"

namespace purso::test {
namespace {

class UndoTest : public ScratchFolderTest {
 protected:
  UndoTest() {
    FillSampleYear(document_.Book());
    EXPECT_TRUE(document_.OnSaveDocument(PathOf("household.pxf")));
  }

  Bytes Account() {
    CArchiveWriter archive;
    EXPECT_TRUE(document_.Book().Write(archive));
    return archive.Bytes();
  }
  std::string Caption(int command) { return document_.QueryCommand(command).value().caption; }
  void Undo() { EXPECT_TRUE(document_.OnCommand(command_id::kEditUndo)); }
  void Redo() { EXPECT_TRUE(document_.OnCommand(command_id::kEditRedo)); }

  // Runs command, then checks that it left one step named step that undo and
  // redo take back and forth byte for byte, the modified state following.
  void ExpectOneStep(const std::string& step, const std::function<void()>& command) {
    SCOPED_TRACE(step);
    const Bytes saved = Account();
    command();
    const Bytes changed = Account();
    ASSERT_NE(changed, saved);
    EXPECT_EQ(Caption(command_id::kEditUndo), "&Undo " + step);
    const std::size_t steps = document_.History().StepCount();
    Undo();
    EXPECT_EQ(Account(), saved);
    EXPECT_FALSE(document_.IsModified());
    EXPECT_EQ(Caption(command_id::kEditRedo), "&Redo " + step);
    Redo();
    EXPECT_EQ(Account(), changed);
    Undo();
    EXPECT_EQ(document_.History().StepCount(), steps);
  }

  CFixedClock clock_{CivilDate{1999, 6, 15}};
  CScopedClock scopedClock_{clock_};
  CScriptedHost host_;
  CpursoPXFDoc document_{host_};
};

TEST_F(UndoTest, EveryCommandIsOneStepThatUndoAndRedoTakeBackByteForByte) {
  const auto run = [this](int command, int dialog, CScriptedHost::Steps steps) {
    return [this, command, dialog, steps] {
      host_.Expect(dialog, steps);
      document_.OnCommand(command);
    };
  };
  ExpectOneStep("Objects", run(command_id::kObjects, objects_dialog::kDialogId, [](CDialogDriver& d) {
                  d.Type(objects_dialog::kAddName, "Boat");
                  d.Enter();
                  d.Escape();
                }));
  ExpectOneStep("Functional Areas",
                run(command_id::kFunctionalAreas, functional_areas_dialog::kDialogId, [](CDialogDriver& d) {
                  d.Type(functional_areas_dialog::kAddName, "Toys");
                  d.Enter();
                  d.Escape();
                }));
  ExpectOneStep("Categories", run(command_id::kCategories, categories_dialog::kDialogId, [](CDialogDriver& d) {
                  d.Choose(categories_dialog::kCategories, 2);  // Groceries
                  d.Type(categories_dialog::kUpdateBudget, "6000");
                  d.Press(categories_dialog::kUpdate);
                  d.Escape();
                }));
  ExpectOneStep("Settings", run(command_id::kSettings, settings_dialog::kDialogId, [](CDialogDriver& d) {
                  d.Press(settings_dialog::kDayFirst);
                  d.Press(settings_dialog::kDone);
                }));
  // Several Adds in one dialog are one step.
  ExpectOneStep("Transactions", run(command_id::kTransactions, transactions_dialog::kDialogId, [](CDialogDriver& d) {
                  for (const char* date : {"06/02", "06/03"}) {
                    d.Type(transactions_dialog::kAddDate, date);
                    d.Choose(transactions_dialog::kAddCategory, "Petrol");
                    d.Type(transactions_dialog::kAddAmount, "40");
                    d.Press(transactions_dialog::kAdd);
                  }
                  d.Escape();
                }));
  ExpectOneStep("Opening Balance",
                run(command_id::kOpeningBalance, opening_balance_dialog::kDialogId, [](CDialogDriver& d) {
                  d.Type(opening_balance_dialog::kAmount, "100");
                  d.Enter();
                }));
  ExpectOneStep("Solver", run(command_id::kSolver, solver_dialog::kDialogId, [](CDialogDriver& d) {
                  d.Press(solver_dialog::kTransferAtYearEnd);
                  d.Press(solver_dialog::kDone);
                }));
  ExpectOneStep("Budget Wizard", [this] {
    namespace wizard = budget_wizard_dialog;
    host_.Expect(wizard::kDialogId, [](CDialogDriver& d) {
      for (int press : {wizard::kNext, wizard::kGo}) d.Press(press);
      d.Press(wizard::kStop);
    });
    host_.Expect(objects_dialog::kDialogId, [](CDialogDriver& d) {
      d.Type(objects_dialog::kAddName, "Bike");
      d.Enter();
      d.Escape();
    });
    document_.OnCommand(command_id::kBudgetWizard);
  });
  // The year chosen and the budget carried into it are one step.
  ExpectOneStep("Change Year", [this, &run] {
    host_.AnswerConfirmation(true);
    run(command_id::kChangeYear, change_year_dialog::kDialogId, [](CDialogDriver& d) {
      d.Choose(change_year_dialog::kYears, "2000");
      d.Press(change_year_dialog::kOk);
    })();
    EXPECT_EQ(document_.Book().GetYear(), 2000);
  });
  ExpectOneStep("Predicted Transactions", [this] {
    CpursoPXFView view(document_);
    view.OnInitialUpdate();
    view.Controls().ApplySelection(account_view::kOutstandingExpenses, 0);
    host_.Expect(predactions_dialog::kDialogId, [](CDialogDriver& d) {
      d.Type(predactions_dialog::kUpdateAmount, "700");
      d.Press(predactions_dialog::kUpdate);
      d.Escape();
    });
    view.OnDoubleClick(account_view::kOutstandingExpenses);
  });
}

TEST_F(UndoTest, AnImportIsOneStep) {
  SampleIds ids;
  document_.Book() = SampleAccount(ids);
  ASSERT_TRUE(document_.OnSaveDocument(PathOf("statement.pxf")));
  CMemorySettingsStore settings;
  CInlineRunner runner;
  ExpectOneStep("Import Statement", [&] {
    host_.Expect(import_dialog::kDialogId, [](CDialogDriver& d) { d.Press(import_dialog::kImport); });
    EXPECT_TRUE(document_.ImportStatement(SamplePath(SampleFiles().front().name), settings, runner));
  });
}

TEST_F(UndoTest, ACommandThatChangedNothingLeavesNoStepAndANewChangeDropsRedo) {
  host_.Expect(objects_dialog::kDialogId, [](CDialogDriver& d) { d.Escape(); });
  document_.OnCommand(command_id::kObjects);
  EXPECT_EQ(document_.History().StepCount(), 0u);
  EXPECT_FALSE(document_.IsCommandAvailable(command_id::kEditUndo));
  EXPECT_EQ(Caption(command_id::kEditUndo), "&Undo");

  document_.RunCommand("First", [this] { document_.CurrentLedger().SetOpeningBalance(1); });
  document_.RunCommand("Second", [this] { document_.CurrentLedger().SetOpeningBalance(2); });
  Undo();
  EXPECT_EQ(Caption(command_id::kEditRedo), "&Redo Second");
  document_.RunCommand("Third", [this] { document_.CurrentLedger().SetOpeningBalance(3); });
  EXPECT_FALSE(document_.IsCommandAvailable(command_id::kEditRedo));
  EXPECT_EQ(Caption(command_id::kEditUndo), "&Undo Third");
}

TEST_F(UndoTest, TheModifiedStateFollowsTheLastSaveAndSaveAsStartsAfresh) {
  const auto set = [this](double balance) {
    document_.RunCommand("Opening Balance", [this, balance] { document_.CurrentLedger().SetOpeningBalance(balance); });
  };
  set(1);
  set(2);
  ASSERT_TRUE(document_.OnSaveDocument(document_.PathName()));
  set(3);
  Undo();
  EXPECT_FALSE(document_.IsModified());
  Undo();
  EXPECT_TRUE(document_.IsModified());
  Redo();
  EXPECT_FALSE(document_.IsModified());
  // A change after undoing past the save leaves the saved state out of reach.
  Undo();
  set(4);
  Undo();
  EXPECT_TRUE(document_.IsModified());

  ASSERT_TRUE(document_.OnSaveDocument(PathOf("copy.pxf")));
  EXPECT_FALSE(document_.IsCommandAvailable(command_id::kEditUndo));
  EXPECT_FALSE(document_.IsModified());
}

TEST_F(UndoTest, StepsHoldWhatChangedNotTheYear) {
  CYearLedger& ledger = document_.CurrentLedger();
  const std::uint32_t petrol = AddCategory(ledger, "Boat fuel", CategoryType::kVarEx, 100);
  for (int i = 0; i < 5000; ++i) AddTransaction(ledger, 101 + i % 28, petrol, 1, "Marina");
  ASSERT_TRUE(document_.OnSaveDocument(document_.PathName()));
  const Bytes saved = Account();
  for (int i = 0; i < 100; ++i) {
    document_.RunCommand("Transactions", [&] { AddTransaction(ledger, 1201, petrol, i, "Harbour"); });
  }
  // A copy of the year would be 430 KB a step; one row is 85 bytes.
  EXPECT_EQ(document_.History().StepCount(), 100u);
  EXPECT_LT(document_.History().MemoryUse(), 100u * 512u);
  for (int i = 0; i < 100; ++i) Undo();
  EXPECT_EQ(Account(), saved);
  EXPECT_FALSE(document_.IsModified());
}

TEST(UndoHistoryTest, TheOldestStepsGoWhenTheLimitIsReached) {
  CAccountBook book(1999);
  const auto step = [&book](double balance) {
    const CAccountBook before = book;
    book.CurrentLedger().SetOpeningBalance(balance);
    return CBookChange::Between(before, book);
  };
  const std::size_t stepMemory = [&] {
    CUndoHistory probe;
    probe.Add("Opening Balance", step(1));
    return probe.MemoryUse();
  }();
  CUndoHistory history(stepMemory * 3);
  for (double balance : {2.0, 3.0, 4.0}) EXPECT_EQ(history.Add("Opening Balance", step(balance)).dropped, 0u);
  for (int i = 0; i < 3; ++i) history.Undo(book);
  EXPECT_FALSE(history.DiffersFromSaved());  // the saved point is the start
  EXPECT_FALSE(book.IsModified());
  history.Redo(book);
  history.Redo(book);
  EXPECT_TRUE(book.IsModified());
  // Only the step that could be redone goes.
  const CUndoHistory::Added added = history.Add("Opening Balance", step(5));
  EXPECT_EQ(added.dropped, 0u);
  EXPECT_EQ(history.Add("Opening Balance", step(6)).dropped, 1u);
  EXPECT_EQ(history.StepCount(), 3u);
  EXPECT_LE(history.MemoryUse(), stepMemory * 3);
  // The start (1) is out of reach now, whatever is undone.
  for (int i = 0; i < 3; ++i) history.Undo(book);
  EXPECT_TRUE(history.DiffersFromSaved());
  EXPECT_EQ(book.CurrentLedger().GetOpeningBalance(), 2.0);

  // A step over the whole limit cannot be kept, nor any before it.
  CUndoHistory small(stepMemory - 1);
  EXPECT_FALSE(small.Add("Opening Balance", step(7)).kept);
  EXPECT_FALSE(small.CanUndo());
}

}  // namespace
}  // namespace purso::test
