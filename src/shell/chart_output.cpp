#include "shell/chart_output.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QScreen>

#include <cmath>

#include "app/chart_picture.h"
#include "qt/qt_canvas.h"
#include "resources/frame_resources.h"

namespace purso::chart_output {
namespace {

// The resolution the canvas measures texts at: the screen's.
int ScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen == nullptr ? 96 : static_cast<int>(std::lround(screen->logicalDotsPerInch()));
}

// Pixels as the chosen size counts them: 96 to the inch.
constexpr double kPointsPerPixel = 72.0 / 96.0;

// The picture drawn as large as fits the target, centred; accountName is
// account text, as the picture writes it.
void PaintFitted(QPainter& painter, const QRectF& target, CpursoPXFView& view, std::string_view accountName) {
  const PixelRect& area = chart_picture::kArea;
  const double scale = std::min(target.width() / area.Width(), target.height() / area.Height());
  painter.save();
  painter.translate(target.left() + (target.width() - scale * area.Width()) / 2,
                    target.top() + (target.height() - scale * area.Height()) / 2);
  painter.scale(scale, scale);
  painter.translate(-area.left, -area.top);
  {
    CQtCanvas canvas(painter);
    chart_picture::Draw(canvas, view, accountName);
  }
  painter.restore();
}

}  // namespace

QByteArray Png(CpursoPXFView& view, std::string_view accountName, QSize size) {
  const int dpi = ScreenDpi();
  QImage image(size, QImage::Format_RGB32);
  const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PaintFitted(painter, QRectF(QPointF(0, 0), QSizeF(size)), view, accountName);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray Pdf(CpursoPXFView& view, std::string_view accountName, QSize size) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(ScreenDpi());
    writer.setPageSize(
        QPageSize(QSizeF(size.width() * kPointsPerPixel, size.height() * kPointsPerPixel), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QString::fromUtf8(kMainWindowTitle.data(), kMainWindowTitle.size()));
    QPainter painter(&writer);
    PaintFitted(painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())), view, accountName);
  }
  return bytes;
}

void PreparePrinter(QPrinter& printer) {
  printer.setResolution(ScreenDpi());
  printer.setPageOrientation(QPageLayout::Landscape);
}

void Print(QPrinter& printer, CpursoPXFView& view, std::string_view accountName) {
  QPainter painter(&printer);
  // The painter starts at the corner of the area inside the margins.
  const QSizeF room = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  PaintFitted(painter, QRectF(QPointF(0, 0), room), view, accountName);
}

}  // namespace purso::chart_output
