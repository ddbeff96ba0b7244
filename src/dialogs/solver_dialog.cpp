#include "dialogs/solver_dialog.h"

#include <cmath>
#include <utility>

#include "data/translation.h"
#include "resources/solver_dialog_resource.h"
#include "text/amount_text.h"
#include "text/date_text.h"
#include "text/list_layouts.h"
#include "text/list_row.h"

namespace purso {
namespace {

namespace ids = solver_dialog;
namespace columns = layout::solver;

constexpr double kYearEnd = 1231;

// The amount field is read as a fixed-size field of this many characters.
constexpr std::size_t kAmountFieldLength = 80;

}  // namespace

CSolverDialog::CSolverDialog(CAccountBook& book)
    : CEditingDialog(solver_dialog::kResource, {ids::kHelp, "slv_dlg.htm"}), book_(book) {}

void CSolverDialog::OnInit() {
  FillLists();
  Controls().SetFocus(ids::kSurplusList);
}

void CSolverDialog::OnCommand(int controlId) {
  switch (controlId) {
    case ids::kTransferAtDate:
      if (const auto amount = ShownSurplus(columns::kCurrentSurplus)) Transfer(*amount);
      break;
    case ids::kTransferAtYearEnd:
      if (const auto amount = ShownSurplus(columns::kYearEndSurplus)) Transfer(*amount);
      break;
    case ids::kTransfer:
      OnTypedTransfer();
      break;
    default:
      CEditingDialog::OnCommand(controlId);
  }
}

void CSolverDialog::OnSelectionChange(int controlId) {
  if (controlId == ids::kSurplusList || controlId == ids::kDeficitList) UpdateButtons();
}

void CSolverDialog::FillLists() {
  CYearLedger& ledger = book_.CurrentLedger();
  const double balanceDate = ledger.BalanceDate();
  WriteCaptions(balanceDate);
  const SolverSplit split = SplitVariableCategories(ledger, balanceDate);
  FillList(SolverList::kSurplus, split.surplus);
  FillList(SolverList::kDeficit, split.deficit);
  UpdateButtons();
}

void CSolverDialog::WriteCaptions(double balanceDate) {
  const CDisplaySettings& settings = book_.Settings();
  const std::string atDate = FormatDate(settings, balanceDate);
  const std::string atYearEnd = FormatDate(settings, kYearEnd);
  const std::string balance = Translate("SolverDialog", "%1 balance");
  const std::string budget = Translate("SolverDialog", "%1 budget");
  const std::string surplus = Translate("SolverDialog", "%1 surplus");
  const std::string deficit = Translate("SolverDialog", "%1 deficit");
  const struct {
    int id;
    const std::string& date;
    const std::string& text;
  } kCaptions[] = {
      {ids::kSurplusBalance, atDate, balance},        {ids::kSurplusBudget, atDate, budget},
      {ids::kSurplusAtDate, atDate, surplus},         {ids::kSurplusAnnualBudget, atYearEnd, budget},
      {ids::kSurplusAtYearEnd, atYearEnd, surplus},   {ids::kDeficitBalance, atDate, balance},
      {ids::kDeficitBudget, atDate, budget},          {ids::kDeficitAtDate, atDate, deficit},
      {ids::kDeficitAnnualBudget, atYearEnd, budget}, {ids::kDeficitAtYearEnd, atYearEnd, deficit},
  };
  CControlModel& controls = Controls();
  for (const auto& caption : kCaptions) controls.SetText(caption.id, Filled(caption.text, {caption.date}));
  const std::string transfer = Translate("SolverDialog", "Transfer %1 surplus");
  controls.SetText(ids::kTransferAtDate, Filled(transfer, {atDate}));
  controls.SetText(ids::kTransferAtYearEnd, Filled(transfer, {atYearEnd}));
}

void CSolverDialog::FillList(SolverList list, const std::vector<SolverCategory>& categories) {
  std::vector<std::string> rows;
  rows.reserve(categories.size());
  for (const SolverCategory& category : categories) rows.push_back(Row(list, category));
  const int id = list == SolverList::kSurplus ? ids::kSurplusList : ids::kDeficitList;
  CControlModel& controls = Controls();
  controls.SetItems(id, std::move(rows));
  if (controls.ItemCount(id) > 0) controls.SetSelection(id, 0);
}

// Expense categories show their spending and budgets in red; the deficit
// list shows its deficits in red.
std::string CSolverDialog::Row(SolverList list, const SolverCategory& category) const {
  const CDisplaySettings& settings = book_.Settings();
  const auto amount = [&settings](double value) { return FormatSignedAmount(settings, value); };
  const bool expense = IsExpense(category.type);
  const bool surplus = list == SolverList::kSurplus;
  const SolverFigures& figures = category.figures;
  return CListRowBuilder()
      .Column(columns::kName, category.name)
      .Id(category.id)
      .Column(expense ? columns::kBalanceExpense : columns::kBalanceIncome, amount(figures.actual))
      .Column(expense ? columns::kBudgetExpense : columns::kBudgetIncome, amount(figures.proRata))
      .Column(surplus ? columns::kCurrentSurplus : columns::kCurrentDeficit, amount(std::fabs(figures.surplusAtDate)))
      .Column(expense ? columns::kAnnualBudgetExpense : columns::kAnnualBudgetIncome, amount(category.budget))
      .Column(surplus ? columns::kYearEndSurplus : columns::kYearEndDeficit,
              amount(std::fabs(figures.surplusAtYearEnd)))
      .Finish();
}

void CSolverDialog::UpdateButtons() {
  CControlModel& controls = Controls();
  const bool bothSelected = controls.GetSelection(ids::kSurplusList) != CControlModel::kNoSelection &&
                            controls.GetSelection(ids::kDeficitList) != CControlModel::kNoSelection;
  for (const int button : {ids::kTransferAtDate, ids::kTransferAtYearEnd, ids::kTransfer}) {
    controls.Enable(button, bothSelected);
  }
}

std::optional<double> CSolverDialog::ShownSurplus(std::string_view layout) const {
  const std::string row = Controls().SelectedText(ids::kSurplusList);
  if (row.empty()) return std::nullopt;
  double amount = 0.0;
  if (!ParseShownAmount(book_.Settings(), ReadColumnText(row, layout::Start(layout)), amount)) return std::nullopt;
  return amount;
}

void CSolverDialog::OnTypedTransfer() {
  const CDisplaySettings& settings = book_.Settings();
  const std::optional<double> amount = FieldAmount(settings, ids::kAmount, kAmountFieldLength);
  if (!amount)
    return Refuse(Translate("Input", kAmountBadFormat), Translate("Input", kBadFormatSuggestion), ids::kAmount);
  // At most what the giving category has to spare at the year's end, not kMaxAmount.
  const double limit = ShownSurplus(columns::kYearEndSurplus).value_or(0.0);
  if (*amount > limit)
    return Refuse(Translate("Input", kAmountTooBig),
                  Filled(Translate("SolverDialog", "Enter an amount <= %1"), {FormatAmount(settings, limit)}),
                  ids::kAmount);
  Transfer(*amount);
}

void CSolverDialog::Transfer(double amount) {
  const std::optional<std::uint32_t> from = SelectedRowId(ids::kSurplusList);
  const std::optional<std::uint32_t> to = SelectedRowId(ids::kDeficitList);
  if (!from || !to) return;
  TransferBudget(book_.CurrentLedger(), *from, *to, amount);
  FillLists();
}

}  // namespace purso
