// CRecurringPredactionsDialog: the Recurring Predactions dialog (144).
//
// Asks for a series of equal predactions in the unit of the button that
// opened it: the interval (1 to the unit's largest), the first and the last
// date in the current year, and the amount. Add checks them in that order,
// refusing the first that is wrong, and ends with 1; Cancel and Escape end
// with 2. The dialog stores nothing: its opener generates the series.
#pragma once

#include "calc/predaction_series.h"
#include "data/account_book.h"
#include "dialogs/editing_dialog.h"

namespace purso {

class CRecurringPredactionsDialog final : public CEditingDialog {
 public:
  // book must outlive the dialog.
  CRecurringPredactionsDialog(const CAccountBook& book, SeriesUnit unit);

  void OnInit() override;
  void OnCommand(int controlId) override;

  // The series asked for; defined once the dialog ended with 1.
  const PredactionSeries& Series() const { return series_; }

 private:
  void OnAdd();

  const CAccountBook& book_;
  PredactionSeries series_;
};

}  // namespace purso
