#include "app/view_colours.h"

#include "app/cash_flow_chart.h"

namespace purso {

CColourMap ViewColours(const DesktopPalette& palette) {
  using namespace view_style;
  CColourMap colours;
  Rgb panel = kLightGrey;
  Rgb blue = kBlue;
  Rgb red = kRed;
  const bool dark = IsDark(palette);
  if (dark) {
    // Panels a shade lighter than the window, so that they stand out from
    // the space between them as the light grey ones do.
    panel = Mix(palette.window, palette.windowText, 0.08);
    colours.Set(kLightGrey, panel)
        .Set(kBlack, palette.windowText)
        .Set(kWhite, palette.light)
        .Set(kDarkGrey, palette.dark);
    // Pure blue and red are so dark that lightening them to a contrast on a
    // dark panel greys them; these lighter shades of the two lift cleanly.
    blue = Rgb{40, 140, 255};
    red = Rgb{255, 60, 60};
  }
  colours.Set(kBlue, WithContrast(blue, panel, kTextContrast))
      .Set(kRed, WithContrast(red, panel, kTextContrast))
      .Set(kDarkBlue, WithContrast(dark ? blue : kDarkBlue, panel, kStrongContrast))
      .Set(kDarkRed, WithContrast(dark ? red : kDarkRed, panel, kStrongContrast));
  return colours;
}

}  // namespace purso
