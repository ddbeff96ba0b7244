// CSvgCanvas: the drawing port writing an SVG picture, with no window system.
//
// What the account view's drawing code paints (the chart, the key figures)
// becomes SVG 1.1 text that any browser or drawing program shows, and that
// purso-tool writes without Qt. A chosen area of the canvas is shown at a
// chosen size in pixels, scaled. Rectangles and the level and upright lines
// the drawing code uses land on whole pixels (crisp edges); other lines are
// drawn as lines.
//
// Texts are account texts (Windows-1252) and are written as UTF-8. They ask
// for their face and fall back to the desktop's sans serif face, as on
// screen; they are measured with the metrics of DejaVu Sans, the face
// Verdana falls back to on this desktop, so that right-aligned labels end
// where the drawing code puts them.
#pragma once

#include <string>
#include <string_view>

#include "platform/canvas.h"

namespace purso {

class CSvgCanvas final : public ICanvas {
 public:
  // Shows area of the canvas as a picture of width x height pixels (each at
  // least 1), scaled alike in both directions and centred when the two
  // proportions differ. What is not drawn on stays clear.
  CSvgCanvas(const PixelRect& area, int width, int height);

  void Rectangle(const PixelRect& rect, Rgb outline, Rgb fill) override;
  void Line(int x1, int y1, int x2, int y2, Rgb colour) override;
  void Text(int x, int y, std::string_view text, const FontSpec& font, Rgb colour, Rgb background) override;
  int TextWidth(std::string_view text, const FontSpec& font) override;
  int TextHeight(const FontSpec& font) override;

  // The whole SVG document of what was drawn so far.
  std::string Document() const;

 private:
  void Box(int left, int top, int width, int height, Rgb fill);

  PixelRect area_;
  int width_;
  int height_;
  std::string body_;
};

}  // namespace purso
