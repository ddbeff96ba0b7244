// Expected archive bytes, written out by hand field by field.
//
// The format tests compare what the code stores with bytes built here, so
// this encoder is deliberately separate from the archive code under test.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace purso::test_bytes {

class ByteBuilder {
 public:
  ByteBuilder& U8(std::uint8_t value) {
    bytes_.push_back(value);
    return *this;
  }
  ByteBuilder& U32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return *this;
  }
  ByteBuilder& Double(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) bytes_.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    return *this;
  }
  ByteBuilder& Zeros(std::size_t n) {
    bytes_.insert(bytes_.end(), n, 0);
    return *this;
  }
  // The characters as they are, no terminator.
  ByteBuilder& Chars(std::string_view text) {
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    return *this;
  }
  // A fixed-width text field: the characters, then zeros up to the width.
  // Precondition: text.size() <= width.
  ByteBuilder& Text(std::string_view text, std::size_t width) {
    Chars(text);
    return Zeros(width - text.size());
  }
  // One column descriptor: type, three unused bytes, width, offset.
  ByteBuilder& Descriptor(std::uint8_t type, std::uint32_t width, std::uint32_t offset) {
    U8(type).Zeros(3).U32(width);
    return U32(offset);
  }
  // The six counts that open a stored table.
  ByteBuilder& TableHead(std::uint32_t blocks, std::uint32_t blockRows, std::uint32_t columns,
                         std::uint32_t nextRowId, std::uint32_t rowCount, std::uint32_t rowWidth) {
    U32(blocks).U32(blockRows).U32(columns).U32(nextRowId).U32(rowCount);
    return U32(rowWidth);
  }
  ByteBuilder& Append(const std::vector<std::uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

inline void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::uint32_t GetU32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | bytes.at(at + static_cast<std::size_t>(i));
  return value;
}

}  // namespace purso::test_bytes
