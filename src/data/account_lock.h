// The lock that tells a second program that an account is already open.
//
// While an account is open, a lock file ".<name>.lock" lies beside it (for
// "budget.pxf", ".budget.pxf.lock"), created with O_EXCL and holding the
// process id, the process's start time, the host name and the user name of
// its holder, one "key value" pair a line. A lock whose process is gone (the
// same host, and no process of that id, or one started at another time) is
// taken over. Acquiring, taking over and releasing are done under a lock of
// the folder (flock), so that two programs cannot both take over the same
// lock; where the folder cannot be locked (some network file systems) they
// go on without it.
//
// The lock file is opened relative to the account's folder, without
// following links and without waiting on a pipe. Only a regular file owned
// by a user of the folder (file_place.h) is a lock of this program; anything
// else in its place (a symbolic link, a pipe, another user's file) is "a lock
// file that is not this program's": it is left alone and the account goes
// unlocked, its other guard being the check for changes on disk before a
// save. What a lock says of its holder is taken only after checking it: the
// pid a number, the user the name of the lock file's owner, the host a host
// name.
//
// The same file under two names: symbolic links are followed, so the lock lies
// beside the file itself; for hard links, a lock of another name in the same
// folder whose file is the same (device and inode) counts as well. A hard
// link in another folder is not seen.
#pragma once

#include <string>
#include <string_view>

#include "data/file_descriptor.h"
#include "data/file_place.h"

namespace purso {

struct LockHolder {
  int pid = 0;  // 0 when the lock file names no process (damaged, or not a number)
  std::string user;  // empty when it is not the lock file's owner
  std::string host;  // empty when it is no host name

  // Whether every field passed its checks, so that the holder may be named.
  bool IsKnown() const { return pid > 0 && !user.empty() && !host.empty(); }
};

enum class LockStatus {
  kAcquired,
  kHeldByOther,  // holder says who; it may be this very process
  kForeign,      // a lock file that is not this program's is in the way; the account goes unlocked
  kUnavailable,  // no lock file can be made (read-only folder or disk): error says why
};

struct LockResult {
  LockStatus status = LockStatus::kUnavailable;
  LockHolder holder;
  int error = 0;
};

// The lock file of the account at accountPath, and its name beside the
// account named accountName.
std::string LockPathOf(const std::string& accountPath);
std::string LockNameOf(std::string_view accountName);

// Holds the lock of at most one account; releases it on destruction.
class CAccountLock {
 public:
  CAccountLock() = default;
  ~CAccountLock() { Release(); }
  CAccountLock(const CAccountLock&) = delete;
  CAccountLock& operator=(const CAccountLock&) = delete;

  // Takes the lock of the account at place unless a live process holds it,
  // under this name or another hard link's. Releases a lock held before.
  LockResult TryAcquire(const CFilePlace& place);
  LockResult TryAcquire(const std::string& accountPath);
  // Takes the lock whoever holds it, for a user who chose to open the
  // account all the same.
  LockResult ForceAcquire(const CFilePlace& place);
  LockResult ForceAcquire(const std::string& accountPath);
  // Removes the lock file if it is still this lock's; does nothing when no
  // lock is held.
  void Release();

  bool IsHeld() const { return folder_.IsOpen(); }

 private:
  enum class Takeover { kIfGone, kAlways };
  LockResult Acquire(const CFilePlace& place, Takeover takeover);

  CFileDescriptor folder_;  // the account's folder, while the lock is held
  std::string lockName_;
  std::string content_;  // what this lock wrote, to know its own file again
};

}  // namespace purso
