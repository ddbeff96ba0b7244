#include "calc/predaction_series.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/ledger_records.h"

namespace purso {
namespace {

static_assert(MaxInterval(SeriesUnit::kDays) == 366 && MaxInterval(SeriesUnit::kWeeks) == 54 &&
              MaxInterval(SeriesUnit::kMonths) == 12);
static_assert(UnitWord(SeriesUnit::kDays) == "days" && UnitWord(SeriesUnit::kMonths) == "months");

std::vector<double> Dates(SeriesUnit unit, unsigned interval, double first, double last, int year = 2024) {
  return SeriesDates(PredactionSeries{unit, interval, first, last, 10.0}, year);
}

TEST(PredactionSeriesTest, MonthlyKeepsTheDayOrTheLastDayOfAShorterMonth) {
  EXPECT_EQ(Dates(SeriesUnit::kMonths, 1, 131, 1231),
            (std::vector<double>{131, 229, 331, 430, 531, 630, 731, 831, 930, 1031, 1130, 1231}));
  EXPECT_EQ(Dates(SeriesUnit::kMonths, 1, 131, 331, 1999), (std::vector<double>{131, 228, 331}));
  EXPECT_EQ(Dates(SeriesUnit::kMonths, 5, 315, 1231), (std::vector<double>{315, 815}));  // then month 13
  EXPECT_EQ(Dates(SeriesUnit::kMonths, 1, 110, 209), (std::vector<double>{110}));
}

TEST(PredactionSeriesTest, DaysAndWeeksStepThroughCalendarDays) {
  EXPECT_EQ(Dates(SeriesUnit::kDays, 1, 101, 1231, 2023).size(), 365u);
  EXPECT_EQ(Dates(SeriesUnit::kDays, 1, 101, 1231, 2024).size(), 366u);
  EXPECT_EQ(Dates(SeriesUnit::kWeeks, 1, 101, 1231, 2023).size(), 53u);
  EXPECT_EQ(Dates(SeriesUnit::kDays, 366, 101, 1231), (std::vector<double>{101}));
  EXPECT_EQ(Dates(SeriesUnit::kWeeks, 2, 101, 131), (std::vector<double>{101, 115, 129}));
  EXPECT_EQ(Dates(SeriesUnit::kDays, 2, 227, 302), (std::vector<double>{227, 229, 302}));
  EXPECT_EQ(Dates(SeriesUnit::kDays, 3, 704, 704), (std::vector<double>{704}));
}

TEST(PredactionSeriesTest, NoSeriesOutsideTheLimitsOrTheCalendar) {
  EXPECT_TRUE(Dates(SeriesUnit::kDays, 0, 101, 1231).empty());
  EXPECT_TRUE(Dates(SeriesUnit::kMonths, 13, 101, 1231).empty());
  EXPECT_TRUE(Dates(SeriesUnit::kDays, 1, 229, 1231, 2023).empty());
}

TEST(PredactionSeriesTest, AppendingStopsWhereTheTableIsFullAndKeepsWhatItAdded) {
  CYearLedger ledger;
  CRecordTable& predactions = ledger.Predactions();
  test::LeaveRowIds(predactions, 2);
  const std::vector<double> dates = {101, 201, 301};
  EXPECT_EQ(AppendPredactions(predactions, 7, dates, 12.5), 2u);
  ASSERT_EQ(predactions.GetRowCount(), 2u);
  EXPECT_EQ(predactions.NumberAt(1, predaction_column::kCategory), 7);
  EXPECT_EQ(predactions.NumberAt(1, predaction_column::kDate), 201);
  EXPECT_EQ(predactions.NumberAt(1, predaction_column::kAmount), 12.5);
}

}  // namespace
}  // namespace purso
