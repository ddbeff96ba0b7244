// A file descriptor owned by one scope, and whole-buffer writing.
//
// Shared by the reading and the writing of account files; not meant for use
// outside the data layer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace purso {

// Closes a descriptor on every path out of a function.
class CFileDescriptor {
 public:
  explicit CFileDescriptor(int fd = -1) : fd_(fd) {}
  ~CFileDescriptor() { Close(); }
  CFileDescriptor(const CFileDescriptor&) = delete;
  CFileDescriptor& operator=(const CFileDescriptor&) = delete;
  CFileDescriptor(CFileDescriptor&& other) noexcept : fd_(other.Release()) {}
  CFileDescriptor& operator=(CFileDescriptor&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  // Closes the descriptor now; false when close reports an error.
  bool Close();
  // Takes over another descriptor, closing the one held.
  void Reset(int fd);
  // Gives the descriptor up without closing it.
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

// Writes all size bytes, resuming after interrupted and partial writes. False
// on an error, with errno set by the failing call.
bool WriteAll(int fd, const std::uint8_t* data, std::size_t size);

// Reads up to size bytes from offset, resuming after interrupted and short
// reads; the count read (less than size only at the end), or -1 on an error
// with errno set.
long long ReadAt(int fd, std::uint8_t* data, std::size_t size, long long offset);

}  // namespace purso
