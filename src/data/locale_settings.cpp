#include "data/locale_settings.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>

#include "data/account_text.h"

namespace purso {
namespace {

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// Spaces and the marks that only steer the direction of the text, which
// locales put around numbers and currency symbols.
bool IsBlank(char32_t c) {
  switch (c) {
    case U' ':
    case U'\u00A0':  // no-break space
    case U'\u2007':  // figure space
    case U'\u2009':  // thin space
    case U'\u202F':  // narrow no-break space
    case U'\u200E':  // left-to-right mark
    case U'\u200F':  // right-to-left mark
    case U'\u061C':  // Arabic letter mark
      return true;
    default:
      return false;
  }
}

std::u32string Trimmed(std::u32string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::u32string(text);
}

// The account text of the characters, when the account can hold every one.
std::optional<std::string> AccountText(std::u32string_view text) {
  std::string result;
  for (const char32_t c : text) {
    const std::optional<unsigned char> byte = UnicodeToAccountChar(c);
    if (!byte || *byte == 0) return std::nullopt;
    result.push_back(static_cast<char>(*byte));
  }
  return result;
}

// A symbol the Date & Currency Settings dialog would accept.
std::optional<std::string> CurrencySymbol(std::u32string_view text) {
  const std::optional<std::string> symbol = AccountText(Trimmed(text));
  if (!symbol || symbol->empty() || symbol->size() > CDisplaySettings::kMaxSymbolLength) return std::nullopt;
  if (symbol->find_first_of(" ,.") != std::string::npos) return std::nullopt;
  return symbol;
}

// Where a run of decimal digits stands in a text.
struct NumberRun {
  std::size_t begin = 0;
  std::size_t end = 0;
};

std::optional<NumberRun> FindNumber(const std::u32string& text, std::u32string_view number) {
  for (std::size_t at = 0; at < text.size();) {
    if (!IsDigit(text[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && IsDigit(text[end])) ++end;
    if (std::u32string_view(text).substr(at, end - at) == number) return NumberRun{at, end};
    at = end;
  }
  return std::nullopt;
}

void ReadDate(const std::u32string& date, CDisplaySettings& settings) {
  const std::optional<NumberRun> day = FindNumber(date, U"31");
  const std::optional<NumberRun> month = FindNumber(date, U"12");
  if (!day || !month) return;
  const bool dayFirst = day->begin < month->begin;
  settings.dateOrder = dayFirst ? DateOrder::kDayFirst : DateOrder::kMonthFirst;
  const NumberRun& first = dayFirst ? *day : *month;
  const NumberRun& second = dayFirst ? *month : *day;
  if (second.begin < first.end) return;
  const std::u32string between = Trimmed(std::u32string_view(date).substr(first.end, second.begin - first.end));
  const std::optional<std::string> separator = AccountText(between);
  if (separator && separator->size() == 1 && !IsDigit(static_cast<unsigned char>(separator->front()))) {
    settings.dateSeparator = separator->front();
  }
}

void ReadMoney(const std::u32string& money, const std::string& currencyCode, CDisplaySettings& settings) {
  const std::size_t first = money.find_first_of(U"0123456789");
  if (first == std::u32string::npos) return;
  const std::size_t end = money.find_last_of(U"0123456789") + 1;

  // The sample's digits are 1234 (or 1235, rounded) followed by its
  // fraction 5 and zeros: what stands after the fourth digit are decimals.
  std::u32string digits;
  std::copy_if(money.begin() + static_cast<std::ptrdiff_t>(first), money.begin() + static_cast<std::ptrdiff_t>(end),
               std::back_inserter(digits), IsDigit);
  const bool sampleShape =
      (digits.starts_with(U"1234") || digits.starts_with(U"1235")) &&
      (digits.size() == 4 || (digits[4] == U'5' && digits.find_first_not_of(U'0', 5) == std::u32string::npos));
  if (sampleShape) {
    settings.decimals = std::min(static_cast<int>(digits.size()) - 4, CDisplaySettings::kMaxDecimals);
  }

  const std::u32string_view before = std::u32string_view(money).substr(0, first);
  const std::u32string_view after = std::u32string_view(money).substr(end);
  const bool symbolBefore = !Trimmed(before).empty();
  const bool symbolAfter = !Trimmed(after).empty();
  if (symbolBefore == symbolAfter) return;  // no symbol, or one on each side
  const std::u32string_view side = symbolBefore ? before : after;
  std::optional<std::string> symbol = CurrencySymbol(side);
  if (!symbol) {
    const std::optional<std::u32string> code = DecodeUtf8(currencyCode);
    if (code) symbol = CurrencySymbol(*code);
  }
  if (!symbol) return;
  settings.currencySymbol = *symbol;
  settings.symbolPosition = symbolBefore ? SymbolPosition::kBefore : SymbolPosition::kAfter;
  settings.space = symbolBefore ? IsBlank(side.back()) : IsBlank(side.front());
}

}  // namespace

CDisplaySettings DisplaySettingsFor(const LocaleSamples& samples) {
  CDisplaySettings settings;
  if (const std::optional<std::u32string> date = DecodeUtf8(samples.shortDate)) ReadDate(*date, settings);
  if (samples.decimalPoint == ",") settings.decimalSymbol = DecimalSymbol::kComma;
  if (const std::optional<std::u32string> money = DecodeUtf8(samples.money)) {
    ReadMoney(*money, samples.currencyCode, settings);
  }
  return settings;
}

}  // namespace purso
