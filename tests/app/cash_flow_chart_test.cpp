#include "app/cash_flow_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include "support/recording_canvas.h"

namespace purso {
namespace {

using cash_flow_chart::BalanceArray;
using cash_flow_chart::BarShown;
using cash_flow_chart::DayRange;
using test::CRecordingCanvas;
using namespace view_style;

constexpr DayRange kYear1999{0, 364};
constexpr DayRange kFebruary1999{31, 58};  // 28 days

CDisplaySettings WithDecimals(int decimals) {
  CDisplaySettings settings;
  settings.decimals = decimals;
  return settings;
}

// One drawing of the chart, with the scale Rescale gives for its balances
// unless a test sets one.
struct Chart {
  BalanceArray predicted{};
  BalanceArray actual{};
  DayRange range = kYear1999;
  int year = 1999;
  int balanceDay = 400;  // none of the year's days
  BarShown budgetBars = BarShown::kShown;
  BarShown actualBars = BarShown::kShown;
  CDisplaySettings settings;
  bool fixedScale = false;
  cash_flow_chart::Scale scale;
  CRecordingCanvas canvas;

  CRecordingCanvas& Draw() {
    if (!fixedScale) scale = cash_flow_chart::Rescale(predicted, actual, range, settings.decimals);
    cash_flow_chart::Draw(canvas, {.predicted = predicted,
                                   .actual = actual,
                                   .range = range,
                                   .budgetBars = budgetBars,
                                   .actualBars = actualBars,
                                   .balanceDay = balanceDay,
                                   .year = year,
                                   .settings = settings,
                                   .scale = scale});
    return canvas;
  }
};

// The chart box comes first, as two rectangles; every later rectangle is a bar.
std::vector<CRecordingCanvas::RectangleOp> Bars(const CRecordingCanvas& canvas) {
  const auto& all = canvas.Rectangles();
  return all.size() < 2 ? std::vector<CRecordingCanvas::RectangleOp>{}
                        : std::vector<CRecordingCanvas::RectangleOp>(all.begin() + 2, all.end());
}

// The grid lines span the plot less 2 pixels on each side, unlike the zero line.
std::vector<int> GridLineYs(const CRecordingCanvas& canvas) {
  std::vector<int> ys;
  for (const auto& line : canvas.Lines()) {
    if (line.x1 == 104 && line.x2 == 480 && line.y1 == line.y2) ys.push_back(line.y1);
  }
  return ys;
}

bool HasLine(const CRecordingCanvas& canvas, int x1, int y1, int x2, int y2, Rgb colour) {
  for (const auto& line : canvas.Lines()) {
    if (line.x1 == x1 && line.y1 == y1 && line.x2 == x2 && line.y2 == y2 && line.colour == colour) return true;
  }
  return false;
}

std::vector<int> YellowLineXs(const CRecordingCanvas& canvas) {
  std::vector<int> xs;
  for (const auto& line : canvas.Lines()) {
    if (line.colour == kYellow) {
      EXPECT_EQ(line.x1, line.x2);
      EXPECT_EQ(line.y1, 83);
      EXPECT_EQ(line.y2, 375);
      xs.push_back(line.x1);
    }
  }
  return xs;
}

TEST(CashFlowChartTest, RescaleFitsTheRangeIntoTheDrawingSpan) {
  struct Case {
    const char* name;
    double low;   // the smallest balance in the range (at day 10)
    double high;  // the largest (at day 20)
    int decimals;
    double scale;
    int zeroOffset;
    std::uint64_t gridStep;
  };
  const Case cases[] = {
      {"all zero", 0, 0, 2, 1.0, 0, 0},
      {"0 to 1000, 2 decimals", 0, 1000, 2, 0.284, 0, 100},
      {"0 to 1000, 0 decimals", 0, 1000, 0, 0.284, 0, 100},
      {"g 123 below the unit 10000", 0, 1234, 0, 284.0 / 1234, 0, 123},
      {"g 123 to whole 100s", 0, 1234, 2, 284.0 / 1234, 0, 100},
      {"g 123 to whole 10s", 0, 1234, 3, 284.0 / 1234, 0, 120},
      {"g 123 above the unit 1", 0, 1234, 4, 284.0 / 1234, 0, 123},
      {"no unit beyond 4 decimals", 0, 1234, 5, 284.0 / 1234, 0, 123},
      {"g 12345 to whole 10000s", 0, 123456, 0, 284.0 / 123456, 0, 10000},
      {"zero in the middle", -142, 142, 2, 1.0, 142, 28},
      {"only below zero", -568, -100, 2, 0.5, 284, 56},
      {"zero offset truncated", -3, 5, 2, 35.5, 106, 0},  // 106.5
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BalanceArray predicted{};
    BalanceArray actual{};
    actual[10] = c.low;
    predicted[20] = c.high;
    // Outside the range: must not count.
    predicted[40] = 1e6;
    actual[41] = -1e6;
    const cash_flow_chart::Scale scale = cash_flow_chart::Rescale(predicted, actual, {5, 30}, c.decimals);
    EXPECT_DOUBLE_EQ(scale.pixelsPerUnit, c.scale);
    EXPECT_EQ(scale.zeroOffset, c.zeroOffset);
    EXPECT_EQ(scale.gridStep, c.gridStep);
  }
}

TEST(CashFlowChartTest, DegenerateInputGivesAUsableScaleAndAFiniteDrawing) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  struct Case {
    const char* name;
    DayRange range;
    double value;  // predicted balance of days 0, 5 and 369
    double scale;
    int zeroOffset;
    int barWidth;
    std::size_t gridLines;
  };
  const Case cases[] = {
      {"range ending before it starts", {40, 39}, 500, 1.0, 0, 0, 0},
      {"range ending long before it starts", {300, 2}, 500, 1.0, 0, 0, 0},
      {"NaN balances are passed over", {0, 364}, kNaN, 1.0, 0, 1, 0},
      {"infinite balance", {0, 364}, kInfinity, 0.0, 0, 1, 0},
      {"minus infinite balance", {0, 364}, -kInfinity, 0.0, 0, 1, 0},
      {"range beyond the arrays", {369, 5000}, 284, 1.0, 0, 372, 10},
      {"range starting before the arrays", {-100, 5}, 284, 1.0, 0, 62, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Chart chart;
    chart.range = c.range;
    chart.balanceDay = 5;
    chart.predicted[0] = chart.predicted[5] = chart.predicted[369] = c.value;
    chart.Draw();
    EXPECT_DOUBLE_EQ(chart.scale.pixelsPerUnit, c.scale);
    EXPECT_EQ(chart.scale.zeroOffset, c.zeroOffset);
    EXPECT_EQ(cash_flow_chart::BarWidth(c.range), c.barWidth);
    EXPECT_EQ(GridLineYs(chart.canvas).size(), c.gridLines);
    for (const auto& bar : Bars(chart.canvas)) {
      EXPECT_GE(bar.rect.top, 87);
      EXPECT_LE(bar.rect.bottom, 371);
    }
  }
}

TEST(CashFlowChartTest, AScaleThatGivesTheGridNoPixelsDrawsNoGrid) {
  Chart chart;
  chart.fixedScale = true;
  chart.scale = {.pixelsPerUnit = 0.001, .zeroOffset = 100000, .gridStep = 100};
  chart.Draw();
  EXPECT_EQ(GridLineYs(chart.canvas), std::vector<int>{});
  // A zero offset beyond the span keeps the zero line at the top of the plot.
  EXPECT_TRUE(HasLine(chart.canvas, 102, 87, 482, 87, kBlack));
}

TEST(CashFlowChartTest, AllZeroBalancesDrawOnlyTheZeroLineAtTheBottom) {
  Chart chart;
  const CRecordingCanvas& canvas = chart.Draw();
  EXPECT_EQ(chart.scale.gridStep, 0u);
  EXPECT_TRUE(HasLine(canvas, 102, 371, 482, 371, kBlack));
  EXPECT_TRUE(HasLine(canvas, 86, 371, 98, 371, kBlack));
  EXPECT_TRUE(HasLine(canvas, 486, 371, 498, 371, kBlack));
  EXPECT_EQ(GridLineYs(canvas), std::vector<int>{});

  // "0.00" is 28 pixels wide and 14 high: it ends at 82 on the left and
  // starts at 502 on the right, its middle on the zero line.
  const auto labels = canvas.FindTexts("0.00");
  ASSERT_EQ(labels.size(), 2u) << canvas.Describe();
  EXPECT_EQ(labels[0]->x, 54);
  EXPECT_EQ(labels[1]->x, 502);
  for (const auto* label : labels) {
    EXPECT_EQ(label->y, 363);
    EXPECT_EQ(label->colour, kBlack);
  }
  for (const auto& text : canvas.Texts()) {
    EXPECT_EQ(text.Font(), kSmallFont) << text;
    EXPECT_EQ(text.background, kLightGrey) << text;
  }

  const auto bars = Bars(canvas);
  ASSERT_EQ(bars.size(), 2u * 365);
  for (const auto& bar : bars) EXPECT_EQ(bar.rect.Height(), 0) << bar.order;
  EXPECT_EQ(bars.front().rect, (PixelRect{106, 371, 107, 371}));
  EXPECT_EQ(bars.back().rect, (PixelRect{470, 371, 471, 371}));
}

TEST(CashFlowChartTest, GridLinesEveryStepWithBlueLabelsAboveZero) {
  struct Case {
    int decimals;
    const char* first;
    const char* last;
  };
  const Case cases[] = {{2, "100.00", "1,000.00"}, {0, "100", "1,000"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.decimals);
    Chart chart;
    chart.settings = WithDecimals(c.decimals);
    for (std::size_t day = 100; day < 365; ++day) chart.predicted[day] = 1000;
    const CRecordingCanvas& canvas = chart.Draw();
    EXPECT_EQ(chart.scale.gridStep, 100u);
    // 100 units are 28 pixels at 0.284 per unit.
    EXPECT_EQ(GridLineYs(canvas), (std::vector<int>{343, 315, 287, 259, 231, 203, 175, 147, 119, 91}));
    for (int y : GridLineYs(canvas)) {
      SCOPED_TRACE(y);
      EXPECT_TRUE(HasLine(canvas, 96, y, 86, y, kBlack));
      EXPECT_TRUE(HasLine(canvas, 488, y, 498, y, kBlack));
    }
    for (const char* text : {c.first, c.last}) {
      const auto labels = canvas.FindTexts(text);
      ASSERT_EQ(labels.size(), 2u) << text;
      const int y = std::string(text) == c.first ? 343 : 91;
      EXPECT_EQ(labels[0]->Right(), 82);
      EXPECT_EQ(labels[1]->x, 502);
      for (const auto* label : labels) {
        EXPECT_EQ(label->y, y - 8);
        EXPECT_EQ(label->colour, kBlue);
      }
    }
    for (const auto& text : canvas.Texts()) EXPECT_NE(text.colour, kRed) << text;
  }
}

TEST(CashFlowChartTest, AxisLabelsStayInsideTheirPanelsForAnyAmount) {
  const struct {
    double balance;
    const char* top;  // the label of the highest grid line
  } cases[] = {{1000, "1,000.00"}, {2e7, "20,000k"}, {3e12, "3,000G"}, {-3e12, "3,000G"}, {5e16, "50,000T"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.balance);
    Chart chart;
    for (std::size_t day = 0; day < 365; ++day) chart.predicted[day] = c.balance;
    const CRecordingCanvas& canvas = chart.Draw();
    ASSERT_FALSE(GridLineYs(canvas).empty());
    std::vector<std::string> left;
    for (const auto& text : canvas.Texts()) {
      if (text.Right() == 82) {
        EXPECT_GE(text.x, cash_flow_chart::kLeftLabels.left + 2) << text.text;
        left.push_back(text.text);
      }
      if (text.x == 502) {
        EXPECT_LE(text.Right(), cash_flow_chart::kRightLabels.right - 2) << text.text;
      }
    }
    EXPECT_EQ(std::count(left.begin(), left.end(), std::string(c.top)), 1) << ::testing::PrintToString(left);
  }
}

TEST(CashFlowChartTest, GridBelowZeroHasRedMagnitudeLabels) {
  Chart chart;
  for (std::size_t day = 0; day < 365; ++day) chart.actual[day] = -1000;
  const CRecordingCanvas& canvas = chart.Draw();
  // The zero line is at the top, the lowest value 284 pixels below it.
  EXPECT_TRUE(HasLine(canvas, 102, 87, 482, 87, kBlack));
  EXPECT_EQ(GridLineYs(canvas), (std::vector<int>{115, 143, 171, 199, 227, 255, 283, 311, 339, 367}));
  const auto labels = canvas.FindTexts("1,000.00");
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0]->y, 359);
  EXPECT_EQ(labels[0]->colour, kRed);
  EXPECT_EQ(canvas.TextsContaining("-"), std::vector<const CRecordingCanvas::TextOp*>{});
}

TEST(CashFlowChartTest, BarsRiseFromTheZeroLineWithTheShorterInFront) {
  struct Case {
    int day;
    double predicted;
    double actual;
    PixelRect behind;
    Rgb behindColour;
    PixelRect front;
    Rgb frontColour;
  };
  // February 1999: 13-pixel bars from x = 106; values from -142 to 142 give
  // a scale of 1 and the zero line at 371 - 142 = 229.
  const Case cases[] = {
      {31, 142, -50, {106, 87, 119, 229}, kDarkBlue, {106, 229, 119, 279}, kRed},
      {32, -100, 142, {119, 87, 132, 229}, kBlue, {119, 229, 132, 329}, kDarkRed},
      {33, -20, 20, {132, 229, 145, 249}, kDarkRed, {132, 209, 145, 229}, kBlue},
      {34, -142, 0, {145, 229, 158, 371}, kDarkRed, {145, 229, 158, 229}, kBlue},
      {35, 10.9, -10.9, {158, 219, 171, 229}, kDarkBlue, {158, 229, 171, 239}, kRed},
  };
  Chart chart;
  chart.range = kFebruary1999;
  for (const Case& c : cases) {
    chart.predicted[static_cast<std::size_t>(c.day)] = c.predicted;
    chart.actual[static_cast<std::size_t>(c.day)] = c.actual;
  }
  const auto bars = Bars(chart.Draw());
  ASSERT_EQ(bars.size(), 2u * 28);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.day);
    const std::size_t first = 2 * static_cast<std::size_t>(c.day - kFebruary1999.firstDay);
    EXPECT_EQ(bars[first].rect, c.behind);
    EXPECT_EQ(bars[first].fill, c.behindColour);
    EXPECT_EQ(bars[first].outline, c.behindColour);
    EXPECT_EQ(bars[first + 1].rect, c.front);
    EXPECT_EQ(bars[first + 1].fill, c.frontColour);
  }
}

TEST(CashFlowChartTest, MonthTicksMarkEachMonthStartInTheRangeAndTheOneAfter) {
  struct Case {
    const char* name;
    DayRange range;
    int year;
    std::size_t count;                // of all month labels
    std::vector<std::string> labels;  // the first ones
    std::vector<int> xs;
  };
  const Case cases[] = {
      {"February 1999", kFebruary1999, 1999, 2, {"02", "03"}, {106, 106 + 28 * 13}},
      {"June 1999", {151, 180}, 1999, 2, {"06", "07"}, {106, 106 + 30 * 12}},
      {"first quarter 2000", {0, 90}, 2000, 4, {"01", "02", "03", "04"}, {106, 230, 346, 470}},
      {"1999",
       kYear1999,
       1999,
       12,
       {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"},
       {106, 137, 165, 196, 226, 257, 287, 318, 349, 379, 410, 440}},
      {"2000", {0, 365}, 2000, 12, {"01", "02", "03"}, {106, 137, 166}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Chart chart;
    chart.range = c.range;
    chart.year = c.year;
    const CRecordingCanvas& canvas = chart.Draw();
    const auto labels = canvas.TextsOnRow(387);
    ASSERT_EQ(labels.size(), c.count) << canvas.Describe();
    for (std::size_t i = 0; i < c.labels.size(); ++i) {
      SCOPED_TRACE(c.labels[i]);
      EXPECT_EQ(labels[i]->text, c.labels[i]);
      EXPECT_EQ(labels[i]->x, c.xs[i] - 7);  // two 7-pixel digits centred
      EXPECT_EQ(labels[i]->colour, kBlack);
      EXPECT_TRUE(HasLine(canvas, c.xs[i], 379, c.xs[i], 383, kBlack));
    }
  }
}

TEST(CashFlowChartTest, BalanceDateBandOnlyWhenTheDateIsInTheRange) {
  struct Case {
    const char* name;
    DayRange range;
    int balanceDay;
    std::vector<int> xs;
  };
  const Case cases[] = {
      {"in February", kFebruary1999, 40, {223, 224, 225, 226, 227, 228, 229, 230, 231, 232, 233, 234, 235}},
      {"last day of the range", {58, 58}, 58, std::vector<int>(372, 0)},
      {"whole year", kYear1999, 165, {271}},
      {"before the range", kFebruary1999, 30, {}},
      {"after the range", kFebruary1999, 59, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Chart chart;
    chart.range = c.range;
    chart.balanceDay = c.balanceDay;
    std::vector<int> expected = c.xs;
    if (expected.size() == 372) {
      for (std::size_t i = 0; i < expected.size(); ++i) expected[i] = 106 + static_cast<int>(i);
    }
    EXPECT_EQ(YellowLineXs(chart.Draw()), expected);
  }
}

TEST(CashFlowChartTest, PanelsAreFramedSunkenInsideTheRaisedChartBox) {
  Chart chart;
  const CRecordingCanvas& canvas = chart.Draw();
  ASSERT_GE(canvas.Rectangles().size(), 2u);
  EXPECT_EQ(canvas.Rectangles()[0].order, 0u);
  EXPECT_EQ(canvas.Rectangles()[0].rect, cash_flow_chart::kChartBox);
  EXPECT_EQ(canvas.Rectangles()[0].outline, kBlack);
  EXPECT_EQ(canvas.Rectangles()[0].fill, kLightGrey);
  EXPECT_EQ(canvas.Rectangles()[1].rect, (PixelRect{11, 76, 575, 470}));
  EXPECT_EQ(canvas.Rectangles()[1].outline, kDarkGrey);
  for (const PixelRect& r : {cash_flow_chart::kLeftLabels, cash_flow_chart::kPlotArea, cash_flow_chart::kRightLabels,
                             cash_flow_chart::kMonthStrip, cash_flow_chart::kMonthButtonPanel}) {
    SCOPED_TRACE(r.left);
    EXPECT_TRUE(HasLine(canvas, r.left, r.bottom, r.left, r.top, kDarkGrey));
    EXPECT_TRUE(HasLine(canvas, r.left, r.top, r.right, r.top, kDarkGrey));
    EXPECT_TRUE(HasLine(canvas, r.right, r.top, r.right, r.bottom, kWhite));
    EXPECT_TRUE(HasLine(canvas, r.right, r.bottom, r.left, r.bottom, kWhite));
  }
}

}  // namespace
}  // namespace purso
