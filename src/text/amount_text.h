// The text form of amounts, by the account's display settings.
//
// Amounts are mostly shown as magnitudes: the caller passes a non-negative
// amount to FormatAmount and shows a sign by other means (colour, a label).
// A budget is the exception: a transfer between budgets may leave one below
// zero, and it is then written as a negative amount by FormatSignedAmount.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "data/display_settings.h"

namespace purso {

// Typed amounts above this are refused by every caller of ParseAmount.
inline constexpr double kMaxAmount = 999999999.0;

// The amount with its group separators, decimals and currency symbol,
// rounded to the settings' number of decimals ("$1,234.50"). For a
// magnitude: a value that may be below zero goes through FormatSignedAmount.
std::string FormatAmount(const CDisplaySettings& settings, double amount);

// The same text without the currency symbol and its separating space, for
// columns and axis labels that have no room for it ("1,234.50"); a value
// below zero leads with its minus sign ("-12.50").
std::string FormatAmountPlain(const CDisplaySettings& settings, double amount);

// A signed amount, such as a budget: the text of FormatAmount for its
// magnitude, with a minus sign leading the whole text when the amount is
// below zero, whichever side the currency symbol stands on ("-$12.50",
// "-$ 12.50", "-12,50 kr"). An amount that rounds to zero has no sign.
std::string FormatSignedAmount(const CDisplaySettings& settings, double amount);

// A shorter way to write an amount where room is short: with fewer
// decimals, or divided by 1000 `thousands` times and followed by that
// unit's letter ("12k", "3M", ... up to "E").
struct AmountForm {
  int decimals = 0;
  int thousands = 0;

  friend bool operator==(const AmountForm&, const AmountForm&) = default;
};
inline constexpr int kLargestAmountUnit = 6;

enum class AmountSymbol : std::uint8_t { kShown, kLeftOut };

// The amount written in form, with the currency symbol (as FormatAmount) or
// without it (as FormatAmountPlain); the unit's letter stands right after
// the number ("$12k", "12k EUR").
std::string FormatAmountIn(const CDisplaySettings& settings, double amount, AmountForm form, AmountSymbol symbol);

// The first form whose text of amount fits: the settings' decimals, then no
// decimals, then thousands, millions, ... without decimals; the largest
// unit when none fits. One form written for the largest amount of a set
// serves the whole set.
AmountForm FittingAmountForm(const CDisplaySettings& settings, double amount, AmountSymbol symbol,
                             const std::function<bool(const std::string&)>& fits);

// Reads an amount typed by the user: digits, at most one decimal symbol,
// spaces and group separators anywhere, the currency symbol once; no sign.
// False for anything else, for a text without digits and for a text longer
// than 15 characters. The value is exact, not rounded to the shown decimals,
// and not limited: callers refuse values above kMaxAmount.
bool ParseAmount(const CDisplaySettings& settings, std::string_view text, double& amount);

// Reads back a non-negative amount text that FormatAmount wrote, by the
// rules of ParseAmount but of any length: a written amount may be longer
// than a typed one may ("999.999.999,00 kr").
bool ParseShownAmount(const CDisplaySettings& settings, std::string_view text, double& amount);

}  // namespace purso
