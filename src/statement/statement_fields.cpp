#include "statement/statement_fields.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
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

constexpr std::array<std::string_view, 12> kMonthNames = {"january",   "february", "march",    "april",
                                                          "may",       "june",     "july",     "august",
                                                          "september", "october",  "november", "december"};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The month of an English month name, written whole or by its first three
// letters ("Sept" too); 0 for any other word.
int MonthOfName(std::string_view word) {
  if (word.size() < 3) return 0;
  std::string folded;
  for (const char c : word) folded.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c));
  for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
    if (kMonthNames[i].starts_with(folded) && (folded.size() == 3 || folded == kMonthNames[i] || folded == "sept")) {
      return static_cast<int>(i + 1);
    }
  }
  return 0;
}

// Skips blanks and the separators that stand between the parts of a date
// written with a month name.
void SkipDateGap(std::string_view& text) {
  while (!text.empty() && std::string_view(" -.,/").find(text.front()) != std::string_view::npos) {
    text.remove_prefix(1);
  }
}

// "07 Nov 2013", "7-Nov-13", "Nov 7, 2013": the date, with text moved past it.
std::optional<CivilDate> NamedMonthDate(std::string_view& text) {
  std::string_view rest = text;
  std::size_t letters = 0;
  const auto readWord = [&rest, &letters]() {
    letters = 0;
    while (letters < rest.size() && IsLetter(rest[letters])) ++letters;
    const std::string_view word = rest.substr(0, letters);
    rest.remove_prefix(letters);
    return MonthOfName(word);
  };
  int day = 0;
  std::size_t dayDigits = 0;
  int month = 0;
  if (ReadNumber(rest, day, dayDigits)) {
    SkipDateGap(rest);
    month = readWord();
  } else {
    month = readWord();
    SkipDateGap(rest);
    if (!ReadNumber(rest, day, dayDigits)) return std::nullopt;
  }
  if (month == 0 || dayDigits > 2) return std::nullopt;
  SkipDateGap(rest);
  int year = 0;
  std::size_t yearDigits = 0;
  if (!ReadNumber(rest, year, yearDigits) || (yearDigits != 2 && yearDigits != 4)) return std::nullopt;
  year = FullYear(year, yearDigits);
  if (!IsValidDate(year, month, day)) return std::nullopt;
  text = rest;
  return CivilDate{year, month, day};
}

enum class TimeJoin { kSeparated, kGlued };

// True when text is empty or a time of day, as statements write it after a
// date: after a blank, "T", "-" or "_" (or at once after eight digits), hours
// and minutes and perhaps seconds and their fraction, parted by ":" or "."
// or not at all, then perhaps AM or PM and a time zone ("Z", "+01:00",
// "GMT", "[0:GMT]").
bool IsTime(std::string_view text, TimeJoin join) {
  if (text.empty()) return true;
  if (std::string_view(" T-_").find(text.front()) != std::string_view::npos) {
    text.remove_prefix(1);
    text = TrimBlanks(text);
  } else if (join == TimeJoin::kSeparated) {
    return false;
  }
  std::size_t digits = 0;
  while (!text.empty() && (IsDigit(text.front()) || text.front() == ':' || text.front() == '.')) {
    digits += IsDigit(text.front()) ? 1 : 0;
    text.remove_prefix(1);
  }
  if (digits == 0) return false;
  text = TrimBlanks(text);
  for (const std::string_view half : {"AM", "PM", "am", "pm"}) {
    if (TakePrefix(text, half)) break;
  }
  text = TrimBlanks(text);
  if (text.empty() || text == "Z") return true;
  if (text.front() == '[') return text.back() == ']' && text.find(']') == text.size() - 1;
  if (text.front() == '+' || text.front() == '-') {
    text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789:") == std::string_view::npos;
  }
  return text.size() <= 5 && std::all_of(text.begin(), text.end(), IsLetter);
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
  std::array<int, 3> parts{};
  std::array<std::size_t, 3> digits{};
  std::string_view rest = text;
  std::optional<CivilDate> named = NamedMonthDate(rest);
  if (named) {
    if (!IsTime(rest, TimeJoin::kSeparated)) return false;
    date = *named;
    return true;
  }
  rest = text;
  TimeJoin join = TimeJoin::kSeparated;
  if (text.size() >= 8 && text.substr(0, 8).find_first_not_of("0123456789") == std::string_view::npos &&
      (text.size() == 8 || !IsDigit(text[8]) || text.size() >= 12)) {
    // Eight digits: the year takes four, the others two each; a time may follow at once.
    const std::array<std::size_t, 3> widths = order == StatementDateOrder::kYearMonthDay
                                                  ? std::array<std::size_t, 3>{4, 2, 2}
                                                  : std::array<std::size_t, 3>{2, 2, 4};
    std::size_t at = 0;
    for (std::size_t i = 0; i < 3; ++i) {
      std::string_view part = text.substr(at, widths[i]);
      ReadNumber(part, parts[i], digits[i]);
      at += widths[i];
    }
    rest = text.substr(8);
    join = TimeJoin::kGlued;
  } else {
    char separator = 0;
    for (std::size_t i = 0; i < 3; ++i) {
      if (i > 0) {
        if (rest.empty() || std::string_view("-./ ").find(rest.front()) == std::string_view::npos) return false;
        if (separator != 0 && rest.front() != separator) return false;
        separator = rest.front();
        rest.remove_prefix(1);
      }
      if (!ReadNumber(rest, parts[i], digits[i])) return false;
    }
  }
  if (!IsTime(rest, join)) return false;

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
