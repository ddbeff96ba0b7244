// The cash flow chart of the account view: a day-by-day bar chart of the
// year's predicted and actual balances over a range of whole months.
//
// For every charted day two bars rise or fall from a common zero line, the
// shorter one in front; amount labels stand on both sides of the plot, the
// month numbers below it, and a yellow band marks the balance date. Rescale
// derives the chart's geometry from the balances and the range; Draw paints
// the chart box, its framed panels and their contents from that geometry on
// every paint, so no image of the chart is kept.
//
// All positions are pixels of the account view's canvas. Both functions
// accept any input without undefined behaviour: a range that ends before it
// starts charts no day, days outside the balance arrays are never read, and
// balances that are not finite numbers give no bar height and no grid
// rather than overflowing.
#pragma once

#include <cstdint>

#include "data/display_settings.h"
#include "data/year_ledger.h"
#include "platform/canvas.h"

namespace purso {

// The drawing resources the account view and its chart share.
namespace view_style {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kDarkBlue{0, 0, 187};
inline constexpr Rgb kDarkGrey{85, 85, 85};
inline constexpr Rgb kDarkRed{187, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kLightGrey{204, 204, 204};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kYellow{255, 255, 0};

inline constexpr FontSpec kLargeFont{"Verdana", 12.7};
inline constexpr FontSpec kSmallFont{"Verdana", 8.8};

// A raised box: filled light grey, outlined black, with a dark grey outline
// one pixel inside.
void DrawPanelBox(ICanvas& canvas, const PixelRect& box);
// A sunken frame on the rectangle's edges: dark grey up the left edge and
// along the top, white down the right edge and back along the bottom.
void DrawSunkenFrame(ICanvas& canvas, const PixelRect& frame);
}  // namespace view_style

namespace cash_flow_chart {

using BalanceArray = CYearLedger::BalanceArray;

// Fixed geometry (left, top, right, bottom).
inline constexpr int kMargin = 4;
inline constexpr PixelRect kChartBox{10, 75, 576, 471};
inline constexpr PixelRect kLeftLabels{14, 79, 98, 379};
inline constexpr PixelRect kPlotArea{102, 79, 482, 379};
inline constexpr PixelRect kRightLabels{486, 79, 570, 379};
inline constexpr PixelRect kMonthStrip{90, 383, 496, 405};
inline constexpr PixelRect kMonthButtonPanel{108, 409, 476, 465};
// The pixels the lowest and the highest value lie apart, and the width all
// the charted days' bars share.
inline constexpr int kVerticalSpan = 284;
inline constexpr int kHorizontalSpan = 372;
// The lowest value lies at this y, the highest at kTopValueY.
inline constexpr int kBottomValueY = kPlotArea.bottom - 2 * kMargin;  // 371
inline constexpr int kTopValueY = kBottomValueY - kVerticalSpan;      // 87

// The charted days, as day indices, both included.
struct DayRange {
  int firstDay = 0;
  int lastDay = 0;
};

// The chart's vertical geometry.
struct Scale {
  double pixelsPerUnit = 1.0;  // pixels per unit of amount
  // Pixels from the lowest drawn value up to the zero line, 0..kVerticalSpan;
  // Draw takes a value beyond that as the nearer end, keeping the zero line
  // in the plot.
  int zeroOffset = 0;
  std::uint64_t gridStep = 0;  // amount units between grid lines; 0 = no grid
};

// Scales the chart so that the range's lowest value (0 at most) lies at
// kBottomValueY and its highest (0 at least) at kTopValueY; the grid step is
// a tenth of the span, rounded down to a whole multiple of 10000 smallest
// shown units when it is larger than that. decimals is the number of
// decimals amounts are shown with. Balances that are NaN are passed over.
Scale Rescale(const BalanceArray& predicted, const BalanceArray& actual, DayRange range, int decimals);

// Width of one day's bars: the horizontal span shared by the range's days;
// 0 for a range that charts no day.
int BarWidth(DayRange range);

// Which bars are drawn.
enum class BarShown : std::uint8_t {
  kHidden,
  kShown,
};

// Everything one drawing of the chart needs. The arrays and the settings
// are borrowed for the call.
struct Picture {
  const BalanceArray& predicted;
  const BalanceArray& actual;
  DayRange range;
  BarShown budgetBars = BarShown::kShown;  // the predicted balances
  BarShown actualBars = BarShown::kShown;
  int balanceDay = 0;                // day index of the balance date
  int year = 0;                      // the ledger's year, for the days the months begin on
  const CDisplaySettings& settings;  // amount labels are written by them
  Scale scale;
};

// Draws the chart box and everything in it, and the frames of the month
// strip and of the month button panel, in the small font on light grey.
void Draw(ICanvas& canvas, const Picture& picture);

}  // namespace cash_flow_chart
}  // namespace purso
