// CQtCanvas: the drawing port over a QPainter.
//
// Draws with one-pixel cosmetic pens and no antialiasing, so that positions
// land on the pixels the drawing code names. Fonts the desktop lacks fall
// back to its general sans serif face at the same point size.
#pragma once

#include <QFont>
#include <QPainter>

#include "platform/canvas.h"

namespace purso {

class CQtCanvas final : public ICanvas {
 public:
  // The painter must outlive the canvas; its state is restored on destruction.
  explicit CQtCanvas(QPainter& painter);
  ~CQtCanvas() override;

  void Rectangle(const PixelRect& rect, Rgb outline, Rgb fill) override;
  void Line(int x1, int y1, int x2, int y2, Rgb colour) override;
  void Text(int x, int y, std::string_view text, const FontSpec& font, Rgb colour, Rgb background) override;
  int TextWidth(std::string_view text, const FontSpec& font) override;
  int TextHeight(const FontSpec& font) override;

  // The QFont that stands for a font of the drawing code.
  static QFont FontFor(const FontSpec& font);

 private:
  QPainter& painter_;
};

QColor ToQColor(Rgb colour);

}  // namespace purso
