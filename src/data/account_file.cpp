#include "data/account_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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
      if (errno != EINTR) return 0;
    }
  }

 private:
  int fd_;
};

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

bool LoadAccount(const std::vector<std::uint8_t>& bytes, CAccountBook& book) {
  CArchiveReader archive(bytes);
  return book.Load(archive);
}

bool LoadAccountFile(const std::string& path, CAccountBook& book) {
  CFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) return false;
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  if (info.st_size <= 0) {
    // A file that reports no size may still have content; read it to its end.
    std::vector<std::uint8_t> bytes;
    return ReadFileBytes(path, bytes) && LoadAccount(bytes, book);
  }
  // The tables read their rows straight from the file, so that its bytes are
  // copied once; the book is still adopted only when all of it was read and checked.
  CFileSource source(fd.Get());
  CArchiveReader archive(source, static_cast<std::size_t>(info.st_size));
  return book.Load(archive);
}

}  // namespace purso
