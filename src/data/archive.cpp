#include "data/archive.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace purso {

namespace {

// A streaming reader or writer buffers this much at a time; Reads and
// Writes of at least kDirectTransfer bytes bypass the buffer.
constexpr std::size_t kStreamBuffer = 16 * 1024;
constexpr std::size_t kDirectTransfer = 4 * 1024;

}  // namespace

bool CArchiveReader::Read(void* destination, std::size_t n) {
  if (source_ == nullptr || n < kDirectTransfer) {
    const auto bytes = Take(n);
    if (bytes.size() != n) return false;
    if (n != 0) std::memcpy(destination, bytes.data(), n);
    return true;
  }
  if (Failed() || n > size_ - position_) {
    Fail(ReadFailure::kTruncated);
    return false;
  }
  auto* out = static_cast<std::uint8_t*>(destination);
  const std::size_t buffered = windowEnd_ - position_;
  if (n <= buffered) {
    std::memcpy(out, buffer_.data() + (position_ - windowStart_), n);
    position_ += n;
    return true;
  }
  // What the buffer holds, then the rest straight from the source.
  std::size_t done = buffered;
  if (done != 0) std::memcpy(out, buffer_.data() + (position_ - windowStart_), done);
  while (done < n) {
    const std::size_t got = source_->ReadSome(out + done, n - done);
    if (got == 0) {
      Fail(SourceFailure());
      return false;
    }
    done += got;
  }
  position_ += n;
  windowStart_ = windowEnd_ = position_;
  return true;
}

bool CArchiveReader::Fill(std::size_t n) {
  // The caller checked that n bytes remain. Keep what is buffered but not
  // yet taken, and read ahead as far as the buffer allows.
  const std::size_t kept = windowEnd_ - position_;
  const std::size_t wanted = std::min(std::max(n, kStreamBuffer), size_ - position_);
  try {
    if (buffer_.size() < wanted) buffer_.resize(wanted);
  } catch (const std::bad_alloc&) {
    Fail(ReadFailure::kOutOfMemory);
    return false;
  }
  if (kept != 0) std::memmove(buffer_.data(), buffer_.data() + (position_ - windowStart_), kept);
  windowStart_ = position_;
  windowEnd_ = position_ + kept;
  while (windowEnd_ - windowStart_ < n) {
    const std::size_t filled = windowEnd_ - windowStart_;
    const std::size_t got = source_->ReadSome(buffer_.data() + filled, wanted - filled);
    if (got == 0) {
      Fail(SourceFailure());
      return false;
    }
    windowEnd_ += got;
  }
  return true;
}

ReadFailure CArchiveReader::SourceFailure() const {
  // A source that ends before the size it was given is a file that is
  // shorter than it said.
  return source_->HadError() ? ReadFailure::kReadError : ReadFailure::kTruncated;
}

std::span<const std::uint8_t> CArchiveReader::Take(std::size_t n) {
  if (Failed() || n > size_ - position_) {
    Fail(ReadFailure::kTruncated);
    return {};
  }
  if (source_ == nullptr) {
    const auto result = bytes_.subspan(position_, n);
    position_ += n;
    return result;
  }
  if (n > windowEnd_ - position_ && !Fill(n)) return {};
  const std::span<const std::uint8_t> result(buffer_.data() + (position_ - windowStart_), n);
  position_ += n;
  return result;
}

bool CArchiveReader::ReadU8(std::uint8_t& value) { return Read(&value, 1); }

bool CArchiveReader::ReadU32(std::uint32_t& value) {
  const auto bytes = Take(4);
  if (bytes.size() != 4) return false;
  value = DecodeU32(bytes.data());
  return true;
}

bool CArchiveReader::ReadI32(std::int32_t& value) {
  std::uint32_t raw = 0;
  if (!ReadU32(raw)) return false;
  value = static_cast<std::int32_t>(raw);
  return true;
}

bool CArchiveReader::ReadDouble(double& value) {
  const auto bytes = Take(8);
  if (bytes.size() != 8) return false;
  value = DecodeDouble(bytes.data());
  return true;
}

bool CArchiveWriter::Write(const void* source, std::size_t n) {
  if (failed_ || n > limit_ - written_) {
    failed_ = true;
    return false;
  }
  const auto* first = static_cast<const std::uint8_t*>(source);
  if (sink_ != nullptr && (n >= kDirectTransfer || bytes_.size() + n > kStreamBuffer)) {
    // Whatever is buffered goes first; a large block then goes on whole.
    if (!Flush()) return false;
    if (n >= kDirectTransfer) {
      if (n != 0 && !sink_->WriteAll(first, n)) {
        failed_ = true;
        return false;
      }
      written_ += n;
      return true;
    }
  }
  try {
    bytes_.insert(bytes_.end(), first, first + n);
  } catch (const std::bad_alloc&) {
    failed_ = true;
    return false;
  }
  written_ += n;
  return true;
}

bool CArchiveWriter::Flush() {
  if (failed_) return false;
  if (sink_ == nullptr || bytes_.empty()) return true;
  if (!sink_->WriteAll(bytes_.data(), bytes_.size())) {
    failed_ = true;
    return false;
  }
  bytes_.clear();
  return true;
}

bool CArchiveWriter::WriteU8(std::uint8_t value) { return Write(&value, 1); }

bool CArchiveWriter::WriteU32(std::uint32_t value) {
  std::uint8_t bytes[4];
  EncodeU32(value, bytes);
  return Write(bytes, 4);
}

bool CArchiveWriter::WriteI32(std::int32_t value) { return WriteU32(static_cast<std::uint32_t>(value)); }

bool CArchiveWriter::WriteDouble(double value) {
  std::uint8_t bytes[8];
  EncodeDouble(value, bytes);
  return Write(bytes, 8);
}

}  // namespace purso
