// CHeadingButton: a column heading that the user clicks to order a list.
//
// It reads as the label it replaces, its text at the left of its box, and
// shows an arrow after the text while its list is ordered by its column:
// up for the ascending order, down for the descending one. It takes no
// keyboard focus, as the headings of a list do not.
#pragma once

#include <QAbstractButton>

#include "platform/control_model.h"

namespace purso {

class CHeadingButton final : public QAbstractButton {
  Q_OBJECT

 public:
  CHeadingButton(const QString& text, QWidget* parent);

  void SetMark(SortMark mark);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  SortMark mark_ = SortMark::kNone;
};

}  // namespace purso
