#include "dialogs/opening_balance_dialog.h"

#include <cmath>

#include "dialogs/message_dialogs.h"
#include "resources/opening_balance_dialog_resource.h"
#include "text/amount_text.h"

namespace purso {
namespace {

namespace ids = opening_balance_dialog;

// The amount field is read as a fixed-size field of this many characters.
constexpr std::size_t kAmountFieldLength = 79;

}  // namespace

COpeningBalanceDialog::COpeningBalanceDialog(const CDisplaySettings& settings, double balance)
    : CEditingDialog(opening_balance_dialog::kResource), settings_(settings), balance_(balance) {}

void COpeningBalanceDialog::OnInit() {
  CControlModel& controls = Controls();
  ShowStoredAmount(settings_, ids::kAmount, std::fabs(balance_));
  controls.SetChecked(balance_ < 0.0 ? ids::kNegative : ids::kPositive, true);
  controls.SetFocus(ids::kAmount);
}

void COpeningBalanceDialog::OnCommand(int controlId) {
  if (controlId == ids::kOk) {
    OnOk();
  } else {
    CEditingDialog::OnCommand(controlId);
  }
}

void COpeningBalanceDialog::OnOk() {
  CControlModel& controls = Controls();
  const bool negative = controls.IsChecked(ids::kNegative);
  const std::optional<double> amount = FieldAmount(settings_, ids::kAmount, kAmountFieldLength);
  if (!amount) return Refuse("The opening balance is invalid (bad format)", "Enter a valid number.", ids::kAmount);
  const double value = *amount;
  if (value > kMaxAmount) {
    return Refuse("The balance is invalid (number too big)", "Enter a number < 999999999", ids::kAmount);
  }
  balance_ = negative ? -value : value;
  EndDialog(ids::kOk);
}

void EditOpeningBalance(IHost& host, CAccountBook& book) {
  CYearLedger& ledger = book.CurrentLedger();
  COpeningBalanceDialog dialog(book.Settings(), ledger.GetOpeningBalance());
  if (host.RunModal(dialog) == kCommandOk && dialog.Balance() != ledger.GetOpeningBalance()) {
    ledger.SetOpeningBalance(dialog.Balance());
  }
}

}  // namespace purso
