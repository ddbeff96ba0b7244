#include "qt/list_view.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>

#include "qt/column_list_delegate.h"
#include "qt/qt_canvas.h"
#include "qt/text_codec.h"
#include "text/row_renderer.h"

namespace purso {

CListView::CListView(CQtListModel& model, ListSelection selection, QWidget* parent)
    : QTableView(parent), rows_(model.Rows()), selection_(selection) {
  setModel(&model);
  int rowHeight = 0;
  if (rows_ == ListRows::kColumns) {
    setItemDelegate(new CColumnListDelegate(this));
    setFont(CQtCanvas::FontFor(kListFont));
    rowHeight = kListRowHeight;
    // The renderer draws the whole row; no hover tint.
    setAttribute(Qt::WA_Hover, false);
  } else {
    rowHeight = QFontMetrics(font()).height() + 2;
  }
  horizontalHeader()->hide();
  horizontalHeader()->setStretchLastSection(true);
  verticalHeader()->hide();
  // Rows of one fixed height: the header keeps no entry per row.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  setShowGrid(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setTabKeyNavigation(false);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(SelectsMany() ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFocusPolicy(Qt::StrongFocus);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int CListView::SelectedRow() const {
  const QModelIndex current = currentIndex();
  if (current.isValid() && selectionModel()->isSelected(current)) return current.row();
  const std::vector<int> rows = SelectedRows();
  return rows.empty() ? -1 : rows.front();
}

std::vector<int> CListView::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void CListView::ShowSelectedRows(int row, const std::vector<int>& rows) {
  QItemSelectionModel* selection = selectionModel();
  if (row < 0) {
    selection->clear();
    return;
  }
  const QModelIndex index = model()->index(row, 0);
  if (SelectsMany()) {
    QItemSelection shown;
    for (const int other : rows) shown.select(model()->index(other, 0), model()->index(other, 0));
    selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    selection->select(shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  } else if (selection->currentIndex() != index || !selection->isSelected(index)) {
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  scrollTo(index);
}

void CListView::focusInEvent(QFocusEvent* event) {
  const bool hadCurrent = currentIndex().isValid();
  QTableView::focusInEvent(event);
  // The view makes the first row current on focus-in without selecting it;
  // the next key would then start from a row nobody chose.
  const QModelIndex current = currentIndex();
  if (!hadCurrent && current.isValid() && !selectionModel()->isSelected(current)) {
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  }
}

QModelIndex CListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
  const int count = model()->rowCount();
  // From no row at all every key starts at the first row; End goes to the last.
  if (!currentIndex().isValid() && count > 0) {
    return model()->index(cursorAction == MoveEnd ? count - 1 : 0, 0);
  }
  return QTableView::moveCursor(cursorAction, modifiers);
}

QItemSelectionModel::SelectionFlags CListView::selectionCommand(const QModelIndex& index, const QEvent* event) const {
  const QItemSelectionModel::SelectionFlags command = QTableView::selectionCommand(index, event);
  // A one-row list box keeps its selected row until another is chosen.
  if (!SelectsMany() && (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))) {
    if (selectionModel()->isSelected(index)) return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
  }
  return command;
}

bool CListView::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QString text = HiddenText(help->pos());
  if (text.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), text, viewport(), visualRect(indexAt(help->pos())));
  }
  return true;
}

QString CListView::HiddenText(const QPoint& pos) const {
  const QModelIndex index = indexAt(pos);
  if (!index.isValid()) return {};
  const int visible = viewport()->width();
  if (rows_ == ListRows::kPlain) {
    const QString text = index.data(Qt::DisplayRole).toString();
    return QFontMetrics(font()).horizontalAdvance(text) + 4 > visible ? text : QString();
  }
  const QByteArray bytes = index.data(CQtListModel::kAccountTextRole).toByteArray();
  const std::vector<ListRowColumn> columns =
      ListRowColumns(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  // The row's layout counts in unzoomed pixels; its text grows by the
  // smaller of the two zooms.
  double across = 1.0;
  double textScale = 1.0;
  if (const auto* rows = qobject_cast<const CColumnListDelegate*>(itemDelegate())) {
    across = rows->Across();
    textScale = std::min(rows->Across(), rows->Down()) / across;
  }
  const int x = static_cast<int>(pos.x() / across);
  const int right = static_cast<int>(visible / across);
  const QFontMetrics metrics(CQtCanvas::FontFor(kListFont));
  struct Span {
    int left;
    int right;
  };
  std::vector<Span> spans;
  for (const ListRowColumn& column : columns) {
    const int width = static_cast<int>(metrics.horizontalAdvance(FromAccountText(column.text)) * textScale);
    const int left = ColumnTextLeft(column, width);
    spans.push_back({left, left + width});
  }
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const bool under = (x >= columns[i].start && x < columns[i].end) || (x >= spans[i].left && x < spans[i].right);
    if (!under) continue;
    // Columns are drawn opaque in order, so a later column's text covers
    // whatever an earlier one ran into; the list's edges cut the rest.
    bool whole = spans[i].left >= 0 && spans[i].right <= right;
    for (std::size_t later = i + 1; whole && later < columns.size(); ++later) {
      whole = spans[later].right <= spans[i].left || spans[later].left >= spans[i].right;
    }
    return whole ? QString() : FromAccountText(columns[i].text);
  }
  return {};
}

}  // namespace purso
