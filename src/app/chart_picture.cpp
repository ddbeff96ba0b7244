#include "app/chart_picture.h"

#include <cstdio>

#include "data/translation.h"
#include "platform/svg_canvas.h"

namespace purso::chart_picture {
namespace {

using namespace view_style;

std::string TwoDigits(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", number);
  return text;
}

std::string MonthsCaption(CpursoPXFView& view) {
  return Filled(Translate("ChartPicture", kMonthsCaption),
                {std::to_string(view.Document().Book().GetYear()), TwoDigits(view.FromMonth() + 1),
                 TwoDigits(view.ToMonth() + 1)});
}

// The text, cut short with "..." where it is wider than room.
std::string Fitted(ICanvas& canvas, std::string text, const FontSpec& font, int room) {
  if (canvas.TextWidth(text, font) <= room) return text;
  while (!text.empty() && canvas.TextWidth(text + "...", font) > room) text.pop_back();
  return text + "...";
}

void Centred(ICanvas& canvas, int y, const std::string& text, const FontSpec& font, Rgb colour) {
  const PixelRect& panel = cash_flow_chart::kMonthButtonPanel;
  const int x = panel.left + (panel.Width() - canvas.TextWidth(text, font)) / 2;
  canvas.Text(x, y, text, font, colour, kLightGrey);
}

}  // namespace

void Draw(ICanvas& canvas, CpursoPXFView& view, std::string_view accountName) {
  canvas.Rectangle(kArea, kWhite, kWhite);
  view.PaintChart(canvas);
  // The caption stands where the view's month buttons stand.
  const PixelRect& panel = cash_flow_chart::kMonthButtonPanel;
  const int nameHeight = canvas.TextHeight(kLargeFont);
  const int captionHeight = canvas.TextHeight(kSmallFont);
  const int top = panel.top + (panel.Height() - nameHeight - captionHeight - 4) / 2;
  Centred(canvas, top, Fitted(canvas, std::string(accountName), kLargeFont, panel.Width() - 12), kLargeFont, kBlack);
  Centred(canvas, top + nameHeight + 4, MonthsCaption(view), kSmallFont, kBlack);
}

std::string Svg(CpursoPXFView& view, std::string_view accountName, int width, int height) {
  CSvgCanvas canvas(kArea, width, height);
  Draw(canvas, view, accountName);
  return canvas.Document();
}

}  // namespace purso::chart_picture
