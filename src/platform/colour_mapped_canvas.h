// CColourMappedCanvas: a canvas that draws on another in a colour map's colours.
#pragma once

#include "platform/canvas.h"
#include "platform/colour_map.h"

namespace purso {

class CColourMappedCanvas final : public ICanvas {
 public:
  // Both must outlive the canvas.
  CColourMappedCanvas(ICanvas& inner, const CColourMap& map) : inner_(inner), map_(map) {}

  void Rectangle(const PixelRect& rect, Rgb outline, Rgb fill) override {
    inner_.Rectangle(rect, map_(outline), map_(fill));
  }
  void Line(int x1, int y1, int x2, int y2, Rgb colour) override { inner_.Line(x1, y1, x2, y2, map_(colour)); }
  void Text(int x, int y, std::string_view text, const FontSpec& font, Rgb colour, Rgb background) override {
    inner_.Text(x, y, text, font, map_(colour), map_(background));
  }
  int TextWidth(std::string_view text, const FontSpec& font) override { return inner_.TextWidth(text, font); }
  int TextHeight(const FontSpec& font) override { return inner_.TextHeight(font); }

 private:
  ICanvas& inner_;
  const CColourMap& map_;
};

}  // namespace purso
