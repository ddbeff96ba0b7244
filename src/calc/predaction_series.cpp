#include "calc/predaction_series.h"

#include "data/calendar.h"
#include "data/year_ledger.h"

namespace purso {
namespace {

struct MonthDay {
  int month = 0;
  int day = 0;
};

MonthDay Split(double monthDay) {
  const int n = monthDay >= 0.0 && monthDay < 10000.0 ? static_cast<int>(monthDay) : 0;
  return MonthDay{n / 100, n % 100};
}

double Join(int month, int day) { return month * 100 + day; }

// The month-day number of a day of the year (January 1 = 1).
double FromDayOfYear(int year, int dayOfYear) {
  int month = 1;
  while (month < 12 && dayOfYear > DaysInMonth(year, month)) dayOfYear -= DaysInMonth(year, month++);
  return Join(month, dayOfYear);
}

// Every dayStep days from first to last.
std::vector<double> ByDays(int year, MonthDay first, MonthDay last, int dayStep) {
  std::vector<double> dates;
  const int end = DayOfYear(year, last.month, last.day);
  for (int day = DayOfYear(year, first.month, first.day); day <= end; day += dayStep) {
    dates.push_back(FromDayOfYear(year, day));
  }
  return dates;
}

std::vector<double> ByMonths(int year, MonthDay first, MonthDay last, int monthStep) {
  std::vector<double> dates;
  MonthDay current = first;
  const double end = Join(last.month, last.day);
  while (Join(current.month, current.day) <= end) {
    dates.push_back(Join(current.month, current.day));
    const int month = current.month + monthStep;
    if (month > 12) break;
    int day = first.day;
    while (!IsValidDate(year, month, day)) --day;
    current = MonthDay{month, day};
  }
  return dates;
}

}  // namespace

std::vector<double> SeriesDates(const PredactionSeries& series, int year) {
  const MonthDay first = Split(series.first);
  const MonthDay last = Split(series.last);
  if (series.interval == 0 || series.interval > MaxInterval(series.unit) ||
      !IsValidDate(year, first.month, first.day) || !IsValidDate(year, last.month, last.day)) {
    return {};
  }
  const int interval = static_cast<int>(series.interval);
  switch (series.unit) {
    case SeriesUnit::kDays:
      return ByDays(year, first, last, interval);
    case SeriesUnit::kWeeks:
      return ByDays(year, first, last, interval * 7);
    case SeriesUnit::kMonths:
      break;
  }
  return ByMonths(year, first, last, interval);
}

std::size_t AppendPredactions(CRecordTable& predactions, std::uint32_t categoryId, std::span<const double> dates,
                              double amount) {
  std::size_t appended = 0;
  for (const double date : dates) {
    if (!predactions.AddRow()) break;
    predactions.SetNumber(predaction_column::kCategory, categoryId);
    predactions.SetNumber(predaction_column::kDate, date);
    predactions.SetNumber(predaction_column::kAmount, amount);
    ++appended;
  }
  return appended;
}

}  // namespace purso
