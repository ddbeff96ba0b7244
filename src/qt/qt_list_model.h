// CQtListModel: the items of one list or drop-down of a control model, as a
// Qt item model.
//
// The rows live once, in the control model; this model only reads them, so a
// view over it draws the visible rows and holds nothing per row. Screen
// readers are given the texts a row shows (Qt::AccessibleTextRole). The binding
// tells it what changed, as the control model announced it: a refill, one
// inserted row or one removed row.
#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

#include "platform/control_model.h"

namespace purso {

// What a list's rows are.
enum class ListRows {
  kPlain,    // texts, in the list's own font
  kColumns,  // rows that carry their own column layout
};

class CQtListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  // The row's bytes as the account holds them (a QByteArray), for the row
  // renderer, which reads the row's own layout.
  static constexpr int kAccountTextRole = Qt::UserRole + 1;

  // The control model must outlive this model. The display text of a
  // column row is its columns' texts, as a reader sees them.
  CQtListModel(const CControlModel& controls, int controlId, ListRows rows, QObject* parent);

  ListRows Rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  void Reset();
  void Inserted(int row);
  void Removed(int row);

 private:
  const std::vector<std::string>& items_;
  ListRows rows_;
  // The rows the views know of: between a change of the items and its
  // announcement the two counts differ.
  int count_ = 0;
};

}  // namespace purso
