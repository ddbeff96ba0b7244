#include "qt/column_list_delegate.h"

#include <QPainter>

#include "qt/qt_canvas.h"
#include "qt/qt_list_model.h"
#include "text/row_renderer.h"

namespace purso {

void CColumnListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QByteArray bytes = index.data(CQtListModel::kAccountTextRole).toByteArray();
  const std::string_view row(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  const bool selected = (option.state & QStyle::State_Selected) != 0;
  CQtCanvas canvas(*painter);
  painter->setClipRect(option.rect);
  DrawListRow(canvas, row, option.rect.left(), option.rect.top(), option.rect.right() + 1,
              selected ? RowState::kSelected : RowState::kNormal);
}

QSize CColumnListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return QSize(option.rect.width(), kListRowHeight);
}

}  // namespace purso
