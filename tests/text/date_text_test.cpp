#include "text/date_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "data/calendar.h"

namespace purso {
namespace {

CDisplaySettings Dates(DateOrder order, char separator) {
  CDisplaySettings settings;
  settings.dateOrder = order;
  settings.dateSeparator = separator;
  return settings;
}

constexpr DateOrder kMonthFirst = DateOrder::kMonthFirst;
constexpr DateOrder kDayFirst = DateOrder::kDayFirst;

TEST(DateTextTest, FormatsInDateOrderAlwaysWithSlash) {
  struct Case {
    DateOrder order;
    char separator;
    double monthDay;
    const char* text;
  };
  const Case kCases[] = {
      {kMonthFirst, '/', 315, "03/15"}, {kDayFirst, '/', 315, "15/03"}, {kMonthFirst, '-', 315, "03/15"},
      {kDayFirst, '-', 315, "15/03"},   {kMonthFirst, '/', 101, "01/01"}, {kDayFirst, '.', 1231, "31/12"},
      {kMonthFirst, '/', std::nan(""), "00/00"}, {kMonthFirst, '/', -315, "00/00"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.text, FormatDate(Dates(c.order, c.separator), c.monthDay));
  }
}

TEST(DateTextTest, ParsesTypedDatesAgainstTheYearsCalendar) {
  struct Case {
    DateOrder order;
    char separator;
    const char* text;
    int year;
    bool ok;
    double monthDay;
  };
  const Case kCases[] = {
      {kMonthFirst, '-', "3-15", 2001, true, 315},
      {kMonthFirst, '-', "03/15", 2001, true, 315},  // as shown dates are written
      {kDayFirst, '.', "15/03", 2001, true, 315},
      {kMonthFirst, '-', "03.15", 2001, false, 0},
      {kDayFirst, '-', "15-3", 2001, true, 315},
      {kDayFirst, '/', "31/12", 2001, true, 1231},
      {kMonthFirst, '/', "2/29", 1999, false, 0},
      {kMonthFirst, '/', "2/29", 2000, true, 229},
      {kMonthFirst, '/', "2/29", 2024, true, 229},
      {kMonthFirst, '/', "2/29", 2100, false, 0},  // century, not a leap year
      {kDayFirst, '/', "29/2", 2004, true, 229},
      {kMonthFirst, '/', "4/31", 2001, false, 0},
      {kMonthFirst, '/', "13/1", 2001, false, 0},
      {kMonthFirst, '/', "0/5", 2001, false, 0},
      {kMonthFirst, '/', " 4/ 7", 2001, true, 407},
      {kMonthFirst, '/', "+4/7", 2001, true, 407},
      {kMonthFirst, '/', "4/7th", 2001, true, 407},
      {kMonthFirst, '/', "4/7/9", 2001, true, 407},  // the first separator splits
      {kMonthFirst, '/', "47", 2001, false, 0},
      {kMonthFirst, '/', "/5", 2001, false, 0},
      {kMonthFirst, '/', "99999999999/1", 2001, false, 0},
      {kMonthFirst, '/', "4/-7", 2001, false, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.text) + " in " + std::to_string(c.year));
    double monthDay = -1;
    EXPECT_EQ(c.ok, ParseDate(Dates(c.order, c.separator), c.text, c.year, monthDay));
    EXPECT_EQ(c.ok ? c.monthDay : -1, monthDay);
  }
}

TEST(DateTextTest, ReadsWholeNumbersLikeStrtolClampedToInt) {
  struct Case {
    const char* text;
    int value;
  };
  const Case kCases[] = {
      {" \t\n42x", 42},        {"-17", -17},           {"+5", 5},
      {"", 0},                 {"abc", 0},             {"- 5", 0},
      {"2147483647", INT_MAX}, {"2147483648", INT_MAX}, {"99999999999999999999999", INT_MAX},
      {"-2147483648", INT_MIN}, {"-99999999999999999999999", INT_MIN},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.value, ReadWholeNumber(c.text));
  }
}

TEST(DateTextTest, TodayIsTheUtcDate) {
  // Late evening of 7 December west of Greenwich: locally still the 7th,
  // already the 8th in UTC.
  const CFixedClock clock(CivilDate{2003, 12, 7}, CivilDate{2003, 12, 8});
  const CScopedClock scoped(clock);
  EXPECT_EQ(1208.0, TodayMonthDay());
}

TEST(DateTextTest, ReservedCharactersAreFound) {
  struct Case {
    const char* text;
    bool clean;
  };
  const Case kCases[] = {
      {"Food", true}, {"", true}, {"a|b", false}, {"50%", false}, {"me@home", false}, {"A & B #1", true},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.clean, HasNoReservedCharacters(c.text));
  }
}

}  // namespace
}  // namespace purso
