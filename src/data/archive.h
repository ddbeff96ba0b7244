// Byte archives for the account file: a reader over bytes held in memory and
// a writer that collects bytes in memory.
//
// Endian-neutral encoding: every integer and double is written and read
// little-endian, field by field, whatever the host. A reader never reads past
// the end of its bytes; once a read fails, every later read fails too, so a
// caller may check once after a group of reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace purso {

class CArchiveReader {
 public:
  explicit CArchiveReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  // Copies the next n bytes to destination; false (nothing copied) when fewer remain.
  bool Read(void* destination, std::size_t n);
  bool ReadU8(std::uint8_t& value);
  bool ReadU32(std::uint32_t& value);
  bool ReadI32(std::int32_t& value);
  bool ReadDouble(double& value);

  // The next n bytes without copying them; empty span and failure when fewer remain.
  std::span<const std::uint8_t> Take(std::size_t n);

  std::size_t Remaining() const { return failed_ ? 0 : bytes_.size() - position_; }
  std::size_t Position() const { return position_; }
  bool Failed() const { return failed_; }

  // Marks the archive as failed, for callers that find the content unacceptable.
  void Fail() { failed_ = true; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
  bool failed_ = false;
};

class CArchiveWriter {
 public:
  // A writer that refuses to hold more than limit bytes, so that tests can
  // stand in for a full disk.
  explicit CArchiveWriter(std::size_t limit = std::numeric_limits<std::size_t>::max()) : limit_(limit) {}

  bool Write(const void* source, std::size_t n);
  bool WriteU8(std::uint8_t value);
  bool WriteU32(std::uint32_t value);
  bool WriteI32(std::int32_t value);
  bool WriteDouble(double value);

  void Reserve(std::size_t n) { bytes_.reserve(n); }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::vector<std::uint8_t> TakeBytes() { return std::move(bytes_); }
  bool Failed() const { return failed_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t limit_;
  bool failed_ = false;
};

// Little-endian encoding of single values into and out of raw bytes.
void EncodeU32(std::uint32_t value, std::uint8_t* out);
std::uint32_t DecodeU32(const std::uint8_t* in);
void EncodeDouble(double value, std::uint8_t* out);
double DecodeDouble(const std::uint8_t* in);

}  // namespace purso
