// The text form of dates within a year (month-day numbers), by the
// account's display settings, and the small text rules that go with input.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/display_settings.h"

namespace purso {

// "03/15" month first, "15/03" day first; always with "/", whatever the
// separator setting (which only concerns typed dates).
std::string FormatDate(const CDisplaySettings& settings, double monthDay);

// Reads a date typed as two numbers around the settings' separator (or
// "/", in which shown dates are written), in the settings' order, and checks
// it against the calendar of year. False when there is no separator or the
// date does not exist.
bool ParseDate(const CDisplaySettings& settings, std::string_view text, int year, double& monthDay);

// Reads a whole number the way the parts of a typed date are read: leading
// white space, an optional sign, decimal digits up to the first other
// character; no digits give 0. Values beyond the range of int are clamped.
int ReadWholeNumber(std::string_view text);

// A whole number from low to high written as decimal digits alone (a minus
// sign allowed), as a field or a setting holds it; none for any other text.
std::optional<int> ReadWholeNumberIn(std::string_view text, int low, int high);

// Today's date in Coordinated Universal Time as a month-day number, from
// the process clock.
double TodayMonthDay();

// True when the text holds none of '%', '|' and '@', the characters that
// drive the list rows.
bool HasNoReservedCharacters(std::string_view text);

}  // namespace purso
