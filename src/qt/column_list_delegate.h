// CColumnListDelegate: draws the rows of a column list with the row
// renderer, which reads each row's own column layout.
#pragma once

#include <QStyledItemDelegate>

namespace purso {

class CColumnListDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace purso
