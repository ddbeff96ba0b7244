// COpeningBalanceDialog: the Opening balance dialog (151).
//
// Opens on a balance: its magnitude as amount text in the amount field and
// its sign in the radio buttons (0 counts as positive). OK reads the amount
// by the display settings, refuses a bad amount or one above kMaxAmount with
// the focus on the amount field, and otherwise ends with 1, Balance() then
// being the typed magnitude with the chosen sign. Cancel, Escape and the
// close box end with 2 and Balance() stays the balance it opened on. The
// dialog stores nothing: its opener decides what to do with the value.
#pragma once

#include "data/account_book.h"
#include "data/display_settings.h"
#include "dialogs/editing_dialog.h"
#include "platform/host.h"

namespace purso {

class COpeningBalanceDialog final : public CEditingDialog {
 public:
  COpeningBalanceDialog(const CDisplaySettings& settings, double balance);

  void OnInit() override;
  void OnCommand(int controlId) override;

  // The signed opening balance: the accepted value after OK, else the one
  // the dialog opened on.
  double Balance() const { return balance_; }

 private:
  void OnOk();

  CDisplaySettings settings_;
  double balance_;
};

// Runs the dialog on the opening balance of the book's current year and,
// when it ends with OK on another value, stores that value in the ledger,
// which marks the ledger modified: what every opener does.
void EditOpeningBalance(IHost& host, CAccountBook& book);

}  // namespace purso
