// Writing an account book, or any file, so that no save ever loses it.
//
// A save never leaves the file half-written: it writes a temporary file
// beside it, flushes it to disk and renames it over the old file. Where a
// rename would change what the file is (it has other hard links, or belongs
// to another user, or its group cannot be kept) the new bytes are written
// into the file itself instead, under a journal (save_journal.h): first the
// complete old version goes to the backup, then the journal records what is
// being written, and only then is the file written, its first bytes last. A
// save killed part way is rolled back from the backup when the account is
// next opened; a save that fails part way puts the old bytes back itself. A
// folder that takes no new file can hold no journal, so there a save that
// would have to write in place is refused.
//
// The file is named relative to its folder (file_place.h) and never through
// a link: a symbolic link found in its place is replaced, like any other
// directory entry, by renaming the new file over it, and what it names is
// neither written nor kept.
//
// A save whose content is byte for byte the file on disk writes nothing.
// Otherwise the replaced version is kept beside the file as "<name>.bak",
// one backup replaced on each save, except that an account file that does
// not read as an account never replaces a backup: the backup holds the last
// version known good. A save by rename still succeeds when the backup cannot
// be made (the old file stays whole until the rename) and says so; a save in
// place is refused then, as nothing else would hold the old bytes.
//
// A file without its owner's write bit (for its owner) or without any write
// bit (for anyone else) is refused as read-only, even to the superuser;
// beyond that the system's own access check decides. The owner, group,
// permissions and links of the file are kept. Temporary files that a killed
// save left beside the account are removed by the next save; a failed save
// leaves none.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/account_book.h"
#include "data/file_place.h"
#include "data/file_stamp.h"
#include "data/save_failure.h"

namespace purso {

enum class BackupState {
  kNotMade,     // nothing was replaced (the content was the file's already), or no backup was asked for
  kKept,        // the backup holds the version this save replaced
  kFailed,      // it could not be made; an older backup may still be there
  kUnreadable,  // the replaced file did not read as an account; the backup was left as it was
};

struct SaveResult {
  SaveFailure failure = SaveFailure::kNone;
  int error = 0;  // errno of the call that failed, 0 on success
  BackupState backup = BackupState::kNotMade;
  FileStamp stamp;  // on success, the stamp of the file as written

  bool Succeeded() const { return failure == SaveFailure::kNone; }
};

// Writes the account book to the file at place, keeping the previous
// version as its backup. readable is the stamp of the file as the caller
// last read or wrote it whole: a file on disk with that stamp reads as an
// account, any other is read first to know whether it may be the backup.
// On success clears the book's modified flags and returns the new stamp; on
// failure the book stays modified.
SaveResult SaveAccountFile(const CFilePlace& place, CAccountBook& book, const FileStamp& readable = {});

// The same for the file a path names, its links followed now.
SaveResult SaveAccountFile(const std::string& path, CAccountBook& book);

// SaveAccountFile for callers that need only success or failure.
bool StoreAccountFile(const std::string& path, CAccountBook& book);

// Writes bytes to path by rename only, as safely as an account but keeping
// no backup: a hard link or another user's file there is replaced by a new
// file of this user.
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The backup a save of path keeps: beside the file the path finally names.
std::string BackupPathOf(const std::string& path);

// Removes the temporary files killed saves of the account at path left
// behind (see save_files.h); for the opener to call after a successful open.
// Returns how many were removed.
int RemoveSaveLeftovers(const std::string& path);
int RemoveSaveLeftovers(const CFilePlace& place);

}  // namespace purso
