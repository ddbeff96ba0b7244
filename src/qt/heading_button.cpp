#include "qt/heading_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace purso {

CHeadingButton::CHeadingButton(const QString& text, QWidget* parent) : QAbstractButton(parent) {
  setText(text);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

void CHeadingButton::SetMark(SortMark mark) {
  if (mark_ == mark) return;
  mark_ = mark;
  update();
}

QSize CHeadingButton::sizeHint() const {
  const QFontMetrics metrics(font());
  return QSize(metrics.horizontalAdvance(text()) + metrics.height() + 8, metrics.height() + 4);
}

void CHeadingButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  QFont shown = font();
  // Underlined under the mouse, as a link reads: it can be clicked.
  shown.setUnderline(underMouse() && isEnabled());
  painter.setFont(shown);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  const QRect box = rect().adjusted(2, 0, -2, 0);
  painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
  if (mark_ == SortMark::kNone) return;
  QStyleOption option;
  option.initFrom(this);
  const int size = metrics.ascent() * 2 / 3;
  const int x = std::min(box.left() + metrics.horizontalAdvance(text()) + 4, box.right() - size);
  option.rect = QRect(x, (height() - size) / 2, size, size);
  style()->drawPrimitive(mark_ == SortMark::kAscending ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                         &option, &painter, this);
}

}  // namespace purso
