#include "data/calendar.h"

#include <ctime>

namespace purso {
namespace {

class CSystemClock final : public IClock {
 public:
  CivilDate LocalToday() const override { return Today(&localtime_r); }
  CivilDate UtcToday() const override { return Today(&gmtime_r); }

 private:
  static CivilDate Today(struct tm* (*convert)(const time_t*, struct tm*)) {
    const time_t now = time(nullptr);
    struct tm parts {};
    if (convert(&now, &parts) == nullptr) return CivilDate{1970, 1, 1};
    return CivilDate{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
  }
};

const CSystemClock kSystemClock;
const IClock* g_clock = &kSystemClock;

constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kLength[month - 1];
}

bool IsValidDate(int year, int month, int day) { return day >= 1 && day <= DaysInMonth(year, month); }

int DayOfYear(int year, int month, int day) {
  return kDaysBeforeMonth[month - 1] + day + (month > 2 && IsLeapYear(year) ? 1 : 0);
}

const IClock& CurrentClock() { return *g_clock; }

CScopedClock::CScopedClock(const IClock& clock) : previous_(g_clock) { g_clock = &clock; }

CScopedClock::~CScopedClock() { g_clock = previous_; }

}  // namespace purso
