#include "data/account_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <new>

namespace purso {
namespace {

// Closes a descriptor on every path out of a function.
class CFileDescriptor {
 public:
  explicit CFileDescriptor(int fd) : fd_(fd) {}
  ~CFileDescriptor() { Close(); }
  CFileDescriptor(const CFileDescriptor&) = delete;
  CFileDescriptor& operator=(const CFileDescriptor&) = delete;
  int Get() const { return fd_; }
  bool Close() {
    if (fd_ < 0) return true;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Makes the rename itself durable; a folder that cannot be flushed is no
// reason to report the save as failed once the file is in place.
void FlushFolder(const std::string& folder) {
  CFileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) ::fsync(fd.Get());
}

// The permissions of the file being replaced, or those a new document gets.
mode_t ModeFor(const std::string& path) {
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) return old.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A link is followed, so that saving replaces the file it names and not the link.
std::string ResolvedTarget(const std::string& path) {
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

// Reads a file through its descriptor for a streaming archive.
class CFileSource final : public CByteSource {
 public:
  explicit CFileSource(int fd) : fd_(fd) {}
  std::size_t ReadSome(std::uint8_t* destination, std::size_t n) override {
    for (;;) {
      const ssize_t got = ::read(fd_, destination, n);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) {
        error_ = true;
        return 0;
      }
    }
  }
  bool HadError() const override { return error_; }

 private:
  int fd_;
  bool error_ = false;
};

// Passes an archive's bytes on to a file descriptor.
class CFileSink final : public CByteSink {
 public:
  explicit CFileSink(int fd) : fd_(fd) {}
  bool WriteAll(const std::uint8_t* source, std::size_t n) override { return purso::WriteAll(fd_, source, n); }

 private:
  int fd_;
};

// Replaces path with what writeContent writes to a temporary file beside it,
// flushed and then renamed over path. False, with path untouched and no
// temporary left, when any step fails.
bool ReplaceFile(const std::string& requestedPath, const std::function<bool(int fd)>& writeContent) {
  const std::string path = ResolvedTarget(requestedPath);
  std::string temporary = path + ".XXXXXX";
  CFileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
  if (fd.Get() < 0) return false;

  const mode_t mode = ModeFor(path);
  const bool written =
      ::fchmod(fd.Get(), mode) == 0 && writeContent(fd.Get()) && ::fsync(fd.Get()) == 0 && fd.Close();
  if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  FlushFolder(FolderOf(path));
  return true;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
  CFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) return false;
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  std::vector<std::uint8_t> content;
  try {
    content.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    for (;;) {
      ssize_t got = 0;
      if (filled < content.size()) {
        got = ::read(fd.Get(), content.data() + filled, content.size() - filled);
      } else {
        // The file may have grown since fstat; look for more through a small
        // buffer rather than growing (and copying) the whole content first.
        std::uint8_t more[4096];
        got = ::read(fd.Get(), more, sizeof more);
        if (got > 0) content.insert(content.end(), more, more + got);
      }
      if (got < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      if (got == 0) break;
      filled += static_cast<std::size_t>(got);
    }
    content.resize(filled);
  } catch (const std::bad_alloc&) {
    return false;
  }
  bytes = std::move(content);
  return true;
}

bool WriteFileAtomically(const std::string& requestedPath, const std::vector<std::uint8_t>& bytes) {
  return ReplaceFile(requestedPath, [&bytes](int fd) { return WriteAll(fd, bytes.data(), bytes.size()); });
}

ReadFailure LoadAccount(const std::vector<std::uint8_t>& bytes, CAccountBook& book) {
  CArchiveReader archive(bytes);
  return book.Load(archive) ? ReadFailure::kNone : archive.Failure();
}

namespace {

// Why a file could not be opened, from errno as open left it.
ReadFailure OpenFailure(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR: return ReadFailure::kNoSuchFile;
    case EACCES:
    case EPERM: return ReadFailure::kNoPermission;
    case EISDIR: return ReadFailure::kNotAFile;
    case ENOMEM: return ReadFailure::kOutOfMemory;
    default: return ReadFailure::kReadError;
  }
}

}  // namespace

ReadFailure LoadAccountFile(const std::string& path, CAccountBook& book) {
  // Not blocking, so that a pipe or device given as the file is refused
  // rather than waited on; a regular file reads the same either way.
  CFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.Get() < 0) return OpenFailure(errno);
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) return ReadFailure::kReadError;
  if (!S_ISREG(info.st_mode)) return ReadFailure::kNotAFile;
  if (info.st_size <= 0) {
    // A file that reports no size may still have content; read it to its end.
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, bytes)) return ReadFailure::kReadError;
    return LoadAccount(bytes, book);
  }
  // The tables read their rows straight from the file, so that its bytes are
  // copied once. The account is read into a book of its own, adopted only
  // when all of it was read and checked and the file ends where it does.
  CFileSource source(fd.Get());
  CArchiveReader archive(source, static_cast<std::size_t>(info.st_size));
  std::unique_ptr<CAccountBook> loaded;
  try {
    loaded = std::make_unique<CAccountBook>(CAccountBook::kFirstYear);
  } catch (const std::bad_alloc&) {
    return ReadFailure::kOutOfMemory;
  }
  if (!loaded->Load(archive)) return archive.Failure();
  // A file that grew while it was read has bytes after the last ledger.
  std::uint8_t more = 0;
  if (source.ReadSome(&more, 1) != 0) return ReadFailure::kTrailingBytes;
  if (source.HadError()) return ReadFailure::kReadError;
  book = std::move(*loaded);
  return ReadFailure::kNone;
}

bool StoreAccountFile(const std::string& path, CAccountBook& book) {
  // The tables write their rows straight into the temporary file, so that
  // the account is not first collected in memory.
  const bool stored = ReplaceFile(path, [&book](int fd) {
    CFileSink sink(fd);
    CArchiveWriter archive(sink);
    return book.Write(archive) && archive.Flush();
  });
  if (!stored) return false;
  book.ClearModified();
  return true;
}

}  // namespace purso
