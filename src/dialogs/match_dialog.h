// CMatchDialog: the Match dialog (147), which ties one transaction of a
// fixed category to a predaction of that category in the current year.
//
// The list shows the category's unmatched predactions in date order, with
// the transaction's own when it is matched again, and proposes one: its own,
// else the one nearest in date (month-day numbers compared, the earlier in
// table order on a tie). Match makes the selected
// predaction take the transaction's date and amount, the category's budget
// moving by the difference; New Pred. makes a new predaction of the
// transaction, the budget growing by its amount. Either ends the dialog with
// Chosen() set. Predactions edits the category's predactions first (their
// total becomes the budget) and lists them again. Cancel and Escape end it
// with nothing chosen, undoing nothing that Predactions did.
//
// The dialog writes no transaction: its caller stores the chosen
// predaction's id as the transaction's match.
#pragma once

#include <cstdint>
#include <optional>

#include "data/account_book.h"
#include "dialogs/editing_dialog.h"
#include "dialogs/predactions_dialog.h"

namespace purso {

// The transaction being matched: its category, date (a month-day number) and
// amount. The amounts show as the category's stored type says.
struct MatchRequest {
  std::uint32_t categoryId = 0;
  double monthDay = 0.0;
  double amount = 0.0;
  // The predaction it is matched with now, when matched again: listed
  // although matched, and proposed.
  std::optional<std::uint32_t> preselected;
};

class CMatchDialog final : public CEditingDialog {
 public:
  // On the book's current year; book must outlive the dialog.
  CMatchDialog(CAccountBook& book, const MatchRequest& request);

  void OnInit() override;
  void OnCommand(int controlId) override;

  // The predaction matched or made; none unless the dialog ended so.
  std::optional<std::uint32_t> Chosen() const { return chosen_; }

 private:
  void OnMatch();
  void OnNewPredaction();
  void OnEditPredactions();
  // The unmatched predactions, the proposed one selected.
  void FillList();

  CAccountBook& book_;
  CYearLedger& ledger_;
  MatchRequest request_;
  std::optional<std::uint32_t> chosen_;
};

// Runs the Match dialog for the transaction; the predaction chosen, none
// when it was cancelled.
std::optional<std::uint32_t> RunMatch(IHost& host, CAccountBook& book, const MatchRequest& request);

}  // namespace purso
