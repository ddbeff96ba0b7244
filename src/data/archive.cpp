#include "data/archive.h"

#include <bit>
#include <cstring>
#include <new>

namespace purso {

void EncodeU32(std::uint32_t value, std::uint8_t* out) {
  out[0] = static_cast<std::uint8_t>(value);
  out[1] = static_cast<std::uint8_t>(value >> 8);
  out[2] = static_cast<std::uint8_t>(value >> 16);
  out[3] = static_cast<std::uint8_t>(value >> 24);
}

std::uint32_t DecodeU32(const std::uint8_t* in) {
  return static_cast<std::uint32_t>(in[0]) | (static_cast<std::uint32_t>(in[1]) << 8) |
         (static_cast<std::uint32_t>(in[2]) << 16) | (static_cast<std::uint32_t>(in[3]) << 24);
}

void EncodeDouble(double value, std::uint8_t* out) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  for (int i = 0; i < 8; ++i) out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

double DecodeDouble(const std::uint8_t* in) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | in[i];
  return std::bit_cast<double>(bits);
}

bool CArchiveReader::Read(void* destination, std::size_t n) {
  const auto bytes = Take(n);
  if (bytes.size() != n) return false;
  if (n != 0) std::memcpy(destination, bytes.data(), n);
  return true;
}

std::span<const std::uint8_t> CArchiveReader::Take(std::size_t n) {
  if (failed_ || n > bytes_.size() - position_) {
    failed_ = true;
    return {};
  }
  const auto result = bytes_.subspan(position_, n);
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
  if (failed_ || n > limit_ - bytes_.size()) {
    failed_ = true;
    return false;
  }
  try {
    const auto* first = static_cast<const std::uint8_t*>(source);
    bytes_.insert(bytes_.end(), first, first + n);
  } catch (const std::bad_alloc&) {
    failed_ = true;
    return false;
  }
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
