#include "qt/qt_palette.h"

namespace purso {
namespace {

Rgb ToRgb(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return Rgb{static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
             static_cast<std::uint8_t>(rgb.blue())};
}

}  // namespace

DesktopPalette DesktopPaletteOf(const QPalette& palette) {
  return DesktopPalette{
      .window = ToRgb(palette.color(QPalette::Window)),
      .windowText = ToRgb(palette.color(QPalette::WindowText)),
      .base = ToRgb(palette.color(QPalette::Base)),
      .text = ToRgb(palette.color(QPalette::Text)),
      .light = ToRgb(palette.color(QPalette::Light)),
      .dark = ToRgb(palette.color(QPalette::Dark)),
      .highlight = ToRgb(palette.color(QPalette::Highlight)),
      .highlightedText = ToRgb(palette.color(QPalette::HighlightedText)),
  };
}

}  // namespace purso
