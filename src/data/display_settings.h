// CDisplaySettings: how the amounts and dates of one account are written.
//
// The record is stored in the account file as 40 bytes (see
// doc/account_file_format.md). The conversions between amounts or dates and
// their texts live in text/; they take the settings as a value.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace purso {

enum class DateOrder : std::int32_t { kMonthFirst = 0, kDayFirst = 1 };
enum class DecimalSymbol : std::int32_t { kPoint = 0, kComma = 1 };
enum class SymbolPosition : std::int32_t { kBefore = 0, kAfter = 1 };

struct CDisplaySettings {
  static constexpr std::size_t kRecordSize = 40;
  static constexpr std::size_t kMaxSymbolLength = 3;
  static constexpr int kMaxDecimals = 4;

  DateOrder dateOrder = DateOrder::kMonthFirst;
  char dateSeparator = '/';  // typed between day and month; never a digit
  DecimalSymbol decimalSymbol = DecimalSymbol::kPoint;
  SymbolPosition symbolPosition = SymbolPosition::kBefore;
  bool space = false;  // one space between the currency symbol and the amount
  int decimals = 2;    // 0..kMaxDecimals
  std::string currencySymbol = "$";  // 1..3 characters, none of ' ', ',' and '.'

  // The record's bytes as last read; the unused bytes and the date parser's
  // working area are written back as they were found.
  std::array<std::uint8_t, kRecordSize> storedBytes{};

  // The group separator is always the other of the two symbols.
  char DecimalChar() const { return decimalSymbol == DecimalSymbol::kComma ? ',' : '.'; }
  char GroupChar() const { return decimalSymbol == DecimalSymbol::kComma ? '.' : ','; }

  // The 40-byte record.
  std::array<std::uint8_t, kRecordSize> Encode() const;
  // False, leaving settings unchanged, when a field holds a value that no
  // setting can have (the record is damaged).
  static bool Decode(const std::uint8_t* record, CDisplaySettings& settings);

  // Equality of the seven settings; stored bytes do not count.
  bool SameSettings(const CDisplaySettings& other) const;
};

}  // namespace purso
