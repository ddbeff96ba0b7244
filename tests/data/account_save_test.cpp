#include "data/account_save.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <functional>
#include <thread>

#include "data/archive.h"
#include "data/save_fault.h"
#include "data/save_journal.h"
#include "data/scratch_folder.h"

namespace purso {
namespace {

// Counts calls of umask: it changes the mask of every thread while it reads it.
std::atomic<int> umaskCalls{0};

}  // namespace
}  // namespace purso

extern "C" mode_t umask(mode_t mask) noexcept {
  ++purso::umaskCalls;
  return static_cast<mode_t>(::syscall(SYS_umask, mask));
}

namespace purso {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::ReadRaw;
using test::WriteRaw;
using ::testing::ElementsAre;

constexpr uid_t kOtherUser = 4242;
constexpr gid_t kOtherGroup = 4243;

// A modified account whose bytes differ from every other opening balance's.
CAccountBook BookWith(double opening) {
  CAccountBook book;
  book.Ledger(3).SetOpeningBalance(opening);
  book.SetModified();
  return book;
}

Bytes BytesOf(const CAccountBook& book) {
  CArchiveWriter writer;
  EXPECT_TRUE(book.Write(writer));
  return writer.Bytes();
}

struct stat StatOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info;
}

bool IsSuperuser() { return ::geteuid() == 0; }

class AccountSaveTest : public test::ScratchFolderTest {
 protected:
  void Clear() {
    for (const auto& entry : fs::directory_iterator(folder_)) fs::remove_all(entry.path());
  }

  const std::string path_ = PathOf("budget.pxf");
  const std::string backup_ = PathOf("budget.pxf.bak");
  const Bytes old_ = BytesOf(BookWith(1));
};

TEST(SaveFailureMessage, EveryReasonNamesTheFileAndTheGeneralOneIsTheWritingMessage) {
  for (SaveFailure failure : {SaveFailure::kReadOnly, SaveFailure::kNoPermission, SaveFailure::kFolderNotWritable,
                              SaveFailure::kNoSpace, SaveFailure::kInvalidName, SaveFailure::kDamaged}) {
    const SaveMessage message = SaveFailureMessage(failure, "a%2.pxf", "a%2.pxf.bak");
    EXPECT_NE(message.problem.find("a%2.pxf"), std::string::npos) << message.problem;
    EXPECT_EQ(message.suggestion.rfind("- ", 0), 0u) << message.suggestion;
  }
  EXPECT_EQ(SaveFailureMessage(SaveFailure::kReadOnly, "b.pxf", "").problem,
            "The file b.pxf is read-only.\nIt was not changed.");
  EXPECT_EQ(SaveFailureMessage(SaveFailure::kDamaged, "b.pxf", "b.pxf.bak").suggestion,
            "- save the account under another name with \"File|Save As...\"\n- copy b.pxf.bak over b.pxf if you need "
            "the previous version");
  EXPECT_EQ(SaveFailureMessage(SaveFailure::kIoError, "b.pxf", "").problem, kWritingProblem);
  EXPECT_EQ(SaveFailureMessage(SaveFailure::kNone, "b.pxf", "").problem, "");
}

TEST_F(AccountSaveTest, EachSaveKeepsTheVersionItReplacesAsTheBackup) {
  CAccountBook first = BookWith(1);
  EXPECT_EQ(SaveAccountFile(path_, first).backup, BackupState::kNotMade);
  for (double opening : {2.0, 3.0}) {
    const Bytes before = ReadRaw(path_);
    CAccountBook book = BookWith(opening);
    const SaveResult result = SaveAccountFile(path_, book);
    EXPECT_EQ(result.backup, BackupState::kKept);
    EXPECT_FALSE(book.IsModified());
    EXPECT_EQ(ReadRaw(path_), BytesOf(BookWith(opening)));
    EXPECT_EQ(ReadRaw(backup_), before);
    EXPECT_THAT(Entries(), ElementsAre("budget.pxf", "budget.pxf.bak"));
  }
  EXPECT_EQ(BackupPathOf(path_), backup_);
}

TEST_F(AccountSaveTest, ASaveOfTheBytesOnDiskWritesNothingAndKeepsTheBackup) {
  for (const bool inPlace : {false, true}) {
    Clear();
    WriteRaw(path_, old_);
    if (inPlace) {
      ASSERT_EQ(::link(path_.c_str(), PathOf("twin.pxf").c_str()), 0);
    }
    CAccountBook book = BookWith(2);
    ASSERT_TRUE(SaveAccountFile(path_, book).Succeeded());
    const FileStamp written = FileStampOf(path_);
    book.SetModified();
    const SaveResult again = SaveAccountFile(path_, book);
    EXPECT_TRUE(again.Succeeded()) << inPlace;
    EXPECT_EQ(again.backup, BackupState::kNotMade) << inPlace;
    EXPECT_FALSE(book.IsModified()) << inPlace;
    EXPECT_EQ(again.stamp, written) << inPlace;
    EXPECT_EQ(FileStampOf(path_), written) << inPlace;  // not even its times changed
    EXPECT_EQ(ReadRaw(backup_), old_) << inPlace;
  }
}

TEST_F(AccountSaveTest, AFileThatDoesNotReadNeverReplacesABackup) {
  const Bytes torn(old_.begin(), old_.begin() + 100);
  for (const bool inPlace : {false, true}) {
    for (const bool hasBackup : {true, false}) {
      Clear();
      WriteRaw(path_, torn);
      if (hasBackup) WriteRaw(backup_, old_);
      if (inPlace) {
        ASSERT_EQ(::link(path_.c_str(), PathOf("twin.pxf").c_str()), 0);
      }
      CAccountBook book = BookWith(2);
      const SaveResult result = SaveAccountFile(path_, book);
      EXPECT_TRUE(result.Succeeded()) << inPlace << hasBackup;
      EXPECT_EQ(result.backup, hasBackup ? BackupState::kUnreadable : BackupState::kKept) << inPlace << hasBackup;
      EXPECT_EQ(ReadRaw(path_), BytesOf(BookWith(2))) << inPlace << hasBackup;
      // With no backup to keep, the damaged bytes are kept rather than lost.
      EXPECT_EQ(ReadRaw(backup_), hasBackup ? old_ : torn) << inPlace << hasBackup;
    }
  }
}

TEST_F(AccountSaveTest, AReadOnlyFileIsRefusedAndLeftAsItWas) {
  struct Case {
    mode_t mode;
    uid_t owner;  // 0: this user
  };
  for (const Case c : {Case{0444, 0}, Case{0400, 0}, Case{0555, 0}, Case{0444, kOtherUser}}) {
    if (c.owner != 0 && !IsSuperuser()) continue;  // only the superuser can give a file away
    Clear();
    WriteRaw(path_, old_);
    ASSERT_EQ(::chmod(path_.c_str(), c.mode), 0);
    if (c.owner != 0) {
      ASSERT_EQ(::chown(path_.c_str(), c.owner, static_cast<gid_t>(-1)), 0);
    }
    CAccountBook book = BookWith(2);
    const SaveResult result = SaveAccountFile(path_, book);
    EXPECT_EQ(result.failure, SaveFailure::kReadOnly) << std::oct << c.mode;
    EXPECT_TRUE(book.IsModified());
    EXPECT_EQ(ReadRaw(path_), old_);
    EXPECT_EQ(StatOf(path_).st_mode & 07777, c.mode);
    EXPECT_THAT(Entries(), ElementsAre("budget.pxf"));
  }
}

TEST_F(AccountSaveTest, TheFileKeepsItsOwnerGroupPermissionsAndLinks) {
  struct Case {
    const char* name;
    bool twin;  // a second hard link "twin.pxf"
    uid_t owner;
    gid_t group;
    mode_t mode;
  };
  const Case cases[] = {
      {"plain", false, 0, 0, 0640},
      {"hard link", true, 0, 0, 0604},
      {"another user's, group-writable", false, kOtherUser, 0, 0664},
      {"another group", false, 0, kOtherGroup, 0660},
  };
  for (const Case& c : cases) {
    if ((c.owner != 0 || c.group != 0) && !IsSuperuser()) continue;  // giving files away needs the superuser
    Clear();
    WriteRaw(path_, old_);
    ASSERT_EQ(::chmod(path_.c_str(), c.mode), 0);
    ASSERT_EQ(::chown(path_.c_str(), c.owner != 0 ? c.owner : ::geteuid(), c.group != 0 ? c.group : ::getegid()), 0);
    if (c.twin) {
      ASSERT_EQ(::link(path_.c_str(), PathOf("twin.pxf").c_str()), 0);
    }
    const struct stat before = StatOf(path_);

    CAccountBook book = BookWith(2);
    const SaveResult result = SaveAccountFile(path_, book);
    ASSERT_TRUE(result.Succeeded()) << c.name << " " << result.error;
    const struct stat after = StatOf(path_);
    EXPECT_EQ(after.st_uid, before.st_uid) << c.name;
    EXPECT_EQ(after.st_gid, before.st_gid) << c.name;
    EXPECT_EQ(after.st_mode, before.st_mode) << c.name;
    EXPECT_EQ(after.st_nlink, before.st_nlink) << c.name;
    EXPECT_EQ(ReadRaw(path_), BytesOf(BookWith(2))) << c.name;
    if (c.twin) {
      EXPECT_EQ(ReadRaw(PathOf("twin.pxf")), BytesOf(BookWith(2))) << c.name;
    }
    EXPECT_EQ(ReadRaw(backup_), old_) << c.name;
    EXPECT_EQ(result.stamp, FileStampOf(path_)) << c.name;
  }
}

TEST_F(AccountSaveTest, EachFailingStepLeavesTheOldFileAndNoTemporary) {
  struct Case {
    const char* name;
    SaveStep step;
    int error;
    SaveFailure failure;
  };
  const Case cases[] = {
      {"permissions refused", SaveStep::kSetMode, EPERM, SaveFailure::kNone},
      {"permissions not supported", SaveStep::kSetMode, EOPNOTSUPP, SaveFailure::kNone},
      {"permissions with an i/o error", SaveStep::kSetMode, EIO, SaveFailure::kIoError},
      {"no hard links", SaveStep::kLinkBackup, EPERM, SaveFailure::kNone},
      {"disk full at creation", SaveStep::kCreateTemporary, ENOSPC, SaveFailure::kNoSpace},
      {"quota full while writing", SaveStep::kWriteContent, EDQUOT, SaveFailure::kNoSpace},
      {"write error", SaveStep::kWriteContent, EIO, SaveFailure::kIoError},
  };
  for (const Case& c : cases) {
    Clear();
    WriteRaw(path_, old_);
    CAccountBook book = BookWith(2);
    SaveResult result;
    {
      const CScopedSaveFault fault(c.step, c.error);
      result = SaveAccountFile(path_, book);
    }
    EXPECT_EQ(result.failure, c.failure) << c.name;
    EXPECT_EQ(book.IsModified(), c.failure != SaveFailure::kNone) << c.name;
    if (c.failure == SaveFailure::kNone) {
      EXPECT_EQ(ReadRaw(path_), BytesOf(BookWith(2))) << c.name;
      EXPECT_EQ(ReadRaw(backup_), old_) << c.name;
      EXPECT_THAT(Entries(), ElementsAre("budget.pxf", "budget.pxf.bak")) << c.name;
    } else {
      EXPECT_EQ(result.error, c.error) << c.name;
      EXPECT_EQ(ReadRaw(path_), old_) << c.name;
      EXPECT_THAT(Entries(), ElementsAre("budget.pxf")) << c.name;
    }
  }
}

TEST_F(AccountSaveTest, AFolderThatTakesNoNewFileIsNotWrittenInPlaceForItCanHoldNoJournal) {
  WriteRaw(path_, old_);
  const CScopedSaveFault refused(SaveStep::kCreateTemporary, EACCES);
  CAccountBook book = BookWith(2);
  EXPECT_EQ(SaveAccountFile(path_, book).failure, SaveFailure::kFolderNotWritable);
  EXPECT_EQ(ReadRaw(path_), old_);
  EXPECT_THAT(Entries(), ElementsAre("budget.pxf"));

  // An earlier backup is no journal: the file stays as it was.
  WriteRaw(backup_, Bytes{1, 2, 3});
  EXPECT_EQ(SaveAccountFile(path_, book).failure, SaveFailure::kFolderNotWritable);
  EXPECT_EQ(ReadRaw(path_), old_);
  EXPECT_EQ(ReadRaw(backup_), (Bytes{1, 2, 3}));
  // Saving what the file holds needs no new file.
  CAccountBook same = BookWith(1);
  EXPECT_TRUE(SaveAccountFile(path_, same).Succeeded());
}

TEST_F(AccountSaveTest, AWriteInPlaceThatFailsPutsTheOldBytesBackOrKeepsThemInTheBackup) {
  for (const bool restoreFails : {false, true}) {
    Clear();
    WriteRaw(path_, old_);
    ASSERT_EQ(::link(path_.c_str(), PathOf("twin.pxf").c_str()), 0);  // so the file is written in place
    CAccountBook book = BookWith(2);
    SaveResult result;
    {
      const CScopedSaveFault writeFails(SaveStep::kWriteContent, EIO);
      const CScopedSaveFault restore(SaveStep::kRestore, restoreFails ? EIO : 0);
      result = SaveAccountFile(path_, book);
    }
    EXPECT_EQ(result.failure, restoreFails ? SaveFailure::kDamaged : SaveFailure::kIoError);
    EXPECT_TRUE(book.IsModified());
    EXPECT_EQ(ReadRaw(backup_), old_);
    if (restoreFails) {
      // The journal stays, and the next open puts the old bytes back.
      EXPECT_THAT(Entries(), ElementsAre(".budget.pxf.journal", "budget.pxf", "budget.pxf.bak", "twin.pxf"));
      EXPECT_EQ(RecoverInterruptedSave(CFilePlace::Of(path_)).status, Recovery::kRolledBack);
    }
    EXPECT_EQ(ReadRaw(PathOf("twin.pxf")), old_);
    EXPECT_THAT(Entries(), ElementsAre("budget.pxf", "budget.pxf.bak", "twin.pxf"));
  }
}

TEST_F(AccountSaveTest, NewFilesTakeTheCreationMaskWhichIsNeverChanged) {
  const mode_t previous = ::umask(027);
  ASSERT_GT(umaskCalls.load(), 0);  // the count sees the calls of the code under test
  const int before = umaskCalls.load();
  CAccountBook book = BookWith(2);
  const bool created = StoreAccountFile(path_, book);
  const bool replaced = StoreAccountFile(path_, book);
  const int calls = umaskCalls.load() - before;
  ::umask(previous);
  ASSERT_TRUE(created && replaced);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(StatOf(path_).st_mode & 07777, 0640u);
}

TEST_F(AccountSaveTest, OnlyTheAccountsOwnUnlockedLeftoversAreRemoved) {
  WriteRaw(path_, old_);
  for (const char* name :
       {".budget.pxf.Ab3x9Z.tmp", ".budget.pxf.000000.tmp", ".budget.pxf.Ab3x9.tmp", ".budget.pxf.Ab-x9Z.tmp",
        "budget.pxf.Ab3x9Z", ".other.pxf.Ab3x9Z.tmp", ".budget.pxf.Live01.tmp", ".budget.pxf.Other1.tmp"}) {
    WriteRaw(PathOf(name), Bytes(100, 7));
  }
  fs::create_directory(PathOf(".budget.pxf.Folder.tmp"));
  fs::create_symlink("budget.pxf", PathOf(".budget.pxf.Link01.tmp"));
  // A save in progress holds its temporary file locked.
  const int live = ::open(PathOf(".budget.pxf.Live01.tmp").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(live, LOCK_EX), 0);
  const bool othersFile = IsSuperuser() && ::chown(PathOf(".budget.pxf.Other1.tmp").c_str(), kOtherUser, 0) == 0;

  EXPECT_EQ(RemoveSaveLeftovers(path_), othersFile ? 2 : 3);
  ::close(live);
  std::vector<std::string> kept = {".budget.pxf.Ab-x9Z.tmp",
                                   ".budget.pxf.Ab3x9.tmp",
                                   ".budget.pxf.Folder.tmp",
                                   ".budget.pxf.Link01.tmp",
                                   ".budget.pxf.Live01.tmp",
                                   ".other.pxf.Ab3x9Z.tmp",
                                   "budget.pxf",
                                   "budget.pxf.Ab3x9Z"};
  if (othersFile) kept.insert(kept.begin() + 5, ".budget.pxf.Other1.tmp");
  EXPECT_EQ(Entries(), kept);
}

TEST_F(AccountSaveTest, ASaveKilledPartWayLeavesATemporaryThatTheNextSaveRemoves) {
  WriteRaw(path_, old_);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Writing past the file size limit kills the process, as a crash would.
    const rlimit noCore{0, 0};
    const rlimit small{4096, 4096};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::signal(SIGXFSZ, SIG_DFL);
    ::setrlimit(RLIMIT_FSIZE, &small);
    CAccountBook book = BookWith(2);
    StoreAccountFile(path_, book);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
  ASSERT_EQ(Entries().size(), 2u);
  EXPECT_THAT(Entries()[0], ::testing::MatchesRegex("\\.budget\\.pxf\\.[A-Za-z0-9]{6}\\.tmp"));
  EXPECT_EQ(ReadRaw(path_), old_);

  CAccountBook book = BookWith(2);
  ASSERT_TRUE(StoreAccountFile(path_, book));
  EXPECT_THAT(Entries(), ElementsAre("budget.pxf", "budget.pxf.bak"));
}

TEST_F(AccountSaveTest, TheStampTellsAFileChangedOnDiskFromOneLeftAlone) {
  CAccountBook book = BookWith(2);
  const SaveResult saved = SaveAccountFile(path_, book);
  ASSERT_TRUE(saved.Succeeded());
  {
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    EXPECT_EQ(FileStampOf(fd), saved.stamp);
    ::close(fd);
  }
  EXPECT_EQ(CompareWithDisk(path_, saved.stamp), DiskChange::kUnchanged);

  // Rewrites by another program that keep the size.
  const auto renamedOver = [this](const Bytes& bytes) {
    WriteRaw(PathOf("other"), bytes);
    ASSERT_EQ(::rename(PathOf("other").c_str(), path_.c_str()), 0);
  };
  const auto rewrittenKeepingTheTime = [this](const Bytes& bytes) {
    const struct stat before = StatOf(path_);
    // A change within one tick of the file system's clock cannot be seen.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::futimens(fd, times), 0);
    ::close(fd);
  };
  using Rewrite = std::function<void(const Bytes&)>;
  for (const Rewrite& rewrite : {Rewrite(renamedOver), Rewrite(rewrittenKeepingTheTime)}) {
    const SaveResult current = SaveAccountFile(path_, book);
    Bytes other = ReadRaw(path_);
    other.back() ^= 1;
    rewrite(other);
    EXPECT_EQ(CompareWithDisk(path_, current.stamp), DiskChange::kChanged);
  }
  ASSERT_EQ(::unlink(path_.c_str()), 0);
  EXPECT_EQ(CompareWithDisk(path_, saved.stamp), DiskChange::kMissing);
}

}  // namespace
}  // namespace purso
