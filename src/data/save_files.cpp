#include "data/save_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>
#include <vector>

#include "data/save_fault.h"

namespace purso {
namespace {

constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kRandomLength = 6;
constexpr std::string_view kRandomAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// "." + name + "." + random + ".tmp" must fit one name of the file system.
constexpr std::size_t kLongestNamePart = NAME_MAX - 2 - kRandomLength - kTemporarySuffix.size();
// How many bytes at the head of a file HeadOrder::kLast holds back: an
// account's magic and then some.
constexpr std::size_t kHeadSize = 8;

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

// Passes a save's content on to a file from where it stands, digesting it,
// and writes the first bytes as zeros when the head comes last.
class CFileSink final : public CByteSink {
 public:
  CFileSink(int fd, HeadOrder order, bool digesting)
      : fd_(fd), heldBack_(order == HeadOrder::kLast ? kHeadSize : 0), digesting_(digesting) {}

  bool WriteAll(const std::uint8_t* source, std::size_t n) override {
    if (digesting_) digest_.Add(source, n);
    if (head_.size() < heldBack_) {
      const std::size_t held = std::min(n, heldBack_ - head_.size());
      head_.insert(head_.end(), source, source + held);
      const std::uint8_t zeros[kHeadSize] = {};
      if (!purso::WriteAll(fd_, zeros, held)) return false;
      source += held;
      n -= held;
    }
    return purso::WriteAll(fd_, source, n);
  }

  // Writes the held-back head over its zeros; 0 or the error.
  int WriteHead() const {
    if (head_.empty()) return 0;
    const ssize_t written = ::pwrite(fd_, head_.data(), head_.size(), 0);
    if (written == static_cast<ssize_t>(head_.size())) return 0;
    return written < 0 ? errno : EIO;
  }

  const ContentDigest& Digest() const { return digest_; }

 private:
  int fd_;
  std::size_t heldBack_;
  bool digesting_;
  std::vector<std::uint8_t> head_;
  ContentDigest digest_;
};

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

std::string NewTemporaryName(std::string_view accountName) {
  return TemporaryPrefix(accountName) + RandomLetters() + std::string(kTemporarySuffix);
}

bool IsTemporaryNameOf(std::string_view entry, std::string_view accountName) {
  const std::string prefix = TemporaryPrefix(accountName);
  if (entry.size() != prefix.size() + kRandomLength + kTemporarySuffix.size()) return false;
  if (!entry.starts_with(prefix) || !entry.ends_with(kTemporarySuffix)) return false;
  const std::string_view random = entry.substr(prefix.size(), kRandomLength);
  return random.find_first_not_of(kRandomAlphabet) == std::string_view::npos;
}

CTemporaryFile::CTemporaryFile(const CFilePlace& place, mode_t mode) : folder_(place.Folder()) {
  if (const int error = InjectedSaveFault(SaveStep::kCreateTemporary)) {
    errno = error;
    return;
  }
  // A clash with another name is unlikely; a few tries rule it out.
  for (int attempt = 0; attempt < 16 && !fd_.IsOpen(); ++attempt) {
    name_ = NewTemporaryName(place.Name());
    fd_.Reset(::openat(folder_, name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode));
    if (!fd_.IsOpen() && errno != EEXIST) break;
  }
  if (!fd_.IsOpen()) return;
  // Marks the file as the one of a live save; released when it is closed.
  ::flock(fd_.Get(), LOCK_EX | LOCK_NB);
}

CTemporaryFile::~CTemporaryFile() {
  if (fd_.IsOpen() && !renamed_) {
    const int saved = errno;
    ::unlinkat(folder_, name_.c_str(), 0);
    errno = saved;
  }
}

bool CTemporaryFile::RenameTo(std::string_view name) {
  if (::renameat(folder_, name_.c_str(), folder_, std::string(name).c_str()) != 0) return false;
  renamed_ = true;
  return true;
}

int RemoveTemporaryLeftovers(const CFilePlace& place) {
  if (!place.IsOpen()) return 0;
  const int copy = ::dup(place.Folder());
  DIR* listing = copy >= 0 ? ::fdopendir(copy) : nullptr;
  if (listing == nullptr) {
    if (copy >= 0) ::close(copy);
    return 0;
  }
  int removed = 0;
  while (const dirent* entry = ::readdir(listing)) {
    if (!IsTemporaryNameOf(entry->d_name, place.Name())) continue;
    struct stat info {};
    if (::fstatat(place.Folder(), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) continue;
    CFileDescriptor leftover(
        ::openat(place.Folder(), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    // A save in progress holds its file locked; only an unlocked one is a leftover.
    if (!leftover.IsOpen() || ::flock(leftover.Get(), LOCK_EX | LOCK_NB) != 0) continue;
    if (::unlinkat(place.Folder(), entry->d_name, 0) == 0) ++removed;
  }
  ::closedir(listing);
  return removed;
}

int WriteAndSync(int fd, const ContentWriter& write, HeadOrder order, ContentDigest* written) {
  errno = 0;
  if (::lseek(fd, 0, SEEK_SET) != 0) return errno;
  CFileSink sink(fd, order, written != nullptr);
  if (!write(sink)) return errno != 0 ? errno : EIO;
  if (written != nullptr) *written = sink.Digest();
  const off_t end = ::lseek(fd, 0, SEEK_CUR);
  if (end < 0 || ::ftruncate(fd, end) != 0) return errno;
  if (::fsync(fd) != 0) return errno;
  if (order == HeadOrder::kInOrder) return 0;
  if (const int error = sink.WriteHead()) return error;
  return ::fsync(fd) == 0 ? 0 : errno;
}

int CopyAndSync(int source, int to) {
  return WriteAndSync(to, [source](CByteSink& sink) {
    std::vector<std::uint8_t> buffer(64 * 1024);
    long long offset = 0;
    for (;;) {
      const long long got = ReadAt(source, buffer.data(), buffer.size(), offset);
      if (got <= 0) return got == 0;
      if (!sink.WriteAll(buffer.data(), static_cast<std::size_t>(got))) return false;
      offset += got;
    }
  });
}

int KeepBackupCopy(const CFilePlace& place, int source, const struct stat& info) {
  CTemporaryFile copy(place, 0600);
  if (!copy.IsOpen()) return errno;
  // Where the file's group cannot be given to the copy, that group's rights are not given to another.
  const bool grouped = ::fchown(copy.Get(), static_cast<uid_t>(-1), info.st_gid) == 0;
  if (const int error = SetMode(copy.Get(), info.st_mode & (grouped ? 0777 : 0707))) return error;
  if (const int error = CopyAndSync(source, copy.Get())) return error;
  if (!copy.RenameTo(place.Name() + std::string(kBackupSuffix))) return errno;
  place.Flush();
  return 0;
}

int SetMode(int fd, mode_t mode) {
  int error = InjectedSaveFault(SaveStep::kSetMode);
  if (error == 0) {
    if (::fchmod(fd, mode) == 0) return 0;
    error = errno;
  }
  return error == EPERM || error == EOPNOTSUPP ? 0 : error;
}

}  // namespace purso
