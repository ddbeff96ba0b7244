#include "data/account_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <optional>

#include "data/account_file.h"
#include "data/archive.h"
#include "data/content_probe.h"
#include "data/file_descriptor.h"
#include "data/save_fault.h"
#include "data/save_files.h"
#include "data/save_in_place.h"

namespace purso {
namespace {

// How a save treats the file it replaces.
struct SaveRules {
  bool keepBackup;       // the replaced version is kept as the backup
  bool mayWriteInPlace;  // where a rename would change what the file is, it is written in place instead
  // Whether the file open at fd may become the backup; none: any file may.
  std::function<bool(int fd)> mayBeBackup;
};

// The file a save replaces, open for reading.
struct OldFile {
  CFileDescriptor fd;
  struct stat info {};
};

bool CreatingIsRefused(int error) { return error == EACCES || error == EPERM; }

// Why this user may not write the file, if it may not. The owner's write bit,
// or any write bit for another user, is the mark of a read-only file that
// even the superuser respects; the system then judges the rest (access
// lists, group membership, a read-only disk).
std::optional<SaveFailure> WriteRefusal(const CFilePlace& place, const struct stat& info) {
  const mode_t writeBits = info.st_uid == ::geteuid() ? S_IWUSR : (S_IWUSR | S_IWGRP | S_IWOTH);
  if ((info.st_mode & writeBits) == 0) return SaveFailure::kReadOnly;
  if (::faccessat(place.Folder(), place.Name().c_str(), W_OK, AT_EACCESS) != 0 && (errno == EACCES || errno == EROFS)) {
    return errno == EROFS ? SaveFailure::kReadOnly : SaveFailure::kNoPermission;
  }
  return std::nullopt;
}

// A rename would give the name a new file: other hard links would keep the
// old content, and the new file would belong to this user.
bool MustWriteInPlace(const struct stat& info) { return info.st_nlink > 1 || info.st_uid != ::geteuid(); }

bool HasBackup(const CFilePlace& place) {
  struct stat info {};
  const std::string backup = place.Name() + std::string(kBackupSuffix);
  return ::fstatat(place.Folder(), backup.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode);
}

// Keeps the file about to be replaced as the backup: a second name for it
// costs no copying; where the file system has no hard links, or the name
// holds another file since it was opened, a copy of the file opened.
BackupState KeepBackupBeforeRename(const CFilePlace& place, const OldFile& old) {
  const int folder = place.Folder();
  if (InjectedSaveFault(SaveStep::kLinkBackup) == 0) {
    for (int attempt = 0; attempt < 16; ++attempt) {
      const std::string link = NewTemporaryName(place.Name());
      if (::linkat(folder, place.Name().c_str(), folder, link.c_str(), 0) != 0) {
        if (errno == EEXIST) continue;
        break;
      }
      struct stat linked {};
      const bool same = ::fstatat(folder, link.c_str(), &linked, AT_SYMLINK_NOFOLLOW) == 0 &&
                        linked.st_dev == old.info.st_dev && linked.st_ino == old.info.st_ino;
      const std::string backup = place.Name() + std::string(kBackupSuffix);
      if (same && ::renameat(folder, link.c_str(), folder, backup.c_str()) == 0) return BackupState::kKept;
      ::unlinkat(folder, link.c_str(), 0);
      break;
    }
  }
  return KeepBackupCopy(place, old.fd.Get(), old.info) == 0 ? BackupState::kKept : BackupState::kFailed;
}

// Saves through a temporary file renamed over the file's entry. Nothing when
// the file must be written in place instead.
std::optional<SaveResult> SaveByRename(const CFilePlace& place, const OldFile* old, const ContentWriter& write,
                                       const SaveRules& rules, bool keepOld) {
  // A new file is created with 0666 so that the kernel applies the
  // file-creation mask and the folder's default access list; a replacement
  // starts private and takes the old file's bits below.
  CTemporaryFile temporary(place, old != nullptr ? 0600 : 0666);
  if (!temporary.IsOpen()) {
    const int error = errno;
    return CreatingIsRefused(error) ? FailedSave(SaveFailure::kFolderNotWritable, error) : FailedSave(error);
  }
  if (old != nullptr) {
    struct stat made {};
    if (::fstat(temporary.Get(), &made) != 0) return FailedSave(errno);
    if (made.st_gid != old->info.st_gid &&
        ::fchown(temporary.Get(), static_cast<uid_t>(-1), old->info.st_gid) != 0 && rules.mayWriteInPlace) {
      return std::nullopt;  // the file's group cannot be kept by a new file
    }
    if (const int error = SetMode(temporary.Get(), old->info.st_mode & 07777)) return FailedSave(error);
  }
  if (const int error = WriteAndSync(temporary.Get(), write)) return FailedSave(error);

  SaveResult result;
  if (old != nullptr && rules.keepBackup) {
    result.backup = keepOld ? KeepBackupBeforeRename(place, *old) : BackupState::kUnreadable;
  }
  if (!temporary.RenameTo(place.Name())) return FailedSave(errno);
  result.stamp = FileStampOf(temporary.Get());
  place.Flush();
  return result;
}

SaveResult SaveFile(const CFilePlace& place, const ContentWriter& content, const SaveRules& rules,
                    const FileStamp& readable) {
  if (!place.IsOpen()) return FailedSave(place.Error());
  std::optional<OldFile> old;
  struct stat entry {};
  if (place.StatEntry(entry)) {
    // A link in the file's place is an entry like any other: replaced, and
    // what it names neither written nor kept.
    if (!S_ISLNK(entry.st_mode)) {
      if (!S_ISREG(entry.st_mode)) return FailedSave(SaveFailure::kInvalidName, EISDIR);
      if (const auto refusal = WriteRefusal(place, entry)) return FailedSave(*refusal, EACCES);
      old.emplace();
      old->fd.Reset(::openat(place.Folder(), place.Name().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
      if (!old->fd.IsOpen() || ::fstat(old->fd.Get(), &old->info) != 0) return FailedSave(errno);
    }
  } else if (errno != ENOENT) {
    return FailedSave(errno);
  }

  // Only a save in place needs the content's digest, for its journal.
  const bool inPlace = old && rules.mayWriteInPlace && MustWriteInPlace(old->info);
  CContentProbe probe(old ? old->fd.Get() : -1,
                      inPlace ? CContentProbe::Digesting::kYes : CContentProbe::Digesting::kNo);
  if (!content(probe)) return FailedSave(EIO);
  if (old && probe.SameAsFile()) {
    // Nothing to write, and the backup keeps the version before.
    SaveResult unchanged;
    unchanged.stamp = FileStampOf(old->fd.Get());
    return unchanged;
  }

  RemoveTemporaryLeftovers(place);
  bool keepOld = true;
  if (old && rules.keepBackup && rules.mayBeBackup && !(readable.exists && FileStampOf(old->fd.Get()) == readable)) {
    // A file that does not read never replaces a backup; with none, it is kept all the same.
    keepOld = rules.mayBeBackup(old->fd.Get()) || !HasBackup(place);
  }
  const ContentWriter write = [&content](CByteSink& sink) {
    if (!content(sink)) return false;
    errno = InjectedSaveFault(SaveStep::kWriteContent);
    return errno == 0;
  };
  if (!inPlace) {
    if (auto saved = SaveByRename(place, old ? &*old : nullptr, write, rules, keepOld)) return *saved;
    // The file's group cannot be kept by a new file: in place after all.
    CContentProbe digest(-1);
    if (!content(digest)) return FailedSave(EIO);
    return SaveInPlace(place, old->info, keepOld, write, digest.Digest());
  }
  return SaveInPlace(place, old->info, keepOld, write, probe.Digest());
}

}  // namespace

SaveResult FailedSave(SaveFailure failure, int error) {
  SaveResult result;
  result.failure = failure;
  result.error = error;
  return result;
}

SaveResult FailedSave(int error) { return FailedSave(SaveFailureOf(error), error); }

SaveResult SaveAccountFile(const CFilePlace& place, CAccountBook& book, const FileStamp& readable) {
  const SaveRules rules{true, true, [](int fd) {
                          CAccountBook scratch;
                          return ReadAccountFrom(fd, scratch) == ReadFailure::kNone;
                        }};
  // The tables write their rows straight into the file, so that the account
  // is not first collected in memory.
  SaveResult result = SaveFile(
      place,
      [&book](CByteSink& sink) {
        CArchiveWriter archive(sink);
        return book.Write(archive) && archive.Flush();
      },
      rules, readable);
  if (result.Succeeded()) book.ClearModified();
  return result;
}

SaveResult SaveAccountFile(const std::string& path, CAccountBook& book) {
  return SaveAccountFile(CFilePlace::Of(path), book);
}

bool StoreAccountFile(const std::string& path, CAccountBook& book) { return SaveAccountFile(path, book).Succeeded(); }

bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const auto write = [&bytes](CByteSink& sink) { return sink.WriteAll(bytes.data(), bytes.size()); };
  return SaveFile(CFilePlace::Of(path), write, SaveRules{false, false, nullptr}, {}).Succeeded();
}

std::string BackupPathOf(const std::string& path) { return ResolvedTarget(path) + std::string(kBackupSuffix); }

int RemoveSaveLeftovers(const std::string& path) { return RemoveTemporaryLeftovers(CFilePlace::Of(path)); }

int RemoveSaveLeftovers(const CFilePlace& place) { return RemoveTemporaryLeftovers(place); }

}  // namespace purso
