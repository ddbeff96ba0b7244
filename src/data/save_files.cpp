#include "data/save_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>

#include "data/save_fault.h"

namespace purso {
namespace {

constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kRandomLength = 6;
constexpr std::string_view kRandomAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// "." + name + "." + random + ".tmp" must fit one name of the file system.
constexpr std::size_t kLongestNamePart = NAME_MAX - 2 - kRandomLength - kTemporarySuffix.size();

std::string TemporaryPrefix(std::string_view accountName) {
  return "." + std::string(accountName.substr(0, kLongestNamePart)) + ".";
}

std::string RandomLetters() {
  std::random_device device;
  std::uniform_int_distribution<std::size_t> pick(0, kRandomAlphabet.size() - 1);
  std::string letters(kRandomLength, ' ');
  for (char& letter : letters) letter = kRandomAlphabet[pick(device)];
  return letters;
}

std::string Joined(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

}  // namespace

std::string ResolvedTarget(const std::string& path) {
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string NewTemporaryPath(const std::string& target) {
  return Joined(FolderOf(target), TemporaryPrefix(NameOf(target)) + RandomLetters() + std::string(kTemporarySuffix));
}

bool IsTemporaryNameOf(std::string_view entry, std::string_view accountName) {
  const std::string prefix = TemporaryPrefix(accountName);
  if (entry.size() != prefix.size() + kRandomLength + kTemporarySuffix.size()) return false;
  if (!entry.starts_with(prefix) || !entry.ends_with(kTemporarySuffix)) return false;
  const std::string_view random = entry.substr(prefix.size(), kRandomLength);
  return random.find_first_not_of(kRandomAlphabet) == std::string_view::npos;
}

void FlushFolder(const std::string& folder) {
  CFileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.IsOpen()) ::fsync(fd.Get());
}

CTemporaryFile::CTemporaryFile(const std::string& target, mode_t mode) {
  if (const int error = InjectedSaveFault(SaveStep::kCreateTemporary)) {
    errno = error;
    return;
  }
  // A clash with another name is unlikely; a few tries rule it out.
  for (int attempt = 0; attempt < 16 && !fd_.IsOpen(); ++attempt) {
    path_ = NewTemporaryPath(target);
    fd_.Reset(::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode));
    if (!fd_.IsOpen() && errno != EEXIST) break;
  }
  if (!fd_.IsOpen()) return;
  // Marks the file as the one of a live save; released when it is closed.
  ::flock(fd_.Get(), LOCK_EX | LOCK_NB);
}

CTemporaryFile::~CTemporaryFile() {
  if (fd_.IsOpen() && !renamed_) {
    const int saved = errno;
    ::unlink(path_.c_str());
    errno = saved;
  }
}

bool CTemporaryFile::RenameTo(const std::string& path) {
  if (::rename(path_.c_str(), path.c_str()) != 0) return false;
  renamed_ = true;
  return true;
}

int RemoveTemporaryLeftovers(const std::string& accountPath) {
  const std::string target = ResolvedTarget(accountPath);
  const std::string name = NameOf(target);
  CFileDescriptor folder(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.IsOpen()) return 0;
  const int copy = ::dup(folder.Get());
  DIR* listing = copy >= 0 ? ::fdopendir(copy) : nullptr;
  if (listing == nullptr) {
    if (copy >= 0) ::close(copy);
    return 0;
  }
  int removed = 0;
  while (const dirent* entry = ::readdir(listing)) {
    if (!IsTemporaryNameOf(entry->d_name, name)) continue;
    struct stat info {};
    if (::fstatat(folder.Get(), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) continue;
    CFileDescriptor leftover(::openat(folder.Get(), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    // A save in progress holds its file locked; only an unlocked one is a leftover.
    if (!leftover.IsOpen() || ::flock(leftover.Get(), LOCK_EX | LOCK_NB) != 0) continue;
    if (::unlinkat(folder.Get(), entry->d_name, 0) == 0) ++removed;
  }
  ::closedir(listing);
  return removed;
}

}  // namespace purso
