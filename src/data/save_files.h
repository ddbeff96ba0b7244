// The files a save makes beside an account, and the writing they share.
//
// For an account "budget.pxf" a save writes the new content to a temporary
// file ".budget.pxf.Ab3x9Z.tmp" (six random letters or digits) in the same
// folder and keeps the replaced version as "budget.pxf.bak". A temporary file
// is locked (flock) by the save that made it for as long as it is open, so
// that leftovers of a killed save can be told from the file of a save in
// progress. Everything is named relative to the account's folder, held open
// by its CFilePlace. For use by the saving code of the data layer.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>

#include "data/archive.h"
#include "data/content_probe.h"
#include "data/file_descriptor.h"
#include "data/file_place.h"

namespace purso {

inline constexpr std::string_view kBackupSuffix = ".bak";

// The file a path names once symbolic links are followed, so that a save
// replaces the file and not the link; the path itself when it does not exist.
std::string ResolvedTarget(const std::string& path);

// The folder of a path ("." for a bare name) and its last component.
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);

// A fresh name for a temporary file of the account named accountName.
std::string NewTemporaryName(std::string_view accountName);

// Whether entry is the name of a temporary file of the account named accountName.
bool IsTemporaryNameOf(std::string_view entry, std::string_view accountName);

// A temporary file beside an account, open for writing and locked while it
// lives; removed on destruction unless it was renamed into place.
class CTemporaryFile {
 public:
  // Creates the file with O_EXCL and the given mode, which the process's
  // file-creation mask then narrows. IsOpen() is false on failure, with errno set.
  CTemporaryFile(const CFilePlace& place, mode_t mode);
  ~CTemporaryFile();
  CTemporaryFile(const CTemporaryFile&) = delete;
  CTemporaryFile& operator=(const CTemporaryFile&) = delete;

  bool IsOpen() const { return fd_.IsOpen(); }
  int Get() const { return fd_.Get(); }
  const std::string& Name() const { return name_; }

  // Renames the file to name in the same folder; false, with errno set, when
  // rename fails.
  bool RenameTo(std::string_view name);

 private:
  int folder_;
  std::string name_;
  CFileDescriptor fd_;
  bool renamed_ = false;
};

// Removes the temporary files that saves of the account at place left
// behind when they were killed: only regular files of the account's own
// pattern, owned by this user and not locked by a save in progress. Returns
// how many were removed.
int RemoveTemporaryLeftovers(const CFilePlace& place);

// Writes a save's content into a sink.
using ContentWriter = std::function<bool(CByteSink& sink)>;

enum class HeadOrder {
  kInOrder,
  // The first bytes are written as zeros, and as themselves only once the
  // rest is on disk: until then no reader takes the file for a whole
  // account, whose magic they hold.
  kLast,
};

// Writes the content from the start of fd, cuts the file there and flushes
// it; 0 or the error. The digest of what was written goes to written when
// it is given.
int WriteAndSync(int fd, const ContentWriter& write, HeadOrder order = HeadOrder::kInOrder,
                 ContentDigest* written = nullptr);

// Makes the content of to a durable copy of the whole of source; 0 or the error.
int CopyAndSync(int source, int to);

// Makes the backup of the account at place a durable copy of the file open
// at source, whose status is info; 0 or the error. The backup gets the
// file's permission bits, so it is no more open than the file.
int KeepBackupCopy(const CFilePlace& place, int source, const struct stat& info);

// Gives fd the permission bits mode; 0, or the error that fails the save.
// File systems that keep no permissions (FAT, some network shares) refuse
// to change them; that fails no save.
int SetMode(int fd, mode_t mode);

}  // namespace purso
