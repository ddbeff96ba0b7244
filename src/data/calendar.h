// Gregorian calendar arithmetic and the process-wide clock.
//
// The clock is the one piece of process-wide state below the window system:
// the balance date and the automatic transaction descriptions need today's
// date, and tests fix it with CScopedClock. It lives in the lowest layer
// because the year ledger itself asks for it.
#pragma once

#include <cstdint>

namespace purso {

struct CivilDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31

  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

bool IsLeapYear(int year);

// Length of the month in that year; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

bool IsValidDate(int year, int month, int day);

// Day of the year, January 1 = 1. Precondition: IsValidDate(year, month, day).
int DayOfYear(int year, int month, int day);

// Today's date as the machine's clock reports it.
class IClock {
 public:
  virtual ~IClock() = default;
  virtual CivilDate LocalToday() const = 0;
  virtual CivilDate UtcToday() const = 0;
};

// The clock in force: the system clock unless a test replaced it.
const IClock& CurrentClock();

// A clock that always answers the same two dates.
class CFixedClock final : public IClock {
 public:
  CFixedClock(CivilDate local, CivilDate utc) : local_(local), utc_(utc) {}
  explicit CFixedClock(CivilDate both) : local_(both), utc_(both) {}
  CivilDate LocalToday() const override { return local_; }
  CivilDate UtcToday() const override { return utc_; }

 private:
  CivilDate local_;
  CivilDate utc_;
};

// Puts a clock in force for its own lifetime and restores the previous one.
// The clock must outlive the scope.
class CScopedClock {
 public:
  explicit CScopedClock(const IClock& clock);
  ~CScopedClock();
  CScopedClock(const CScopedClock&) = delete;
  CScopedClock& operator=(const CScopedClock&) = delete;

 private:
  const IClock* previous_;
};

}  // namespace purso
