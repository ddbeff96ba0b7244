// Byte archives for the account file: a reader over bytes held in memory or
// streamed from a source, and a writer that collects bytes in memory or
// streams them to a sink.
//
// Endian-neutral encoding: every integer and double is written and read
// little-endian, field by field, whatever the host. A reader never reads past
// the end of its bytes; once a read fails, every later read fails too, so a
// caller may check once after a group of reads. A reader keeps the reason of
// its first failure, whether a read or a check of its caller gave it.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <vector>

#include "data/read_failure.h"

namespace purso {

// Where a streaming reader takes its bytes from.
class CByteSource {
 public:
  virtual ~CByteSource() = default;
  // Copies between 1 and n bytes (n > 0) to destination and returns how
  // many; 0 at the end of the source or on an error.
  virtual std::size_t ReadSome(std::uint8_t* destination, std::size_t n) = 0;
  // True when ReadSome gave 0 because of an error rather than the end.
  virtual bool HadError() const { return false; }
};

class CArchiveReader {
 public:
  explicit CArchiveReader(std::span<const std::uint8_t> bytes) : bytes_(bytes), size_(bytes.size()) {}
  // A reader over the next size bytes of a source, taken as they are asked
  // for: small reads through a buffer, large Reads straight into their
  // destination, so that the bulk of a file is copied once. Fewer bytes in
  // the source than size is a read failure. The source must outlive the reader.
  CArchiveReader(CByteSource& source, std::size_t size) : size_(size), source_(&source) {}

  // Copies the next n bytes to destination; false when fewer remain, and then
  // nothing is copied (a streaming reader whose source fails part way may
  // have filled part of destination).
  bool Read(void* destination, std::size_t n);
  bool ReadU8(std::uint8_t& value);
  bool ReadU32(std::uint32_t& value);
  bool ReadI32(std::int32_t& value);
  bool ReadDouble(double& value);

  // The next n bytes without copying them (a streaming reader copies them
  // into its buffer); empty span and failure when fewer remain. The span is
  // good until the next read.
  std::span<const std::uint8_t> Take(std::size_t n);

  std::size_t Remaining() const { return Failed() ? 0 : size_ - position_; }
  std::size_t Position() const { return position_; }
  bool Failed() const { return failure_ != ReadFailure::kNone; }
  // Why the first failure happened; kNone while nothing failed.
  ReadFailure Failure() const { return failure_; }

  // Marks the archive as failed, for callers that find the content
  // unacceptable; a reason given earlier is kept.
  void Fail(ReadFailure reason) {
    if (failure_ == ReadFailure::kNone) failure_ = reason;
  }

 private:
  // Makes the buffer hold the next n bytes of the source.
  bool Fill(std::size_t n);
  // The failure of a source that gave no more bytes.
  ReadFailure SourceFailure() const;

  std::span<const std::uint8_t> bytes_;  // all the bytes, when they are in memory
  std::size_t size_;
  std::size_t position_ = 0;
  ReadFailure failure_ = ReadFailure::kNone;
  // A streaming reader's buffer holds the bytes from windowStart_ to
  // windowEnd_; windowStart_ <= position_ <= windowEnd_.
  CByteSource* source_ = nullptr;
  std::vector<std::uint8_t> buffer_;
  std::size_t windowStart_ = 0;
  std::size_t windowEnd_ = 0;
};

// Where a streaming writer puts its bytes.
class CByteSink {
 public:
  virtual ~CByteSink() = default;
  // Writes all n bytes; false on an error.
  virtual bool WriteAll(const std::uint8_t* source, std::size_t n) = 0;
};

class CArchiveWriter {
 public:
  // A writer that refuses to hold more than limit bytes, so that tests can
  // stand in for a full disk.
  explicit CArchiveWriter(std::size_t limit = std::numeric_limits<std::size_t>::max()) : limit_(limit) {}
  // A writer that passes its bytes on to a sink: small writes through a
  // buffer, large ones straight from their source, so that the bulk of a
  // file is copied once. Flush must follow the last write; Bytes stays
  // meaningless. The sink must outlive the writer.
  explicit CArchiveWriter(CByteSink& sink) : limit_(std::numeric_limits<std::size_t>::max()), sink_(&sink) {}

  bool Write(const void* source, std::size_t n);
  bool WriteU8(std::uint8_t value);
  bool WriteU32(std::uint32_t value);
  bool WriteI32(std::int32_t value);
  bool WriteDouble(double value);
  // Passes on what a streaming writer still buffers; false when the writer
  // failed. An in-memory writer has nothing to pass on.
  bool Flush();

  void Reserve(std::size_t n) { bytes_.reserve(n); }
  // The bytes of an in-memory writer.
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::vector<std::uint8_t> TakeBytes() { return std::move(bytes_); }
  // How many bytes were written so far.
  std::size_t Size() const { return written_; }
  bool Failed() const { return failed_; }

 private:
  std::vector<std::uint8_t> bytes_;  // everything, or a streaming writer's buffer
  std::size_t limit_;
  std::size_t written_ = 0;
  bool failed_ = false;
  CByteSink* sink_ = nullptr;
};

// Little-endian encoding of single values into and out of raw bytes. Inline,
// because passes over whole tables decode a value or two per row; on a
// little-endian host each is a single unaligned load or store.
inline void EncodeU32(std::uint32_t value, std::uint8_t* out) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(out, &value, 4);
  } else {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

inline std::uint32_t DecodeU32(const std::uint8_t* in) {
  std::uint32_t value = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&value, in, 4);
  } else {
    for (int i = 3; i >= 0; --i) value = (value << 8) | in[i];
  }
  return value;
}

inline void EncodeDouble(double value, std::uint8_t* out) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(out, &bits, 8);
  } else {
    for (int i = 0; i < 8; ++i) out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
}

inline double DecodeDouble(const std::uint8_t* in) {
  std::uint64_t bits = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&bits, in, 8);
  } else {
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | in[i];
  }
  return std::bit_cast<double>(bits);
}

}  // namespace purso
