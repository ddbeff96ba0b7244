// Recurring predactions: a series of equal predactions within one year, one
// every so many days, weeks or months from a first to a last date.
//
// Both dates are included and lie in the year, so no series ever leaves it.
// Days and weeks step through calendar days (leap days included); a monthly
// series keeps the first date's day of the month and falls on the last day
// of a shorter month without carrying that shortening on (31/01, 29/02,
// 31/03, 30/04 in 2024), and stops before a thirteenth month.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "data/record_table.h"
#include "resources/translatable.h"

namespace purso {

enum class SeriesUnit : std::uint8_t { kDays, kWeeks, kMonths };

// The largest interval a series may have in its unit: one predaction a year
// at the least.
constexpr unsigned MaxInterval(SeriesUnit unit) {
  switch (unit) {
    case SeriesUnit::kDays:
      return 366;
    case SeriesUnit::kWeeks:
      return 54;
    case SeriesUnit::kMonths:
      break;
  }
  return 12;
}

// The word shown with the interval: "days", "weeks", "months", marked for
// the Recurring Predactions dialog.
constexpr std::string_view UnitWord(SeriesUnit unit) {
  switch (unit) {
    case SeriesUnit::kDays:
      return PURSO_TEXT("RecurringPredactionsDialog", "days");
    case SeriesUnit::kWeeks:
      return PURSO_TEXT("RecurringPredactionsDialog", "weeks");
    case SeriesUnit::kMonths:
      break;
  }
  return PURSO_TEXT("RecurringPredactionsDialog", "months");
}

struct PredactionSeries {
  SeriesUnit unit = SeriesUnit::kMonths;
  unsigned interval = 1;  // units between two predactions, 1 to MaxInterval(unit)
  double first = 101;     // month-day numbers of valid dates of the year
  double last = 1231;
  double amount = 0.0;  // of every predaction, never negative
};

// The month-day numbers of the series' predactions in year, in date order.
// Nothing for an interval of 0 or a date that is not in the year's calendar.
std::vector<double> SeriesDates(const PredactionSeries& series, int year);

// Appends one predaction of the category per date, each with the amount;
// how many were appended. Fewer than the dates when the table could take no
// more: the predactions appended until then stay.
std::size_t AppendPredactions(CRecordTable& predactions, std::uint32_t categoryId, std::span<const double> dates,
                              double amount);

}  // namespace purso
