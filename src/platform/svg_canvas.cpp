#include "platform/svg_canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "data/account_text.h"

namespace purso {
namespace {

// DejaVu Sans: advance widths of the account characters 32 to 255, in
// units of the em, and its ascent and descent.
constexpr int kUnitsPerEm = 2048;
constexpr int kAscent = 1901;
constexpr int kDescent = 483;
constexpr std::array<short, 224> kAdvances = {
    651, 821, 942, 1716, 1303, 1946, 1597, 563, 799, 799, 1024, 1716, 651, 739, 651, 690,
    1303, 1303, 1303, 1303, 1303, 1303, 1303, 1303, 1303, 1303, 690, 690, 1716, 1716, 1716, 1087,
    2048, 1401, 1405, 1430, 1577, 1294, 1178, 1587, 1540, 604, 604, 1343, 1141, 1767, 1532, 1612,
    1235, 1612, 1423, 1300, 1251, 1499, 1401, 2025, 1403, 1251, 1403, 799, 690, 799, 1716, 1024,
    1024, 1255, 1300, 1126, 1300, 1260, 721, 1300, 1298, 569, 569, 1186, 569, 1995, 1298, 1253,
    1300, 1300, 842, 1067, 803, 1298, 1212, 1675, 1212, 1212, 1075, 1303, 690, 1303, 1716, 1229,
    1303, 1087, 651, 721, 1061, 2048, 1024, 1024, 1024, 2748, 1300, 819, 2191, 1087, 1403, 1087,
    1087, 651, 651, 1061, 1061, 1208, 1024, 2048, 1024, 2048, 1067, 819, 2095, 1087, 1075, 1251,
    651, 821, 1303, 1303, 1303, 1303, 690, 1024, 1024, 2048, 965, 1253, 1716, 739, 2048, 1024,
    1024, 1716, 821, 821, 1024, 1303, 1303, 651, 1024, 821, 965, 1253, 1985, 1985, 1985, 1087,
    1401, 1401, 1401, 1401, 1401, 1401, 1995, 1430, 1294, 1294, 1294, 1294, 604, 604, 604, 604,
    1587, 1532, 1612, 1612, 1612, 1612, 1612, 1716, 1612, 1499, 1499, 1499, 1499, 1251, 1239, 1290,
    1255, 1255, 1255, 1255, 1255, 1255, 2011, 1126, 1260, 1260, 1260, 1260, 569, 569, 569, 569,
    1253, 1298, 1253, 1253, 1253, 1253, 1253, 1716, 1253, 1298, 1298, 1298, 1298, 1212, 1300, 1212,
};
static_assert(kAdvances[' ' - 32] == 651 && kAdvances['0' - 32] == 1303);

// The desktop's 96 pixels to the inch.
double PixelSize(const FontSpec& font) { return font.points * 96.0 / 72.0; }

std::string Colour(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return text;
}

// Control characters may not stand in XML; an account text should hold none.
std::string Printable(std::string_view text) {
  std::string shown(text);
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  }
  return AccountTextToUtf8(shown);
}

}  // namespace

CSvgCanvas::CSvgCanvas(const PixelRect& area, int width, int height)
    : area_(area), width_(std::max(width, 1)), height_(std::max(height, 1)) {}

void CSvgCanvas::Box(int left, int top, int width, int height, Rgb fill) {
  if (width <= 0 || height <= 0) return;
  body_ += "<rect x=\"" + std::to_string(left) + "\" y=\"" + std::to_string(top) + "\" width=\"" +
           std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" fill=\"" + Colour(fill) + "\"/>\n";
}

void CSvgCanvas::Rectangle(const PixelRect& rect, Rgb outline, Rgb fill) {
  const int width = rect.Width();
  const int height = rect.Height();
  if (width <= 0 || height <= 0) return;
  if (outline == fill || width <= 2 || height <= 2) return Box(rect.left, rect.top, width, height, outline);
  // The fill, then the one-pixel border inside the rectangle.
  Box(rect.left, rect.top, width, height, fill);
  char border[160];
  std::snprintf(border, sizeof border,
                "<rect x=\"%.1f\" y=\"%.1f\" width=\"%d\" height=\"%d\" fill=\"none\" stroke=\"%s\"/>\n",
                rect.left + 0.5, rect.top + 0.5, width - 1, height - 1, Colour(outline).c_str());
  body_ += border;
}

void CSvgCanvas::Line(int x1, int y1, int x2, int y2, Rgb colour) {
  if (x1 == x2 && y1 == y2) return;
  // The end point is not part of the line.
  if (y1 == y2) return Box(std::min(x1, x2 + 1), y1, std::abs(x2 - x1), 1, colour);
  if (x1 == x2) return Box(x1, std::min(y1, y2 + 1), 1, std::abs(y2 - y1), colour);
  char line[160];
  std::snprintf(line, sizeof line, "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"%s\"/>\n",
                x1 + 0.5, y1 + 0.5, x2 + 0.5, y2 + 0.5, Colour(colour).c_str());
  body_ += line;
}

int CSvgCanvas::TextWidth(std::string_view text, const FontSpec& font) {
  long long units = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    units += byte < 32 ? kAdvances[0] : kAdvances[byte - 32];
  }
  return static_cast<int>(std::lround(static_cast<double>(units) * PixelSize(font) / kUnitsPerEm));
}

int CSvgCanvas::TextHeight(const FontSpec& font) {
  const double size = PixelSize(font);
  return static_cast<int>(std::ceil(kAscent * size / kUnitsPerEm) + std::ceil(kDescent * size / kUnitsPerEm));
}

void CSvgCanvas::Text(int x, int y, std::string_view text, const FontSpec& font, Rgb colour, Rgb background) {
  if (text.empty()) return;
  Box(x, y, TextWidth(text, font), TextHeight(font), background);
  const double size = PixelSize(font);
  char start[200];
  std::snprintf(start, sizeof start, "<text x=\"%d\" y=\"%.2f\" font-size=\"%.2f\" fill=\"%s\" font-family=\"",
                x, y + std::ceil(kAscent * size / kUnitsPerEm), size, Colour(colour).c_str());
  body_ += start;
  body_ += XmlEscaped(Printable(font.face));
  body_ += ", DejaVu Sans, sans-serif\">";
  body_ += XmlEscaped(Printable(text));
  body_ += "</text>\n";
}

std::string CSvgCanvas::Document() const {
  const std::string width = std::to_string(width_);
  const std::string height = std::to_string(height_);
  std::string document =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + width + "\" height=\"" + height +
      "\" viewBox=\"" + std::to_string(area_.left) + ' ' + std::to_string(area_.top) + ' ' +
      std::to_string(area_.Width()) + ' ' + std::to_string(area_.Height()) +
      "\" preserveAspectRatio=\"xMidYMid meet\" shape-rendering=\"crispEdges\" text-rendering=\"geometricPrecision\">\n";
  document += body_;
  document += "</svg>\n";
  return document;
}

}  // namespace purso
