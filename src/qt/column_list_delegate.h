// How a list control looks: a one-column table view of fixed row height,
// so that the view lays out and draws only the rows in sight, and inserting
// or removing a row costs the same in a list of any length. Column lists
// have their rows drawn by the row renderer (CColumnListDelegate).
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
};

enum class ListRows {
  kPlain,    // texts, in the list's own font
  kColumns,  // rows that carry their own column layout
};

// Makes a table view over a list model look and act as a list box of the
// given kind; the view's object name and other settings stay.
void ShowAsList(QTableView& list, ListRows rows);

}  // namespace purso
