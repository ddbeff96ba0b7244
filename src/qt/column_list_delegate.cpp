#include "qt/column_list_delegate.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>

#include <cmath>

#include "platform/colour_mapped_canvas.h"
#include "platform/zoomed_canvas.h"
#include "qt/qt_canvas.h"
#include "qt/qt_list_model.h"
#include "qt/qt_palette.h"
#include "text/row_renderer.h"

namespace purso {

void CColumnListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QByteArray bytes = index.data(CQtListModel::kAccountTextRole).toByteArray();
  const std::string_view row(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  const RowState state = (option.state & QStyle::State_Selected) != 0 ? RowState::kSelected : RowState::kNormal;
  const CColourMap colours = ListRowColours(DesktopPaletteOf(option.palette), state);
  CQtCanvas canvas(*painter);
  painter->setClipRect(option.rect);
  painter->translate(option.rect.topLeft());
  CZoomedCanvas zoomed(canvas, across_, down_);
  CColourMappedCanvas shown(zoomed, colours);
  const int width = static_cast<int>(std::ceil(option.rect.width() / across_));
  DrawListRow(shown, row, 0, 0, width, state);
}

void CColumnListDelegate::SetZoom(QTableView& list, double across, double down) {
  across_ = across;
  down_ = down;
  list.verticalHeader()->setDefaultSectionSize(static_cast<int>(std::lround(kListRowHeight * down)));
  list.viewport()->update();
}

QSize CColumnListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return QSize(option.rect.width(), static_cast<int>(std::lround(kListRowHeight * down_)));
}

}  // namespace purso
