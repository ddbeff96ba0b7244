// The account file as the document opens and saves it: what a user is told
// and asked, with a second real process where another program is the point.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/purso_document.h"
#include "data/account_file.h"
#include "data/account_lock.h"
#include "data/calendar.h"
#include "data/save_fault.h"
#include "resources/message_dialog_resources.h"
#include "support/scripted_host.h"

namespace purso::test {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A second program, forked: it runs work, then waits until it is ended.
class COtherProgram {
 public:
  explicit COtherProgram(const std::function<void()>& work) {
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    pid_ = ::fork();
    if (pid_ == 0) {
      work();
      const char done = 1;
      if (::write(ready[1], &done, 1) != 1) ::_exit(1);
      for (;;) ::pause();
    }
    char done = 0;
    EXPECT_EQ(::read(ready[0], &done, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
  }
  ~COtherProgram() { End(); }
  void End() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = 0;
  }

 private:
  pid_t pid_ = 0;
};

// In a child: becomes another member of the folder's group, where the test may
// change users ("nobody", whose group the shared folders below get).
void BecomeNeighbour() {
  if (::geteuid() != 0) return;
  if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
}

class DocumentFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("purso_document_file_test_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
    path_ = (folder_ / "household.pxf").string();
    CAccountBook book(1999);
    book.CurrentLedger().SetOpeningBalance(100);
    ASSERT_TRUE(StoreAccountFile(path_, book));
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Makes the folder one that the neighbour's group may write, as a family's shared folder.
  void ShareFolder() {
    if (::geteuid() == 0) {
      ASSERT_EQ(::chown(folder_.c_str(), 0, 65534), 0);
      ASSERT_EQ(::chmod(folder_.c_str(), 02775), 0);
    }
  }

  // The account saved once more, so that its backup holds a readable version.
  void SaveAgain(double opening) {
    CAccountBook book(1999);
    book.CurrentLedger().SetOpeningBalance(opening);
    ASSERT_TRUE(StoreAccountFile(path_, book));
  }

  double OpeningBalanceOf(const std::string& path) {
    CAccountBook book(1999);
    EXPECT_EQ(LoadAccountFile(path, book), ReadFailure::kNone) << path;
    return book.CurrentLedger().GetOpeningBalance();
  }

  CScriptedHost host_;
  fs::path folder_;
  std::string path_;
};

TEST_F(DocumentFileTest, AnAccountAnotherProgramHoldsOpensOnlyWhenTheUserSaysSo) {
  COtherProgram other([this] {
    static CAccountLock held;
    held.TryAcquire(path_);
  });
  host_.AnswerConfirmationWithEnter();  // opening anyway is the risky answer: No is the default
  CpursoPXFDoc refused(host_);
  EXPECT_FALSE(refused.OnOpenDocument(path_));
  ASSERT_EQ(host_.Questions().size(), 1u);
  EXPECT_EQ(host_.Questions()[0].rfind("The account household.pxf is open in another program (", 0), 0u)
      << host_.Questions()[0];

  host_.AnswerConfirmation(true);
  CpursoPXFDoc forced(host_);
  EXPECT_TRUE(forced.OnOpenDocument(path_));
}

TEST_F(DocumentFileTest, UnsavedChangesAreSavedDroppedOrKeptOpenAsTheUserAnswers) {
  CpursoPXFDoc document(host_);
  ASSERT_TRUE(document.OnOpenDocument(path_));
  int saves = 0;
  const auto save = [&saves] { return ++saves > 0; };
  EXPECT_TRUE(document.SaveModified(save));  // nothing to save, nothing asked
  document.CurrentLedger().SetOpeningBalance(5);
  std::string question;
  const std::pair<int, bool> answers[] = {
      {save_changes_dialog::kCancel, false}, {save_changes_dialog::kNo, true}, {save_changes_dialog::kYes, true}};
  for (const auto& answer : answers) {
    const int button = answer.first;
    host_.Expect(save_changes_dialog::kDialogId, [&question, button](CDialogDriver& d) {
      question = d.Text(save_changes_dialog::kQuestion);
      d.Press(button);
    });
    EXPECT_EQ(document.SaveModified(save), answer.second);
  }
  EXPECT_EQ(question, "Save changes to household.pxf?");
  EXPECT_EQ(saves, 1);
}

TEST_F(DocumentFileTest, ALockLeftByAProgramThatIsGoneIsNoReasonToAsk) {
  {
    COtherProgram other([this] {
      static CAccountLock held;
      held.TryAcquire(path_);
    });
  }  // killed: its lock file stays behind
  ASSERT_TRUE(fs::exists(LockPathOf(path_)));
  CpursoPXFDoc document(host_);
  EXPECT_TRUE(document.OnOpenDocument(path_));
  EXPECT_TRUE(host_.Questions().empty());
}

TEST_F(DocumentFileTest, SavingOverAFileAnotherProgramChangedAsksFirst) {
  CpursoPXFDoc document(host_);
  ASSERT_TRUE(document.OnOpenDocument(path_));
  document.CurrentLedger().SetOpeningBalance(200);
  COtherProgram other([this] {
    CAccountBook theirs(1999);
    theirs.CurrentLedger().SetOpeningBalance(300);  // the same size as ours
    if (!StoreAccountFile(path_, theirs)) ::_exit(1);
  });
  const std::string theirs = ReadAll(path_);

  host_.AnswerConfirmation(false);
  EXPECT_FALSE(document.OnSaveDocument(path_));
  EXPECT_EQ(ReadAll(path_), theirs);
  EXPECT_TRUE(document.IsModified());
  ASSERT_EQ(host_.Questions().size(), 1u);
  EXPECT_EQ(host_.Questions()[0],
            "The file household.pxf has been changed by another program since it was opened.\n"
            "Do you want to replace it?");

  host_.AnswerConfirmation(true);
  EXPECT_TRUE(document.OnSaveDocument(path_));
  EXPECT_NE(ReadAll(path_), theirs);
  // Written by this program now: the next save asks nothing.
  EXPECT_TRUE(document.OnSaveDocument(path_));
  EXPECT_EQ(host_.Questions().size(), 2u);
}

TEST_F(DocumentFileTest, SaveAsAsksAboutTheFileThatWillReallyBeWritten) {
  CpursoPXFDoc document(host_);
  const std::string typed = (folder_ / "household").string();
  host_.AnswerConfirmation(false);
  EXPECT_EQ(document.SaveAsTarget(typed), std::nullopt);
  ASSERT_EQ(host_.Questions().size(), 1u);
  EXPECT_EQ(host_.Questions()[0], "The file household.pxf already exists.\nDo you want to replace it?");
  EXPECT_EQ(document.SaveAsTarget((folder_ / "new").string()), (folder_ / "new.pxf").string());

  // The account's own file is no other file to ask about.
  ASSERT_TRUE(document.OnOpenDocument(path_));
  EXPECT_EQ(document.SaveAsTarget(typed), path_);
  EXPECT_EQ(host_.Questions().size(), 1u);
}

TEST_F(DocumentFileTest, AFileThatIsNotThereIsNamedNotCalledDamaged) {
  CpursoPXFDoc document(host_);
  EXPECT_FALSE(document.OnOpenDocument((folder_ / "gone.pxf").string()));
  ASSERT_EQ(host_.Problems().size(), 1u);
  EXPECT_EQ(host_.Problems()[0].problem, "The file gone.pxf does not exist.");
  EXPECT_EQ(host_.Problems()[0].suggestion, "- check the name and the folder of the file\n- open another file");
}

TEST_F(DocumentFileTest, UnsavedChangesFollowTheBookWhateverPathMadeThem) {
  CpursoPXFDoc document(host_);
  ASSERT_TRUE(document.OnOpenDocument(path_));
  EXPECT_FALSE(document.IsModified());
  document.CurrentLedger().Objects().AddRow();  // a change no command reported
  EXPECT_TRUE(document.IsModified());
}

TEST_F(DocumentFileTest, ALinkPlantedAfterOpeningIsReplacedNeverWrittenThrough) {
  SaveAgain(150);  // the backup holds the first version, 100
  ShareFolder();
  const fs::path notes = folder_ / "victim" / "notes.txt";
  fs::create_directories(notes.parent_path());
  std::ofstream(notes) << "private notes\n";
  CpursoPXFDoc document(host_);
  ASSERT_TRUE(document.OnOpenDocument(path_));
  document.CurrentLedger().SetOpeningBalance(200);
  COtherProgram neighbour([&] {
    BecomeNeighbour();
    if (::unlink(path_.c_str()) != 0 || ::symlink(notes.c_str(), path_.c_str()) != 0) ::_exit(1);
  });
  ASSERT_TRUE(fs::is_symlink(path_));

  host_.AnswerConfirmation(false);
  EXPECT_FALSE(document.OnSaveDocument(path_));
  EXPECT_TRUE(fs::is_symlink(path_));
  host_.AnswerConfirmation(true);
  EXPECT_TRUE(document.OnSaveDocument(path_));
  EXPECT_EQ(OpeningBalanceOf(path_ + ".bak"), 100);  // the link was no version of the account
  document.CurrentLedger().SetOpeningBalance(300);
  EXPECT_TRUE(document.OnSaveDocument(path_));

  EXPECT_EQ(host_.Questions(), (std::vector<std::string>(2, "The file household.pxf is now a link to " +
                                                                notes.string() +
                                                                ", put there by another program since it was opened.\n"
                                                                "Do you want to replace the link with this account? The "
                                                                "file it links to is not changed.")));
  EXPECT_EQ(ReadAll(notes.string()), "private notes\n");
  EXPECT_FALSE(fs::exists(notes.string() + ".bak"));
  EXPECT_FALSE(fs::is_symlink(path_));
  EXPECT_EQ(OpeningBalanceOf(path_), 300);
  EXPECT_EQ(OpeningBalanceOf(path_ + ".bak"), 200);
}

TEST_F(DocumentFileTest, ADamagedAccountOffersItsBackupWhichItNeverReplaces) {
  SaveAgain(150);  // the backup holds the first version, 100
  fs::resize_file(path_, 100);
  const std::string question =
      "The file household.pxf cannot be read: it is damaged or it is no account file.\nIts backup household.pxf.bak "
      "can be read. Do you want to open the backup in its place? Saving it then replaces the damaged file.";
  host_.AnswerConfirmation(false);
  CpursoPXFDoc declined(host_);
  EXPECT_FALSE(declined.OnOpenDocument(path_));
  EXPECT_EQ(host_.Questions(), std::vector<std::string>{question});
  EXPECT_TRUE(host_.Problems().empty());

  host_.AnswerConfirmation(true);
  CpursoPXFDoc document(host_);
  ASSERT_TRUE(document.OnOpenDocument(path_));
  EXPECT_TRUE(document.IsModified());
  EXPECT_EQ(document.CurrentLedger().GetOpeningBalance(), 100);
  ASSERT_TRUE(document.OnSaveDocument(path_));
  EXPECT_EQ(OpeningBalanceOf(path_), 100);
  EXPECT_EQ(OpeningBalanceOf(path_ + ".bak"), 100);
  EXPECT_EQ(host_.Questions().size(), 2u);

  // Without a backup that reads, the reading message as ever.
  fs::resize_file(path_, 100);
  fs::resize_file(path_ + ".bak", 100);
  CpursoPXFDoc refused(host_);
  EXPECT_FALSE(refused.OnOpenDocument(path_));
  ASSERT_EQ(host_.Problems().size(), 1u);
  EXPECT_EQ(host_.Problems()[0].problem, kReadingProblem);
}

TEST_F(DocumentFileTest, ASaveInPlaceKilledPartWayIsRolledBackOnOpeningAndTheUserTold) {
  const std::string twin = (folder_ / "twin.pxf").string();
  ASSERT_EQ(::link(path_.c_str(), twin.c_str()), 0);  // so that it is saved in place
  {
    // A save that wrote part of its content and could not put the old back.
    const CScopedSaveFault writeFails(SaveStep::kWriteContent, EIO);
    const CScopedSaveFault restoreFails(SaveStep::kRestore, EIO);
    CAccountBook book(1999);
    book.CurrentLedger().SetOpeningBalance(200);
    ASSERT_EQ(SaveAccountFile(path_, book).failure, SaveFailure::kDamaged);
  }
  CpursoPXFDoc document(host_);
  ASSERT_TRUE(document.OnOpenDocument(twin));
  EXPECT_EQ(document.CurrentLedger().GetOpeningBalance(), 100);
  EXPECT_FALSE(document.IsModified());
  ASSERT_EQ(host_.Problems().size(), 1u);
  EXPECT_EQ(host_.Problems()[0].problem,
            "The last save of twin.pxf was interrupted.\nThe account is as it was before that save, put back from "
            "its backup household.pxf.bak.");
  EXPECT_EQ(host_.Problems()[0].suggestion,
            "- check the changes made just before that save, and make again those that are missing");
  EXPECT_TRUE(document.IsOpenAs(path_));
  EXPECT_FALSE(fs::exists(folder_ / ".household.pxf.journal"));
}

TEST_F(DocumentFileTest, ALockFileThatIsNotThisProgramsIsNamedAndTheOpenGoesOn) {
  ShareFolder();
  const std::string lock = LockPathOf(path_);
  COtherProgram neighbour([&] {
    BecomeNeighbour();
    if (::symlink("/somewhere/else", lock.c_str()) != 0) ::_exit(1);
  });
  CpursoPXFDoc linked(host_);
  EXPECT_TRUE(linked.OnOpenDocument(path_));
  EXPECT_TRUE(host_.Questions().empty());
  ASSERT_EQ(host_.Problems().size(), 1u);
  EXPECT_EQ(host_.Problems()[0].problem,
            "The account household.pxf cannot be locked against a second program: .household.pxf.lock is a lock file "
            "that is not this program's.");
  EXPECT_TRUE(fs::is_symlink(lock));

  // A member's file that claims to be a lock names no one it cannot vouch for.
  fs::remove(lock);
  COtherProgram forger([&] {
    BecomeNeighbour();
    std::ofstream(lock) << "pid 1\nhost the bank on vm\nuser the bank\n";
  });
  host_.AnswerConfirmation(true);
  CpursoPXFDoc forged(host_);
  EXPECT_TRUE(forged.OnOpenDocument(path_));
  EXPECT_EQ(host_.Questions(),
            std::vector<std::string>{"The account household.pxf is open in another program.\nDo you want to open it "
                                     "anyway?"});
  CAccountLock second;
  EXPECT_EQ(second.TryAcquire(path_).holder.pid, ::getpid());  // the forced open holds the lock
}

}  // namespace
}  // namespace purso::test
