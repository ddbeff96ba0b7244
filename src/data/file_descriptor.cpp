#include "data/file_descriptor.h"

#include <unistd.h>

#include <cerrno>

namespace purso {

bool CFileDescriptor::Close() {
  if (fd_ < 0) return true;
  const int result = ::close(fd_);
  fd_ = -1;
  return result == 0;
}

void CFileDescriptor::Reset(int fd) {
  Close();
  fd_ = fd;
}

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

long long ReadAt(int fd, std::uint8_t* data, std::size_t size, long long offset) {
  std::size_t filled = 0;
  while (filled < size) {
    const ssize_t got = ::pread(fd, data + filled, size - filled, static_cast<off_t>(offset + filled));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  return static_cast<long long>(filled);
}

}  // namespace purso
