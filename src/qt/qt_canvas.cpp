#include "qt/qt_canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QString>

#include "qt/text_codec.h"

namespace purso {

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

QFont CQtCanvas::FontFor(const FontSpec& font) {
  // Looking a family up in the font database is slow; a paint asks for the
  // same few fonts many times.
  static QHash<QString, QString> families;
  const QString wanted = FromAccountText(font.face);
  auto found = families.find(wanted);
  if (found == families.end()) {
    const QString family = QFontDatabase::hasFamily(wanted)
                               ? wanted
                               : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    found = families.insert(wanted, family);
  }
  QFont result(*found);
  result.setPointSizeF(font.points);
  result.setStyleStrategy(QFont::PreferAntialias);
  return result;
}

CQtCanvas::CQtCanvas(QPainter& painter) : painter_(painter) {
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

CQtCanvas::~CQtCanvas() { painter_.restore(); }

void CQtCanvas::Rectangle(const PixelRect& rect, Rgb outline, Rgb fill) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(fill));
  painter_.setPen(QPen(ToQColor(outline), 0));
  painter_.setBrush(Qt::NoBrush);
  // A one-pixel pen on QRect(x, y, w, h) covers w + 1 columns.
  painter_.drawRect(QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1));
}

void CQtCanvas::Line(int x1, int y1, int x2, int y2, Rgb colour) {
  if (x1 == x2 && y1 == y2) return;
  painter_.setPen(QPen(ToQColor(colour), 0));
  // The end point is not part of the line; step back one pixel towards the start.
  const int endX = x2 + (x1 < x2 ? -1 : (x1 > x2 ? 1 : 0));
  const int endY = y2 + (y1 < y2 ? -1 : (y1 > y2 ? 1 : 0));
  painter_.drawLine(x1, y1, endX, endY);
}

void CQtCanvas::Text(int x, int y, std::string_view text, const FontSpec& font, Rgb colour, Rgb background) {
  const QFont qfont = FontFor(font);
  const QFontMetrics metrics(qfont);
  const QString string = FromAccountText(text);
  painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()), ToQColor(background));
  painter_.setFont(qfont);
  painter_.setPen(ToQColor(colour));
  painter_.drawText(x, y + metrics.ascent(), string);
}

int CQtCanvas::TextWidth(std::string_view text, const FontSpec& font) {
  return QFontMetrics(FontFor(font)).horizontalAdvance(FromAccountText(text));
}

int CQtCanvas::TextHeight(const FontSpec& font) { return QFontMetrics(FontFor(font)).height(); }

}  // namespace purso
