// The account file as the document opens and saves it: what a user is told
// and asked, with a second real process where another program is the point.
#include <gtest/gtest.h>
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
  for (const auto& [button, closes] : answers) {
    host_.Expect(save_changes_dialog::kDialogId, [&question, button](CDialogDriver& d) {
      question = d.Text(save_changes_dialog::kQuestion);
      d.Press(button);
    });
    EXPECT_EQ(document.SaveModified(save), closes);
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

}  // namespace
}  // namespace purso::test
