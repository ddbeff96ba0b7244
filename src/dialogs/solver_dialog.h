// CSolverDialog: the Solver dialog (152).
//
// Lists the current year's variable categories, those in surplus at the
// balance date above those in deficit, each row showing what was spent or
// received, the budget share so far, the surplus or deficit at the balance
// date, the annual budget and the surplus or deficit at December 31. Budget
// moves from the selected surplus row's category to the selected deficit
// row's: by its surplus at the balance date, by its surplus at December 31
// (each as shown, rounded to the shown decimals), or by a typed amount of at
// most the latter. Each transfer is written into the Categories table at
// once and both lists are rebuilt; a budget may fall below zero and is then
// shown as a negative amount. The three transfer buttons are enabled exactly
// while both lists have a selected row. Done, Escape and the close box only
// close it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/solver_figures.h"
#include "data/account_book.h"
#include "dialogs/editing_dialog.h"

namespace purso {

class CSolverDialog final : public CEditingDialog {
 public:
  // book must outlive the dialog; the dialog works on its current year.
  explicit CSolverDialog(CAccountBook& book);

  void OnInit() override;
  void OnCommand(int controlId) override;
  void OnSelectionChange(int controlId) override;

 private:
  enum class SolverList { kSurplus, kDeficit };

  void FillLists();
  void WriteCaptions(double balanceDate);
  void FillList(SolverList list, const std::vector<SolverCategory>& categories);
  std::string Row(SolverList list, const SolverCategory& category) const;
  void UpdateButtons();

  // The amount shown in a column of the selected surplus row, as read back
  // from its text; none without a selected row.
  std::optional<double> ShownSurplus(std::string_view layout) const;
  void OnTypedTransfer();
  void Transfer(double amount);

  CAccountBook& book_;
};

}  // namespace purso
