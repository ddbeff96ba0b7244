// The files a save makes beside an account, and their names.
//
// For an account "budget.pxf" a save writes the new content to a temporary
// file ".budget.pxf.Ab3x9Z.tmp" (six random letters or digits) in the same
// folder and keeps the replaced version as "budget.pxf.bak". A temporary file
// is locked (flock) by the save that made it for as long as it is open, so
// that leftovers of a killed save can be told from the file of a save in
// progress. For use by the saving code of the data layer.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

#include "data/file_descriptor.h"

namespace purso {

// The file a path names once symbolic links are followed, so that a save
// replaces the file and not the link; the path itself when it does not exist.
std::string ResolvedTarget(const std::string& path);

// The folder of a path ("." for a bare name) and its last component.
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);

// A fresh, not yet existing temporary path beside target.
std::string NewTemporaryPath(const std::string& target);

// Whether entry is the name of a temporary file of the account named accountName.
bool IsTemporaryNameOf(std::string_view entry, std::string_view accountName);

// Flushes a folder's entries to disk, so that a rename or a new file in it
// lasts. A folder that cannot be flushed is ignored: its file is in place.
void FlushFolder(const std::string& folder);

// A temporary file beside an account, open for writing and locked while it
// lives; removed on destruction unless it was renamed into place.
class CTemporaryFile {
 public:
  // Creates the file with O_EXCL and the given mode, which the process's
  // file-creation mask then narrows. IsOpen() is false on failure, with errno set.
  CTemporaryFile(const std::string& target, mode_t mode);
  ~CTemporaryFile();
  CTemporaryFile(const CTemporaryFile&) = delete;
  CTemporaryFile& operator=(const CTemporaryFile&) = delete;

  bool IsOpen() const { return fd_.IsOpen(); }
  int Get() const { return fd_.Get(); }
  const std::string& Path() const { return path_; }

  // Renames the file to path; false, with errno set, when rename fails.
  bool RenameTo(const std::string& path);

 private:
  std::string path_;
  CFileDescriptor fd_;
  bool renamed_ = false;
};

// Removes the temporary files that saves of the account at accountPath left
// behind when they were killed: only regular files of the account's own
// pattern, owned by this user and not locked by a save in progress. Returns
// how many were removed.
int RemoveTemporaryLeftovers(const std::string& accountPath);

}  // namespace purso
