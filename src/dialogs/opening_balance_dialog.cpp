#include "dialogs/opening_balance_dialog.h"

#include <cmath>

#include "resources/opening_balance_dialog_resource.h"
#include "resources/translatable.h"

namespace purso {
namespace {

namespace ids = opening_balance_dialog;

// The amount field is read as a fixed-size field of this many characters.
constexpr std::size_t kAmountFieldLength = 79;
constexpr AmountProblems kBalanceProblems{PURSO_TEXT("Input", "The opening balance is invalid (bad format)"),
                                          PURSO_TEXT("Input", "The balance is invalid (number too big)")};

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
  const std::optional<double> amount = TypedAmount(settings_, ids::kAmount, kBalanceProblems, kAmountFieldLength);
  if (!amount) return;
  balance_ = Controls().IsChecked(ids::kNegative) ? -*amount : *amount;
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
