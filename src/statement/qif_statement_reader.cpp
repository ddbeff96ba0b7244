#include "statement/qif_statement_reader.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "data/no_case.h"
#include "statement/statement_fields.h"
#include "statement/statement_text.h"

namespace purso {
namespace {

constexpr std::array<std::string_view, 5> kBankTypes = {"Bank", "Cash", "CCard", "Oth A", "Oth L"};

enum class Section { kNone, kBank, kOther, kAccounts };

bool Fail(StatementError& error, std::uint32_t line, StatementErrorKind kind, std::string_view detail) {
  error.line = line;
  error.kind = kind;
  error.detail = std::string(detail);
  return false;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

// Reads up to four digits; false when there are none.
bool ReadPart(std::string_view& text, int& value, std::size_t& digits) {
  value = 0;
  digits = 0;
  while (digits < text.size() && digits < 5 && text[digits] >= '0' && text[digits] <= '9') {
    value = value * 10 + (text[digits] - '0');
    ++digits;
  }
  text.remove_prefix(digits);
  return digits > 0 && digits <= 4;
}

// The record being read: where it began and what it has so far.
struct Record {
  std::uint32_t firstLine = 0;
  std::optional<std::string> date;
  std::optional<std::string> amount;
  std::uint32_t dateLine = 0;
  std::uint32_t amountLine = 0;
  std::string payee;
  std::string memo;
};

}  // namespace

bool ParseQifDate(std::string_view text, DateOrder slashDates, CivilDate& date) {
  std::string packed;
  for (const char c : text) {
    if (c != ' ' && c != '\t') packed.push_back(c);
  }
  std::string_view rest = packed;
  std::array<int, 3> parts{};
  std::array<std::size_t, 3> digits{};
  std::array<char, 2> separators{};
  for (std::size_t i = 0; i < 3; ++i) {
    if (i > 0) {
      if (rest.empty()) return false;
      separators[i - 1] = rest.front();
      rest.remove_prefix(1);
    }
    if (!ReadPart(rest, parts[i], digits[i])) return false;
  }
  if (!rest.empty()) return false;

  int year = 0, month = 0, day = 0;
  const auto [first, second] = separators;
  if (first == '-' && second == '-' && digits[0] == 4) {
    year = parts[0], month = parts[1], day = parts[2];
  } else if (first == '.' && second == '.' && digits[2] != 3) {
    day = parts[0], month = parts[1], year = FullYear(parts[2], digits[2]);
  } else if ((first == '/' || first == '-') && (second == first || (first == '/' && second == '\'')) &&
             digits[2] != 3) {
    month = parts[0], day = parts[1];
    if (slashDates == DateOrder::kDayFirst) std::swap(month, day);
    year = second == '\'' && digits[2] <= 2 ? 2000 + parts[2] : FullYear(parts[2], digits[2]);
  } else {
    return false;
  }
  if (digits[1] > 2 || (digits[0] > 2 && first != '-') || !IsValidDate(year, month, day)) return false;
  date = CivilDate{year, month, day};
  return true;
}

bool ReadQifStatement(std::string_view bytes, const QifOptions& options, Statement& statement, StatementError& error) {
  const std::string text = StatementTextToUtf8(bytes);
  Statement read;
  Section section = Section::kNone;
  bool sawHeader = false;
  std::optional<std::pair<std::uint32_t, std::string>> otherType;  // the first section that was not read
  bool sawBankSection = false;
  Record record;
  bool inRecord = false;

  const auto finishRecord = [&]() -> bool {
    inRecord = false;
    if (section != Section::kBank) return true;
    if (!record.date) return Fail(error, record.firstLine, StatementErrorKind::kNoDate, {});
    if (!record.amount) return Fail(error, record.firstLine, StatementErrorKind::kNoAmount, {});
    StatementLine line;
    line.line = record.firstLine;
    if (!ParseQifDate(*record.date, options.slashDates, line.date)) {
      return Fail(error, record.dateLine, StatementErrorKind::kBadDate, TrimBlanks(*record.date));
    }
    if (!ParseStatementAmount(*record.amount, options.decimalSymbol, line.amount)) {
      return Fail(error, record.amountLine, StatementErrorKind::kBadAmount, TrimBlanks(*record.amount));
    }
    if (!(std::fabs(line.amount) <= kMaxStatementAmount)) {
      return Fail(error, record.amountLine, StatementErrorKind::kAmountTooBig, TrimBlanks(*record.amount));
    }
    line.payee = std::string(TrimBlanks(record.payee));
    line.memo = std::string(TrimBlanks(record.memo));
    read.lines.push_back(std::move(line));
    return true;
  };

  std::uint32_t number = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string_view line = std::string_view(text).substr(at, end - at);
    at = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (TrimBlanks(line).empty()) continue;

    if (line.front() == '!') {
      if (inRecord && !finishRecord()) return false;
      const std::string_view header = TrimBlanks(line.substr(1));
      if (StartsWithNoCase(header, "Type:")) {
        const std::string_view type = TrimBlanks(header.substr(5));
        section = Section::kOther;
        for (const std::string_view bank : kBankTypes) {
          if (EqualNoCase(type, bank)) section = Section::kBank;
        }
        sawBankSection = sawBankSection || section == Section::kBank;
        if (section == Section::kOther && !otherType) otherType.emplace(number, std::string(type));
      } else if (StartsWithNoCase(header, "Account")) {
        section = Section::kAccounts;
      } else if (!StartsWithNoCase(header, "Option:") && !StartsWithNoCase(header, "Clear:")) {
        section = Section::kOther;
      }
      sawHeader = true;
      continue;
    }
    if (!sawHeader) return Fail(error, number, StatementErrorKind::kNotAStatement, "QIF");
    if (line.front() == '^') {
      if (inRecord && !finishRecord()) return false;
      continue;
    }
    if (!inRecord) {
      record = Record{};
      record.firstLine = number;
      inRecord = true;
    }
    const std::string_view value = line.substr(1);
    switch (line.front()) {
      case 'D':
        record.date = std::string(value), record.dateLine = number;
        break;
      case 'T':
        record.amount = std::string(value), record.amountLine = number;
        break;
      case 'U':
        if (!record.amount) record.amount = std::string(value), record.amountLine = number;
        break;
      case 'P':
        record.payee = std::string(value);
        break;
      case 'M':
        record.memo = std::string(value);
        break;
      default:
        break;
    }
  }
  if (inRecord && !finishRecord()) return false;
  if (!sawHeader) return Fail(error, 1, StatementErrorKind::kNotAStatement, "QIF");
  if (!sawBankSection && otherType) {
    return Fail(error, otherType->first, StatementErrorKind::kUnsupportedType, otherType->second);
  }
  statement = std::move(read);
  return true;
}

}  // namespace purso
