#include "data/recovery_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "data/account_file.h"
#include "data/archive.h"
#include "data/private_store.h"

namespace purso {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMagic = "PURSORC1";
constexpr std::string_view kCopyExtension = ".recovery";
constexpr std::string_view kLockExtension = ".lock";
// The header is read alone to choose among copies; a longer one is damaged.
constexpr std::size_t kMaxHeader = 64 * 1024;

// Opens (creating, 0600) and locks a lock file; -1 when another process
// holds it or it cannot be opened.
int LockFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool ReadString(CArchiveReader& archive, std::string& text) {
  std::uint32_t length = 0;
  if (!archive.ReadU32(length)) return false;
  if (length > kMaxHeader) {
    archive.Fail(ReadFailure::kTruncated);
    return false;
  }
  text.resize(length);
  return archive.Read(text.data(), length);
}

// The header from the start of bytes; false when it is damaged.
bool ParseHeader(CArchiveReader& archive, RecoveryHeader& header) {
  char magic[kMagic.size()];
  std::uint32_t low = 0;
  std::uint32_t high = 0;
  if (!archive.Read(magic, sizeof magic)) return false;
  if (std::string_view(magic, sizeof magic) != kMagic) {
    archive.Fail(ReadFailure::kBadMagic);
    return false;
  }
  if (!ReadString(archive, header.accountPath) || !ReadString(archive, header.title) || !archive.ReadU32(low) ||
      !archive.ReadU32(high)) {
    return false;
  }
  const auto millis = static_cast<std::int64_t>((static_cast<std::uint64_t>(high) << 32) | low);
  header.writtenAt = WallClock::time_point(std::chrono::milliseconds(millis));
  return true;
}

bool ReadPrefix(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes) {
  CFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
  if (!fd.IsOpen()) return false;
  bytes.resize(limit);
  std::size_t got = 0;
  while (got < limit) {
    const ssize_t n = ::read(fd.Get(), bytes.data() + got, limit - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return true;
}

}  // namespace

CRecoveryFile::CRecoveryFile(std::string base, int lockFd)
    : copyPath_(base + std::string(kCopyExtension)), lockPath_(base + std::string(kLockExtension)), lock_(lockFd) {}

CRecoveryFile::~CRecoveryFile() = default;

std::unique_ptr<CRecoveryFile> CRecoveryFile::Create(const std::string& folder) {
  if (!MakePrivateFolder(folder)) return nullptr;
  const std::string base = folder + "/" + std::to_string(::getpid()) + "-" + RandomHex();
  const int fd = LockFile(base + std::string(kLockExtension));
  if (fd < 0) return nullptr;
  return std::unique_ptr<CRecoveryFile>(new CRecoveryFile(base, fd));
}

std::vector<std::unique_ptr<CRecoveryFile>> CRecoveryFile::FindOrphans(const std::string& folder) {
  std::vector<std::unique_ptr<CRecoveryFile>> orphans;
  std::vector<std::pair<WallClock::time_point, std::unique_ptr<CRecoveryFile>>> found;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const fs::path& path = entry.path();
    const bool copy = path.extension() == kCopyExtension;
    if (!copy && path.extension() != kLockExtension) continue;
    const std::string base = (path.parent_path() / path.stem()).string();
    // A copy is looked at through its lock file; a lock file alone is the
    // rest of a document that never wrote a copy.
    if (!copy && fs::exists(base + std::string(kCopyExtension), error)) continue;
    const int fd = LockFile(base + std::string(kLockExtension));
    if (fd < 0) continue;  // a running program holds it
    auto orphan = std::unique_ptr<CRecoveryFile>(new CRecoveryFile(base, fd));
    if (!copy) {
      orphan->Remove();
      continue;
    }
    RecoveryHeader header;
    orphan->ReadHeader(header);
    found.emplace_back(header.writtenAt, std::move(orphan));
  }
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (auto& [time, orphan] : found) orphans.push_back(std::move(orphan));
  return orphans;
}

bool CRecoveryFile::Write(const RecoveryHeader& header, const CAccountBook& book) {
  CArchiveWriter archive;
  const auto millis = static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(header.writtenAt.time_since_epoch()).count());
  archive.Write(kMagic.data(), kMagic.size());
  for (const std::string* text : {&header.accountPath, &header.title}) {
    archive.WriteU32(static_cast<std::uint32_t>(text->size()));
    archive.Write(text->data(), text->size());
  }
  archive.WriteU32(static_cast<std::uint32_t>(millis));
  archive.WriteU32(static_cast<std::uint32_t>(millis >> 32));
  if (!book.Write(archive)) return false;
  return WritePrivateFile(copyPath_, archive.Bytes());
}

bool CRecoveryFile::ReadHeader(RecoveryHeader& header) const {
  std::vector<std::uint8_t> bytes;
  if (!ReadPrefix(copyPath_, kMaxHeader, bytes)) return false;
  CArchiveReader archive(bytes);
  return ParseHeader(archive, header);
}

ReadFailure CRecoveryFile::Read(RecoveryHeader& header, CAccountBook& book) const {
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(copyPath_, bytes)) return ReadFailure::kReadError;
  CArchiveReader archive(bytes);
  RecoveryHeader read;
  if (!ParseHeader(archive, read)) return archive.Failure();
  if (!book.Load(archive)) return archive.Failure();
  header = std::move(read);
  return ReadFailure::kNone;
}

void CRecoveryFile::Remove() {
  ::unlink(copyPath_.c_str());
  // A write cut short by the end of its program leaves its temporary file.
  const fs::path copy(copyPath_);
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(copy.parent_path(), error)) {
    if (PrivateTemporaryTarget(entry.path().filename().string()) == copy.filename().string()) {
      fs::remove(entry.path(), error);
    }
  }
  ::unlink(lockPath_.c_str());
}

}  // namespace purso
