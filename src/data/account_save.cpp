#include "data/account_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <optional>

#include "data/archive.h"
#include "data/file_descriptor.h"
#include "data/save_fault.h"
#include "data/save_files.h"

namespace purso {
namespace {

// Writes the new content through the descriptor from where it stands.
using ContentWriter = std::function<bool(int fd)>;

constexpr std::string_view kBackupSuffix = ".bak";

SaveResult Failed(SaveFailure failure, int error) {
  SaveResult result;
  result.failure = failure;
  result.error = error;
  return result;
}

SaveFailure FailureOf(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT: return SaveFailure::kNoSpace;
    case EROFS: return SaveFailure::kReadOnly;
    case EACCES:
    case EPERM: return SaveFailure::kNoPermission;
    case ENOENT:
    case ENOTDIR:
    case EISDIR:
    case ENAMETOOLONG:
    case ELOOP: return SaveFailure::kInvalidName;
    default: return SaveFailure::kIoError;
  }
}

SaveResult FailedWith(int error) { return Failed(FailureOf(error), error); }

bool CreatingIsRefused(int error) { return error == EACCES || error == EPERM; }

// Why this user may not write the file, if it may not. The owner's write bit,
// or any write bit for another user, is the mark of a read-only file that
// even the superuser respects; the system then judges the rest (access
// lists, group membership, a read-only disk).
std::optional<SaveFailure> WriteRefusal(const std::string& path, const struct stat& info) {
  const mode_t writeBits = info.st_uid == ::geteuid() ? S_IWUSR : (S_IWUSR | S_IWGRP | S_IWOTH);
  if ((info.st_mode & writeBits) == 0) return SaveFailure::kReadOnly;
  if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && (errno == EACCES || errno == EROFS)) {
    return errno == EROFS ? SaveFailure::kReadOnly : SaveFailure::kNoPermission;
  }
  return std::nullopt;
}

// A rename would give the name a new file: other hard links would keep the
// old content, and the new file would belong to this user.
bool MustWriteInPlace(const struct stat& info) { return info.st_nlink > 1 || info.st_uid != ::geteuid(); }

// 0, or the error that fails the save. File systems that keep no permissions
// (FAT, some network shares) refuse to change them; that fails no save.
int SetMode(int fd, mode_t mode) {
  int error = InjectedSaveFault(SaveStep::kSetMode);
  if (error == 0) {
    if (::fchmod(fd, mode) == 0) return 0;
    error = errno;
  }
  return error == EPERM || error == EOPNOTSUPP ? 0 : error;
}

// Writes the new content from the start of fd, cuts the file there and
// flushes it; 0 or the error.
int WriteAndSync(int fd, const ContentWriter& write) {
  errno = 0;
  if (::lseek(fd, 0, SEEK_SET) != 0) return errno;
  if (!write(fd)) return errno != 0 ? errno : EIO;
  const off_t end = ::lseek(fd, 0, SEEK_CUR);
  if (end < 0 || ::ftruncate(fd, end) != 0) return errno;
  return ::fsync(fd) == 0 ? 0 : errno;
}

// Copies the whole content of the file open at source into to.
bool CopyContent(int source, int to) {
  std::vector<std::uint8_t> buffer(64 * 1024);
  off_t offset = 0;
  for (;;) {
    const ssize_t got = ::pread(source, buffer.data(), buffer.size(), offset);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return got == 0;
    if (!WriteAll(to, buffer.data(), static_cast<std::size_t>(got))) return false;
    offset += got;
  }
}

int CopyAndSync(int source, int to) {
  return WriteAndSync(to, [source](int fd) { return CopyContent(source, fd); });
}

// Makes the backup a durable copy of the file open at source; 0 or the error.
// It gets the file's permission bits, so it is no more open than the file.
int KeepBackupCopy(int source, const std::string& target, const struct stat& info) {
  const std::string backup = target + std::string(kBackupSuffix);
  CTemporaryFile copy(target, 0600);
  if (copy.IsOpen()) {
    // Where the file's group cannot be given to the copy, that group's rights are not given to another.
    const bool grouped = ::fchown(copy.Get(), static_cast<uid_t>(-1), info.st_gid) == 0;
    if (const int error = SetMode(copy.Get(), info.st_mode & (grouped ? 0777 : 0707))) return error;
    if (const int error = CopyAndSync(source, copy.Get())) return error;
    if (!copy.RenameTo(backup)) return errno;
    FlushFolder(FolderOf(target));
    return 0;
  }
  const int error = errno;
  if (!CreatingIsRefused(error)) return error;
  // The folder takes no new file, but a backup of an earlier save can still
  // be written over.
  CFileDescriptor existing(::open(backup.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
  struct stat existingInfo {};
  if (!existing.IsOpen() || ::fstat(existing.Get(), &existingInfo) != 0 || !S_ISREG(existingInfo.st_mode) ||
      existingInfo.st_nlink != 1) {
    return error;
  }
  return CopyAndSync(source, existing.Get());
}

// Keeps the file about to be replaced as the backup: a second name for it
// costs no copying; where the file system has no hard links, a copy.
BackupState KeepBackupBeforeRename(const std::string& target, const struct stat& info) {
  if (InjectedSaveFault(SaveStep::kLinkBackup) == 0) {
    for (int attempt = 0; attempt < 16; ++attempt) {
      const std::string link = NewTemporaryPath(target);
      if (::link(target.c_str(), link.c_str()) != 0) {
        if (errno == EEXIST) continue;
        break;
      }
      const bool renamed = ::rename(link.c_str(), (target + std::string(kBackupSuffix)).c_str()) == 0;
      if (renamed) return BackupState::kKept;
      ::unlink(link.c_str());
      break;
    }
  }
  CFileDescriptor old(::open(target.c_str(), O_RDONLY | O_CLOEXEC));
  return old.IsOpen() && KeepBackupCopy(old.Get(), target, info) == 0 ? BackupState::kKept : BackupState::kFailed;
}

// Saves through a temporary file renamed over the target. Nothing when the
// file must be written in place instead.
std::optional<SaveResult> SaveByRename(const std::string& target, const std::optional<struct stat>& old,
                                       const ContentWriter& write, BackupPolicy policy) {
  // A new file is created with 0666 so that the kernel applies the
  // file-creation mask and the folder's default access list; a replacement
  // starts private and takes the old file's bits below.
  CTemporaryFile temporary(target, old ? 0600 : 0666);
  if (!temporary.IsOpen()) {
    const int error = errno;
    if (!CreatingIsRefused(error)) return FailedWith(error);
    if (old) return std::nullopt;  // the file itself may still be writable
    return Failed(SaveFailure::kFolderNotWritable, error);
  }
  if (old) {
    struct stat made {};
    if (::fstat(temporary.Get(), &made) != 0) return FailedWith(errno);
    if (made.st_gid != old->st_gid && ::fchown(temporary.Get(), static_cast<uid_t>(-1), old->st_gid) != 0) {
      return std::nullopt;  // the file's group cannot be kept by a new file
    }
    if (const int error = SetMode(temporary.Get(), old->st_mode & 07777)) return FailedWith(error);
  }
  if (const int error = WriteAndSync(temporary.Get(), write)) return FailedWith(error);

  SaveResult result;
  if (old && policy == BackupPolicy::kKeepPrevious) result.backup = KeepBackupBeforeRename(target, *old);
  if (!temporary.RenameTo(target)) return FailedWith(errno);
  result.stamp = FileStampOf(temporary.Get());
  FlushFolder(FolderOf(target));
  return result;
}

// Puts the backup's bytes back into the file after a failed write in place.
bool Restore(int fd, const std::string& backup) {
  if (InjectedSaveFault(SaveStep::kRestore) != 0) return false;
  CFileDescriptor copy(::open(backup.c_str(), O_RDONLY | O_CLOEXEC));
  return copy.IsOpen() && CopyAndSync(copy.Get(), fd) == 0;
}

// Writes the new bytes into the file itself, once its old bytes are on disk
// in the backup.
SaveResult SaveInPlace(const std::string& target, const ContentWriter& write) {
  CFileDescriptor file(::open(target.c_str(), O_RDWR | O_CLOEXEC));
  if (!file.IsOpen()) return FailedWith(errno);
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0) return FailedWith(errno);
  if (const int error = KeepBackupCopy(file.Get(), target, info)) {
    return Failed(CreatingIsRefused(error) ? SaveFailure::kFolderNotWritable : FailureOf(error), error);
  }
  if (const int error = WriteAndSync(file.Get(), write)) {
    if (Restore(file.Get(), target + std::string(kBackupSuffix))) return FailedWith(error);
    return Failed(SaveFailure::kDamaged, error);
  }
  SaveResult result;
  result.backup = BackupState::kKept;
  result.stamp = FileStampOf(file.Get());
  return result;
}

SaveResult SaveFile(const std::string& path, const ContentWriter& writeContent, BackupPolicy policy) {
  const ContentWriter write = [&writeContent](int fd) {
    if (!writeContent(fd)) return false;
    errno = InjectedSaveFault(SaveStep::kWriteContent);
    return errno == 0;
  };
  const std::string target = ResolvedTarget(path);
  std::optional<struct stat> old;
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0) {
    if (!S_ISREG(info.st_mode)) return Failed(SaveFailure::kInvalidName, EISDIR);
    if (const auto refusal = WriteRefusal(target, info)) return Failed(*refusal, EACCES);
    old = info;
  } else if (errno != ENOENT) {
    return FailedWith(errno);
  }
  RemoveTemporaryLeftovers(target);
  if (!old || !MustWriteInPlace(*old)) {
    if (auto saved = SaveByRename(target, old, write, policy)) return *saved;
  }
  return SaveInPlace(target, write);
}

// Passes an archive's bytes on to a file descriptor.
class CFileSink final : public CByteSink {
 public:
  explicit CFileSink(int fd) : fd_(fd) {}
  bool WriteAll(const std::uint8_t* source, std::size_t n) override { return purso::WriteAll(fd_, source, n); }

 private:
  int fd_;
};

}  // namespace

SaveResult SaveAccountFile(const std::string& path, CAccountBook& book) {
  // The tables write their rows straight into the file, so that the account
  // is not first collected in memory.
  SaveResult result = SaveFile(
      path,
      [&book](int fd) {
        CFileSink sink(fd);
        CArchiveWriter archive(sink);
        return book.Write(archive) && archive.Flush();
      },
      BackupPolicy::kKeepPrevious);
  if (result.Succeeded()) book.ClearModified();
  return result;
}

bool StoreAccountFile(const std::string& path, CAccountBook& book) { return SaveAccountFile(path, book).Succeeded(); }

bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const auto write = [&bytes](int fd) { return WriteAll(fd, bytes.data(), bytes.size()); };
  return SaveFile(path, write, BackupPolicy::kNone).Succeeded();
}

std::string BackupPathOf(const std::string& path) { return ResolvedTarget(path) + std::string(kBackupSuffix); }

int RemoveSaveLeftovers(const std::string& path) { return RemoveTemporaryLeftovers(path); }

}  // namespace purso
