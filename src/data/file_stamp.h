// The stamp of a file on disk: which file it is and when it last changed.
//
// A document records the stamp of the bytes it read or last wrote and
// compares it with the file before it saves, so that a change made by another
// program is noticed rather than overwritten. The stamp holds the device and
// inode (a file replaced by renaming another over it is a different file),
// the size, and the modification and status-change times in nanoseconds. The
// status-change time cannot be set back by any program, so a rewrite that
// restores the old modification time (a copy that preserves times) is still
// seen; a change of the file's permissions or links counts as a change too.
// No content hash: reading a large account again before every save costs
// more than the few rewrites it would tell apart. A rewrite within the same
// tick of the file system's clock with the same size cannot be told apart.
#pragma once

#include <cstdint>
#include <string>

#include "data/file_place.h"

namespace purso {

struct FileStamp {
  bool exists = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  std::int64_t changedNs = 0;

  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of an open file: the file whose bytes were read through fd.
// A stamp that does not exist when fstat fails.
FileStamp FileStampOf(int fd);

// The stamp of the file a path names, following symbolic links. A stamp that
// does not exist when there is no such file.
FileStamp FileStampOf(const std::string& path);

enum class DiskChange {
  kUnchanged,
  kChanged,  // another file now has the name, or the file was written since
  kMissing,  // the file was deleted or renamed away
  kLink,     // a symbolic link has taken the file's place
};

// How the file at path stands against the stamp taken when it was last read
// or written.
DiskChange CompareWithDisk(const std::string& path, const FileStamp& stamp);

// The same for the entry at place, which is looked at without following it.
DiskChange CompareWithDisk(const CFilePlace& place, const FileStamp& stamp);

}  // namespace purso
