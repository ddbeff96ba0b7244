// The display settings of a new account, from the conventions of a locale.
//
// A new account writes dates and amounts the way its user's locale does: day
// or month first and the character between them, the decimal symbol, the
// currency symbol, whether it stands before or after the amount and whether a
// space parts them, and the decimals the currency uses. The locale is
// described by what it writes itself, a date and an amount of money, so that
// the same rules read it whether the text comes from the toolkit's locale
// data or from the C library's.
//
// What an account cannot hold is left at its default: a separator or decimal
// symbol the account does not allow, a currency symbol longer than three
// characters or outside the account's character set (the currency's ISO code
// is taken instead when it fits), digits other than 0 to 9. The "C" locale,
// whose samples name no currency, gives the defaults.
#pragma once

#include <string>

#include "data/display_settings.h"

namespace purso {

// The date and the amount the samples show.
inline constexpr int kSampleYear = 2023;
inline constexpr int kSampleMonth = 12;
inline constexpr int kSampleDay = 31;
inline constexpr double kSampleAmount = 1234.5;

// Texts a locale wrote, all UTF-8.
struct LocaleSamples {
  std::string shortDate;     // the sample date in the locale's short form: "31.12.23"
  std::string money;         // the sample amount in the locale's currency form: "1.234,50 €"
  std::string decimalPoint;  // the locale's decimal symbol: ","
  std::string currencyCode;  // the ISO 4217 code of its currency: "EUR"; may be empty
};

// The settings a new account takes in that locale; every field the samples
// do not settle keeps its default.
CDisplaySettings DisplaySettingsFor(const LocaleSamples& samples);

}  // namespace purso
