// CFilePlace: where an account file lies, its folder held open and its name.
//
// A path is resolved once, when the place is made: symbolic links in it are
// followed then (the user named the file that way), and never again. Every
// later step (reading, saving, the backup, the lock, the journal of a save
// in place) works relative to the folder held open, naming the file with
// openat and O_NOFOLLOW, so that a link put in the file's place afterwards
// is seen as a link and never written through, and a folder renamed or
// replaced meanwhile does not send a save elsewhere.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <string>
#include <string_view>

#include "data/file_descriptor.h"

namespace purso {

class CFilePlace {
 public:
  // A place that is not open, as after a failed Of.
  CFilePlace() = default;

  // The place of the file path names: with its links followed, or, for a
  // name that does not exist (a new file, a dangling link), that name in its
  // folder. Not open, with Error() set, when the folder cannot be opened.
  static CFilePlace Of(const std::string& path);

  CFilePlace(CFilePlace&&) noexcept = default;
  CFilePlace& operator=(CFilePlace&&) noexcept = default;

  bool IsOpen() const { return folder_.IsOpen(); }
  int Error() const { return error_; }
  // The folder's descriptor, for the *at calls.
  int Folder() const { return folder_.Get(); }
  // The file's name in its folder.
  const std::string& Name() const { return name_; }
  // The resolved path, for messages and for opening the place again.
  const std::string& Path() const { return path_; }
  // The path of another entry of the same folder.
  std::string PathOf(std::string_view name) const;
  // The place of another entry of the same folder, the folder not looked up again.
  CFilePlace Beside(std::string_view name) const;

  // The entry of the file as it stands now, not following a link: false,
  // with errno set, when there is none.
  bool StatEntry(struct stat& info) const;
  // What the entry, a symbolic link, names; empty when it is none.
  std::string LinkTarget() const;

  // Whether user may be the owner of a file that belongs in the folder: the
  // folder's owner, a member of its group when the group may write it, this
  // program's user, or anyone when everyone may write it.
  bool IsUserOfFolder(uid_t user) const;

  // Makes the folder's entries durable, so that a rename or a new file in
  // it lasts. A folder that cannot be flushed is ignored.
  void Flush() const;

 private:
  CFileDescriptor folder_;
  std::string name_;
  std::string path_;
  int error_ = 0;
};

// Whether the permission bits of the file with status info let user write
// it: as its owner, a member of its group or anyone else; the superuser may.
bool MayWrite(uid_t user, const struct stat& info);

}  // namespace purso
