#include "app/cash_flow_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "data/calendar.h"
#include "text/amount_text.h"

namespace purso {

namespace view_style {

void DrawPanelBox(ICanvas& canvas, const PixelRect& box) {
  canvas.Rectangle(box, kBlack, kLightGrey);
  canvas.Rectangle(PixelRect{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, kDarkGrey, kLightGrey);
}

void DrawSunkenFrame(ICanvas& canvas, const PixelRect& frame) {
  canvas.Line(frame.left, frame.bottom, frame.left, frame.top, kDarkGrey);
  canvas.Line(frame.left, frame.top, frame.right, frame.top, kDarkGrey);
  canvas.Line(frame.right, frame.top, frame.right, frame.bottom, kWhite);
  canvas.Line(frame.right, frame.bottom, frame.left, frame.bottom, kWhite);
}

}  // namespace view_style

namespace cash_flow_chart {
namespace {

using namespace view_style;

constexpr int kLastSlot = static_cast<int>(CYearLedger::kBalanceSlots) - 1;

// Far beyond the canvas, yet small enough that sums of a few such values
// stay within an int.
constexpr int kPixelLimit = 1 << 20;
// Grid steps are whole amounts; above 2^53 a double no longer holds every
// whole number.
constexpr double kStepLimit = 9007199254740992.0;

// Pixels from a real value, truncated toward zero; NaN gives 0 and the
// infinities the limit.
int TruncatePixels(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::trunc(std::clamp(value, -double{kPixelLimit}, double{kPixelLimit})));
}

std::uint64_t TruncateStep(double value) {
  if (!(value >= 1.0)) return 0;
  return static_cast<std::uint64_t>(std::min(value, kStepLimit));
}

// The grid step's unit, 10000 / 10^decimals truncated: 10000 for no
// decimals, 1 for four, 0 beyond. Fewer than no decimals count as none.
std::uint64_t GridUnit(int decimals) {
  std::uint64_t unit = 10000;
  for (int i = 0; i < decimals && unit != 0; ++i) unit /= 10;
  return unit;
}

// The range limited to the slots of the arrays; lastDay < firstDay when no
// day is charted.
DayRange Charted(DayRange range) {
  DayRange charted;
  charted.firstDay = std::clamp(range.firstDay, 0, kLastSlot + 1);
  charted.lastDay = std::min(range.lastDay, kLastSlot);
  if (charted.lastDay < charted.firstDay) charted.lastDay = charted.firstDay - 1;
  return charted;
}

bool IsEmpty(DayRange range) { return range.lastDay < range.firstDay; }

// The day index of the first of a month, as DayIndex would give it.
int MonthStart(int year, int month) { return IsValidDate(year, month, 1) ? DayOfYear(year, month, 1) - 1 : 0; }

// Room for a y-axis label: from the left panel's inner edge to the end of
// its labels at x 82, and from the start of the right labels at x 502 to its
// panel's inner edge.
constexpr int kLabelRoom = 82 - (kLeftLabels.left + 2);
static_assert(kLabelRoom == (kRightLabels.right - 2) - 502);

class CChartPainter {
 public:
  CChartPainter(ICanvas& canvas, const Picture& picture)
      : canvas_(canvas),
        picture_(picture),
        range_(Charted(picture.range)),
        barWidth_(BarWidth(picture.range)),
        zeroY_(kBottomValueY - std::clamp(picture.scale.zeroOffset, 0, kVerticalSpan)),
        labelRise_(canvas.TextHeight(kSmallFont) / 2 + 1) {}

  void Paint() {
    DrawPanelBox(canvas_, kChartBox);
    DrawSunkenFrame(canvas_, kLeftLabels);
    DrawSunkenFrame(canvas_, kRightLabels);
    DrawSunkenFrame(canvas_, kPlotArea);
    if (picture_.scale.gridStep != 0) Grid();
    for (int day = range_.firstDay; day <= range_.lastDay; ++day) Bars(day);
    ZeroLine();
    DrawSunkenFrame(canvas_, kMonthStrip);
    MonthTicks();
    DrawSunkenFrame(canvas_, kMonthButtonPanel);
    BalanceDateBand();
  }

 private:
  // Left edge of a day's bars, counted from the plot area's inner margin.
  int DayX(int day) const { return kPlotArea.left + kMargin + (day - range_.firstDay) * barWidth_; }

  std::string Amount(double amount) const { return FormatAmountPlain(picture_.settings, amount); }

  // The grid's labels are written in one form, the one in which the widest
  // fits its panel.
  std::string Label(double amount, const AmountForm& form) const {
    return FormatAmountIn(picture_.settings, amount, form, AmountSymbol::kLeftOut);
  }

  AmountForm FormFor(double widest) {
    return FittingAmountForm(picture_.settings, widest, AmountSymbol::kLeftOut, [&](const std::string& text) {
      return canvas_.TextWidth(text, kSmallFont) <= kLabelRoom;
    });
  }

  // A y-axis label whose vertical middle is at y: right-aligned to end at
  // right.
  void LabelEndingAt(int right, int y, const std::string& text, Rgb colour) {
    canvas_.Text(right - canvas_.TextWidth(text, kSmallFont), y - labelRise_, text, kSmallFont, colour, kLightGrey);
  }

  void GridLine(int y, double value, Rgb labelColour, const AmountForm& form) {
    canvas_.Line(kPlotArea.left + 2, y, kPlotArea.right - 2, y, kBlack);
    canvas_.Line(96, y, 86, y, kBlack);
    canvas_.Line(488, y, 498, y, kBlack);
    const std::string text = Label(value, form);
    // The right label starts at 502, in the right label panel, as the zero
    // line's does; ending there would put it over the plot.
    LabelEndingAt(82, y, text, labelColour);
    canvas_.Text(502, y - labelRise_, text, kSmallFont, labelColour, kLightGrey);
  }

  void Grid() {
    const double step = static_cast<double>(picture_.scale.gridStep);
    const int pixels = TruncatePixels(step * picture_.scale.pixelsPerUnit);
    // A step that rounds to no pixel (or runs the wrong way) would never
    // leave the plot.
    if (pixels <= 0) return;
    // The widest label is that of the line furthest from zero.
    double widest = 0.0;
    for (double value = step, y = zeroY_ + pixels; y < kBottomValueY; y += pixels, value += step) widest = value;
    for (double value = step, y = zeroY_ - pixels; y > kTopValueY; y -= pixels, value += step) {
      widest = std::max(widest, value);
    }
    const AmountForm form = FormFor(widest);
    // Below zero the labels are magnitudes; their red marks them negative.
    double value = step;
    for (int y = zeroY_ + pixels; y < kBottomValueY; y += pixels, value += step) GridLine(y, value, kRed, form);
    value = step;
    for (int y = zeroY_ - pixels; y > kTopValueY; y -= pixels, value += step) GridLine(y, value, kBlue, form);
  }

  void Bar(int day, int height, Rgb colour) {
    const int x = DayX(day);
    const int end = zeroY_ - height;
    canvas_.Rectangle(PixelRect{x, std::min(zeroY_, end), x + barWidth_, std::max(zeroY_, end)}, colour, colour);
  }

  void Bars(int day) {
    const double scale = picture_.scale.pixelsPerUnit;
    const std::size_t slot = static_cast<std::size_t>(day);
    const int budget = TruncatePixels(picture_.predicted[slot] * scale);
    const int actual = TruncatePixels(picture_.actual[slot] * scale);
    const bool showBudget = picture_.budgetBars == BarShown::kShown;
    const bool showActual = picture_.actualBars == BarShown::kShown;
    const auto budgetBar = [&] {
      if (showBudget) Bar(day, budget, budget >= 0 ? kDarkBlue : kDarkRed);
    };
    const auto actualBar = [&] {
      if (showActual) Bar(day, actual, actual >= 0 ? kBlue : kRed);
    };
    // The shorter bar goes in front, so that both stay visible.
    if (std::abs(budget) < std::abs(actual)) {
      actualBar();
      budgetBar();
    } else {
      budgetBar();
      actualBar();
    }
  }

  void ZeroLine() {
    canvas_.Line(kPlotArea.left, zeroY_, kPlotArea.right, zeroY_, kBlack);
    const std::string text = Amount(0.0);
    canvas_.Line(86, zeroY_, 98, zeroY_, kBlack);
    LabelEndingAt(82, zeroY_, text, kBlack);
    canvas_.Line(486, zeroY_, 498, zeroY_, kBlack);
    canvas_.Text(502, zeroY_ - labelRise_, text, kSmallFont, kBlack, kLightGrey);
  }

  void MonthTicks() {
    if (IsEmpty(range_)) return;
    for (int month = 1; month <= 12; ++month) {
      const int start = MonthStart(picture_.year, month);
      // The month after the range still gets its tick, at the right end.
      if (start < range_.firstDay || start > range_.lastDay + 1) continue;
      const int x = DayX(start);
      canvas_.Line(x, kPlotArea.bottom, x, kMonthStrip.top, kBlack);
      char label[16];
      std::snprintf(label, sizeof label, "%02u", static_cast<unsigned>(month));
      canvas_.Text(x - canvas_.TextWidth(label, kSmallFont) / 2, 387, label, kSmallFont, kBlack, kLightGrey);
    }
  }

  void BalanceDateBand() {
    const int day = picture_.balanceDay;
    if (IsEmpty(range_) || day < range_.firstDay || day > range_.lastDay) return;
    const int left = kPlotArea.left + (day - range_.firstDay) * barWidth_ + kMargin;
    for (int i = 0; i < barWidth_; ++i) canvas_.Line(left + i, 83, left + i, 375, kYellow);
  }

  ICanvas& canvas_;
  const Picture& picture_;
  const DayRange range_;
  const int barWidth_;
  const int zeroY_;
  const int labelRise_;  // from a label's vertical middle up to its top
};

}  // namespace

Scale Rescale(const BalanceArray& predicted, const BalanceArray& actual, DayRange range, int decimals) {
  const DayRange charted = Charted(range);
  double minimum = 0.0;
  double maximum = 0.0;
  for (int day = charted.firstDay; day <= charted.lastDay; ++day) {
    const std::size_t slot = static_cast<std::size_t>(day);
    for (const double value : {predicted[slot], actual[slot]}) {
      // Written so that NaN takes part in neither.
      if (value < minimum) minimum = value;
      if (value > maximum) maximum = value;
    }
  }
  Scale scale;
  const double span = maximum - minimum;
  // An infinite span gives a scale of 0: nothing has a height.
  scale.pixelsPerUnit = span == 0.0 ? 1.0 : kVerticalSpan / span;
  scale.zeroOffset = TruncatePixels(scale.pixelsPerUnit * std::fabs(minimum));
  const std::uint64_t tenth = TruncateStep(span * 0.1);
  const std::uint64_t unit = GridUnit(decimals);
  scale.gridStep = unit != 0 && unit < tenth ? unit * (tenth / unit) : tenth;
  return scale;
}

int BarWidth(DayRange range) {
  const DayRange charted = Charted(range);
  if (IsEmpty(charted)) return 0;
  return kHorizontalSpan / (charted.lastDay - charted.firstDay + 1);
}

void Draw(ICanvas& canvas, const Picture& picture) { CChartPainter(canvas, picture).Paint(); }

}  // namespace cash_flow_chart
}  // namespace purso
