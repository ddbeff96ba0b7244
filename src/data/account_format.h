// Constants shared by the reader and the writer of account files.
//
// An account file has one of two forms. The earlier form holds the 27
// ledgers 1998 to 2024 and is what every account within those years is
// written as, byte for byte as earlier programs wrote it. The extended form
// carries a ledger count after the year index and holds the ledgers 1998 up
// to the last one in use; its magic is one no earlier program reads, so that
// none of them opens such a file and drops its later years on saving.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace purso::account_format {

constexpr std::size_t kMagicSize = 7;
// The earlier form: written as kMagic; files of the version before it have
// the same layout and are read alike.
constexpr std::string_view kMagic = "PURSO11";
constexpr std::string_view kEarlierMagic = "PURSO10";
constexpr int kEarlierLedgerCount = 27;  // 1998 to 2024
// The extended form.
constexpr std::string_view kExtendedMagic = "PURSO12";

// Magic, settings record and the year index byte.
constexpr std::size_t kHeaderSize = kMagicSize + 40 + 1;
// The extended form's header adds the ledger count byte.
constexpr std::size_t kExtendedHeaderSize = kHeaderSize + 1;

}  // namespace purso::account_format
