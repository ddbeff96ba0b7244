// CRecoveryFile: the recovery copy of one open account, in the private place.
//
// While an account has unsaved changes its document writes the whole
// account from time to time into a recovery copy, with the account's path,
// the name it is shown under and the time of writing, so that a program
// killed or crashed loses little. A copy is held by a lock (flock on a lock
// file beside it) for as long as its document lives, and a lock ends with
// the process, however it ends: a copy that no running program holds is an
// orphan, left by a program that ended without closing the account, and is
// offered back to the user. Only a clean close removes a copy; the
// destructor leaves it, so that a program ended by a signal keeps it.
//
// A copy "<folder>/<pid>-<random>.recovery" holds "PURSORC1", the path's
// and the name's lengths (u32) and bytes, the time (i64 milliseconds since
// 1970 UTC), then the account in the form of its file.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/account_book.h"
#include "data/file_descriptor.h"
#include "data/kept_versions.h"
#include "data/read_failure.h"

namespace purso {

struct RecoveryHeader {
  std::string accountPath;  // empty for an account never saved
  std::string title;        // the name it was shown under
  WallClock::time_point writtenAt;
};

class CRecoveryFile {
 public:
  // A new copy's place in folder (made private first), locked from now on;
  // nothing is written until Write. Null when the folder or the lock file
  // cannot be made.
  static std::unique_ptr<CRecoveryFile> Create(const std::string& folder);
  // The copies in folder that no running program holds, newest first, each
  // now locked by this process. Lock files left without a copy are removed.
  static std::vector<std::unique_ptr<CRecoveryFile>> FindOrphans(const std::string& folder);

  // Releases the lock; the copy stays.
  ~CRecoveryFile();
  CRecoveryFile(const CRecoveryFile&) = delete;
  CRecoveryFile& operator=(const CRecoveryFile&) = delete;

  // Replaces the copy with the account as it stands, whole or not at all.
  bool Write(const RecoveryHeader& header, const CAccountBook& book);
  // Reads only the header; false when the copy is damaged there.
  bool ReadHeader(RecoveryHeader& header) const;
  // Reads the copy; kNone, or the check that refused it (book unchanged).
  ReadFailure Read(RecoveryHeader& header, CAccountBook& book) const;
  // Removes the copy, what a write of it cut short left, and its lock file:
  // the end of a clean close, or the user's choice.
  void Remove();

  const std::string& Path() const { return copyPath_; }

 private:
  CRecoveryFile(std::string base, int lockFd);

  std::string copyPath_;
  std::string lockPath_;
  CFileDescriptor lock_;
};

}  // namespace purso
