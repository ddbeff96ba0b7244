#include "shell/toolbar_icons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

#include <algorithm>
#include <utility>

#include "qt/qt_palette.h"
#include "resources/frame_resources.h"

namespace purso {
namespace {

// Icons are drawn on a 16 x 15 grid, the toolbar's button image size, and
// scaled to the size asked for.
constexpr int kWidth = 16;
constexpr int kHeight = 15;

const QColor kInk(40, 40, 48);
const QColor kPaper(252, 252, 248);
const QColor kFolder(230, 182, 70);
const QColor kBlue(40, 90, 190);
const QColor kRed(196, 48, 40);
const QColor kGreen(40, 140, 70);
const QColor kGold(222, 170, 30);
const QColor kGrey(130, 130, 140);

QPen Ink(const QColor& colour = kInk, double width = 1.0) {
  QPen pen(colour, width);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

void Page(QPainter& p) {
  QPainterPath page;
  page.moveTo(3.5, 1.5);
  page.lineTo(10.5, 1.5);
  page.lineTo(13.5, 4.5);
  page.lineTo(13.5, 14.5);
  page.lineTo(3.5, 14.5);
  page.closeSubpath();
  p.setPen(Ink());
  p.setBrush(kPaper);
  p.drawPath(page);
  p.drawPolyline(QPolygonF({QPointF(10.5, 1.5), QPointF(10.5, 4.5), QPointF(13.5, 4.5)}));
}

void Open(QPainter& p) {
  p.setPen(Ink());
  p.setBrush(kFolder.darker(115));
  p.drawRect(QRectF(1.5, 3.5, 12, 10));
  p.setBrush(kFolder);
  QPainterPath front;
  front.moveTo(1.5, 13.5);
  front.lineTo(4.5, 6.5);
  front.lineTo(15.5, 6.5);
  front.lineTo(12.5, 13.5);
  front.closeSubpath();
  p.drawPath(front);
}

void Save(QPainter& p) {
  p.setPen(Ink());
  p.setBrush(kBlue);
  p.drawRect(QRectF(1.5, 1.5, 13, 12));
  p.setBrush(kPaper);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  p.setBrush(kGrey.lighter(140));
  p.drawRect(QRectF(4.5, 9.5, 7, 4));
}

void Settings(QPainter& p) {
  // A calendar page beside a coin: the settings of dates and amounts.
  p.setPen(Ink());
  p.setBrush(kPaper);
  p.drawRect(QRectF(0.5, 2.5, 9, 10));
  p.fillRect(QRectF(1, 3, 8, 2), kRed);
  p.setBrush(kGold);
  p.drawEllipse(QRectF(7.5, 6.5, 8, 8));
  p.drawLine(QPointF(11.5, 8.5), QPointF(11.5, 12.5));
}

void ChangeYear(QPainter& p) {
  p.setPen(Ink());
  p.setBrush(kPaper);
  p.drawRect(QRectF(1.5, 2.5, 13, 11));
  p.fillRect(QRectF(2, 3, 12, 3), kBlue);
  p.setPen(Ink(kInk));
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 4; ++column) p.drawPoint(QPointF(3.5 + 3 * column, 8.5 + 3 * row));
  }
}

void Wizard(QPainter& p) {
  p.setPen(Ink(kInk, 2.0));
  p.drawLine(QPointF(2, 14), QPointF(10, 6));
  p.setPen(Ink(kGold, 1.0));
  const QPointF star[] = {{12, 1}, {13, 4}, {16, 4}, {13.5, 6}, {14.5, 9}, {12, 7}, {9.5, 9}, {10.5, 6}, {8, 4}, {11, 4}};
  p.setBrush(kGold);
  p.drawPolygon(star, 10);
}

void Objects(QPainter& p) {
  // A box: the things that bring income or cause expenses.
  QPainterPath top;
  top.moveTo(8, 1.5);
  top.lineTo(14.5, 4.5);
  top.lineTo(8, 7.5);
  top.lineTo(1.5, 4.5);
  top.closeSubpath();
  p.setPen(Ink());
  p.setBrush(kFolder.lighter(115));
  p.drawPath(top);
  p.setBrush(kFolder);
  p.drawPolygon(QPolygonF({QPointF(1.5, 4.5), QPointF(8, 7.5), QPointF(8, 14.5), QPointF(1.5, 11.5)}));
  p.setBrush(kFolder.darker(120));
  p.drawPolygon(QPolygonF({QPointF(14.5, 4.5), QPointF(8, 7.5), QPointF(8, 14.5), QPointF(14.5, 11.5)}));
}

void FunctionalAreas(QPainter& p) {
  // A gear: the ways in which objects bring or cost money.
  p.setPen(Ink());
  p.setBrush(kGrey.lighter(130));
  QPainterPath gear;
  for (int i = 0; i < 8; ++i) {
    QTransform turn;
    turn.translate(8, 7.5);
    turn.rotate(45.0 * i);
    gear.addPolygon(turn.map(QPolygonF(QRectF(-1.5, -7, 3, 3))));
  }
  gear.addEllipse(QPointF(8, 7.5), 5, 5);
  p.drawPath(gear.simplified());
  p.setBrush(kPaper);
  p.drawEllipse(QPointF(8, 7.5), 2, 2);
}

void Categories(QPainter& p) {
  // Lines of a budget, income in green and expenses in red.
  p.setPen(Ink());
  p.setBrush(kPaper);
  p.drawRect(QRectF(1.5, 1.5, 13, 12));
  const QColor marks[] = {kGreen, kRed, kRed};
  for (int row = 0; row < 3; ++row) {
    p.fillRect(QRectF(3, 3.5 + 3.5 * row, 2, 2), marks[row]);
    p.fillRect(QRectF(6, 4 + 3.5 * row, 7, 1), kInk);
  }
}

void OpeningBalance(QPainter& p) {
  // A stack of coins.
  p.setPen(Ink());
  p.setBrush(kGold);
  for (int coin = 0; coin < 3; ++coin) p.drawEllipse(QRectF(2.5, 9.5 - 3 * coin, 11, 4));
  p.drawRect(QRectF(2.5, 5.5, 0, 6));
}

void Transactions(QPainter& p) {
  // Money going in and out.
  p.setPen(Ink(kGreen, 2.0));
  p.drawLine(QPointF(2, 5), QPointF(13, 5));
  p.drawLine(QPointF(10, 2), QPointF(13, 5));
  p.drawLine(QPointF(10, 8), QPointF(13, 5));
  p.setPen(Ink(kRed, 2.0));
  p.drawLine(QPointF(14, 11), QPointF(3, 11));
  p.drawLine(QPointF(6, 8), QPointF(3, 11));
  p.drawLine(QPointF(6, 14), QPointF(3, 11));
}

void Solver(QPainter& p) {
  // A pair of scales: budget moved until the two sides balance.
  p.setPen(Ink());
  p.drawLine(QPointF(8, 2), QPointF(8, 13));
  p.drawLine(QPointF(2, 4), QPointF(14, 4));
  p.drawLine(QPointF(5, 14), QPointF(11, 14));
  p.setBrush(kGold);
  p.drawChord(QRectF(0.5, 5, 6, 6), 180 * 16, 180 * 16);
  p.drawChord(QRectF(9.5, 5, 6, 6), 180 * 16, 180 * 16);
}

void ImportStatement(QPainter& p) {
  // A bank statement, its lines red and green, with an arrow bringing it in.
  p.setPen(Ink());
  p.setBrush(kPaper);
  p.drawRect(QRectF(5.5, 1.5, 9, 13));
  const QColor marks[] = {kGreen, kRed, kRed, kGreen};
  for (int row = 0; row < 4; ++row) p.fillRect(QRectF(8, 3 + 3 * row, 5, 1), marks[row]);
  p.setPen(Ink(kBlue, 2.0));
  p.drawLine(QPointF(0.5, 8), QPointF(6, 8));
  p.setPen(Ink(kBlue, 1.0));
  p.setBrush(kBlue);
  p.drawPolygon(QPolygonF({QPointF(4.5, 4.5), QPointF(8, 8), QPointF(4.5, 11.5)}));
}

void Undo(QPainter& p) {
  // An arrow that turns back to the left.
  QPainterPath bend;
  bend.moveTo(13.5, 13);
  bend.cubicTo(15, 7, 11, 5, 5, 5);
  p.setPen(Ink(kBlue, 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(bend);
  p.setPen(Ink(kBlue, 1.0));
  p.setBrush(kBlue);
  p.drawPolygon(QPolygonF({QPointF(5.5, 1), QPointF(1, 5), QPointF(5.5, 9)}));
}

void Redo(QPainter& p) {
  // Undo's arrow, turning forward to the right.
  p.translate(kWidth, 0);
  p.scale(-1, 1);
  Undo(p);
}

using Painter = void (*)(QPainter&);

Painter PainterFor(int command) {
  switch (command) {
    case command_id::kFileNew: return Page;
    case command_id::kFileOpen: return Open;
    case command_id::kFileSave: return Save;
    case command_id::kImportStatement: return ImportStatement;
    case command_id::kEditUndo: return Undo;
    case command_id::kEditRedo: return Redo;
    case command_id::kSettings: return Settings;
    case command_id::kChangeYear: return ChangeYear;
    case command_id::kBudgetWizard: return Wizard;
    case command_id::kObjects: return Objects;
    case command_id::kFunctionalAreas: return FunctionalAreas;
    case command_id::kCategories: return Categories;
    case command_id::kOpeningBalance: return OpeningBalance;
    case command_id::kTransactions: return Transactions;
    case command_id::kSolver: return Solver;
    default: return nullptr;
  }
}

// The icon's neutral greys, from the outline's ink to the paper, are drawn
// for a light toolbar. A dark palette gets them turned around: the ink in
// its text colour, the paper a shade above its window; coloured parts stay.
void FollowDarkPalette(QImage& image, const QPalette& palette) {
  const QColor ink = palette.color(QPalette::WindowText);
  const QColor paper = palette.color(QPalette::Window).lighter(135);
  const double inkLightness = kInk.lightnessF();
  const double paperLightness = kPaper.lightnessF();
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = QColor::fromRgba(line[x]);
      if (pixel.alpha() == 0 || pixel.hslSaturationF() > 0.25) continue;
      const double share = std::clamp((pixel.lightnessF() - inkLightness) / (paperLightness - inkLightness), 0.0, 1.0);
      QColor shown = QColor::fromRgbF(ink.redF() + (paper.redF() - ink.redF()) * share,
                                      ink.greenF() + (paper.greenF() - ink.greenF()) * share,
                                      ink.blueF() + (paper.blueF() - ink.blueF()) * share);
      shown.setAlpha(pixel.alpha());
      line[x] = shown.rgba();
    }
  }
}

// Draws the icon at any size, in the application's palette as it is when
// the icon is shown, so that it is sharp at every scale of the screen and
// follows a change of the desktop's theme.
class CToolbarIconEngine final : public QIconEngine {
 public:
  explicit CToolbarIconEngine(Painter painter) : painter_(painter) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing, true);
      p.scale(static_cast<double>(size.width()) / kWidth, static_cast<double>(size.height()) / kHeight);
      if (mode == QIcon::Disabled) p.setOpacity(0.35);
      painter_(p);
    }
    const QPalette palette = QGuiApplication::palette();
    if (IsDark(DesktopPaletteOf(palette))) FollowDarkPalette(image, palette);
    return QPixmap::fromImage(std::move(image));
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const double ratio = painter->device()->devicePixelRatioF();
    QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
    drawn.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, drawn);
  }

  QIconEngine* clone() const override { return new CToolbarIconEngine(painter_); }
  QString key() const override { return QStringLiteral("purso.toolbar"); }

 private:
  Painter painter_;
};

}  // namespace

QIcon ToolbarIcon(int command) {
  const Painter painter = PainterFor(command);
  if (painter == nullptr) return {};
  return QIcon(new CToolbarIconEngine(painter));
}

}  // namespace purso
