#include "dialogs/budget_report_dialog.h"

#include <cstdint>
#include <filesystem>
#include <vector>

#include "data/account_save.h"
#include "data/account_text.h"
#include "resources/budget_report_dialog_resource.h"
#include "statement/budget_report_export.h"
#include "text/amount_text.h"
#include "text/date_text.h"
#include "text/filled_text.h"
#include "text/list_layouts.h"
#include "text/list_row.h"

namespace purso {
namespace {

namespace ids = budget_report_dialog;
namespace columns = layout::budget_report;

constexpr double kYearEnd = 1231;

}  // namespace

CBudgetReportDialog::CBudgetReportDialog(CAccountBook& book, std::string accountName, std::string folder)
    : CEditingDialog(ids::kResource, {ids::kHelp, ids::kHelpPage}),
      book_(book),
      accountName_(std::move(accountName)),
      folder_(std::move(folder)) {}

void CBudgetReportDialog::OnInit() {
  report_ = ComputeBudgetReport(book_.CurrentLedger());
  ShowCaptions();
  FillRows();
  ShowBalances();
  Controls().SetFocus(ids::kDone);
}

void CBudgetReportDialog::OnCommand(int controlId) {
  switch (controlId) {
    case ids::kPrint:
      Host().PrintPage({Html(), std::string(kBudgetReportTitle), PageOrientation::kLandscape});
      return;
    case ids::kExportHtml:
      return Export(FileKind::kHtml);
    case ids::kExportCsv:
      return Export(FileKind::kCsv);
    default:
      CEditingDialog::OnCommand(controlId);
  }
}

void CBudgetReportDialog::ShowCaptions() {
  const CDisplaySettings& settings = book_.Settings();
  const std::string atDate = FormatDate(settings, report_.balanceDate);
  const std::string atYearEnd = FormatDate(settings, kYearEnd);
  CControlModel& controls = Controls();
  controls.SetText(ids::kSubtitle, Filled(ids::kSubtitleText, std::to_string(report_.year), atDate));
  controls.SetText(ids::kShareHeader, atDate + "\nshare");
  controls.SetText(ids::kActualHeader, atDate + "\nactual");
  controls.SetText(ids::kSurplusAtDateHeader, atDate + "\nsurplus");
  controls.SetText(ids::kSurplusAtYearEndHeader, atYearEnd + "\nsurplus");
  controls.SetText(ids::kPredictedAtDateLabel, Filled(ids::kPredictedAtText, atDate));
  controls.SetText(ids::kPredictedAtYearEndLabel, Filled(ids::kPredictedAtText, atYearEnd));
  controls.SetText(ids::kActualAtDateLabel, Filled(ids::kActualAtText, atDate));
  controls.SetText(ids::kActualAtYearEndLabel, Filled(ids::kActualAtText, atYearEnd));
}

// Budgets, shares and actuals of the expense types red, as the Solver shows
// them; the surplus columns red where they are a deficit.
std::string CBudgetReportDialog::Row(std::string_view name, CategoryType type, const BudgetFigures& figures) const {
  const CDisplaySettings& settings = book_.Settings();
  const auto amount = [&settings](double value) { return FormatAmountPlain(settings, value); };
  const bool expense = IsExpense(type);
  const bool fixed = IsFixed(type);
  return CListRowBuilder()
      .Column(columns::kName, name)
      .Column(columns::kType, CategoryTypeText(type))
      .Column(expense ? columns::kBudgetExpense : columns::kBudgetIncome, amount(figures.budget))
      .Column(expense ? columns::kShareExpense : columns::kShareIncome, amount(figures.share))
      .Column(expense ? columns::kActualExpense : columns::kActualIncome, amount(figures.actual))
      .Column(figures.surplusAtDate < 0 ? columns::kDeficitAtDate : columns::kSurplusAtDate,
              amount(figures.surplusAtDate))
      .Column(figures.surplusAtYearEnd < 0 ? columns::kDeficitAtYearEnd : columns::kSurplusAtYearEnd,
              amount(figures.surplusAtYearEnd))
      .Column(columns::kMatched, fixed ? std::to_string(figures.matched) : "")
      .Column(columns::kOutstanding, fixed ? std::to_string(figures.outstanding) : "")
      .Finish();
}

void CBudgetReportDialog::FillRows() {
  std::vector<std::string> rows;
  for (const BudgetReportGroup& group : report_.groups) {
    // An empty row between one type's total and the next type.
    if (!rows.empty()) rows.push_back(CListRowBuilder().Column(columns::kName, "").Finish());
    for (const BudgetReportRow& row : group.rows) rows.push_back(Row(row.name, row.type, row.figures));
    rows.push_back(Row(Filled(ids::kTotalText, CategoryTypeText(group.type)), group.type, group.total));
  }
  Controls().SetItems(ids::kRows, std::move(rows));
}

void CBudgetReportDialog::ShowBalances() {
  const CDisplaySettings& settings = book_.Settings();
  CControlModel& controls = Controls();
  controls.SetText(ids::kPredictedAtDate, FormatSignedAmount(settings, report_.predictedAtDate));
  controls.SetText(ids::kPredictedAtYearEnd, FormatSignedAmount(settings, report_.predictedAtYearEnd));
  controls.SetText(ids::kActualAtDate, FormatSignedAmount(settings, report_.actualAtDate));
  controls.SetText(ids::kActualAtYearEnd, report_.actualAtYearEnd
                                              ? FormatSignedAmount(settings, *report_.actualAtYearEnd)
                                              : std::string(ids::kNotYetKnown));
}

std::string CBudgetReportDialog::Html() const { return BudgetReportHtml(report_, book_.Settings(), accountName_); }

void CBudgetReportDialog::Export(FileKind kind) {
  const bool html = kind == FileKind::kHtml;
  const std::string extension = html ? "html" : "csv";
  const std::string name = accountName_ + ' ' + std::to_string(report_.year) + " budget report." + extension;
  const std::optional<std::string> path =
      Host().AskSaveFileName({html ? ids::kHtmlTitle : ids::kCsvTitle, html ? ids::kHtmlFilter : ids::kCsvFilter,
                              extension, folder_.empty() ? name : (std::filesystem::path(folder_) / name).string()});
  if (!path) return;
  const std::string text = html ? Html() : BudgetReportCsv(report_, book_.Settings());
  if (WriteFileAtomically(*path, std::vector<std::uint8_t>(text.begin(), text.end()))) return;
  const std::string written = Utf8ToAccountText(std::filesystem::path(*path).filename().string());
  Problem(Filled(ids::kWriteProblem, written), ids::kWriteSuggestion);
}

}  // namespace purso
