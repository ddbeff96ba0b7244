#include "data/account_lock.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <string>

#include "data/scratch_folder.h"

namespace purso {
namespace {

using test::Bytes;
using test::ReadRaw;
using test::WriteRaw;
using ::testing::ElementsAre;

std::string HostName() {
  char name[HOST_NAME_MAX + 1] = {};
  ::gethostname(name, sizeof name - 1);
  return name;
}

// A pid that no process has: a child's, once it has ended and been reaped.
int GonePid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return static_cast<int>(child);
}

std::string LockText(int pid, long long start, const std::string& host) {
  return "pid " + std::to_string(pid) + "\nstart " + std::to_string(start) + "\nhost " + host + "\nuser someone\n";
}

class AccountLockTest : public test::ScratchFolderTest {
 protected:
  void SetUp() override { WriteRaw(path_, Bytes{1, 2, 3}); }

  const std::string path_ = PathOf("budget.pxf");
  const std::string lockPath_ = PathOf(".budget.pxf.lock");
};

TEST_F(AccountLockTest, AnOpenAccountIsLockedUntilReleased) {
  EXPECT_EQ(LockPathOf(path_), lockPath_);
  CAccountLock first;
  ASSERT_EQ(first.TryAcquire(path_).status, LockStatus::kAcquired);
  const std::string text(reinterpret_cast<const char*>(ReadRaw(lockPath_).data()), ReadRaw(lockPath_).size());
  EXPECT_THAT(text, ::testing::StartsWith("pid " + std::to_string(::getpid()) + "\n"));
  {
    CAccountLock second;
    const LockResult refused = second.TryAcquire(path_);
    EXPECT_EQ(refused.status, LockStatus::kHeldByOther);
    EXPECT_EQ(refused.holder.pid, ::getpid());
    EXPECT_EQ(refused.holder.host, HostName());
    EXPECT_FALSE(refused.holder.user.empty());
  }
  first.Release();
  EXPECT_THAT(Entries(), ElementsAre("budget.pxf"));
  {
    CAccountLock third;
    EXPECT_EQ(third.TryAcquire(path_).status, LockStatus::kAcquired);
  }
  EXPECT_THAT(Entries(), ElementsAre("budget.pxf"));
}

TEST_F(AccountLockTest, ALockIsTakenOverOnlyWhenItsProcessIsKnownToBeGone) {
  const int live = static_cast<int>(::getppid());
  struct Case {
    const char* name;
    std::string text;
    LockStatus status;
  };
  const Case cases[] = {
      {"live process", LockText(live, 0, HostName()), LockStatus::kHeldByOther},
      {"gone process", LockText(GonePid(), 0, HostName()), LockStatus::kAcquired},
      {"pid given to a later process", LockText(live, 1, HostName()), LockStatus::kAcquired},
      {"another host", LockText(GonePid(), 0, HostName() + "-elsewhere"), LockStatus::kHeldByOther},
      {"names no process", "", LockStatus::kHeldByOther},
  };
  for (const Case& c : cases) {
    WriteRaw(lockPath_, Bytes(c.text.begin(), c.text.end()));
    CAccountLock lock;
    EXPECT_EQ(lock.TryAcquire(path_).status, c.status) << c.name;
    lock.Release();
  }
}

TEST_F(AccountLockTest, AnotherProcessHoldsTheLockUntilItDies) {
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    CAccountLock lock;
    const char acquired = lock.TryAcquire(path_).status == LockStatus::kAcquired ? 'y' : 'n';
    if (::write(ready[1], &acquired, 1) != 1) ::_exit(1);
    for (;;) ::pause();  // holds the lock until killed
  }
  char acquired = 0;
  ASSERT_EQ(::read(ready[0], &acquired, 1), 1);
  ASSERT_EQ(acquired, 'y');
  CAccountLock lock;
  const LockResult refused = lock.TryAcquire(path_);
  EXPECT_EQ(refused.status, LockStatus::kHeldByOther);
  EXPECT_EQ(refused.holder.pid, child);

  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_EQ(lock.TryAcquire(path_).status, LockStatus::kAcquired);
  ::close(ready[0]);
  ::close(ready[1]);
}

TEST_F(AccountLockTest, TheSameFileUnderAnotherNameIsLockedToo) {
  ASSERT_EQ(::link(path_.c_str(), PathOf("twin.pxf").c_str()), 0);
  ASSERT_EQ(::symlink("budget.pxf", PathOf("alias.pxf").c_str()), 0);
  EXPECT_EQ(LockPathOf(PathOf("alias.pxf")), lockPath_);
  CAccountLock first;
  ASSERT_EQ(first.TryAcquire(path_).status, LockStatus::kAcquired);
  CAccountLock second;
  EXPECT_EQ(second.TryAcquire(PathOf("twin.pxf")).status, LockStatus::kHeldByOther);
  EXPECT_EQ(second.TryAcquire(PathOf("alias.pxf")).status, LockStatus::kHeldByOther);
  first.Release();
  EXPECT_EQ(second.TryAcquire(PathOf("twin.pxf")).status, LockStatus::kAcquired);
}

TEST_F(AccountLockTest, AForcedLockIsNotRemovedByTheLockItReplaced) {
  CAccountLock first;
  ASSERT_EQ(first.TryAcquire(path_).status, LockStatus::kAcquired);
  CAccountLock second;
  EXPECT_EQ(second.ForceAcquire(path_).status, LockStatus::kAcquired);
  first.Release();
  EXPECT_THAT(Entries(), ElementsAre(".budget.pxf.lock", "budget.pxf"));
  second.Release();
  EXPECT_THAT(Entries(), ElementsAre("budget.pxf"));
  EXPECT_EQ(first.TryAcquire(PathOf("missing/budget.pxf")).status, LockStatus::kUnavailable);
}

TEST_F(AccountLockTest, WhatIsNotThisProgramsLockIsLeftAloneAndTheAccountGoesUnlocked) {
  namespace fs = std::filesystem;
  const bool superuser = ::geteuid() == 0;
  const std::function<void()> plants[] = {
      [this] { fs::create_symlink("elsewhere", lockPath_); },
      [this] { fs::create_symlink("budget.pxf", lockPath_); },
      [this] { ASSERT_EQ(::mkfifo(lockPath_.c_str(), 0600), 0); },  // opening it would wait forever
      [this] { fs::create_directory(lockPath_); },
      // A user who may not make files in the folder did not make this one.
      [&, this] {
        WriteRaw(lockPath_, Bytes{'p', 'i', 'd', ' ', '1', '\n'});
        if (superuser) {
          ASSERT_EQ(::chown(lockPath_.c_str(), 4242, 4242), 0);
        }
      },
  };
  for (std::size_t i = 0; i < std::size(plants) - (superuser ? 0 : 1); ++i) {
    plants[i]();
    const fs::file_status planted = fs::symlink_status(lockPath_);
    CAccountLock lock;
    EXPECT_EQ(lock.TryAcquire(path_).status, LockStatus::kForeign) << i;
    EXPECT_EQ(lock.ForceAcquire(path_).status, LockStatus::kForeign) << i;
    EXPECT_FALSE(lock.IsHeld()) << i;
    EXPECT_EQ(fs::symlink_status(lockPath_).type(), planted.type()) << i;
    fs::remove(lockPath_);
  }
}

TEST_F(AccountLockTest, AHolderIsNamedOnlyByFieldsThatPassTheirChecks) {
  const std::string pid = "pid " + std::to_string(::getppid()) + "\n";
  const std::string host = "host " + HostName() + "\n";
  CAccountLock own;
  ASSERT_EQ(own.TryAcquire(path_).status, LockStatus::kAcquired);
  CAccountLock second;
  const std::string owner = second.TryAcquire(path_).holder.user;  // the lock file's owner
  own.Release();
  ASSERT_FALSE(owner.empty());
  struct Case {
    std::string text;
    bool named;
  };
  const Case cases[] = {
      {pid + host + "user " + owner + "\n", true},
      {pid + "host the bank on vm\n" + "user " + owner + "\n", false},
      {pid + host + "user the bank\n", false},
      {pid + host + "user someone\n", false},  // not the owner of the lock file
      {"pid 12x\n" + host + "user " + owner + "\n", false},
  };
  for (const Case& c : cases) {
    WriteRaw(lockPath_, Bytes(c.text.begin(), c.text.end()));
    CAccountLock lock;
    const LockResult result = lock.TryAcquire(path_);
    EXPECT_EQ(result.status, LockStatus::kHeldByOther) << c.text;
    EXPECT_EQ(result.holder.IsKnown(), c.named) << c.text;
    EXPECT_EQ(lock.ForceAcquire(path_).status, LockStatus::kAcquired) << c.text;
  }
}

}  // namespace
}  // namespace purso
