// A save in place killed at each of its steps, and what the next open makes
// of the file: the old version or the new one, never a mix of the two.
#include <signal.h>
#include <sys/file.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

#include "data/account_file.h"
#include "data/account_save.h"
#include "data/sample_books.h"
#include "data/save_fault.h"
#include "data/save_journal.h"
#include "data/scratch_folder.h"
#include "support/ledger_records.h"

namespace purso::test {
namespace {

// In a child that saves: the number of the call that changes a file at which
// the child is killed, that call half done; 0 lets every call through.
int killAt = 0;
int calls = 0;

bool KillsNow() { return killAt > 0 && ++calls == killAt; }

[[noreturn]] void Killed() {
  ::kill(::getpid(), SIGKILL);
  for (;;) ::pause();
}

}  // namespace
}  // namespace purso::test

// The calls of a save that change files on disk, counted on their way to the kernel.
extern "C" ssize_t write(int fd, const void* data, size_t n) {
  if (purso::test::KillsNow()) {
    ::syscall(SYS_write, fd, data, n / 2);
    purso::test::Killed();
  }
  return ::syscall(SYS_write, fd, data, n);
}
extern "C" ssize_t pwrite(int fd, const void* data, size_t n, off_t offset) {
  if (purso::test::KillsNow()) {
    ::syscall(SYS_pwrite64, fd, data, n / 2, offset);
    purso::test::Killed();
  }
  return ::syscall(SYS_pwrite64, fd, data, n, offset);
}
extern "C" int ftruncate(int fd, off_t length) {
  if (purso::test::KillsNow()) purso::test::Killed();
  return static_cast<int>(::syscall(SYS_ftruncate, fd, length));
}
extern "C" int fsync(int fd) {
  if (purso::test::KillsNow()) purso::test::Killed();
  return static_cast<int>(::syscall(SYS_fsync, fd));
}
extern "C" int renameat(int from, const char* old, int to, const char* name) {
  if (purso::test::KillsNow()) purso::test::Killed();
  return static_cast<int>(::syscall(SYS_renameat, from, old, to, name));
}
extern "C" int unlinkat(int folder, const char* name, int flags) {
  if (purso::test::KillsNow()) purso::test::Killed();
  return static_cast<int>(::syscall(SYS_unlinkat, folder, name, flags));
}

namespace purso::test {
namespace {

using ::testing::AnyOf;
using ::testing::ElementsAre;
using ::testing::Eq;

// Versions of a filled account with years whose transactions are written in
// many calls.
CAccountBook Version(int version) {
  CAccountBook book = FilledBook();
  for (int year : {3, 9, 15}) {
    CYearLedger& ledger = book.Ledger(year);
    const std::uint32_t food = AddCategory(ledger, "Food", CategoryType::kVarEx, 100);
    for (int i = 0; i < 150; ++i) AddTransaction(ledger, 101 + i % 28, food, version * 1000 + i, "shop");
  }
  return book;
}

class InterruptedSaveTest : public ScratchFolderTest {
 protected:
  // The old version, hard-linked as twin.pxf so that it is saved in place.
  void SetUp() override {
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) std::filesystem::remove(entry.path());
    WriteRaw(path_, old_);
    ASSERT_EQ(::link(path_.c_str(), PathOf("twin.pxf").c_str()), 0);
  }

  // Saves the new version in a child killed at the step'th call; false when
  // the save ran to its end before that.
  bool KillSaveAt(int step) {
    const pid_t child = ::fork();
    if (child == 0) {
      killAt = step;
      CAccountBook book = Version(2);
      SaveAccountFile(path_, book);
      ::_exit(0);
    }
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    return WIFSIGNALED(status);
  }

  // A save in place that wrote its new content and then failed, unable to
  // put the old bytes back: what a kill in the middle leaves.
  void TearTheFile() {
    const CScopedSaveFault writeFails(SaveStep::kWriteContent, EIO);
    const CScopedSaveFault restoreFails(SaveStep::kRestore, EIO);
    CAccountBook book = Version(2);
    ASSERT_EQ(SaveAccountFile(path_, book).failure, SaveFailure::kDamaged);
  }

  const std::string path_ = PathOf("budget.pxf");
  const Bytes old_ = Stored(Version(1));
  const Bytes new_ = Stored(Version(2));
};

TEST_F(InterruptedSaveTest, AKillAtAnyStepOfASaveInPlaceLeavesTheOldOrTheNewVersion) {
  int rolledBack = 0;
  int step = 1;
  for (; KillSaveAt(step); ++step) {
    // Opened again under either name.
    const std::string opened = PathOf(step % 2 == 0 ? "budget.pxf" : "twin.pxf");
    rolledBack += RecoverInterruptedSave(CFilePlace::Of(opened)).status == Recovery::kRolledBack;
    CAccountBook book;
    EXPECT_EQ(LoadAccountFile(opened, book), ReadFailure::kNone) << "step " << step;
    EXPECT_THAT(ReadRaw(path_), AnyOf(Eq(old_), Eq(new_))) << "step " << step;
    EXPECT_FALSE(std::filesystem::exists(PathOf(".budget.pxf.journal"))) << "step " << step;
    SetUp();
  }
  EXPECT_GT(step, 20);
  EXPECT_GT(rolledBack, 5);
  EXPECT_EQ(ReadRaw(path_), new_);
  EXPECT_EQ(ReadRaw(PathOf("budget.pxf.bak")), old_);
  EXPECT_THAT(Entries(), ElementsAre("budget.pxf", "budget.pxf.bak", "twin.pxf"));
}

TEST_F(InterruptedSaveTest, ATornFileThatCannotBePutBackIsStillNeverTakenForAnAccount) {
  const auto backupChanged = [this] { WriteRaw(PathOf("budget.pxf.bak"), Stored(Version(3))); };
  const auto journalALink = [this] {
    std::filesystem::remove(PathOf(".budget.pxf.journal"));
    std::filesystem::create_symlink("elsewhere", PathOf(".budget.pxf.journal"));
  };
  const auto journalForged = [this] { WriteRaw(PathOf(".budget.pxf.journal"), Bytes{'p', 'u', 'r', 's', 'o'}); };
  // Made by a user of the folder who may not write the account, so who saved nothing in place.
  const auto journalOfAnother = [this] {
    ASSERT_EQ(::chmod(folder_.c_str(), 01777), 0);
    ASSERT_EQ(::chmod(path_.c_str(), 0644), 0);
    ASSERT_EQ(::chown(PathOf(".budget.pxf.journal").c_str(), 4242, 4242), 0);
  };
  std::vector<std::function<void()>> spoilers = {backupChanged, journalALink, journalForged};
  if (::geteuid() == 0) spoilers.push_back(journalOfAnother);
  for (const auto& spoil : spoilers) {
    SetUp();
    TearTheFile();
    spoil();
    const Recovery recovery = RecoverInterruptedSave(CFilePlace::Of(path_)).status;
    EXPECT_NE(recovery, Recovery::kRolledBack);
    CAccountBook book;
    EXPECT_EQ(LoadAccountFile(path_, book), ReadFailure::kBadMagic);
  }
}

TEST_F(InterruptedSaveTest, AnOpenerWaitsForASaveInProgressInsteadOfRollingItBack) {
  TearTheFile();
  // The save still holds its journal; it ends a moment later with the new version.
  const int journal = ::open(PathOf(".budget.pxf.journal").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(journal, LOCK_EX), 0);
  std::thread save([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    WriteRaw(path_, new_);
    std::filesystem::remove(PathOf(".budget.pxf.journal"));
    ::close(journal);
  });
  EXPECT_EQ(RecoverInterruptedSave(CFilePlace::Of(path_)).status, Recovery::kNone);
  save.join();
  EXPECT_EQ(ReadRaw(path_), new_);
}

TEST(SaveJournal, ReadsBackWhatItWroteAndNothingElse) {
  const JournalRecord record{2049, 77, {8364, 0xfeedbeefu}, {9000, 0x1234u}};
  JournalRecord read;
  ASSERT_TRUE(ParseJournal(JournalText(record), read));
  EXPECT_EQ(read, record);
  const std::string text = JournalText(record);
  for (const std::string& spoilt : {text.substr(1), text + "more\n", text.substr(0, text.size() - 1),
                                    std::string(text).replace(text.find("77"), 2, "7x")}) {
    EXPECT_FALSE(ParseJournal(spoilt, read)) << spoilt;
  }
}

}  // namespace
}  // namespace purso::test
