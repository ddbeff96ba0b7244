// What the program keeps beside an account's file: a version of every save,
// opened again as a new account, and the recovery copy of unsaved changes,
// offered back after the program was killed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/purso_document.h"
#include "data/account_file.h"
#include "data/calendar.h"
#include "data/scratch_folder.h"
#include "support/ledger_builder.h"
#include "support/scripted_host.h"

namespace purso::test {
namespace {

namespace fs = std::filesystem;

class SafekeepingTest : public ScratchFolderTest {
 protected:
  SafekeepingTest() {
    keeping_.SetClock([this] { return now_; });
    document_.SetSafekeeping(&keeping_);
    FillSampleYear(document_.Book());
  }

  std::string Account() const { return PathOf("household.pxf"); }
  void SetOpeningBalance(CpursoPXFDoc& document, double balance) {
    document.RunCommand("Opening Balance", [&] { document.CurrentLedger().SetOpeningBalance(balance); });
  }
  std::vector<fs::path> RecoveryCopies() const {
    std::vector<fs::path> copies;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(keeping_.RecoveryFolder(), ignored)) {
      if (entry.path().extension() == ".recovery") copies.push_back(entry.path());
    }
    return copies;
  }
  std::string RecoverQuestion() const {
    return "The account household.pxf has changes that were not saved when the program ended on " +
           LocalTimeText(now_) + ".\nDo you want to recover them?";
  }
  // The account left with a recovery copy, as by a program that ended without closing it.
  void LeaveCopy(double balance) {
    CpursoPXFDoc left(host_);
    left.SetSafekeeping(&keeping_);
    ASSERT_TRUE(left.OnOpenDocument(Account()));
    SetOpeningBalance(left, balance);
  }

  CFixedClock clock_{CivilDate{1999, 6, 15}};
  CScopedClock scopedClock_{clock_};
  CMemorySettingsStore settings_;
  CSafekeeping keeping_{PathOf("data/purso"), settings_};
  WallClock::time_point now_ = WallClock::from_time_t(1717400000);
  CScriptedHost host_;
  CpursoPXFDoc document_{host_};
};

TEST_F(SafekeepingTest, AKeptVersionOpensAsANewUnsavedAccountBesideItsOriginal) {
  ASSERT_TRUE(document_.OnSaveDocument(Account()));
  SetOpeningBalance(document_, 10);
  now_ += std::chrono::minutes(5);
  ASSERT_TRUE(document_.OnSaveDocument(Account()));
  const std::vector<VersionSummary> versions = document_.KeptVersions();
  ASSERT_EQ(versions.size(), 2u);
  EXPECT_EQ(versions[0].balance - versions[1].balance, 10 - 1850);

  CpursoPXFDoc restored(host_);
  ASSERT_TRUE(restored.OpenVersion(versions[1].version, document_.Title(), document_.PathName()));
  const std::string date = LocalTimeText(versions[1].version.savedAt);
  EXPECT_EQ(restored.Title(), "household.pxf (restored " + date + ")");
  EXPECT_TRUE(restored.IsModified());
  EXPECT_TRUE(restored.PathName().empty());
  EXPECT_EQ(restored.CurrentLedger().GetOpeningBalance(), 1850);
  EXPECT_EQ(restored.SaveAsProposal(), PathOf("household restored " + date.substr(0, 10) + ".pxf"));
  // Saving it over the original asks first.
  host_.AnswerConfirmation(false);
  EXPECT_FALSE(restored.SaveAsTarget(Account()).has_value());
  EXPECT_EQ(host_.Questions().back(), "The file household.pxf already exists.\nDo you want to replace it?");

  // A damaged version is listed as damaged and cannot be opened.
  WriteRaw(versions[0].version.path, Bytes{'P', 'U', 'R'});
  EXPECT_EQ(document_.KeptVersions()[0].failure, ReadFailure::kTruncated);
  EXPECT_FALSE(CpursoPXFDoc(host_).OpenVersion(versions[0].version, "household.pxf", Account()));
  EXPECT_EQ(host_.Problems().back().problem, kReadingProblem);
}

TEST_F(SafekeepingTest, TheRecoveryCopyIsWrittenAtMostEveryMinuteAndGoesWithTheUnsavedChanges) {
  ASSERT_TRUE(document_.OnSaveDocument(Account()));
  EXPECT_TRUE(RecoveryCopies().empty());
  SetOpeningBalance(document_, 1);
  ASSERT_EQ(RecoveryCopies().size(), 1u);
  const fs::path copy = RecoveryCopies().front();
  EXPECT_EQ(fs::status(copy).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  const Bytes first = ReadRaw(copy);

  now_ += std::chrono::seconds(59);
  SetOpeningBalance(document_, 2);
  EXPECT_EQ(ReadRaw(copy), first);
  now_ += std::chrono::seconds(1);
  document_.KeepRecovery();
  EXPECT_NE(ReadRaw(copy), first);

  // Undone back to the file, there is nothing to recover.
  document_.Undo();
  document_.Undo();
  EXPECT_TRUE(RecoveryCopies().empty());
  SetOpeningBalance(document_, 3);
  EXPECT_EQ(RecoveryCopies().size(), 1u);
  document_.DiscardRecovery();  // a clean close, not saved
  EXPECT_TRUE(RecoveryCopies().empty());
}

TEST_F(SafekeepingTest, AProgramKilledBeforeSavingHasItsChangesOfferedAtTheNextStart) {
  ASSERT_TRUE(document_.OnSaveDocument(Account()));
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t program = ::fork();
  ASSERT_GE(program, 0);
  if (program == 0) {
    SetOpeningBalance(document_, 4321);
    (void)!::write(ready[1], "k", 1);
    for (;;) ::pause();
  }
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  ::kill(program, SIGKILL);
  int status = 0;
  ASSERT_EQ(::waitpid(program, &status, 0), program);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

  CScriptedHost next;
  next.AnswerConfirmation(true);
  const auto recovered = CpursoPXFDoc::RecoverLeftAccounts(next, keeping_);
  ASSERT_EQ(recovered.size(), 1u);
  EXPECT_EQ(next.Questions(), std::vector<std::string>{RecoverQuestion()});
  EXPECT_EQ(recovered[0]->CurrentLedger().GetOpeningBalance(), 4321);
  EXPECT_TRUE(recovered[0]->IsModified());
  EXPECT_EQ(recovered[0]->PathName(), Account());
  // The copy goes on as the recovered account's own until it is saved.
  ASSERT_TRUE(recovered[0]->OnSaveDocument(Account()));
  EXPECT_TRUE(RecoveryCopies().empty());
}

TEST_F(SafekeepingTest, ACopyTheUserWouldNotRecoverStaysUntilTheAccountIsSavedOrTheUserDeletesIt) {
  ASSERT_TRUE(document_.OnSaveDocument(Account()));
  LeaveCopy(77);
  ASSERT_EQ(RecoveryCopies().size(), 1u);

  // No, then No to deleting it: kept, and not asked again in this run.
  CScriptedHost opening;
  opening.AnswerConfirmation(false);
  opening.AnswerConfirmation(false);
  CpursoPXFDoc reopened(opening);
  reopened.SetSafekeeping(&keeping_);
  ASSERT_TRUE(reopened.OnOpenDocument(Account()));
  EXPECT_EQ(opening.Questions().size(), 2u);
  EXPECT_EQ(opening.Questions()[0], RecoverQuestion());
  EXPECT_EQ(reopened.CurrentLedger().GetOpeningBalance(), 1850);
  EXPECT_TRUE(CpursoPXFDoc::RecoverLeftAccounts(opening, keeping_).empty());
  EXPECT_EQ(RecoveryCopies().size(), 1u);
  ASSERT_TRUE(reopened.OnSaveDocument(Account()));
  EXPECT_TRUE(RecoveryCopies().empty());

  // A damaged copy is reported and never offered; deleting it is asked.
  LeaveCopy(88);
  ASSERT_EQ(RecoveryCopies().size(), 1u);
  const fs::path damaged = RecoveryCopies().front();
  WriteRaw(damaged, Bytes{'P', 'U', 'R', 'S', 'O'});
  CScriptedHost start;
  start.AnswerConfirmation(true);
  EXPECT_TRUE(CpursoPXFDoc::RecoverLeftAccounts(start, keeping_).empty());
  ASSERT_EQ(start.Problems().size(), 1u);
  EXPECT_EQ(start.Problems()[0].problem,
            "The recovery copy " + damaged.string() + " cannot be read: the file ends early.");
  EXPECT_EQ(start.Questions(),
            std::vector<std::string>{"Do you want to delete the damaged recovery copy " + damaged.string() + "?"});
  EXPECT_TRUE(RecoveryCopies().empty());
}

}  // namespace
}  // namespace purso::test
