#include "support/dialog_samples.h"

#include "dialogs/about_dialog.h"
#include "dialogs/change_year_dialog.h"
#include "dialogs/message_dialogs.h"
#include "dialogs/opening_balance_dialog.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/solver_dialog.h"
#include "resources/settings_dialog_resource.h"
#include "resources/solver_dialog_resource.h"

namespace purso::test {
namespace {

template <typename Dialog, typename... Arguments>
std::unique_ptr<CDialogLogic> Make(Arguments&&... arguments) {
  return std::make_unique<Dialog>(std::forward<Arguments>(arguments)...);
}

const DialogSample kSamples[] = {
    {"About", [](CAccountBook&) { return Make<CAboutDialog>(); }, kCommandOk},
    {"Problem",
     [](CAccountBook&) { return Make<CProblemDialog>("The opening balance is invalid (bad format)", "Enter a valid number."); }},
    {"Confirmation",
     [](CAccountBook&) {
       return Make<CConfirmationDialog>("All predactions of this category will be removed.\nDo you want to continue?");
     }},
    {"Date & Currency Settings", [](CAccountBook& book) { return Make<CSettingsDialog>(book.Settings()); },
     settings_dialog::kDone},
    {"Opening balance",
     [](CAccountBook& book) {
       return Make<COpeningBalanceDialog>(book.Settings(), book.CurrentLedger().GetOpeningBalance());
     }},
    {"Change Year", [](CAccountBook& book) { return Make<CChangeYearDialog>(book); }},
    {"Solver", [](CAccountBook& book) { return Make<CSolverDialog>(book); }, solver_dialog::kDone},
};

}  // namespace

std::span<const DialogSample> DialogSamples() { return kSamples; }

}  // namespace purso::test
