#include "data/content_probe.h"

#include <cstring>

#include "data/file_descriptor.h"

namespace purso {

void ContentDigest::Add(const std::uint8_t* data, std::size_t n) {
  constexpr std::uint64_t kPrime = 0x100000001b3u;
  std::uint64_t hash = checksum;
  for (std::size_t i = 0; i < n; ++i) hash = (hash ^ data[i]) * kPrime;
  checksum = hash;
  size += n;
}

std::optional<ContentDigest> DigestOfFile(int fd) {
  std::vector<std::uint8_t> buffer(64 * 1024);
  ContentDigest digest;
  for (;;) {
    const long long got = ReadAt(fd, buffer.data(), buffer.size(), static_cast<long long>(digest.size));
    if (got < 0) return std::nullopt;
    digest.Add(buffer.data(), static_cast<std::size_t>(got));
    if (static_cast<std::size_t>(got) < buffer.size()) return digest;
  }
}

CContentProbe::CContentProbe(int fileToCompare, Digesting digesting)
    : file_(fileToCompare), digesting_(digesting == Digesting::kYes), same_(fileToCompare >= 0) {}

bool CContentProbe::WriteAll(const std::uint8_t* source, std::size_t n) {
  if (same_) {
    if (buffer_.size() < n) buffer_.resize(n);
    const long long got = ReadAt(file_, buffer_.data(), n, static_cast<long long>(digest_.size));
    same_ = got == static_cast<long long>(n) && std::memcmp(buffer_.data(), source, n) == 0;
  }
  if (digesting_) {
    digest_.Add(source, n);
  } else {
    digest_.size += n;
  }
  return true;
}

bool CContentProbe::SameAsFile() const {
  // The file must end where the content does.
  std::uint8_t more = 0;
  return same_ && ReadAt(file_, &more, 1, static_cast<long long>(digest_.size)) == 0;
}

}  // namespace purso
