// CColumnListDelegate: draws the rows of a column list with the row renderer.
#pragma once

#include <QStyledItemDelegate>

class QListView;

namespace purso {

class CColumnListDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Makes a list view a column list: rows of the renderer's height, drawn by
// the renderer, in its font; the view's object name and other settings stay.
void MakeColumnList(QListView& list);

}  // namespace purso
