#include "data/file_stamp.h"

#include <sys/stat.h>

namespace purso {
namespace {

std::int64_t Nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

FileStamp StampOf(const struct stat& info) {
  FileStamp stamp;
  stamp.exists = true;
  stamp.device = info.st_dev;
  stamp.inode = info.st_ino;
  stamp.size = info.st_size;
  stamp.modifiedNs = Nanoseconds(info.st_mtim);
  stamp.changedNs = Nanoseconds(info.st_ctim);
  return stamp;
}

}  // namespace

FileStamp FileStampOf(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return {};
  return StampOf(info);
}

FileStamp FileStampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};
  return StampOf(info);
}

DiskChange CompareWithDisk(const std::string& path, const FileStamp& stamp) {
  const FileStamp now = FileStampOf(path);
  if (!now.exists) return DiskChange::kMissing;
  return now == stamp ? DiskChange::kUnchanged : DiskChange::kChanged;
}

DiskChange CompareWithDisk(const CFilePlace& place, const FileStamp& stamp) {
  struct stat info {};
  if (!place.StatEntry(info)) return DiskChange::kMissing;
  if (S_ISLNK(info.st_mode)) return DiskChange::kLink;
  return StampOf(info) == stamp ? DiskChange::kUnchanged : DiskChange::kChanged;
}

}  // namespace purso
