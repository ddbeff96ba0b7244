#include "data/save_journal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <optional>
#include <thread>

namespace purso {
namespace {

constexpr std::string_view kJournalSuffix = ".journal";
constexpr std::string_view kFirstLine = "purso save in place";
constexpr std::size_t kLongestJournal = 512;

// The next line of text, taken off it; none at the end.
std::optional<std::string_view> NextLine(std::string_view& text) {
  const auto end = text.find('\n');
  if (end == std::string_view::npos) return std::nullopt;
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end + 1);
  return line;
}

// "<key> <number>" with nothing else on the line, in base 10 or 16.
bool ReadField(std::string_view line, std::string_view key, std::uint64_t& value, int base = 10) {
  if (!line.starts_with(key) || line.size() <= key.size() + 1 || line[key.size()] != ' ') return false;
  const char* first = line.data() + key.size() + 1;
  const char* last = line.data() + line.size();
  const auto [end, error] = std::from_chars(first, last, value, base);
  return error == std::errc() && end == last;
}

std::string Hex(std::uint64_t value) {
  char buffer[17] = {};
  const auto end = std::to_chars(buffer, buffer + 16, value, 16).ptr;
  return std::string(buffer, end);
}

std::optional<std::string> ReadSmallFile(int fd) {
  std::string text(kLongestJournal + 1, '\0');
  const long long got = ReadAt(fd, reinterpret_cast<std::uint8_t*>(text.data()), text.size(), 0);
  if (got < 0 || static_cast<std::size_t>(got) > kLongestJournal) return std::nullopt;
  text.resize(static_cast<std::size_t>(got));
  return text;
}

// Waits a few seconds at most for a save that holds the journal to end.
bool LockJournal(int fd) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) return true;  // no locks here: nothing to wait for
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

bool IsJournalName(std::string_view entry) {
  return entry.size() > 1 + kJournalSuffix.size() && entry.front() == '.' && entry.ends_with(kJournalSuffix);
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Rolls back the account at place with the journal journalName, made by a
// save of accountName: the account's own name or a hard link's.
RecoveryResult RecoverWith(const CFilePlace& place, const std::string& journalName, const std::string& accountName,
                           const struct stat& account) {
  const std::string backupName = accountName + std::string(kBackupSuffix);
  const auto ended = [&backupName](Recovery status) { return RecoveryResult{status, backupName}; };
  CFileDescriptor journal(::openat(place.Folder(), journalName.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  // Only one who may write the account could have saved it in place.
  if (!journal.IsOpen() || ::fstat(journal.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
      !place.IsUserOfFolder(info.st_uid) || !MayWrite(info.st_uid, account)) {
    return {};
  }
  JournalRecord record;
  const auto text = ReadSmallFile(journal.Get());
  if (!text || !ParseJournal(*text, record) || record.device != account.st_dev || record.inode != account.st_ino) {
    return {};
  }
  // A save still in progress after the wait is left to finish; the account's
  // held-back head keeps a reader from taking it whole meanwhile.
  if (!LockJournal(journal.Get())) return {};
  struct stat now {};
  if (::fstatat(place.Folder(), journalName.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0 || !SameFile(now, info)) {
    return {};  // the save ended while this waited
  }
  const auto drop = [&] {
    ::unlinkat(place.Folder(), journalName.c_str(), 0);
    place.Flush();
  };

  CFileDescriptor file(::openat(place.Folder(), place.Name().c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  const bool writable = file.IsOpen();
  if (!writable) file.Reset(::openat(place.Folder(), place.Name().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat opened {};
  if (!file.IsOpen() || ::fstat(file.Get(), &opened) != 0 || !SameFile(opened, account)) return {};
  const auto digest = DigestOfFile(file.Get());
  if (!digest) return ended(Recovery::kNotRolledBack);
  if (*digest == record.next || *digest == record.old) {
    drop();
    return {};
  }
  CFileDescriptor backup(::openat(place.Folder(), backupName.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat backupInfo {};
  if (!writable || !backup.IsOpen() || ::fstat(backup.Get(), &backupInfo) != 0 || !S_ISREG(backupInfo.st_mode) ||
      DigestOfFile(backup.Get()) != record.old || CopyAndSync(backup.Get(), file.Get()) != 0) {
    return ended(Recovery::kNotRolledBack);
  }
  drop();
  return ended(Recovery::kRolledBack);
}

}  // namespace

std::string JournalNameOf(std::string_view accountName) {
  return "." + std::string(accountName) + std::string(kJournalSuffix);
}

std::string JournalText(const JournalRecord& record) {
  return std::string(kFirstLine) + "\ndevice " + std::to_string(record.device) + "\ninode " +
         std::to_string(record.inode) + "\nold-size " + std::to_string(record.old.size) + "\nold-checksum " +
         Hex(record.old.checksum) + "\nnew-size " + std::to_string(record.next.size) + "\nnew-checksum " +
         Hex(record.next.checksum) + "\n";
}

bool ParseJournal(std::string_view text, JournalRecord& record) {
  JournalRecord read;
  const auto field = [&text](std::string_view key, std::uint64_t& value, int base) {
    const auto line = NextLine(text);
    return line && ReadField(*line, key, value, base);
  };
  if (NextLine(text) != kFirstLine) return false;
  if (!field("device", read.device, 10) || !field("inode", read.inode, 10) || !field("old-size", read.old.size, 10) ||
      !field("old-checksum", read.old.checksum, 16) || !field("new-size", read.next.size, 10) ||
      !field("new-checksum", read.next.checksum, 16) || !text.empty()) {
    return false;
  }
  record = read;
  return true;
}

CSaveJournal::CSaveJournal(const CFilePlace& place, const JournalRecord& record, mode_t accountMode)
    : place_(place), file_(place, 0600) {
  if (!file_.IsOpen()) return;
  const std::string text = JournalText(record);
  if (const int error = SetMode(file_.Get(), (accountMode & 0444) | 0600)) {
    errno = error;
    return;
  }
  if (!WriteAll(file_.Get(), reinterpret_cast<const std::uint8_t*>(text.data()), text.size()) ||
      ::fsync(file_.Get()) != 0 || !file_.RenameTo(JournalNameOf(place.Name()))) {
    return;
  }
  place.Flush();
  written_ = true;
}

void CSaveJournal::Remove() {
  if (!written_) return;
  ::unlinkat(place_.Folder(), JournalNameOf(place_.Name()).c_str(), 0);
  place_.Flush();
  written_ = false;
}

RecoveryResult RecoverInterruptedSave(const CFilePlace& place) {
  struct stat account {};
  if (!place.IsOpen() || !place.StatEntry(account) || !S_ISREG(account.st_mode)) return {};
  const RecoveryResult own = RecoverWith(place, JournalNameOf(place.Name()), place.Name(), account);
  if (own.status != Recovery::kNone || account.st_nlink < 2) return own;
  // A save through another hard link of the file in the same folder.
  const int copy = ::dup(place.Folder());
  DIR* listing = copy >= 0 ? ::fdopendir(copy) : nullptr;
  if (listing == nullptr) {
    if (copy >= 0) ::close(copy);
    return {};
  }
  RecoveryResult recovery;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string name = entry->d_name;
    if (!IsJournalName(name) || name == JournalNameOf(place.Name())) continue;
    const std::string other = name.substr(1, name.size() - 1 - kJournalSuffix.size());
    recovery = RecoverWith(place, name, other, account);
    if (recovery.status != Recovery::kNone) break;
  }
  ::closedir(listing);
  return recovery;
}

}  // namespace purso
