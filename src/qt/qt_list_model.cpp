#include "qt/qt_list_model.h"

#include <QByteArray>

#include "qt/text_codec.h"
#include "text/row_renderer.h"

namespace purso {

CQtListModel::CQtListModel(const CControlModel& controls, int controlId, ListRows rows, QObject* parent)
    : QAbstractListModel(parent),
      items_(controls.Items(controlId)),
      rows_(rows),
      count_(static_cast<int>(items_.size())) {}

int CQtListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count_; }

QVariant CQtListModel::data(const QModelIndex& index, int role) const {
  const int row = index.row();
  if (!index.isValid() || row < 0 || static_cast<std::size_t>(row) >= items_.size()) return {};
  const std::string& item = items_[static_cast<std::size_t>(row)];
  switch (role) {
    case Qt::DisplayRole:
      return FromAccountText(rows_ == ListRows::kColumns ? ListRowText(item) : item);
    case Qt::AccessibleTextRole:
      // What the row shows, without its layout, sort key and id.
      return FromAccountText(ListRowText(item));
    case kAccountTextRole:
      return QByteArray(item.data(), static_cast<qsizetype>(item.size()));
    default:
      return {};
  }
}

void CQtListModel::Reset() {
  beginResetModel();
  count_ = static_cast<int>(items_.size());
  endResetModel();
}

void CQtListModel::Inserted(int row) {
  beginInsertRows(QModelIndex(), row, row);
  ++count_;
  endInsertRows();
}

void CQtListModel::Removed(int row) {
  beginRemoveRows(QModelIndex(), row, row);
  --count_;
  endRemoveRows();
}

}  // namespace purso
