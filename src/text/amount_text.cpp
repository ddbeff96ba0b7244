#include "text/amount_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>
#include <utility>

namespace purso {
namespace {

// Typed amount texts are read from a 15-character field.
constexpr std::size_t kMaxAmountTextLength = 15;

constexpr std::uint64_t kPowersOfTen[CDisplaySettings::kMaxDecimals + 1] = {1, 10, 100, 1000, 10000};

// Below this, amount * 10^d + 0.5 is computed in a double with well under a
// unit of error, so the rounding of ordinary amounts is the plain
// floor(amount * 10^d + 0.5). Above it the whole part is taken exactly and
// only the fraction is scaled.
constexpr double kScaledLimit = 4503599627370496.0;  // 2^52

// The whole part, already in decimal digits, and the fraction in units of
// 10^-decimals.
struct RoundedAmount {
  std::string whole;
  std::uint64_t fraction = 0;
  bool negative = false;
};

// A settings value read from a damaged record may hold any number.
int UsableDecimals(const CDisplaySettings& settings) {
  return std::clamp(settings.decimals, 0, CDisplaySettings::kMaxDecimals);
}

// Exact decimal digits of an integral, finite, non-negative double.
std::string IntegralDigits(double integral) {
  char buffer[std::numeric_limits<double>::max_exponent10 + 8];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, integral, std::chars_format::fixed, 0);
  if (result.ec != std::errc()) return "0";  // the buffer holds the largest double
  return std::string(buffer, result.ptr);
}

// Rounds the magnitude half up. NaN counts as 0 and infinity as the largest
// finite amount, so that every double gives a text.
RoundedAmount Round(double amount, int decimals) {
  double magnitude = std::isnan(amount) ? 0.0 : std::fabs(amount);
  if (std::isinf(magnitude)) magnitude = std::numeric_limits<double>::max();
  const std::uint64_t unit = kPowersOfTen[decimals];
  const double scale = static_cast<double>(unit);

  RoundedAmount rounded;
  const double scaled = magnitude * scale;
  if (scaled < kScaledLimit) {
    const auto n = static_cast<std::uint64_t>(std::floor(scaled + 0.5));
    rounded.whole = std::to_string(n / unit);
    rounded.fraction = n % unit;
  } else {
    double whole = std::floor(magnitude);
    auto fraction = static_cast<std::uint64_t>(std::floor((magnitude - whole) * scale + 0.5));
    if (fraction >= unit) {
      whole += 1.0;  // exact: a whole part with a fraction is below 2^52
      fraction -= unit;
    }
    rounded.whole = IntegralDigits(whole);
    rounded.fraction = fraction;
  }
  // A negative amount that rounds to zero shows as zero, never as "-0.00".
  rounded.negative = amount < 0.0 && (rounded.fraction != 0 || rounded.whole != "0");
  return rounded;
}

// The number part of an amount's magnitude: grouped whole part, decimal
// symbol and fraction; and whether the amount, as rounded, is below zero.
struct NumberParts {
  std::string magnitude;
  bool negative = false;
};

NumberParts NumberText(const CDisplaySettings& settings, double amount) {
  const int decimals = UsableDecimals(settings);
  const RoundedAmount rounded = Round(amount, decimals);

  std::string text;
  text.reserve(rounded.whole.size() * 4 / 3 + 8);
  const std::size_t digits = rounded.whole.size();
  for (std::size_t i = 0; i < digits; ++i) {
    if (i != 0 && (digits - i) % 3 == 0) text += settings.GroupChar();
    text += rounded.whole[i];
  }
  if (decimals > 0) {
    text += settings.DecimalChar();
    const std::string fraction = std::to_string(rounded.fraction);
    text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    text += fraction;
  }
  return NumberParts{std::move(text), rounded.negative};
}

std::string SignedNumber(const NumberParts& number) { return (number.negative ? "-" : "") + number.magnitude; }

// The number with the currency symbol on its side of it.
std::string WithSymbol(const CDisplaySettings& settings, const std::string& number) {
  const std::string_view space = settings.space ? " " : "";
  std::string text;
  if (settings.symbolPosition == SymbolPosition::kAfter) {
    text.append(number).append(space).append(settings.currencySymbol);
  } else {
    text.append(settings.currencySymbol).append(space).append(number);
  }
  return text;
}

// ParseAmount without its limit on the length of the text.
bool ParseAmountOfAnyLength(const CDisplaySettings& settings, std::string_view text, double& amount) {
  std::string work(text);
  const std::string& symbol = settings.currencySymbol;
  if (!symbol.empty()) {
    const std::size_t at = work.find(symbol);
    if (at != std::string::npos) work.replace(at, symbol.size(), symbol.size(), ' ');
  }

  // The kept digits with '.' where the decimal symbol stood, for an exact,
  // correctly rounded conversion of the whole decimal number.
  std::string number = "0";
  bool seenDecimal = false;
  bool seenDigit = false;
  for (const char c : work) {
    if (c >= '0' && c <= '9') {
      number += c;
      seenDigit = true;
    } else if (c == settings.DecimalChar()) {
      if (seenDecimal) return false;
      seenDecimal = true;
      number += '.';
    } else if (c != ' ' && c != settings.GroupChar()) {
      return false;
    }
  }
  if (!seenDigit) return false;
  if (number.back() == '.') number.pop_back();

  double value = 0.0;
  const char* end = number.data() + number.size();
  const auto result = std::from_chars(number.data(), end, value, std::chars_format::fixed);
  if (result.ec != std::errc() || result.ptr != end) return false;
  amount = value;
  return true;
}

}  // namespace

std::string FormatAmount(const CDisplaySettings& settings, double amount) {
  return WithSymbol(settings, SignedNumber(NumberText(settings, amount)));
}

std::string FormatAmountPlain(const CDisplaySettings& settings, double amount) {
  return SignedNumber(NumberText(settings, amount));
}

std::string FormatSignedAmount(const CDisplaySettings& settings, double amount) {
  const NumberParts number = NumberText(settings, amount);
  return (number.negative ? "-" : "") + WithSymbol(settings, number.magnitude);
}

std::string FormatAmountIn(const CDisplaySettings& settings, double amount, AmountForm form, AmountSymbol symbol) {
  static constexpr char kUnitLetters[] = " kMGTPE";
  static_assert(sizeof kUnitLetters - 2 == kLargestAmountUnit);
  const int thousands = std::clamp(form.thousands, 0, kLargestAmountUnit);
  CDisplaySettings shorter = settings;
  shorter.decimals = form.decimals;
  std::string number = SignedNumber(NumberText(shorter, amount / std::pow(1000.0, thousands)));
  if (thousands > 0) number += kUnitLetters[thousands];
  return symbol == AmountSymbol::kShown ? WithSymbol(settings, number) : number;
}

AmountForm FittingAmountForm(const CDisplaySettings& settings, double amount, AmountSymbol symbol,
                             const std::function<bool(const std::string&)>& fits) {
  const auto fitting = [&](AmountForm form) { return fits(FormatAmountIn(settings, amount, form, symbol)); };
  if (const AmountForm form{settings.decimals, 0}; fitting(form)) return form;
  for (int thousands = 0; thousands < kLargestAmountUnit; ++thousands) {
    if (const AmountForm form{0, thousands}; fitting(form)) return form;
  }
  return AmountForm{0, kLargestAmountUnit};
}

bool ParseAmount(const CDisplaySettings& settings, std::string_view text, double& amount) {
  return text.size() <= kMaxAmountTextLength && ParseAmountOfAnyLength(settings, text, amount);
}

bool ParseShownAmount(const CDisplaySettings& settings, std::string_view text, double& amount) {
  return ParseAmountOfAnyLength(settings, text, amount);
}

}  // namespace purso
