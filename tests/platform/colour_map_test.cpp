#include "platform/colour_map.h"

#include <gtest/gtest.h>

#include "platform/colour_mapped_canvas.h"
#include "platform/zoomed_canvas.h"
#include "support/recording_canvas.h"
#include "support/test_palettes.h"

namespace purso {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGrey{204, 204, 204};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

TEST(ColourMapTest, ContrastIsTheWcagRatioOfLuminances) {
  EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, kWhite), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(kGrey, kGrey), 1.0);
  EXPECT_NEAR(ContrastRatio(kWhite, kRed), 4.00, 0.005);
  EXPECT_NEAR(ContrastRatio(kBlue, kGrey), 5.35, 0.005);
  EXPECT_FALSE(IsDark(test::kLightPalette));
  EXPECT_TRUE(IsDark(test::kDarkPalette));
}

TEST(ColourMapTest, AColourMovesOnlyAsFarAsItsContrastNeeds) {
  struct Case {
    Rgb colour;
    Rgb background;
    double minimum;
    Rgb shown;
  };
  const Case cases[] = {
      {kBlue, kGrey, 4.5, kBlue},       // enough already
      {kRed, kGrey, 4.5, {178, 0, 0}},  // darkened on light
      {kRed, kWhite, 4.5, {238, 0, 0}},
      {kRed, kGrey, 7.0, {124, 0, 0}},
      {kBlue, {68, 68, 68}, 4.5, {168, 168, 255}},  // lightened on dark
      {{40, 140, 255}, {68, 68, 68}, 7.0, {193, 222, 255}},
      {kWhite, kWhite, 4.5, {118, 118, 118}},
  };
  for (const Case& c : cases) {
    const Rgb shown = WithContrast(c.colour, c.background, c.minimum);
    EXPECT_EQ(shown, c.shown);
    EXPECT_GE(ContrastRatio(shown, c.background), c.minimum);
  }
}

TEST(ColourMapTest, AMappedCanvasDrawsInTheMapsColoursAndTheRestAsDrawn) {
  CColourMap map;
  map.Set(kGrey, kBlack).Set(kRed, kBlue).Set(kRed, kWhite);
  test::CRecordingCanvas recording;
  CColourMappedCanvas canvas(recording, map);
  canvas.Rectangle({0, 0, 4, 4}, kRed, kGrey);
  canvas.Line(0, 0, 3, 0, kBlue);
  canvas.Text(1, 2, "ab", {"Verdana", 8.8}, kRed, kGrey);
  EXPECT_EQ(canvas.TextWidth("ab", {"Verdana", 8.8}), 14);
  EXPECT_EQ(recording.Describe(),
            "#0 rectangle [0, 0 .. 4, 4) outline rgb(255, 255, 255) fill rgb(0, 0, 0)\n"
            "#1 line (0, 0) to (3, 0) rgb(0, 0, 255)\n"
            "#2 text \"ab\" at (1, 2) width 14 in Verdana 8.8 colour rgb(255, 255, 255) on rgb(0, 0, 0)\n");
}

TEST(ZoomedCanvasTest, ShapesCoverTheirZoomedPixelsAndTextsMeasureInDrawingPixels) {
  test::CRecordingCanvas recording;
  recording.SetMetrics("Verdana", 13.2, {10, 21});
  CZoomedCanvas canvas(recording, 2.0, 1.5);
  canvas.Rectangle({10, 10, 20, 14}, kBlack, kGrey);
  canvas.Line(10, 20, 14, 20, kRed);  // across: x 10 to 13
  canvas.Line(5, 9, 5, 3, kBlue);     // up: y 9 down to 4
  canvas.Line(0, 0, 3, 3, kBlack);    // slanted: one surface pixel wide
  canvas.Text(7, 8, "12", {"Verdana", 8.8}, kBlack, kGrey);
  EXPECT_EQ(canvas.TextWidth("12", {"Verdana", 8.8}), 10);  // 20 surface pixels
  EXPECT_EQ(canvas.TextHeight({"Verdana", 8.8}), 14);       // 21 surface pixels
  EXPECT_EQ(recording.Describe(),
            "#0 rectangle [20, 15 .. 40, 21) outline rgb(0, 0, 0) fill rgb(0, 0, 0)\n"
            "#1 rectangle [22, 17 .. 38, 20) outline rgb(204, 204, 204) fill rgb(204, 204, 204)\n"
            "#2 rectangle [20, 30 .. 28, 32) outline rgb(255, 0, 0) fill rgb(255, 0, 0)\n"
            "#3 rectangle [10, 6 .. 12, 15) outline rgb(0, 0, 255) fill rgb(0, 0, 255)\n"
            "#4 line (0, 0) to (6, 5) rgb(0, 0, 0)\n"
            "#5 text \"12\" at (14, 12) width 20 in Verdana 13.2 colour rgb(0, 0, 0) on rgb(204, 204, 204)\n");

  test::CRecordingCanvas direct;
  test::CRecordingCanvas unzoomed;
  CZoomedCanvas once(unzoomed, 1.0, 0.5);  // below 1 counts as 1
  for (ICanvas* canvas : {static_cast<ICanvas*>(&direct), static_cast<ICanvas*>(&once)}) {
    canvas->Rectangle({10, 10, 20, 14}, kBlack, kGrey);
    canvas->Line(10, 20, 14, 20, kRed);
    canvas->Text(7, 8, "12", {"Verdana", 8.8}, kBlack, kGrey);
  }
  EXPECT_EQ(unzoomed.Describe(), direct.Describe());
}

}  // namespace
}  // namespace purso
