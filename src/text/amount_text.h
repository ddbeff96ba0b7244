// The text form of amounts, by the account's display settings.
//
// Amounts are shown as magnitudes: every caller passes a non-negative amount
// and shows a sign by other means (colour, a label).
#pragma once

#include <string>
#include <string_view>

#include "data/display_settings.h"

namespace purso {

// Typed amounts above this are refused by every caller of ParseAmount.
inline constexpr double kMaxAmount = 999999999.0;

// The amount with its group separators, decimals and currency symbol,
// rounded to the settings' number of decimals ("$1,234.50").
std::string FormatAmount(const CDisplaySettings& settings, double amount);

// The same text without the currency symbol and its separating space, for
// columns and axis labels that have no room for it ("1,234.50").
std::string FormatAmountPlain(const CDisplaySettings& settings, double amount);

// Reads an amount typed by the user: digits, at most one decimal symbol,
// spaces and group separators anywhere, the currency symbol once; no sign.
// False for anything else, for a text without digits and for a text longer
// than 15 characters. The value is exact, not rounded to the shown decimals,
// and not limited: callers refuse values above kMaxAmount.
bool ParseAmount(const CDisplaySettings& settings, std::string_view text, double& amount);

}  // namespace purso
