// The SVG canvas: what each drawing call writes, and the texts measured.
#include "platform/svg_canvas.h"

#include <gtest/gtest.h>

namespace purso {
namespace {

constexpr Rgb kNavy{0, 0, 127};
constexpr Rgb kWhite{255, 255, 255};
constexpr FontSpec kSmall{"Verdana", 8.8};

TEST(SvgCanvasTest, WritesWhatIsDrawnOnWholePixelsScaledToThePicture) {
  CSvgCanvas canvas(PixelRect{10, 20, 110, 70}, 200, 100);
  canvas.Rectangle({10, 20, 20, 30}, kNavy, kNavy);   // a bar
  canvas.Rectangle({30, 20, 40, 30}, kNavy, kWhite);  // a box with its border inside
  canvas.Rectangle({0, 0, 0, 5}, kNavy, kNavy);       // nothing
  canvas.Line(50, 25, 40, 25, kNavy);                 // the end point not drawn
  canvas.Line(60, 20, 60, 30, kNavy);
  canvas.Line(70, 20, 80, 30, kNavy);
  canvas.Text(12, 40, "Caf\xE9 <&>", kSmall, kNavy, kWhite);
  EXPECT_EQ(canvas.Document(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"200\" height=\"100\" viewBox=\"10 20 "
            "100 50\" preserveAspectRatio=\"xMidYMid meet\" shape-rendering=\"crispEdges\" "
            "text-rendering=\"geometricPrecision\">\n"
            "<rect x=\"10\" y=\"20\" width=\"10\" height=\"10\" fill=\"#00007f\"/>\n"
            "<rect x=\"30\" y=\"20\" width=\"10\" height=\"10\" fill=\"#ffffff\"/>\n"
            "<rect x=\"30.5\" y=\"20.5\" width=\"9\" height=\"9\" fill=\"none\" stroke=\"#00007f\"/>\n"
            "<rect x=\"41\" y=\"25\" width=\"10\" height=\"1\" fill=\"#00007f\"/>\n"
            "<rect x=\"60\" y=\"20\" width=\"1\" height=\"10\" fill=\"#00007f\"/>\n"
            "<line x1=\"70.5\" y1=\"20.5\" x2=\"80.5\" y2=\"30.5\" stroke=\"#00007f\"/>\n"
            "<rect x=\"12\" y=\"40\" width=\"59\" height=\"14\" fill=\"#ffffff\"/>\n"
            "<text x=\"12\" y=\"51.00\" font-size=\"11.73\" fill=\"#00007f\" font-family=\"Verdana, DejaVu Sans, "
            "sans-serif\">Caf\xC3\xA9 &lt;&amp;&gt;</text>\n"
            "</svg>\n");
}

// DejaVu Sans at 8.8 points (11.73 pixels): a digit is 1303 of the em's
// 2048 units, a comma or point 651; 7.46 pixels and 59.7 for seven digits
// and two marks.
TEST(SvgCanvasTest, MeasuresTextsAsTheDesktopsFallbackFaceDoes) {
  CSvgCanvas canvas(PixelRect{0, 0, 10, 10}, 10, 10);
  EXPECT_EQ(canvas.TextWidth("0", kSmall), 7);
  EXPECT_EQ(canvas.TextWidth("13,000.00", kSmall), 60);
  EXPECT_EQ(canvas.TextHeight(kSmall), 14);
  EXPECT_EQ(canvas.TextWidth("", kSmall), 0);
}

}  // namespace
}  // namespace purso
