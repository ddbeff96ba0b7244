#include "app/view_colours.h"

#include <gtest/gtest.h>

#include "app/cash_flow_chart.h"
#include "support/test_palettes.h"

namespace purso {
namespace {

using namespace view_style;

// Which of red, green and blue a colour holds most of, by a clear margin.
char Hue(Rgb colour) {
  if (colour.red > colour.green + 60 && colour.red > colour.blue + 60) return 'r';
  if (colour.blue > colour.red + 60 && colour.blue > colour.green + 20) return 'b';
  return '?';
}

TEST(ViewColoursTest, MoneyInAndOutKeepTheirColourAndContrastInBothPalettes) {
  for (const DesktopPalette& palette : {test::kLightPalette, test::kDarkPalette}) {
    SCOPED_TRACE(IsDark(palette) ? "dark" : "light");
    const CColourMap colours = ViewColours(palette);
    const Rgb panel = colours(kLightGrey);
    for (const auto& [designed, hue] :
         {std::pair{kBlue, 'b'}, std::pair{kDarkBlue, 'b'}, std::pair{kRed, 'r'}, std::pair{kDarkRed, 'r'}}) {
      EXPECT_GE(ContrastRatio(colours(designed), panel), kTextContrast);
      EXPECT_EQ(Hue(colours(designed)), hue);
    }
    // The predicted bar stays apart from the actual one in front of it.
    EXPECT_GE(ContrastRatio(colours(kBlue), colours(kDarkBlue)), 1.3);
    EXPECT_GE(ContrastRatio(colours(kRed), colours(kDarkRed)), 1.3);
    EXPECT_GE(ContrastRatio(colours(kBlack), panel), kTextContrast);
    EXPECT_EQ(IsDark(palette), RelativeLuminance(panel) < 0.2);
  }
}

TEST(ViewColoursTest, ALightPaletteDrawsAsDesignedButForTheReds) {
  const CColourMap colours = ViewColours(test::kLightPalette);
  for (const Rgb unchanged : {kBlack, kDarkBlue, kDarkGrey, kBlue, kLightGrey, kWhite, kYellow}) {
    EXPECT_EQ(colours(unchanged), unchanged);
  }
  EXPECT_EQ(colours(kRed), (Rgb{178, 0, 0}));
  EXPECT_EQ(colours(kDarkRed), (Rgb{124, 0, 0}));
}

}  // namespace
}  // namespace purso
