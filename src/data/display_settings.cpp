#include "data/display_settings.h"

#include <algorithm>
#include <cstring>

#include "data/archive.h"

namespace purso {
namespace {

// Byte offsets within the record.
constexpr std::size_t kDateOrderAt = 0;
constexpr std::size_t kSeparatorAt = 4;
constexpr std::size_t kDecimalSymbolAt = 8;
constexpr std::size_t kPositionAt = 12;
constexpr std::size_t kSpaceAt = 16;
constexpr std::size_t kDecimalsAt = 20;
constexpr std::size_t kSymbolAt = 21;
constexpr std::size_t kSymbolField = 5;

bool IsFlag(std::uint32_t value) { return value == 0 || value == 1; }

}  // namespace

std::array<std::uint8_t, CDisplaySettings::kRecordSize> CDisplaySettings::Encode() const {
  std::array<std::uint8_t, kRecordSize> record = storedBytes;
  EncodeU32(static_cast<std::uint32_t>(dateOrder), &record[kDateOrderAt]);
  record[kSeparatorAt] = static_cast<std::uint8_t>(dateSeparator);
  EncodeU32(static_cast<std::uint32_t>(decimalSymbol), &record[kDecimalSymbolAt]);
  EncodeU32(static_cast<std::uint32_t>(symbolPosition), &record[kPositionAt]);
  EncodeU32(space ? 1u : 0u, &record[kSpaceAt]);
  record[kDecimalsAt] = static_cast<std::uint8_t>(decimals);
  std::memset(&record[kSymbolAt], 0, kSymbolField);
  std::memcpy(&record[kSymbolAt], currencySymbol.data(), std::min(currencySymbol.size(), kMaxSymbolLength));
  return record;
}

bool CDisplaySettings::Decode(const std::uint8_t* record, CDisplaySettings& settings) {
  const std::uint32_t order = DecodeU32(record + kDateOrderAt);
  const std::uint32_t decimalSymbol = DecodeU32(record + kDecimalSymbolAt);
  const std::uint32_t position = DecodeU32(record + kPositionAt);
  const std::uint32_t space = DecodeU32(record + kSpaceAt);
  const char separator = static_cast<char>(record[kSeparatorAt]);
  const int decimals = record[kDecimalsAt];
  const auto* symbol = reinterpret_cast<const char*>(record + kSymbolAt);
  const std::size_t symbolLength = strnlen(symbol, kSymbolField);

  if (!IsFlag(order) || !IsFlag(decimalSymbol) || !IsFlag(position) || !IsFlag(space)) return false;
  if (separator == '\0' || (separator >= '0' && separator <= '9')) return false;
  if (decimals > kMaxDecimals) return false;
  if (symbolLength == 0 || symbolLength > kMaxSymbolLength) return false;

  CDisplaySettings decoded;
  decoded.dateOrder = static_cast<DateOrder>(order);
  decoded.dateSeparator = separator;
  decoded.decimalSymbol = static_cast<DecimalSymbol>(decimalSymbol);
  decoded.symbolPosition = static_cast<SymbolPosition>(position);
  decoded.space = space == 1;
  decoded.decimals = decimals;
  decoded.currencySymbol.assign(symbol, symbolLength);
  std::memcpy(decoded.storedBytes.data(), record, kRecordSize);
  settings = decoded;
  return true;
}

bool CDisplaySettings::SameSettings(const CDisplaySettings& other) const {
  return dateOrder == other.dateOrder && dateSeparator == other.dateSeparator &&
         decimalSymbol == other.decimalSymbol && symbolPosition == other.symbolPosition && space == other.space &&
         decimals == other.decimals && currencySymbol == other.currencySymbol;
}

}  // namespace purso
