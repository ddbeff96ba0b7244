// CAccountViewWidget: the account view on screen.
//
// A scroll area holding the view's canvas, laid out in 796 x 481 pixels. When
// the window is larger the canvas grows with it, across and down apart: the
// drawing, the view's buttons and lists are zoomed to fill it, texts by the
// smaller of the two zooms, and drawn at the screen's own resolution. A
// smaller window scrolls the canvas at its laid-out size. The canvas paints
// through the view's logic in the colours of the desktop's palette; the
// view's buttons and lists are real widgets on it, bound to the view's
// control model the way dialog controls are.
#pragma once

#include <QScrollArea>

#include "app/account_view.h"

namespace purso {

class CQtControlBinding;
class CViewCanvas;

class CAccountViewWidget final : public QScrollArea, private IViewSurface {
  Q_OBJECT

 public:
  // view must outlive the widget.
  CAccountViewWidget(CpursoPXFView& view, QWidget* parent);
  ~CAccountViewWidget() override;

  // The canvas that the view paints on.
  QWidget& Canvas() const;
  // The widget of one of the view's controls.
  QWidget* Widget(int controlId) const;

  // Canvas pixels per laid-out pixel, across and down; 1 when not enlarged.
  double ZoomAcross() const;
  double ZoomDown() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Invalidate(const PixelRect& area) override;
  // Zooms the canvas and its controls to the room the scroll area has.
  void FitToRoom();
  void NameForScreenReaders();

  CpursoPXFView& view_;
  CViewCanvas* canvas_;
  CQtControlBinding* binding_;
};

}  // namespace purso
