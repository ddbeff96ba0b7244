#include "data/save_in_place.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "data/file_descriptor.h"
#include "data/save_fault.h"
#include "data/save_journal.h"

namespace purso {
namespace {

SaveFailure BesideFailure(int error) {
  // No file can be made beside the account, so no safe way to write it is left.
  return error == EACCES || error == EPERM ? SaveFailure::kFolderNotWritable : SaveFailureOf(error);
}

// Puts the backup's bytes back into the file after a failed write.
bool Restore(int fd, int backup) {
  if (InjectedSaveFault(SaveStep::kRestore) != 0) return false;
  return CopyAndSync(backup, fd) == 0;
}

}  // namespace

SaveResult SaveInPlace(const CFilePlace& place, const struct stat& old, bool keepOld, const ContentWriter& write,
                       const ContentDigest& next) {
  CFileDescriptor file(::openat(place.Folder(), place.Name().c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (!file.IsOpen()) return FailedSave(errno);
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0) return FailedSave(errno);
  // Another file took the name since the save looked at it.
  if (info.st_dev != old.st_dev || info.st_ino != old.st_ino) return FailedSave(SaveFailure::kIoError, ESTALE);

  if (keepOld) {
    if (const int error = KeepBackupCopy(place, file.Get(), info)) return FailedSave(BesideFailure(error), error);
  }
  const std::string backupName = place.Name() + std::string(kBackupSuffix);
  CFileDescriptor backup(::openat(place.Folder(), backupName.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat backupInfo {};
  if (!backup.IsOpen() || ::fstat(backup.Get(), &backupInfo) != 0) return FailedSave(errno);
  if (!S_ISREG(backupInfo.st_mode)) return FailedSave(SaveFailure::kIoError, EINVAL);
  errno = EIO;
  const auto oldDigest = DigestOfFile(backup.Get());
  if (!oldDigest || ::fsync(backup.Get()) != 0) return FailedSave(errno);

  CSaveJournal journal(place, {info.st_dev, info.st_ino, *oldDigest, next}, info.st_mode);
  if (!journal.IsWritten()) {
    const int error = errno;
    return FailedSave(BesideFailure(error), error);
  }

  ContentDigest written;
  int error = WriteAndSync(file.Get(), write, HeadOrder::kLast, &written);
  // Content that came out other than the journal announced would be rolled back as torn.
  if (error == 0 && written != next) error = EIO;
  if (error != 0) {
    if (!Restore(file.Get(), backup.Get())) return FailedSave(SaveFailure::kDamaged, error);
    journal.Remove();
    return FailedSave(error);
  }
  journal.Remove();
  SaveResult result;
  result.backup = keepOld ? BackupState::kKept : BackupState::kUnreadable;
  result.stamp = FileStampOf(file.Get());
  return result;
}

}  // namespace purso
