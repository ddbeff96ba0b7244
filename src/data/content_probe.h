// CContentProbe: what a content would be on disk, found without writing it.
//
// A save passes its content through a probe first: the probe takes the
// length and checksum that the journal of a save in place records, and tells
// whether the content is byte for byte the file already on disk, in which
// case the save writes nothing. The checksum is 64-bit FNV-1a: it tells a
// torn file from the version it was meant to be, not a forgery.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "data/archive.h"

namespace purso {

struct ContentDigest {
  std::uint64_t size = 0;
  std::uint64_t checksum = 0xcbf29ce484222325u;  // the digest of no bytes

  void Add(const std::uint8_t* data, std::size_t n);
  friend bool operator==(const ContentDigest&, const ContentDigest&) = default;
};

// The digest of the whole content of the file open at fd; none on a read error.
std::optional<ContentDigest> DigestOfFile(int fd);

class CContentProbe final : public CByteSink {
 public:
  // A probe that compares what passes with the content of the file open at
  // fileToCompare (read from its start), or with nothing when it is -1, and
  // digests it when asked to.
  enum class Digesting { kNo, kYes };
  explicit CContentProbe(int fileToCompare, Digesting digesting = Digesting::kYes);

  bool WriteAll(const std::uint8_t* source, std::size_t n) override;

  // The digest, when it was asked for; the size in any case.
  const ContentDigest& Digest() const { return digest_; }
  // After the last write: whether the content is exactly the file's.
  bool SameAsFile() const;

 private:
  int file_;
  bool digesting_;
  bool same_;
  std::vector<std::uint8_t> buffer_;
  ContentDigest digest_;
};

}  // namespace purso
