#include "dialogs/predactions_dialog.h"

#include <string>
#include <vector>

#include "calc/predaction_queries.h"
#include "data/translation.h"
#include "dialogs/recurring_predactions_dialog.h"
#include "resources/predactions_dialog_resource.h"
#include "resources/translatable.h"
#include "text/amount_text.h"
#include "text/date_text.h"
#include "text/list_layouts.h"
#include "text/list_row.h"

namespace purso {
namespace {

namespace ids = predactions_dialog;

constexpr std::string_view kLockedSuggestion = PURSO_TEXT("PredactionsDialog", "Remove the transaction first.");

}  // namespace

CPredactionsDialog::CPredactionsDialog(CAccountBook& book, std::uint32_t categoryId, MoneyFlow flow,
                                       std::optional<std::uint32_t> preselected)
    : CEditingDialog(ids::kResource, {ids::kHelp, "pre_dlg.htm"}),
      book_(book),
      ledger_(book.CurrentLedger()),
      categoryId_(categoryId),
      flow_(flow),
      preselected_(preselected) {}

void CPredactionsDialog::OnInit() {
  Controls().SetFocus(ids::kAddDate);
  FillList();
  ShowTotals();
}

void CPredactionsDialog::OnCommand(int controlId) {
  switch (controlId) {
    case ids::kAdd:
      return OnAdd();
    case ids::kUpdate:
      return OnUpdate();
    case ids::kRemove:
      return OnRemove();
    case ids::kRemoveAll:
      return OnRemoveAll();
    case ids::kDaily:
      return OnSeries(SeriesUnit::kDays);
    case ids::kWeekly:
      return OnSeries(SeriesUnit::kWeeks);
    case ids::kMonthly:
      return OnSeries(SeriesUnit::kMonths);
    default:
      return CEditingDialog::OnCommand(controlId);
  }
}

void CPredactionsDialog::OnSelectionChange(int controlId) {
  if (controlId == ids::kPredactions) ShowSelection();
}

std::string CPredactionsDialog::RowText(std::uint32_t row) const {
  const CDisplaySettings& settings = book_.Settings();
  const CRecordTable& predactions = ledger_.Predactions();
  const double date = predactions.NumberAt(row, predaction_column::kDate);
  const double amount = predactions.NumberAt(row, predaction_column::kAmount);
  const bool expense = flow_ == MoneyFlow::kExpense;
  return CListRowBuilder()
      .DateColumn(layout::predactions::kDate, date, FormatDate(settings, date))
      .Id(predactions.RowIdAt(row))
      .Column(expense ? layout::predactions::kAmountExpense : layout::predactions::kAmountIncome,
              FormatAmount(settings, amount))
      .Finish();
}

void CPredactionsDialog::FillList() {
  const CRecordTable& predactions = ledger_.Predactions();
  std::vector<std::string> rows;
  for (std::uint32_t row = 0; row < predactions.GetRowCount(); ++row) {
    if (RowIdFromNumber(predactions.NumberAt(row, predaction_column::kCategory)) == categoryId_) {
      rows.push_back(RowText(row));
    }
  }
  CControlModel& controls = Controls();
  controls.SetItems(ids::kPredactions, std::move(rows));
  if (preselected_)
    controls.SetSelection(ids::kPredactions, FindRowById(controls.Items(ids::kPredactions), *preselected_));
  ShowSelection();
}

void CPredactionsDialog::ShowTotals() {
  const PredactionSum sum = SumPredactions(ledger_, categoryId_);
  Controls().SetText(ids::kCount, std::to_string(sum.count));
  Controls().SetText(ids::kTotal, FormatAmount(book_.Settings(), sum.total));
}

void CPredactionsDialog::ShowSelection() {
  CRecordTable& predactions = ledger_.Predactions();
  const std::optional<std::uint32_t> id = SelectedRowId(ids::kPredactions);
  const bool any = id && predactions.Find(*id);
  ShowUpdateRow({ids::kUpdateDate, ids::kUpdateAmount, ids::kUpdate, ids::kRemove}, any);
  if (!any) return;
  Controls().SetText(ids::kUpdateDate, FormatDate(book_.Settings(), predactions.GetNumber(predaction_column::kDate)));
  ShowStoredAmount(book_.Settings(), ids::kUpdateAmount, predactions.GetNumber(predaction_column::kAmount));
  Controls().SetFocus(ids::kUpdateDate);
}

void CPredactionsDialog::OnAdd() {
  const std::optional<double> date = TypedDate(book_.Settings(), book_.GetYear(), ids::kAddDate);
  if (!date) return;
  const std::optional<double> amount = TypedAmount(book_.Settings(), ids::kAddAmount);
  if (!amount) return;
  CRecordTable& predactions = ledger_.Predactions();
  if (!predactions.AddRow()) return ShowOutOfMemory(Host());
  predactions.SetNumber(predaction_column::kCategory, categoryId_);
  predactions.SetNumber(predaction_column::kDate, *date);
  predactions.SetNumber(predaction_column::kAmount, *amount);

  CControlModel& controls = Controls();
  controls.AddItem(ids::kPredactions, RowText(predactions.GetRowCount() - 1));
  controls.SetText(ids::kAddDate, "");
  controls.SetText(ids::kAddAmount, "");
  ShowTotals();
  controls.SetFocus(ids::kAddDate);
}

void CPredactionsDialog::OnUpdate() {
  const std::optional<double> date = TypedDate(book_.Settings(), book_.GetYear(), ids::kUpdateDate);
  if (!date) return;
  const std::optional<double> amount = TypedAmount(book_.Settings(), ids::kUpdateAmount);
  if (!amount) return;
  const std::optional<std::uint32_t> id = SelectedRowId(ids::kPredactions);
  if (!id) return;
  if (IsPredactionMatched(ledger_, *id)) {
    return Refuse(
        Translate("PredactionsDialog", "This predaction has been matched with a transaction and cannot be updated."),
        Translate("PredactionsDialog", kLockedSuggestion), ids::kAddDate);
  }
  CRecordTable& predactions = ledger_.Predactions();
  if (!predactions.Find(*id)) return;
  predactions.SetNumber(predaction_column::kDate, *date);
  predactions.SetNumber(predaction_column::kAmount, *amount);
  FillList();
  ShowTotals();
}

void CPredactionsDialog::OnRemove() {
  const int selection = Controls().GetSelection(ids::kPredactions);
  const std::optional<std::uint32_t> id = SelectedRowId(ids::kPredactions);
  if (!id) return;
  if (IsPredactionMatched(ledger_, *id)) {
    return Refuse(
        Translate("PredactionsDialog", "This predaction has been matched with a transaction and cannot be removed."),
        Translate("PredactionsDialog", kLockedSuggestion), ids::kAddDate);
  }
  CRecordTable& predactions = ledger_.Predactions();
  if (!predactions.Find(*id)) return;
  predactions.RemoveRow();
  Controls().DeleteItem(ids::kPredactions, static_cast<std::size_t>(selection));
  ShowSelection();
  ShowTotals();
}

void CPredactionsDialog::OnRemoveAll() {
  if (!Confirm(Translate("PredactionsDialog", "This will remove all unmatched predactions!\nDo you want to continue?")))
    return;
  RemoveUnmatchedPredactions(ledger_, categoryId_);
  FillList();
  ShowTotals();
}

void CPredactionsDialog::OnSeries(SeriesUnit unit) {
  CRecurringPredactionsDialog series(book_, unit);
  if (Host().RunModal(series) != kCommandOk) return;
  const std::vector<double> dates = SeriesDates(series.Series(), book_.GetYear());
  const std::size_t appended = AppendPredactions(ledger_.Predactions(), categoryId_, dates, series.Series().amount);
  // What was appended before the table ran out is shown at once.
  if (appended < dates.size()) ShowCommandOutOfMemory(Host());
  FillList();
  ShowTotals();
}

MoneyFlow FlowOf(CYearLedger& ledger, std::uint32_t categoryId) {
  CRecordTable& categories = ledger.Categories();
  if (!categories.Find(categoryId)) return MoneyFlow::kIncome;
  return FlowOf(CategoryTypeFromCode(categories.GetNumber(category_column::kType)));
}

namespace {

double RunPredactions(IHost& host, CAccountBook& book, std::uint32_t categoryId, MoneyFlow flow,
                      std::optional<std::uint32_t> preselected) {
  CPredactionsDialog dialog(book, categoryId, flow, preselected);
  host.RunModal(dialog);
  const double total = SumPredactions(book.CurrentLedger(), categoryId).total;
  CRecordTable& categories = book.CurrentLedger().Categories();
  if (categories.Find(categoryId) && categories.GetNumber(category_column::kBudget) != total) {
    categories.SetNumber(category_column::kBudget, total);
  }
  return total;
}

}  // namespace

double EditPredactions(IHost& host, CAccountBook& book, std::uint32_t categoryId,
                       std::optional<std::uint32_t> preselected) {
  return RunPredactions(host, book, categoryId, FlowOf(book.CurrentLedger(), categoryId), preselected);
}

double EditPredactions(IHost& host, CAccountBook& book, std::uint32_t categoryId, CategoryType type) {
  return RunPredactions(host, book, categoryId, FlowOf(type), std::nullopt);
}

}  // namespace purso
