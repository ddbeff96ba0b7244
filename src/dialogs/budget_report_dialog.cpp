#include "dialogs/budget_report_dialog.h"

#include <cstdint>
#include <filesystem>
#include <vector>

#include "data/account_text.h"
#include "data/translation.h"
#include "platform/shown_text.h"
#include "resources/budget_report_dialog_resource.h"
#include "statement/budget_report_export.h"
#include "text/amount_text.h"
#include "text/date_text.h"
#include "text/list_layouts.h"
#include "text/list_row.h"

namespace purso {
namespace {

namespace ids = budget_report_dialog;
namespace columns = layout::budget_report;

constexpr double kYearEnd = 1231;

// One of the dialog's texts in the user's language, with its values.
std::string Shown(std::string_view text, std::initializer_list<std::string_view> values = {}) {
  return Filled(ShownText(ids::kResource, text), values);
}

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
      Host().PrintPage(
          {Html(), AccountTextToUtf8(Translate("BudgetReportPage", kBudgetReportTitle)), PageOrientation::kLandscape});
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
  controls.SetText(ids::kSubtitle, Shown(ids::kSubtitleText, {std::to_string(report_.year), atDate}));
  controls.SetText(ids::kShareHeader, Filled(Translate("BudgetReportDialog", "%1\nshare"), {atDate}));
  controls.SetText(ids::kActualHeader, Filled(Translate("BudgetReportDialog", "%1\nactual"), {atDate}));
  controls.SetText(ids::kSurplusAtDateHeader, Filled(Translate("BudgetReportDialog", "%1\nsurplus"), {atDate}));
  controls.SetText(ids::kSurplusAtYearEndHeader, Filled(Translate("BudgetReportDialog", "%1\nsurplus"), {atYearEnd}));
  controls.SetText(ids::kPredictedAtDateLabel, Shown(ids::kPredictedAtText, {atDate}));
  controls.SetText(ids::kPredictedAtYearEndLabel, Shown(ids::kPredictedAtText, {atYearEnd}));
  controls.SetText(ids::kActualAtDateLabel, Shown(ids::kActualAtText, {atDate}));
  controls.SetText(ids::kActualAtYearEndLabel, Shown(ids::kActualAtText, {atYearEnd}));
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
      .Column(columns::kType, CategoryTypeName(type))
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
    rows.push_back(Row(Shown(ids::kTotalText, {CategoryTypeName(group.type)}), group.type, group.total));
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
                                              : Shown(ids::kNotYetKnown));
}

std::string CBudgetReportDialog::Html() const { return BudgetReportHtml(report_, book_.Settings(), accountName_); }

void CBudgetReportDialog::Export(FileKind kind) {
  const bool html = kind == FileKind::kHtml;
  const std::string extension = html ? "html" : "csv";
  // The file dialog takes the name in UTF-8; the texts it is made of are account text.
  const std::string name = AccountTextToUtf8(Filled(Translate("BudgetReportDialog", "%1 %2 budget report"),
                                                    {accountName_, std::to_string(report_.year)})) +
                           '.' + extension;
  const std::string title = Shown(html ? ids::kHtmlTitle : ids::kCsvTitle);
  const std::string filter = Shown(html ? ids::kHtmlFilter : ids::kCsvFilter);
  const std::optional<std::string> path = Host().AskSaveFileName(
      {title, filter, extension, folder_.empty() ? name : (std::filesystem::path(folder_) / name).string()});
  if (!path) return;
  const std::string text = html ? Html() : BudgetReportCsv(report_, book_.Settings());
  WriteFileOrReport(Host(), *path, text);
}

}  // namespace purso
