// CListView: a list box over a CQtListModel whose highlighted row is the
// one state of its selection.
//
// A one-column table view of fixed row height, so that the view lays out
// and draws only the rows in sight, and inserting or removing a row costs
// the same in a list of any length. Column lists have their rows drawn by
// the row renderer (CColumnListDelegate).
//
// A list box has one selected row or none (or, where the user may select
// several, a set of them), and the selected rows are the ones shown
// highlighted. Qt's view also keeps a current row, which it would
// otherwise set by itself on focus-in without selecting it; here a current
// row without a selection never stays, the user cannot deselect the
// selected row (Ctrl+click, Ctrl+Space), and the keys that move the
// selection from no selection at all start from the first row (End from the
// last). So a list's selection changes only by a click, a key or the
// program, and SelectedRow() always tells what the user sees.
//
// A cell whose text does not fit shows its whole text as a tooltip.
#pragma once

#include <QTableView>

#include <vector>

#include "qt/qt_list_model.h"

namespace purso {

// How many rows the user may select.
enum class ListSelection {
  kOne,
  kMany,  // with Shift and Ctrl
};

class CListView final : public QTableView {
  Q_OBJECT

 public:
  // The model must outlive the view (it is usually the view's child).
  CListView(CQtListModel& model, ListSelection selection, QWidget* parent);

  bool SelectsMany() const { return selection_ == ListSelection::kMany; }
  // The selected row (of several, the current one if it is selected, else
  // the first); -1 when none.
  int SelectedRow() const;
  // Every selected row, in ascending order.
  std::vector<int> SelectedRows() const;
  // Selects rows, row the current one, or, with -1, clears the selection
  // and the current row. A one-row list selects row alone.
  void ShowSelectedRows(int row, const std::vector<int>& rows);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event = nullptr) const override;
  bool viewportEvent(QEvent* event) override;

 private:
  // The whole text of the cell under pos when it does not fit; empty when
  // it does, or there is nothing there.
  QString HiddenText(const QPoint& pos) const;

  ListRows rows_;
  ListSelection selection_;
};

}  // namespace purso
