// ICanvas: the drawing surface of the list rows, the account view and the chart.
//
// Coordinates are pixels of the surface, x to the right and y downwards.
// Fonts are named by face and point size; a face the desktop lacks falls
// back to its sans serif face, while every position stays as given. Tests
// draw on a recording canvas with fixed font metrics.
#pragma once

#include <cstdint>
#include <string_view>

namespace purso {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A rectangle from (left, top) up to but not including (right, bottom).
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct FontSpec {
  std::string_view face;
  double points = 8.0;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

class ICanvas {
 public:
  virtual ~ICanvas() = default;

  // Fills the rectangle with fill and draws its one-pixel border, inside
  // the rectangle, in outline.
  virtual void Rectangle(const PixelRect& rect, Rgb outline, Rgb fill) = 0;

  // A one-pixel line from (x1, y1) towards (x2, y2), the end point itself not drawn.
  virtual void Line(int x1, int y1, int x2, int y2, Rgb colour) = 0;

  // Text with the top-left corner of its box at (x, y), the box filled with background.
  virtual void Text(int x, int y, std::string_view text, const FontSpec& font, Rgb colour, Rgb background) = 0;

  // Size of a text's box in a font, in pixels.
  virtual int TextWidth(std::string_view text, const FontSpec& font) = 0;
  virtual int TextHeight(const FontSpec& font) = 0;
};

}  // namespace purso
