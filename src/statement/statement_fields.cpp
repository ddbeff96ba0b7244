#include "statement/statement_fields.h"

#include <array>
#include <charconv>
#include <string>

namespace purso {
namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kNarrowNoBreakSpace = "\xE2\x80\xAF";
constexpr std::array<std::string_view, 3> kCurrencySigns = {"$", "\xE2\x82\xAC", "\xC2\xA3"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

bool TakeSuffix(std::string_view& text, std::string_view suffix) {
  if (!text.ends_with(suffix)) return false;
  text.remove_suffix(suffix.size());
  return true;
}

void TakeCurrencySign(std::string_view& text) {
  for (const std::string_view sign : kCurrencySigns) {
    if (TakePrefix(text, sign) || TakeSuffix(text, sign)) {
      text = TrimBlanks(text);
      return;
    }
  }
}

// Reads a run of digits; its value and how many digits it held.
bool ReadNumber(std::string_view& text, int& value, std::size_t& digits) {
  digits = 0;
  value = 0;
  while (digits < text.size() && IsDigit(text[digits])) {
    if (digits == 8) return false;
    value = value * 10 + (text[digits] - '0');
    ++digits;
  }
  text.remove_prefix(digits);
  return digits > 0;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ParseStatementAmount(std::string_view text, char decimalSymbol, double& amount) {
  text = TrimBlanks(text);
  bool negative = false;
  if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
    negative = true;
    text = TrimBlanks(text.substr(1, text.size() - 2));
  }
  TakeCurrencySign(text);
  const bool leadingSign = !text.empty() && (text.front() == '-' || text.front() == '+');
  const bool trailingSign = text.size() > 1 && (text.back() == '-' || text.back() == '+');
  if (leadingSign && trailingSign) return false;
  if (leadingSign || trailingSign) {
    const char sign = leadingSign ? text.front() : text.back();
    if (negative && sign == '-') return false;
    negative = negative || sign == '-';
    text = TrimBlanks(leadingSign ? text.substr(1) : text.substr(0, text.size() - 1));
    TakeCurrencySign(text);
  }

  const char groupSymbol = decimalSymbol == ',' ? '.' : ',';
  std::string number;
  bool hasDigit = false;
  bool hasDecimal = false;
  while (!text.empty()) {
    const char c = text.front();
    if (IsDigit(c)) {
      number.push_back(c);
      hasDigit = true;
    } else if (c == decimalSymbol && !hasDecimal) {
      number.push_back('.');
      hasDecimal = true;
    } else if (c == groupSymbol || c == ' ' || c == '\'') {
      // Group separators carry nothing; after the decimal symbol they are no amount.
      if (hasDecimal) return false;
    } else if (TakePrefix(text, kNoBreakSpace) || TakePrefix(text, kNarrowNoBreakSpace)) {
      if (hasDecimal) return false;
      continue;
    } else {
      return false;
    }
    text.remove_prefix(1);
  }
  if (!hasDigit) return false;
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return false;
  amount = negative ? -value : value;
  return true;
}

int FullYear(int year, std::size_t digits) {
  if (digits > 2) return year;
  return year < 80 ? 2000 + year : 1900 + year;
}

bool ParseStatementDate(std::string_view text, StatementDateOrder order, CivilDate& date) {
  text = TrimBlanks(text);
  // A time after the date is no part of it.
  const std::size_t colon = text.find(':');
  if (colon != std::string_view::npos) {
    const std::size_t time = text.substr(0, colon).find_last_of(" T");
    if (time == std::string_view::npos) return false;
    text = TrimBlanks(text.substr(0, time));
  }

  std::array<int, 3> parts{};
  std::array<std::size_t, 3> digits{};
  if (text.size() == 8 && text.find_first_not_of("0123456789") == std::string_view::npos) {
    // Eight digits: the year takes four, the others two each.
    const std::array<std::size_t, 3> widths = order == StatementDateOrder::kYearMonthDay
                                                  ? std::array<std::size_t, 3>{4, 2, 2}
                                                  : std::array<std::size_t, 3>{2, 2, 4};
    std::size_t at = 0;
    for (std::size_t i = 0; i < 3; ++i) {
      std::string_view part = text.substr(at, widths[i]);
      ReadNumber(part, parts[i], digits[i]);
      at += widths[i];
    }
  } else {
    char separator = 0;
    for (std::size_t i = 0; i < 3; ++i) {
      if (i > 0) {
        if (text.empty() || std::string_view("-./ ").find(text.front()) == std::string_view::npos) return false;
        if (separator != 0 && text.front() != separator) return false;
        separator = text.front();
        text.remove_prefix(1);
      }
      if (!ReadNumber(text, parts[i], digits[i])) return false;
    }
    if (!text.empty()) return false;
  }

  const std::size_t yearAt = order == StatementDateOrder::kYearMonthDay ? 0 : 2;
  if (digits[yearAt] != 2 && digits[yearAt] != 4) return false;
  for (std::size_t i = 0; i < 3; ++i) {
    if (i != yearAt && digits[i] > 2) return false;
  }
  const int year = FullYear(parts[yearAt], digits[yearAt]);
  int month = parts[1];
  int day = order == StatementDateOrder::kYearMonthDay ? parts[2] : parts[0];
  if (order == StatementDateOrder::kMonthDayYear) std::swap(month, day);
  if (!IsValidDate(year, month, day)) return false;
  date = CivilDate{year, month, day};
  return true;
}

}  // namespace purso
