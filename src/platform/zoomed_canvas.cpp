#include "platform/zoomed_canvas.h"

#include <algorithm>
#include <cmath>

namespace purso {
namespace {

// Measures come back in drawing pixels; a hair over a whole number is still
// that number, not the next.
int Unzoom(int surfacePixels, double zoom) { return static_cast<int>(std::ceil(surfacePixels / zoom - 1e-9)); }

}  // namespace

CZoomedCanvas::CZoomedCanvas(ICanvas& inner, double across, double down)
    : inner_(inner), across_(std::max(across, 1.0)), down_(std::max(down, 1.0)) {}

int CZoomedCanvas::X(int x) const { return static_cast<int>(std::lround(x * across_)); }
int CZoomedCanvas::Y(int y) const { return static_cast<int>(std::lround(y * down_)); }

PixelRect CZoomedCanvas::Map(const PixelRect& rect) const {
  return PixelRect{X(rect.left), Y(rect.top), X(rect.right), Y(rect.bottom)};
}

FontSpec CZoomedCanvas::Zoomed(const FontSpec& font) const {
  return FontSpec{font.face, font.points * std::min(across_, down_)};
}

void CZoomedCanvas::Rectangle(const PixelRect& rect, Rgb outline, Rgb fill) {
  if (Unzoomed()) return inner_.Rectangle(rect, outline, fill);
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  // The border is the outermost drawing pixel all round.
  const PixelRect outer = Map(rect);
  inner_.Rectangle(outer, outline, outline);
  const PixelRect inner = Map(PixelRect{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1});
  if (inner.Width() > 0 && inner.Height() > 0) inner_.Rectangle(inner, fill, fill);
}

void CZoomedCanvas::Line(int x1, int y1, int x2, int y2, Rgb colour) {
  if (Unzoomed() || (x1 != x2 && y1 != y2)) return inner_.Line(X(x1), Y(y1), X(x2), Y(y2), colour);
  if (x1 == x2 && y1 == y2) return;
  // The drawing pixels the line covers, its end point left out.
  PixelRect pixels{x1, y1, x1 + 1, y1 + 1};
  if (x1 < x2) pixels.right = x2;
  if (x1 > x2) pixels.left = x2 + 1;
  if (y1 < y2) pixels.bottom = y2;
  if (y1 > y2) pixels.top = y2 + 1;
  const PixelRect covered = Map(pixels);
  inner_.Rectangle(covered, colour, colour);
}

void CZoomedCanvas::Text(int x, int y, std::string_view text, const FontSpec& font, Rgb colour, Rgb background) {
  inner_.Text(X(x), Y(y), text, Unzoomed() ? font : Zoomed(font), colour, background);
}

int CZoomedCanvas::TextWidth(std::string_view text, const FontSpec& font) {
  if (Unzoomed()) return inner_.TextWidth(text, font);
  return Unzoom(inner_.TextWidth(text, Zoomed(font)), across_);
}

int CZoomedCanvas::TextHeight(const FontSpec& font) {
  if (Unzoomed()) return inner_.TextHeight(font);
  return Unzoom(inner_.TextHeight(Zoomed(font)), down_);
}

}  // namespace purso
