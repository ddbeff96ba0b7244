#include "text/date_text.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>

#include "data/calendar.h"

namespace purso {
namespace {

// The month-day number as the unsigned integer it holds; anything that no
// unsigned 32-bit number can be (NaN, negative, too large) counts as 0.
std::uint32_t MonthDayNumber(double monthDay) {
  if (!(monthDay >= 0.0) || !(monthDay < 4294967296.0)) return 0;
  return static_cast<std::uint32_t>(monthDay);
}

// White space as the C locale knows it.
bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatDate(const CDisplaySettings& settings, double monthDay) {
  const std::uint32_t n = MonthDayNumber(monthDay);
  const unsigned month = n / 100;
  const unsigned day = n % 100;
  const bool dayFirst = settings.dateOrder == DateOrder::kDayFirst;
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%02u/%02u", dayFirst ? day : month, dayFirst ? month : day);
  return buffer;
}

bool ParseDate(const CDisplaySettings& settings, std::string_view text, int year, double& monthDay) {
  // Shown dates always use "/", so a date the program wrote into a field
  // reads back whatever the separator setting is.
  std::size_t at = text.find(settings.dateSeparator);
  if (at == std::string_view::npos) at = text.find('/');
  if (at == std::string_view::npos) return false;
  const int first = ReadWholeNumber(text);
  const int second = ReadWholeNumber(text.substr(at + 1));
  const bool dayFirst = settings.dateOrder == DateOrder::kDayFirst;
  const int month = dayFirst ? second : first;
  const int day = dayFirst ? first : second;
  if (!IsValidDate(year, month, day)) return false;
  monthDay = month * 100 + day;
  return true;
}

int ReadWholeNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Held one past INT_MAX at most, which is -INT_MIN, so that neither the
  // accumulation nor the negation can overflow.
  constexpr std::int64_t kLimit = static_cast<std::int64_t>(INT_MAX) + 1;
  std::int64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<int>(-value);
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

double TodayMonthDay() {
  const CivilDate today = CurrentClock().UtcToday();
  return today.month * 100 + today.day;
}

bool HasNoReservedCharacters(std::string_view text) { return text.find_first_of("%|@") == std::string_view::npos; }

std::optional<int> ReadWholeNumberIn(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

}  // namespace purso
