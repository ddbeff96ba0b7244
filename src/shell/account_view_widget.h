// CAccountViewWidget: the account view on screen.
//
// A scroll area holding the view's fixed 796 x 481 canvas. The canvas
// paints through the view's logic; the view's buttons and lists are real
// widgets on it at their pixel rectangles, bound to the view's control model
// the way dialog controls are.
#pragma once

#include <QScrollArea>

#include "app/account_view.h"

namespace purso {

class CQtControlBinding;

class CAccountViewWidget final : public QScrollArea, private IViewSurface {
  Q_OBJECT

 public:
  // view must outlive the widget.
  CAccountViewWidget(CpursoPXFView& view, QWidget* parent);
  ~CAccountViewWidget() override;

  // The canvas that the view paints on.
  QWidget& Canvas() const { return *canvas_; }
  // The widget of one of the view's controls.
  QWidget* Widget(int controlId) const;

 private:
  void Invalidate(const PixelRect& area) override;

  CpursoPXFView& view_;
  QWidget* canvas_;
  CQtControlBinding* binding_;
};

}  // namespace purso
