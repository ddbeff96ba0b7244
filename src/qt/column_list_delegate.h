// CColumnListDelegate: draws the rows of a column list with the row
// renderer, which reads each row's own column layout, in the list's
// palette and, where the list is shown enlarged, zoomed.
#pragma once

#include <QStyledItemDelegate>

class QTableView;

namespace purso {

class CColumnListDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // Draws the rows of list larger, across and down (1 = as laid out), and
  // makes its rows as much higher.
  void SetZoom(QTableView& list, double across, double down);
  double Across() const { return across_; }
  double Down() const { return down_; }

 private:
  double across_ = 1.0;
  double down_ = 1.0;
};

}  // namespace purso
