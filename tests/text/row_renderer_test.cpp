#include "text/row_renderer.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "support/recording_canvas.h"
#include "support/test_palettes.h"

namespace purso {
namespace {

using namespace std::string_literals;
using test::CRecordingCanvas;

constexpr int kRight = 480;

// What one drawn text looked like.
struct Drawn {
  std::string text;
  int x = 0;
  int y = 0;
  Rgb colour;
  Rgb background;

  friend bool operator==(const Drawn&, const Drawn&) = default;
};

void PrintTo(const Drawn& drawn, std::ostream* out) {
  *out << "\"" << drawn.text << "\" at (" << drawn.x << ", " << drawn.y << ") ";
  PrintTo(drawn.colour, out);
  *out << " on ";
  PrintTo(drawn.background, out);
}

// Draws the row from a heap block of exactly its size, so that a read past
// its end is caught by the address sanitizer.
std::vector<Drawn> Draw(CRecordingCanvas& canvas, std::string_view row, int left = 0, int top = 0,
                        RowState state = RowState::kNormal) {
  const auto bytes = std::make_unique<char[]>(row.size());
  row.copy(bytes.get(), row.size());
  DrawListRow(canvas, std::string_view(bytes.get(), row.size()), left, top, kRight, state);
  std::vector<Drawn> drawn;
  for (const auto& op : canvas.Texts()) drawn.push_back({op.text, op.x, op.y, op.colour, op.background});
  return drawn;
}

std::vector<Drawn> Draw(std::string_view row, int left = 0, int top = 0, RowState state = RowState::kNormal) {
  CRecordingCanvas canvas;
  return Draw(canvas, row, left, top, state);
}

TEST(RowRendererTest, RightAlignedRedAmountEndsAtEndPlusTwo) {
  CRecordingCanvas canvas;
  Draw(canvas, "%140!210!RR%-12.50%000!000!SB%");
  ASSERT_EQ(1u, canvas.Rectangles().size());
  const auto& background = canvas.Rectangles()[0];
  EXPECT_EQ(0u, background.order);
  EXPECT_EQ((PixelRect{0, 0, kRight, 13}), background.rect);
  EXPECT_EQ(kListWhite, background.outline);
  EXPECT_EQ(kListWhite, background.fill);

  ASSERT_EQ(1u, canvas.Texts().size());
  const auto& amount = canvas.Texts()[0];
  EXPECT_EQ("-12.50", amount.text);
  EXPECT_EQ(212, amount.Right());
  EXPECT_EQ(0, amount.y);
  EXPECT_EQ(kListRed, amount.colour);
  EXPECT_EQ(kListWhite, amount.background);
  EXPECT_EQ(kListFont, amount.Font());
}

TEST(RowRendererTest, HidesSortKeyAndIdAndCountsFromTheRowsEdge) {
  const std::string row = "%000!035!LB%|0315|15/03@00000007@%040!095!RB%20.00%100|200|LB%Food%000!000!SB%";
  for (const auto& [left, top] : {std::pair{0, 0}, std::pair{30, 26}}) {
    SCOPED_TRACE("row at " + std::to_string(left) + ", " + std::to_string(top));
    CRecordingCanvas canvas;
    Draw(canvas, row, left, top);
    EXPECT_EQ((std::vector<std::string>{"15/03", "20.00", "Food"}), canvas.TextStrings());
    ASSERT_EQ(1u, canvas.Rectangles().size());
    EXPECT_EQ((PixelRect{left, top, kRight, top + 13}), canvas.Rectangles()[0].rect);
    ASSERT_NE(nullptr, canvas.FindText("20.00"));
    EXPECT_EQ(left + 2, canvas.FindText("15/03")->x);
    EXPECT_EQ(left + 97, canvas.FindText("20.00")->Right());
    EXPECT_EQ(kListNavy, canvas.FindText("20.00")->colour);
    EXPECT_EQ(left + 102, canvas.FindText("Food")->x);
    EXPECT_EQ(3u, canvas.TextsOnRow(top).size());
  }
}

TEST(RowRendererTest, SeparatorsAreNotRead) {
  EXPECT_EQ(Draw("%100!200!LB%Food%000!000!SB%"), Draw("%100|200|LB%Food%000!000!SB%"));
  EXPECT_EQ(Draw("%310!390!RR%5.00%000!000!SB%"), Draw("%310!390|RR%5.00%000!000!SB%"));
  EXPECT_EQ(Draw("%310!390!RR%5.00%000!000!SB%"), Draw("%310?390#RR%5.00%000!000!SB%"));
}

TEST(RowRendererTest, SelectionTurnsNormalColumnsWhiteOnNavyButRedStaysRed) {
  const std::string row = "%000!135!LB%Food%140!210!RR%-12.50%000!000!SB%";
  EXPECT_EQ((std::vector<Drawn>{{"Food", 2, 0, kListNavy, kListWhite}, {"-12.50", 176, 0, kListRed, kListWhite}}),
            Draw(row, 0, 0, RowState::kNormal));
  CRecordingCanvas canvas;
  EXPECT_EQ((std::vector<Drawn>{{"Food", 2, 0, kListWhite, kListNavy}, {"-12.50", 176, 0, kListRed, kListNavy}}),
            Draw(canvas, row, 0, 0, RowState::kSelected));
  ASSERT_EQ(1u, canvas.Rectangles().size());
  EXPECT_EQ(kListNavy, canvas.Rectangles()[0].outline);
  EXPECT_EQ(kListNavy, canvas.Rectangles()[0].fill);
}

TEST(RowRendererTest, OnlyLAlignsLeftAndOnlyBIsTheNormalColour) {
  struct Case {
    std::string_view layout;
    int x;
    Rgb colour;
  };
  // "Food" is 24 pixels wide: right-aligned at 100 it starts at 78.
  const Case cases[] = {
      {"%020!100!LB%", 22, kListNavy}, {"%020!100!RB%", 78, kListNavy}, {"%020!100!SB%", 78, kListNavy},
      {"%020!100!lB%", 78, kListNavy}, {"%020!100!LR%", 22, kListRed},  {"%020!100!Lb%", 22, kListRed},
      {"%020!100!LX%", 22, kListRed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.layout));
    EXPECT_EQ((std::vector<Drawn>{{"Food", c.x, 0, c.colour, kListWhite}}),
              Draw(std::string(c.layout) + "Food%000!000!SB%"));
  }
}

TEST(RowRendererTest, OnlyTheFirst271CharactersCount) {
  // The terminator's '%' at index 270 still draws the long column; at 271
  // it is cut off and the column is lost.
  for (const std::size_t n : {242u, 243u}) {
    SCOPED_TRACE(n);
    const std::string row = "%000!135!LB%Food%140!210!LB%" + std::string(n, 'x') + "%000!000!SB%";
    const std::vector<Drawn> drawn = Draw(row);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ("Food", drawn[0].text);
    EXPECT_EQ(n == 242u ? 2u : 1u, drawn.size());
  }
}

TEST(RowRendererTest, MalformedRowsDrawSafely) {
  const Drawn food{"Food", 2, 0, kListNavy, kListWhite};
  struct Case {
    std::string row;
    std::vector<Drawn> expected;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"%", {}},
      {"%000!0", {}},
      {"Food", {}},                                   // no layout ever ends the text
      {"Food%000!000!SB%", {food}},                   // text before any layout
      {"%1x0!2y0!LB%Food%000!000!SB%", {{"Food", 3, 0, kListNavy, kListWhite}}},
      {"%000!035!LB%Food%0", {food}},                 // a layout cut short
      {"%000!035!LB%Food@1", {}},                     // an id running past the end
      {"%000!035!LB%Food|1", {}},                     // a sort key running past the end
      {"%000!035!LB%Fo\0od%000!000!SB%"s, {}},        // the text ends at a zero byte
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("row \"" + c.row + "\"");
    EXPECT_EQ(c.expected, Draw(c.row));
  }
  // Rows of nothing but marks: any output, as long as it stays on the row.
  for (const std::string& row : {std::string(300, '%'), std::string(300, '|'), std::string(300, '@'),
                                 "%999!999!RR%" + std::string(259, '@'), "%%%%%%%%%%%%%%%%%%%%%%%%%"s}) {
    SCOPED_TRACE(row.substr(0, 20));
    CRecordingCanvas canvas;
    for (const Drawn& drawn : Draw(canvas, row, 5, 40)) EXPECT_EQ(40, drawn.y);
    EXPECT_EQ(1u, canvas.Rectangles().size());
  }
}

TEST(RowRendererTest, AScreenReaderGetsTheShownTextsOfTheColumns) {
  EXPECT_EQ(ListRowText("%000!035!LB%|0315|15/03@00000007@%040!095!RR%20.00%100|200|LB%Food%000!000!SB%"),
            "15/03, 20.00, Food");
  EXPECT_EQ(ListRowText("%000!035!LB% %040!095!RB%7.00%000!000!SB%"), "7.00");  // an empty column is skipped
  EXPECT_EQ(ListRowText("plain item"), "plain item");  // a row without a layout is its text
}

TEST(RowRendererTest, RedStandsOutFromEveryRowAndALightPaletteKeepsTheRest) {
  for (const DesktopPalette& palette : {test::kLightPalette, test::kDarkPalette}) {
    for (const RowState state : {RowState::kNormal, RowState::kSelected}) {
      const CColourMap colours = ListRowColours(palette, state);
      const Rgb background = colours(state == RowState::kSelected ? kListNavy : kListWhite);
      EXPECT_GE(ContrastRatio(colours(kListRed), background), kTextContrast);
    }
    const CColourMap normal = ListRowColours(palette, RowState::kNormal);
    EXPECT_EQ(RelativeLuminance(normal(kListWhite)) < 0.2, IsDark(palette));
    EXPECT_GE(ContrastRatio(normal(kListNavy), normal(kListWhite)), kTextContrast);
  }
  const CColourMap light = ListRowColours(test::kLightPalette, RowState::kNormal);
  EXPECT_EQ(light(kListWhite), kListWhite);
  EXPECT_EQ(light(kListNavy), kListNavy);
  EXPECT_EQ(light(kListRed), (Rgb{238, 0, 0}));
}

}  // namespace
}  // namespace purso
