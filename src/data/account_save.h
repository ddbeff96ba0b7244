// Writing an account book, or any file, so that no save ever loses it.
//
// A save never leaves the file half-written: it writes a temporary file
// beside it, flushes it to disk and renames it over the old file. Where a
// rename would change what the file is (it has other hard links, or belongs
// to another user, or its group cannot be kept, or the folder takes no new
// file) the new bytes are written into the file itself instead, but only
// after its old bytes are safely on disk in the backup, which puts them back
// if the writing fails part way.
//
// The replaced version is kept beside the file as "<name>.bak", one backup
// replaced on each save. A save by rename still succeeds when the backup
// cannot be made (the old file stays whole until the rename) and says so; a
// save in place is refused then, as nothing else would hold the old bytes.
//
// A file without its owner's write bit (for its owner) or without any write
// bit (for anyone else) is refused as read-only, even to the superuser;
// beyond that the system's own access check decides. The owner, group,
// permissions and links of the file are kept. Temporary files that a killed save left beside the account
// are removed by the next save; a failed save leaves none.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/account_book.h"
#include "data/file_stamp.h"
#include "data/save_failure.h"

namespace purso {

enum class BackupPolicy {
  kKeepPrevious,  // keep the replaced version as "<name>.bak"
  kNone,          // none, but for a write in place, which needs one for safety
};

enum class BackupState {
  kNotMade,  // nothing was replaced, or no backup was asked for
  kKept,     // the backup holds the version this save replaced
  kFailed,   // it could not be made; an older backup may still be there
};

struct SaveResult {
  SaveFailure failure = SaveFailure::kNone;
  int error = 0;  // errno of the call that failed, 0 on success
  BackupState backup = BackupState::kNotMade;
  FileStamp stamp;  // on success, the stamp of the file as written

  bool Succeeded() const { return failure == SaveFailure::kNone; }
};

// Writes the account book to path, keeping the previous version as its
// backup. On success clears the book's modified flags and returns the new
// stamp; on failure the book stays modified.
SaveResult SaveAccountFile(const std::string& path, CAccountBook& book);

// SaveAccountFile for callers that need only success or failure.
bool StoreAccountFile(const std::string& path, CAccountBook& book);

// Writes bytes to path as safely as an account, but keeps no backup unless
// it has to write in place.
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The backup a save of path keeps: beside the file the path finally names.
std::string BackupPathOf(const std::string& path);

// Removes the temporary files killed saves of the account at path left
// behind (see save_files.h); for the opener to call after a successful open.
// Returns how many were removed.
int RemoveSaveLeftovers(const std::string& path);

}  // namespace purso
