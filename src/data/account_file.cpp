#include "data/account_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "data/file_descriptor.h"

namespace purso {
namespace {

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

// The rest of the regular file open at fd, from where it stands.
bool ReadWhole(int fd, std::vector<std::uint8_t>& bytes) {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
  std::vector<std::uint8_t> content;
  try {
    content.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    for (;;) {
      ssize_t got = 0;
      if (filled < content.size()) {
        got = ::read(fd, content.data() + filled, content.size() - filled);
      } else {
        // The file may have grown since fstat; look for more through a small
        // buffer rather than growing (and copying) the whole content first.
        std::uint8_t more[4096];
        got = ::read(fd, more, sizeof more);
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

}  // namespace

bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
  CFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  return fd.IsOpen() && ReadWhole(fd.Get(), bytes);
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
    case EISDIR:
    case ELOOP: return ReadFailure::kNotAFile;
    case ENOMEM: return ReadFailure::kOutOfMemory;
    default: return ReadFailure::kReadError;
  }
}

}  // namespace

ReadFailure ReadAccountFrom(int fd, CAccountBook& book) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return ReadFailure::kReadError;
  if (!S_ISREG(info.st_mode)) return ReadFailure::kNotAFile;
  if (::lseek(fd, 0, SEEK_SET) != 0) return ReadFailure::kReadError;
  if (info.st_size <= 0) {
    // A file that reports no size may still have content; read it to its end.
    std::vector<std::uint8_t> bytes;
    if (!ReadWhole(fd, bytes)) return ReadFailure::kReadError;
    return LoadAccount(bytes, book);
  }
  // The tables read their rows straight from the file, so that its bytes are
  // copied once. The account is read into a book of its own, adopted only
  // when all of it was read and checked and the file ends where it does.
  CFileSource source(fd);
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

ReadFailure LoadAccountFile(const std::string& path, CAccountBook& book) {
  // Not blocking, so that a pipe or device given as the file is refused
  // rather than waited on; a regular file reads the same either way.
  CFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.Get() < 0) return OpenFailure(errno);
  return ReadAccountFrom(fd.Get(), book);
}

ReadFailure LoadAccountFile(const CFilePlace& place, CAccountBook& book, FileStamp* stamp) {
  if (!place.IsOpen()) return OpenFailure(place.Error());
  CFileDescriptor fd(::openat(place.Folder(), place.Name().c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
  if (fd.Get() < 0) return OpenFailure(errno);
  // Stamped before reading: a change made while the file is read is seen
  // at the next save, never missed.
  if (stamp != nullptr) *stamp = FileStampOf(fd.Get());
  return ReadAccountFrom(fd.Get(), book);
}

}  // namespace purso
