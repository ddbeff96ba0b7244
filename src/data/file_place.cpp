#include "data/file_place.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "data/save_files.h"

namespace purso {
namespace {

std::string RealPath(const std::string& path) {
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return {};
  std::string real(resolved);
  std::free(resolved);
  return real;
}

std::string Joined(const std::string& folder, std::string_view name) {
  return (folder == "/" ? std::string() : folder) + "/" + std::string(name);
}

// Whether user belongs to group, as its primary or a supplementary group.
bool IsMember(uid_t user, gid_t group) {
  std::vector<char> buffer(16 * 1024);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return false;
  if (found->pw_gid == group) return true;
  std::vector<gid_t> groups(64);
  int count = static_cast<int>(groups.size());
  while (::getgrouplist(found->pw_name, found->pw_gid, groups.data(), &count) < 0) {
    if (count <= static_cast<int>(groups.size())) return false;
    groups.resize(static_cast<std::size_t>(count));
  }
  for (int i = 0; i < count; ++i) {
    if (groups[static_cast<std::size_t>(i)] == group) return true;
  }
  return false;
}

}  // namespace

CFilePlace CFilePlace::Of(const std::string& path) {
  CFilePlace place;
  std::string resolved = RealPath(path);
  if (resolved.empty()) {
    if (errno != ENOENT) {
      place.error_ = errno;
      return place;
    }
    // A new file, or a link that names nothing: the name stands in its folder.
    const std::string folder = RealPath(FolderOf(path));
    if (folder.empty()) {
      place.error_ = errno;
      return place;
    }
    resolved = Joined(folder, NameOf(path));
  }
  place.name_ = NameOf(resolved);
  if (place.name_.empty() || place.name_ == "." || place.name_ == "..") {
    place.error_ = EISDIR;
    return place;
  }
  place.path_ = resolved;
  place.folder_.Reset(::open(FolderOf(resolved).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!place.folder_.IsOpen()) place.error_ = errno;
  return place;
}

std::string CFilePlace::PathOf(std::string_view name) const { return Joined(FolderOf(path_), name); }

CFilePlace CFilePlace::Beside(std::string_view name) const {
  CFilePlace place;
  place.name_ = std::string(name);
  place.path_ = PathOf(name);
  place.folder_.Reset(folder_.IsOpen() ? ::fcntl(folder_.Get(), F_DUPFD_CLOEXEC, 0) : -1);
  place.error_ = place.folder_.IsOpen() ? 0 : (folder_.IsOpen() ? errno : error_);
  return place;
}

bool CFilePlace::StatEntry(struct stat& info) const {
  return ::fstatat(folder_.Get(), name_.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

std::string CFilePlace::LinkTarget() const {
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t got = ::readlinkat(folder_.Get(), name_.c_str(), buffer.data(), buffer.size());
    if (got < 0) return {};
    if (static_cast<std::size_t>(got) < buffer.size()) return std::string(buffer.data(), static_cast<std::size_t>(got));
    buffer.resize(buffer.size() * 2);
  }
}

bool CFilePlace::IsUserOfFolder(uid_t user) const {
  struct stat folder {};
  if (::fstat(folder_.Get(), &folder) != 0) return user == ::geteuid();
  if (user == ::geteuid() || user == folder.st_uid || (folder.st_mode & S_IWOTH) != 0) return true;
  return (folder.st_mode & S_IWGRP) != 0 && IsMember(user, folder.st_gid);
}

bool MayWrite(uid_t user, const struct stat& info) {
  if (user == 0) return true;
  if (user == info.st_uid) return (info.st_mode & S_IWUSR) != 0;
  if ((info.st_mode & S_IWGRP) != 0 && IsMember(user, info.st_gid)) return true;
  return (info.st_mode & S_IWOTH) != 0;
}

void CFilePlace::Flush() const {
  if (folder_.IsOpen()) ::fsync(folder_.Get());
}

}  // namespace purso
