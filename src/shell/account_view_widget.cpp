#include "shell/account_view_widget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>
#include <cmath>

#include "app/view_colours.h"
#include "platform/colour_mapped_canvas.h"
#include "platform/zoomed_canvas.h"
#include "qt/column_list_delegate.h"
#include "qt/qt_canvas.h"
#include "qt/qt_control_binding.h"
#include "qt/qt_palette.h"
#include "qt/qt_translation.h"
#include "shell/shell_log.h"

namespace purso {

class CViewCanvas final : public QWidget {
 public:
  CViewCanvas(CpursoPXFView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName(QStringLiteral("AccountViewCanvas"));
    setFixedSize(account_view::kCanvasWidth, account_view::kCanvasHeight);
    // The canvas between the view's boxes is the window's own colour.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
  }

  void SetZoom(double across, double down) {
    across_ = across;
    down_ = down;
    update();
  }
  double Across() const { return across_; }
  double Down() const { return down_; }

  // The canvas area a laid-out area covers, a pixel more all round for the rounding.
  QRect Covering(const PixelRect& area) const {
    const auto left = static_cast<int>(std::floor(area.left * across_)) - 1;
    const auto top = static_cast<int>(std::floor(area.top * down_)) - 1;
    const auto right = static_cast<int>(std::ceil(area.right * across_)) + 1;
    const auto bottom = static_cast<int>(std::ceil(area.bottom * down_)) + 1;
    return QRect(left, top, right - left, bottom - top);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    // Drawn in the screen's own pixels, so that every edge is sharp at any
    // scale of the screen.
    const double ratio = devicePixelRatioF();
    painter.scale(1.0 / ratio, 1.0 / ratio);
    const CColourMap colours = ViewColours(DesktopPaletteOf(palette()));
    CQtCanvas canvas(painter);
    CZoomedCanvas zoomed(canvas, across_ * ratio, down_ * ratio);
    CColourMappedCanvas shown(zoomed, colours);
    view_.Paint(shown);
    if (!painted_) {
      painted_ = true;
      qCInfo(lcShell).noquote() << "account view painted:" << QString::fromStdString(view_.Document().Title());
    }
  }

 private:
  CpursoPXFView& view_;
  double across_ = 1.0;
  double down_ = 1.0;
  bool painted_ = false;
};

CAccountViewWidget::CAccountViewWidget(CpursoPXFView& view, QWidget* parent)
    : QScrollArea(parent), view_(view), canvas_(new CViewCanvas(view, this)) {
  setObjectName(QStringLiteral("AccountView"));
  setWidget(canvas_);
  setWidgetResizable(false);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setBackgroundRole(QPalette::Dark);
  binding_ = new CQtControlBinding(
      *canvas_, view,
      [](const ControlResource& control) { return QRect(control.x, control.y, control.width, control.height); },
      nullptr);
  NameForScreenReaders();
  view_.SetSurface(this);
  view_.OnInitialUpdate();
}

CAccountViewWidget::~CAccountViewWidget() {
  view_.SetSurface(nullptr);
  // The binding leaves the view's model before the widgets go.
  delete binding_;
}

QWidget& CAccountViewWidget::Canvas() const { return *canvas_; }

QWidget* CAccountViewWidget::Widget(int controlId) const { return binding_->Widget(controlId); }

void CAccountViewWidget::Invalidate(const PixelRect& area) { canvas_->update(canvas_->Covering(area)); }

void CAccountViewWidget::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  FitToRoom();
}

double CAccountViewWidget::ZoomAcross() const { return canvas_->Across(); }

double CAccountViewWidget::ZoomDown() const { return canvas_->Down(); }

void CAccountViewWidget::FitToRoom() {
  using namespace account_view;
  // The room without scroll bars; a scroll bar takes its share only when the
  // canvas at its laid-out size needs it the other way.
  QSize room = maximumViewportSize();
  if (room.height() < kCanvasHeight) room.rwidth() -= verticalScrollBar()->sizeHint().width();
  if (room.width() < kCanvasWidth) room.rheight() -= horizontalScrollBar()->sizeHint().height();
  const double across = std::max(1.0, static_cast<double>(room.width()) / kCanvasWidth);
  const double down = std::max(1.0, static_cast<double>(room.height()) / kCanvasHeight);
  if (across == canvas_->Across() && down == canvas_->Down()) return;

  const auto x = [&](int at) { return static_cast<int>(std::lround(at * across)); };
  const auto y = [&](int at) { return static_cast<int>(std::lround(at * down)); };
  canvas_->setFixedSize(x(kCanvasWidth), y(kCanvasHeight));
  QFont font = QApplication::font(this);
  font.setPointSizeF(font.pointSizeF() * std::min(across, down));
  canvas_->setFont(font);
  for (const ControlResource& control : kResource.controls) {
    QWidget* widget = Widget(control.id);
    if (widget == nullptr) continue;
    widget->setGeometry(QRect(QPoint(x(control.x), y(control.y)),
                              QPoint(x(control.x + control.width) - 1, y(control.y + control.height) - 1)));
    if (auto* list = qobject_cast<QTableView*>(widget)) {
      if (auto* rows = qobject_cast<CColumnListDelegate*>(list->itemDelegate())) rows->SetZoom(*list, across, down);
    }
  }
  canvas_->SetZoom(across, down);
}

void CAccountViewWidget::NameForScreenReaders() {
  using namespace account_view;
  // The month buttons show only the month's number, twice over; the lists'
  // captions are drawn on the canvas.
  for (int k = 0; k < 12; ++k) {
    const QString month = QStringLiteral("%1").arg(k + 1, 2, 10, QLatin1Char('0'));
    Widget(kFromMonth + k)->setAccessibleName(UiText("AccountView", "From month %1").arg(month));
    Widget(kToMonth + k)->setAccessibleName(UiText("AccountView", "To month %1").arg(month));
  }
  Widget(kBudgetToggle)
      ->setAccessibleDescription(UiText("AccountView", "Shows or hides the bars of the predicted balance"));
  Widget(kActualToggle)
      ->setAccessibleDescription(UiText("AccountView", "Shows or hides the bars of the actual balance"));
  Widget(kOutstandingExpenses)->setAccessibleName(UiText("AccountView", "Outstanding expenses"));
  Widget(kOutstandingIncomes)->setAccessibleName(UiText("AccountView", "Outstanding incomes"));
}

}  // namespace purso
