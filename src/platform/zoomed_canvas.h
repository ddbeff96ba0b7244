// CZoomedCanvas: a canvas that draws on another at a larger scale.
//
// The drawing code lays out in fixed pixels; a window larger than that
// layout, or a screen of high resolution, shows it zoomed: every position
// across is multiplied by the horizontal zoom and every position down by the
// vertical one, each rounded to a whole pixel of the surface, so that edges
// stay sharp and neighbouring shapes meet without gaps. A one-pixel line
// and a rectangle's border become as thick as one drawing pixel is, and
// texts are drawn in a font enlarged by the smaller zoom, so that they keep
// their shape and fit where the drawing puts them. Text measures come back
// in drawing pixels, rounded up.
//
// Lines are drawn as rectangles when they run across or down, which is how
// all the program's lines run; a slanted line keeps the inner canvas's one
// pixel. At a zoom of 1 both ways, every operation passes through unchanged.
#pragma once

#include "platform/canvas.h"

namespace purso {

class CZoomedCanvas final : public ICanvas {
 public:
  // Zooms below 1 count as 1. inner must outlive the canvas.
  CZoomedCanvas(ICanvas& inner, double across, double down);

  void Rectangle(const PixelRect& rect, Rgb outline, Rgb fill) override;
  void Line(int x1, int y1, int x2, int y2, Rgb colour) override;
  void Text(int x, int y, std::string_view text, const FontSpec& font, Rgb colour, Rgb background) override;
  int TextWidth(std::string_view text, const FontSpec& font) override;
  int TextHeight(const FontSpec& font) override;

  // The surface pixel where a drawing pixel's edge lies.
  int X(int x) const;
  int Y(int y) const;

 private:
  bool Unzoomed() const { return across_ == 1.0 && down_ == 1.0; }
  FontSpec Zoomed(const FontSpec& font) const;
  // The surface rectangle of the drawing pixels from (left, top) up to (right, bottom).
  PixelRect Map(const PixelRect& rect) const;

  ICanvas& inner_;
  double across_;
  double down_;
};

}  // namespace purso
