#include "shell/account_view_widget.h"

#include <QPaintEvent>
#include <QPainter>

#include "qt/qt_canvas.h"
#include "qt/qt_control_binding.h"
#include "shell/shell_log.h"

namespace purso {
namespace {

class CViewCanvas final : public QWidget {
 public:
  CViewCanvas(CpursoPXFView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName(QStringLiteral("AccountViewCanvas"));
    setFixedSize(account_view::kCanvasWidth, account_view::kCanvasHeight);
    // The canvas between the view's boxes is the window's own colour.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    CQtCanvas canvas(painter);
    view_.Paint(canvas);
    if (!painted_) {
      painted_ = true;
      qCInfo(lcShell).noquote() << "account view painted:" << QString::fromStdString(view_.Document().Title());
    }
  }

 private:
  CpursoPXFView& view_;
  bool painted_ = false;
};

}  // namespace

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
  view_.SetSurface(this);
  view_.OnInitialUpdate();
}

CAccountViewWidget::~CAccountViewWidget() {
  view_.SetSurface(nullptr);
  // The binding leaves the view's model before the widgets go.
  delete binding_;
}

QWidget* CAccountViewWidget::Widget(int controlId) const { return binding_->Widget(controlId); }

void CAccountViewWidget::Invalidate(const PixelRect& area) {
  canvas_->update(QRect(area.left, area.top, area.Width(), area.Height()));
}

}  // namespace purso
