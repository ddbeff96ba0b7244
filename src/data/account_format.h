// Constants shared by the reader and the writer of account files.
#pragma once

#include <cstddef>
#include <string_view>

namespace purso::account_format {

constexpr std::size_t kMagicSize = 7;
// Every write uses the current magic; files of the earlier version have the
// same layout and are read alike.
constexpr std::string_view kMagic = "PURSO11";
constexpr std::string_view kEarlierMagic = "PURSO10";

// Magic, settings record and the year index byte.
constexpr std::size_t kHeaderSize = kMagicSize + 40 + 1;

}  // namespace purso::account_format
