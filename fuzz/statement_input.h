// How the statement fuzz targets read their input: a first byte that
// chooses the reader's options, then the file's bytes. The seed writer
// (make_seeds.cpp) builds its seeds the same way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "statement/csv_statement_reader.h"
#include "statement/qif_statement_reader.h"
#include "statement/statement_text.h"

namespace purso::fuzzing {

// Bit 0: day first preferred; bit 1: decimal comma; bit 2: the order of
// bit 0 chosen by the user, over the file's and the guess.
inline QifOptions QifOptionsFrom(std::uint8_t byte) {
  QifOptions options;
  options.preferredOrder = (byte & 1) != 0 ? DateOrder::kDayFirst : DateOrder::kMonthFirst;
  options.decimalSymbol = (byte & 2) != 0 ? ',' : '.';
  if ((byte & 4) != 0) options.dateOrder = options.preferredOrder;
  return options;
}

// Bits 0-1: separator (guessed, ',', ';', tab); bit 2: no header; bits 3-4:
// date order (ymd, dmy, mdy, ymd); bit 5: decimal comma; bit 6: debit and
// credit columns instead of one amount; bit 7: columns by number (date 1,
// amount 2, payee 3, memo 4; or date 1, debit 2, credit 3, payee 4, memo 5)
// instead of by name (Date, Amount or Out and In, Description, Memo).
inline CsvMapping CsvMappingFrom(std::uint8_t byte) {
  static constexpr char kSeparators[] = {0, ',', ';', '\t'};
  static constexpr StatementDateOrder kOrders[] = {StatementDateOrder::kYearMonthDay, StatementDateOrder::kDayMonthYear,
                                                   StatementDateOrder::kMonthDayYear,
                                                   StatementDateOrder::kYearMonthDay};
  CsvMapping mapping;
  mapping.separator = kSeparators[byte & 3];
  mapping.header = (byte & 4) != 0 ? CsvHeader::kNone : CsvHeader::kFirstLine;
  mapping.dateOrder = kOrders[(byte >> 3) & 3];
  mapping.decimalSymbol = (byte & 32) != 0 ? ',' : '.';
  const bool split = (byte & 64) != 0;
  const bool numbers = (byte & 128) != 0;
  mapping.date = numbers ? "1" : "Date";
  mapping.amount = split ? "" : (numbers ? "2" : "Amount");
  mapping.debit = split ? (numbers ? "2" : "Out") : "";
  mapping.credit = split ? (numbers ? "3" : "In") : "";
  mapping.payee = numbers ? (split ? "4" : "3") : "Description";
  mapping.memo = numbers ? (split ? "5" : "4") : "Memo";
  return mapping;
}

inline std::string_view TextAfterFirstByte(const std::uint8_t* data, std::size_t size) {
  return size == 0 ? std::string_view() : std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1);
}

// The file's bytes after the first as UTF-8, as the statement loader gives them to the readers.
inline std::string Utf8AfterFirstByte(const std::uint8_t* data, std::size_t size) {
  return StatementTextToUtf8(TextAfterFirstByte(data, size));
}

}  // namespace purso::fuzzing
