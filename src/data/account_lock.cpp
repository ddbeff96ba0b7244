#include "data/account_lock.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <climits>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <thread>

#include "data/file_descriptor.h"
#include "data/save_files.h"

namespace purso {
namespace {

constexpr std::string_view kLockSuffix = ".lock";

// What a lock file says about its holder.
struct LockRecord {
  LockHolder holder;
  long long start = 0;  // the holder's start time in clock ticks after boot; 0 if unknown
  std::string key;      // tells apart two locks of one process
};

std::string HostName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

// The name of a user, or its number when it has none.
std::string NameOfUser(uid_t user) {
  std::string buffer(4096, '\0');
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
    return found->pw_name;
  }
  return std::to_string(user);
}

std::string UserName() { return NameOfUser(::geteuid()); }

// When the process started, in clock ticks after boot; 0 when unknown. With
// the pid it names one process, even after the pid was given to another.
long long StartTimeOf(int pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return 0;
  // The command name in parentheses may hold blanks; the fields after it are plain.
  std::istringstream fields(line.substr(line.rfind(')') + 1));
  std::string field;
  // The start time is the 22nd field, the 20th after the name.
  for (int i = 0; i < 20 && fields >> field; ++i) {
  }
  long long start = 0;
  std::from_chars(field.data(), field.data() + field.size(), start);
  return start;
}

std::string Content(const LockRecord& record) {
  return "pid " + std::to_string(record.holder.pid) + "\nstart " + std::to_string(record.start) + "\nhost " +
         record.holder.host + "\nuser " + record.holder.user + "\nkey " + record.key + "\n";
}

LockRecord OwnRecord() {
  LockRecord record;
  record.holder.pid = static_cast<int>(::getpid());
  record.holder.host = HostName();
  record.holder.user = UserName();
  record.start = StartTimeOf(record.holder.pid);
  std::random_device random;
  record.key = std::to_string(random()) + std::to_string(random());
  return record;
}

std::optional<std::string> ReadText(int folder, const std::string& name) {
  CFileDescriptor fd(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (!fd.IsOpen()) return std::nullopt;
  std::string text;
  char buffer[512];
  ssize_t got = 0;
  while ((got = ::read(fd.Get(), buffer, sizeof buffer)) > 0 && text.size() < 4096) {
    text.append(buffer, static_cast<std::size_t>(got));
  }
  return text;
}

// A user or host name that may be shown as it stands: letters, digits, dots,
// dashes and underscores, not too long.
bool IsPlainName(std::string_view name, std::size_t longest) {
  if (name.empty() || name.size() > longest || name.front() == '-') return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
           c == '_';
  });
}

// A whole positive number, nothing else.
template <typename Number>
Number PlainNumber(std::string_view text) {
  Number value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value > 0 ? value : 0;
}

// The record of a lock file owned by owner: each field only when it passes its check.
LockRecord Parse(const std::string& content, const std::string& owner) {
  LockRecord record;
  std::istringstream lines(content);
  std::string line;
  while (std::getline(lines, line)) {
    const auto blank = line.find(' ');
    if (blank == std::string::npos) continue;
    const std::string key = line.substr(0, blank);
    const std::string value = line.substr(blank + 1);
    if (key == "pid") record.holder.pid = PlainNumber<int>(value);
    if (key == "start") record.start = PlainNumber<long long>(value);
    if (key == "host" && IsPlainName(value, HOST_NAME_MAX)) record.holder.host = value;
    if (key == "user" && value == owner && IsPlainName(value, 32)) record.holder.user = value;
  }
  return record;
}

enum class LockKind {
  kNone,     // no lock file
  kOurs,     // a lock file of this program
  kForeign,  // something else in the lock's place
};

struct LockFile {
  LockKind kind = LockKind::kNone;
  LockRecord record;
};

// What lies at the lock's name: only a regular file owned by a user of the
// folder is read, and only as much as a lock holds.
LockFile ReadLock(const CFilePlace& place, int folder, const std::string& name) {
  struct stat info {};
  if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
    return {errno == ENOENT ? LockKind::kNone : LockKind::kForeign, {}};
  }
  if (!S_ISREG(info.st_mode) || !place.IsUserOfFolder(info.st_uid)) return {LockKind::kForeign, {}};
  // A lock this user may not read still holds the account; it names no one.
  const auto text = ReadText(folder, name);
  return {LockKind::kOurs, text ? Parse(*text, NameOfUser(info.st_uid)) : LockRecord{}};
}

// A lock is stale when its process is known to be gone. A lock of another
// host, or one that names no process, is never judged stale here.
bool IsStale(const LockRecord& record) {
  if (record.holder.pid <= 0 || record.holder.host != HostName()) return false;
  if (::kill(record.holder.pid, 0) != 0 && errno == ESRCH) return true;
  const long long start = StartTimeOf(record.holder.pid);
  return record.start != 0 && start != 0 && start != record.start;
}

// Holds the folder's flock for a scope; tries for about a second, then goes
// on without it rather than hang on a folder some other program holds.
class CFolderLock {
 public:
  explicit CFolderLock(int folder) : folder_(folder) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (::flock(folder_, LOCK_EX | LOCK_NB) == 0) {
        locked_ = true;
        return;
      }
      if (errno != EWOULDBLOCK && errno != EINTR) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  ~CFolderLock() {
    if (locked_) ::flock(folder_, LOCK_UN);
  }
  CFolderLock(const CFolderLock&) = delete;
  CFolderLock& operator=(const CFolderLock&) = delete;

 private:
  int folder_;
  bool locked_ = false;
};

bool IsLockName(std::string_view entry) {
  return entry.size() > 1 + kLockSuffix.size() && entry.front() == '.' && entry.ends_with(kLockSuffix);
}

// A live lock of another name in the folder whose account is the same file
// as the account at place.
std::optional<LockHolder> HeldThroughOtherLink(const CFilePlace& place, int folder, const std::string& ownLock) {
  struct stat account {};
  if (!place.StatEntry(account) || account.st_nlink < 2) return std::nullopt;
  const int copy = ::dup(folder);
  DIR* listing = copy >= 0 ? ::fdopendir(copy) : nullptr;
  if (listing == nullptr) {
    if (copy >= 0) ::close(copy);
    return std::nullopt;
  }
  std::optional<LockHolder> holder;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string name = entry->d_name;
    if (!IsLockName(name) || name == ownLock) continue;
    const std::string other = name.substr(1, name.size() - 1 - kLockSuffix.size());
    struct stat info {};
    if (::fstatat(folder, other.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || info.st_dev != account.st_dev ||
        info.st_ino != account.st_ino) {
      continue;
    }
    const LockFile lock = ReadLock(place, folder, name);
    if (lock.kind == LockKind::kOurs && !IsStale(lock.record)) {
      holder = lock.record.holder;
      break;
    }
  }
  ::closedir(listing);
  return holder;
}

LockResult Unavailable(int error) {
  LockResult result;
  result.status = LockStatus::kUnavailable;
  result.error = error;
  return result;
}

LockResult Foreign() {
  LockResult result;
  result.status = LockStatus::kForeign;
  return result;
}

LockResult HeldBy(const LockHolder& holder) {
  LockResult result;
  result.status = LockStatus::kHeldByOther;
  result.holder = holder;
  return result;
}

}  // namespace

std::string LockPathOf(const std::string& accountPath) {
  const std::string target = ResolvedTarget(accountPath);
  const std::string folder = FolderOf(target);
  return (folder == "/" ? "" : folder) + "/" + LockNameOf(NameOf(target));
}

std::string LockNameOf(std::string_view accountName) {
  return "." + std::string(accountName) + std::string(kLockSuffix);
}

LockResult CAccountLock::TryAcquire(const CFilePlace& place) { return Acquire(place, Takeover::kIfGone); }

LockResult CAccountLock::TryAcquire(const std::string& accountPath) {
  return Acquire(CFilePlace::Of(accountPath), Takeover::kIfGone);
}

LockResult CAccountLock::ForceAcquire(const CFilePlace& place) { return Acquire(place, Takeover::kAlways); }

LockResult CAccountLock::ForceAcquire(const std::string& accountPath) {
  return Acquire(CFilePlace::Of(accountPath), Takeover::kAlways);
}

LockResult CAccountLock::Acquire(const CFilePlace& place, Takeover takeover) {
  Release();
  if (!place.IsOpen()) return Unavailable(place.Error());
  const std::string lockName = LockNameOf(place.Name());
  CFileDescriptor folder(::fcntl(place.Folder(), F_DUPFD_CLOEXEC, 0));
  if (!folder.IsOpen()) return Unavailable(errno);
  const CFolderLock folderLock(folder.Get());

  const LockFile existing = ReadLock(place, folder.Get(), lockName);
  if (existing.kind == LockKind::kForeign) return Foreign();
  if (existing.kind == LockKind::kOurs) {
    if (takeover == Takeover::kIfGone && !IsStale(existing.record)) return HeldBy(existing.record.holder);
    if (::unlinkat(folder.Get(), lockName.c_str(), 0) != 0 && errno != ENOENT) return Unavailable(errno);
  }
  if (takeover == Takeover::kIfGone) {
    if (const auto holder = HeldThroughOtherLink(place, folder.Get(), lockName)) return HeldBy(*holder);
  }

  const std::string content = Content(OwnRecord());
  CFileDescriptor lock(
      ::openat(folder.Get(), lockName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
  if (!lock.IsOpen()) {
    // Another program made its lock in the moment since; it holds the account.
    if (errno == EEXIST) {
      const LockFile made = ReadLock(place, folder.Get(), lockName);
      return made.kind == LockKind::kForeign ? Foreign() : HeldBy(made.record.holder);
    }
    return Unavailable(errno);
  }
  // Readable by the other users of the folder whatever this user's file-creation mask.
  ::fchmod(lock.Get(), 0644);
  if (!WriteAll(lock.Get(), reinterpret_cast<const std::uint8_t*>(content.data()), content.size()) || !lock.Close()) {
    const int error = errno;
    ::unlinkat(folder.Get(), lockName.c_str(), 0);
    return Unavailable(error);
  }
  folder_ = std::move(folder);
  lockName_ = lockName;
  content_ = content;
  LockResult result;
  result.status = LockStatus::kAcquired;
  return result;
}

void CAccountLock::Release() {
  if (!folder_.IsOpen()) return;
  {
    const CFolderLock folderLock(folder_.Get());
    // A user may have taken the account over from another program since.
    if (ReadText(folder_.Get(), lockName_) == content_) ::unlinkat(folder_.Get(), lockName_.c_str(), 0);
  }
  folder_.Close();
  lockName_.clear();
  content_.clear();
}

}  // namespace purso
