// How a list control looks: a one-column table view of fixed row height,
// so that the view lays out and draws only the rows in sight, and inserting
// or removing a row costs the same in a list of any length. Column lists
// have their rows drawn by the row renderer (CColumnListDelegate), in the
// list's palette and, where the list is shown enlarged, zoomed.
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

 private:
  double across_ = 1.0;
  double down_ = 1.0;
};

enum class ListRows {
  kPlain,    // texts, in the list's own font
  kColumns,  // rows that carry their own column layout
};

// Makes a table view over a list model look and act as a list box of the
// given kind; the view's object name and other settings stay.
void ShowAsList(QTableView& list, ListRows rows);

}  // namespace purso
