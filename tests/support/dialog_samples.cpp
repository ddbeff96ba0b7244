#include "support/dialog_samples.h"

#include "calc/predaction_series.h"
#include "data/translation.h"
#include "dialogs/about_dialog.h"
#include "dialogs/backups_dialog.h"
#include "dialogs/budget_report_dialog.h"
#include "dialogs/budget_wizard_dialog.h"
#include "dialogs/categories_dialog.h"
#include "dialogs/change_year_dialog.h"
#include "dialogs/csv_columns_dialog.h"
#include "dialogs/export_chart_dialog.h"
#include "dialogs/import_dialog.h"
#include "dialogs/match_dialog.h"
#include "dialogs/message_dialogs.h"
#include "dialogs/name_list_dialog.h"
#include "dialogs/opening_balance_dialog.h"
#include "dialogs/predactions_dialog.h"
#include "dialogs/recurring_predactions_dialog.h"
#include "dialogs/restore_version_dialog.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/solver_dialog.h"
#include "dialogs/transactions_dialog.h"
#include "resources/budget_report_dialog_resource.h"
#include "resources/categories_dialog_resource.h"
#include "resources/functional_areas_dialog_resource.h"
#include "resources/objects_dialog_resource.h"
#include "resources/predactions_dialog_resource.h"
#include "resources/settings_dialog_resource.h"
#include "resources/solver_dialog_resource.h"
#include "resources/transactions_dialog_resource.h"
#include "support/ledger_records.h"
#include "text/name_rules.h"

namespace purso::test {
namespace {

template <typename Dialog, typename... Arguments>
std::unique_ptr<CDialogLogic> Make(Arguments&&... arguments) {
  return std::make_unique<Dialog>(std::forward<Arguments>(arguments)...);
}

// A weekly cleaner for the house, one of the sample year's fixed
// categories with many predactions; the dialog opens on the tenth.
std::unique_ptr<CDialogLogic> CleanerPredactions(CAccountBook& book) {
  CYearLedger& ledger = book.CurrentLedger();
  const std::uint32_t house = FindName(ledger.Objects(), "House").value_or(0);
  const std::uint32_t cleaning = AddFunctionalArea(ledger, "Cleaning");
  const std::uint32_t cleaner = AddCategory(ledger, "Cleaner", CategoryType::kFixEx, 0, house, cleaning);
  std::uint32_t tenth = 0;
  const std::vector<double> weeks = SeriesDates({SeriesUnit::kWeeks, 1, 105, 1231, 42.5}, book.GetYear());
  for (std::size_t week = 0; week < weeks.size(); ++week) {
    const std::uint32_t id = AddPredaction(ledger, cleaner, weeks[week], week % 4 == 3 ? 85 : 42.5);
    if (week == 9) tenth = id;
  }
  return Make<CPredactionsDialog>(book, cleaner, MoneyFlow::kExpense, tenth);
}

// June's rent, paid on the 2nd, to be matched with one of the rent's
// predactions still open.
std::unique_ptr<CDialogLogic> RentMatch(CAccountBook& book) {
  const std::uint32_t rent = FindName(book.CurrentLedger().Categories(), "Rent").value_or(0);
  return Make<CMatchDialog>(book, MatchRequest{rent, 602, 950, std::nullopt});
}

// A bank statement of June on the sample year: rent and salary matched with
// their predactions, groceries and fuel recognised, a salary advance far
// from any predaction, two payees the account does not know (one with a
// long description), the tutoring of April once more, and a line of 1997.
std::unique_ptr<CDialogLogic> JuneStatement(CAccountBook& book) {
  const int year = book.GetYear();
  const auto line = [](std::uint32_t number, CivilDate date, double amount, const char* payee, const char* memo) {
    StatementLine made;
    made.line = number, made.date = date, made.amount = amount, made.payee = payee, made.memo = memo;
    return made;
  };
  Statement statement;
  statement.accounts = {StatementAccount{"1234", StatementAccountKind::kBank}};
  statement.lines = {
      line(10, {year, 6, 1}, -950, "Rent", "June"),
      line(11, {year, 6, 9}, -412.3, "SUPERMARKET", "Card 4411"),
      line(12, {year, 6, 16}, -88.1, "Fuel", ""),
      line(13, {year, 6, 24}, 2400, "Salary", ""),
      line(14, {year, 6, 28}, -7.8, "Corner Cafe", ""),
      line(15, {year, 6, 29}, -640, "Mustang Insurance Company of the Southern States", "Policy 2024-118"),
      line(16, {year, 7, 10}, 1200, "Salary", "Advance"),
      line(17, {year, 4, 12}, 450, "Spring term", ""),
      line(18, {1997, 12, 30}, -12, "Old fee", ""),
  };
  return Make<CImportDialog>(book, std::move(statement), "june.ofx");
}

// A CSV statement with money out and in apart, whose names give its columns away.
std::unique_ptr<CDialogLogic> StatementColumns(CAccountBook& book) {
  static CMemorySettingsStore store;
  static CInlineRunner runner;
  static constexpr std::string_view kText =
      "Booking Date,Payee,Reference,Paid Out,Paid In,Balance\n01/06/2026,Rent,June,950.00,,\"1,020.50\"\n";
  static const std::vector<CsvRecord> records = SplitCsvRecords(kText, ',');
  return Make<CCsvColumnsDialog>(store, runner, "june.csv", kText, records,
                                 GuessCsvMapping(records, ',', CsvPreferencesOf(book.Settings())));
}

// Three versions kept of the sample account: two good ones of this year,
// the newest with one more transaction, and a damaged one between.
std::unique_ptr<CDialogLogic> KeptVersions(CAccountBook& book) {
  const auto saved = WallClock::from_time_t(1717400000);  // early June 2024
  std::vector<VersionSummary> versions;
  for (int i = 0; i < 3; ++i) {
    VersionSummary summary;
    summary.version = {"v" + std::to_string(i), "", saved - std::chrono::hours(30 * i), 21000u - 85u * i};
    summary.failure = i == 1 ? ReadFailure::kTruncated : ReadFailure::kNone;
    summary.year = book.GetYear();
    summary.transactions = 61 - i;
    summary.balance = 1234.5 - 40 * i;
    summary.settings = book.Settings();
    versions.push_back(summary);
  }
  return Make<CRestoreVersionDialog>(std::move(versions), "household.pxf");
}

const DialogSample kSamples[] = {
    {"About", [](CAccountBook&) { return Make<CAboutDialog>(); }, kCommandOk},
    {"Problem",
     [](CAccountBook&) {
       // Shown in the user's language, as the program passes them.
       return Make<CProblemDialog>(Translate("Input", "The opening balance is invalid (bad format)"),
                                   Translate("Input", "Enter a valid number."));
     }},
    {"Confirmation",
     [](CAccountBook&) {
       return Make<CConfirmationDialog>(Translate(
           "CategoriesDialog", "All predactions of this category will be removed.\nDo you want to continue?"));
     }},
    {"Save changes", [](CAccountBook&) { return Make<CSaveChangesDialog>("household.pxf"); }},
    {"Date & Currency Settings", [](CAccountBook& book) { return Make<CSettingsDialog>(book.Settings()); },
     settings_dialog::kDone},
    {"Opening balance",
     [](CAccountBook& book) {
       return Make<COpeningBalanceDialog>(book.Settings(), book.CurrentLedger().GetOpeningBalance());
     }},
    {"Change Year", [](CAccountBook& book) { return Make<CChangeYearDialog>(book); }},
    {"Solver", [](CAccountBook& book) { return Make<CSolverDialog>(book); }, solver_dialog::kDone},
    {"Objects", [](CAccountBook& book) { return Make<CNameListDialog>(book.CurrentLedger(), MasterList::kObjects); },
     objects_dialog::kDone},
    {"Functional Areas",
     [](CAccountBook& book) { return Make<CNameListDialog>(book.CurrentLedger(), MasterList::kFunctionalAreas); },
     functional_areas_dialog::kDone},
    {"Categories", [](CAccountBook& book) { return Make<CCategoriesDialog>(book); }, categories_dialog::kDone},
    {"Predicted Transactions", CleanerPredactions, predactions_dialog::kDone},
    {"Transactions", [](CAccountBook& book) { return Make<CTransactionsDialog>(book); }, transactions_dialog::kDone},
    {"Match transaction with predaction", RentMatch},
    {"Budget Wizard", [](CAccountBook& book) { return Make<CBudgetWizardDialog>(book); }},
    {"Recurring Predactions",
     [](CAccountBook& book) { return Make<CRecurringPredactionsDialog>(book, SeriesUnit::kMonths); }},
    {"Import Statement", JuneStatement},
    {"Statement Columns", StatementColumns},
    {"Budget Report", [](CAccountBook& book) { return Make<CBudgetReportDialog>(book, "Household"); },
     budget_report_dialog::kDone},
    {"Export Chart",
     [](CAccountBook&) {
       return Make<CExportChartDialog>(ChartExportChoice{PictureFormat::kPng, 586, 481});
     }},
    {"Restore Earlier Version", KeptVersions},
    {"Backups", [](CAccountBook&) { return Make<CBackupsDialog>(VersionLimits{}); }},
};

}  // namespace

std::span<const DialogSample> DialogSamples() { return kSamples; }

}  // namespace purso::test
