#include "app/account_view.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/predaction_queries.h"
#include "data/translation.h"
#include "dialogs/predactions_dialog.h"
#include "platform/help_launcher.h"
#include "platform/shown_text.h"
#include "resources/predactions_dialog_resource.h"
#include "text/amount_text.h"
#include "text/date_text.h"
#include "text/list_layouts.h"
#include "text/list_row.h"

namespace purso {
namespace {

using namespace view_style;
namespace ids = account_view;

constexpr int kMonths = 12;
// The undo step of a double-click on an outstanding row is named after its
// dialog (in the dialog's context).
constexpr std::string_view kPredactionsStep = predactions_dialog::kResource.title;

// The outstanding lists' captions and totals stand on the same row.
constexpr int kOutstandingLeft = 590;
constexpr int kOutstandingRight = 782;
constexpr int kExpensesCaptionY = 14;
constexpr int kIncomesCaptionY = 242;

Rgb SignColour(double amount) { return amount < 0 ? kRed : kBlue; }

cash_flow_chart::BarShown Shown(bool shown) {
  return shown ? cash_flow_chart::BarShown::kShown : cash_flow_chart::BarShown::kHidden;
}

void TextEndingAt(ICanvas& canvas, int right, int y, const std::string& text, const FontSpec& font, Rgb colour) {
  canvas.Text(right - canvas.TextWidth(text, font), y, text, font, colour, kLightGrey);
}

// The amount in the form that fits room whole, so that a large one never
// runs into its neighbour.
std::string FittingAmount(ICanvas& canvas, const CDisplaySettings& settings, double amount, const FontSpec& font,
                          int room) {
  const AmountForm form = FittingAmountForm(settings, amount, AmountSymbol::kShown, [&](const std::string& text) {
    return canvas.TextWidth(text, font) <= room;
  });
  return FormatAmountIn(settings, amount, form, AmountSymbol::kShown);
}

}  // namespace

CpursoPXFView::CpursoPXFView(CpursoPXFDoc& document)
    : CControlLogic(ids::kResource), document_(document), lastDay_(DayIndex(1231)) {
  document_.AddView(*this);
}

CpursoPXFView::~CpursoPXFView() { document_.RemoveView(*this); }

int CpursoPXFView::DayIndex(double monthDay) const {
  return static_cast<int>(document_.Book().CurrentLedger().DayIndex(monthDay));
}

void CpursoPXFView::OnInitialUpdate() {
  fromMonth_ = 0;
  toMonth_ = kMonths - 1;
  SetRangeDays();
  Rescale();
  CControlModel& controls = Controls();
  for (int k = 0; k < kMonths; ++k) {
    controls.SetChecked(ids::kFromMonth + k, k == fromMonth_);
    controls.SetChecked(ids::kToMonth + k, k == toMonth_);
  }
  controls.SetChecked(ids::kBudgetToggle, showBudget_);
  controls.SetChecked(ids::kActualToggle, showActual_);
  RecomputeIfNeeded();
  Invalidate(ids::kWholeView);
}

void CpursoPXFView::RecomputeIfNeeded() {
  if (!document_.NeedsRecalculation()) return;
  Recompute();
  document_.ClearRecalculation();
}

void CpursoPXFView::Paint(ICanvas& canvas) {
  PaintChart(canvas);
  DrawPanelBox(canvas, ids::kOutstandingPanel);
  PaintOutstandingCaptions(canvas);
}

void CpursoPXFView::PaintChart(ICanvas& canvas) {
  PaintLegend(canvas);
  const CAccountBook& book = document_.Book();
  cash_flow_chart::Draw(canvas, cash_flow_chart::Picture{
                                    .predicted = predicted_,
                                    .actual = actual_,
                                    .range = Range(),
                                    .budgetBars = Shown(showBudget_),
                                    .actualBars = Shown(showActual_),
                                    .balanceDay = DayIndex(balanceDate_),
                                    .year = book.GetYear(),
                                    .settings = book.Settings(),
                                    .scale = scale_,
                                });
}

void CpursoPXFView::SetRangeDays() {
  firstDay_ = DayIndex((fromMonth_ + 1) * 100 + 1);
  lastDay_ = toMonth_ == kMonths - 1 ? DayIndex(1231) : DayIndex((toMonth_ + 2) * 100 + 1) - 1;
}

void CpursoPXFView::EnableCommandButtons() {
  // A button is usable only when the document carries its command.
  for (const int command : {ids::kCategories, ids::kSolver, ids::kTransactions}) {
    Controls().Enable(command, document_.IsCommandAvailable(command));
  }
}

void CpursoPXFView::Recompute() {
  // The range is whole months of the year shown, which may have changed.
  SetRangeDays();
  EnableCommandButtons();
  CYearLedger& ledger = document_.CurrentLedger();
  ledger.PredictedBalances(predicted_);
  ledger.ActualBalances(actual_);
  budgetBalance_ = ledger.NetBudget();
  balanceDate_ = ledger.BalanceDate();
  const std::size_t day = ledger.DayIndex(balanceDate_);
  predactionBalanceAtDate_ = predicted_[day];
  transactionBalanceAtDate_ = actual_[day];
  Rescale();
  RefillOutstanding();
}

void CpursoPXFView::Rescale() {
  scale_ = cash_flow_chart::Rescale(predicted_, actual_, Range(), document_.Book().Settings().decimals);
}

void CpursoPXFView::RefillOutstanding() {
  std::vector<std::string> expenses;
  std::vector<std::string> incomes;
  outstandingExpensesTotal_ = 0.0;
  outstandingIncomesTotal_ = 0.0;

  CYearLedger& ledger = document_.CurrentLedger();
  const CDisplaySettings& settings = document_.Book().Settings();
  CRecordTable& predactions = ledger.Predactions();
  CRecordTable& categories = ledger.Categories();
  predactions.ClearConditions();
  predactions.SetNumberCondition(0, 0, predaction_column::kDate, Operator::kLessOrEqual, balanceDate_);
  predactions.ApplyConditions();
  // The matched predactions, taken in one pass rather than one search of the
  // transactions per predaction.
  const std::vector<double> matched = SortedMatchNumbers(ledger);
  CListRowBuilder row;
  for (bool more = predactions.First(); more; more = predactions.Next()) {
    const std::uint32_t predactionId = predactions.GetRowId();
    if (std::binary_search(matched.begin(), matched.end(), static_cast<double>(predactionId))) continue;

    if (!categories.Find(RowIdFromNumber(predactions.GetNumber(predaction_column::kCategory)))) continue;
    const CategoryType type = CategoryTypeFromCode(categories.GetNumber(category_column::kType));
    if (!IsFixed(type)) continue;
    const bool expense = IsExpense(type);

    const double date = predactions.GetNumber(predaction_column::kDate);
    const double amount = predactions.GetNumber(predaction_column::kAmount);
    row.DateColumn(layout::outstanding::kDate, date, FormatDate(settings, date))
        .Id(predactionId)
        .Column(expense ? layout::outstanding::kAmountExpense : layout::outstanding::kAmountIncome,
                FormatAmountPlain(settings, amount))
        .Column(layout::outstanding::kName, categories.GetText(category_column::kName));
    if (expense) {
      expenses.push_back(row.Finish());
      outstandingExpensesTotal_ += amount;
    } else {
      incomes.push_back(row.Finish());
      outstandingIncomesTotal_ += amount;
    }
  }
  predactions.ClearConditions();
  Controls().SetItems(ids::kOutstandingExpenses, std::move(expenses));
  Controls().SetItems(ids::kOutstandingIncomes, std::move(incomes));
}

bool CpursoPXFView::IsViewCommand(int commandId) {
  return (commandId >= ids::kFromMonth && commandId < ids::kFromMonth + kMonths) ||
         (commandId >= ids::kToMonth && commandId < ids::kToMonth + kMonths) || commandId == ids::kBudgetToggle ||
         commandId == ids::kActualToggle || commandId == ids::kHelp;
}

std::optional<CommandState> CpursoPXFView::QueryCommand(int commandId) const {
  if (IsViewCommand(commandId)) return CommandState{true, {}};
  return document_.QueryCommand(commandId);
}

void CpursoPXFView::OnCommand(int controlId) {
  if (controlId >= ids::kFromMonth && controlId < ids::kFromMonth + kMonths) {
    SetFromMonth(controlId - ids::kFromMonth);
  } else if (controlId >= ids::kToMonth && controlId < ids::kToMonth + kMonths) {
    SetToMonth(controlId - ids::kToMonth);
  } else if (controlId == ids::kBudgetToggle) {
    Toggle(controlId, showBudget_);
  } else if (controlId == ids::kActualToggle) {
    Toggle(controlId, showActual_);
  } else if (controlId == ids::kHelp) {
    OpenHelpPage(document_.Host(), ids::kHelpPage);
  } else {
    document_.OnCommand(controlId);
  }
}

void CpursoPXFView::SetFromMonth(int month) {
  Controls().SetChecked(ids::kFromMonth + fromMonth_, false);
  fromMonth_ = month;
  SetRangeDays();
  Controls().SetChecked(ids::kFromMonth + month, true);
  if (lastDay_ < firstDay_) {
    SetToMonth(month);
  } else {
    RangeChanged();
  }
}

void CpursoPXFView::SetToMonth(int month) {
  Controls().SetChecked(ids::kToMonth + toMonth_, false);
  toMonth_ = month;
  SetRangeDays();
  Controls().SetChecked(ids::kToMonth + month, true);
  if (lastDay_ < firstDay_) {
    SetFromMonth(month);
  } else {
    RangeChanged();
  }
}

void CpursoPXFView::RangeChanged() {
  Rescale();
  Invalidate(cash_flow_chart::kPlotArea);
  Invalidate(cash_flow_chart::kLeftLabels);
  Invalidate(cash_flow_chart::kRightLabels);
  Invalidate(cash_flow_chart::kMonthStrip);
}

void CpursoPXFView::Toggle(int controlId, bool& shown) {
  // A click has already flipped the button, a key has not: the flag decides.
  shown = !shown;
  Controls().SetChecked(controlId, shown);
  Invalidate(cash_flow_chart::kPlotArea);
}

void CpursoPXFView::OnDoubleClick(int controlId) {
  if (controlId != ids::kOutstandingExpenses && controlId != ids::kOutstandingIncomes) return;
  const CControlModel& controls = Controls();
  const int selection = controls.GetSelection(controlId);
  if (selection < 0 || static_cast<std::size_t>(selection) >= controls.ItemCount(controlId)) return;
  const std::optional<std::uint32_t> predactionId =
      ReadRowId(controls.Item(controlId, static_cast<std::size_t>(selection)));
  if (!predactionId) return;

  CYearLedger& ledger = document_.CurrentLedger();
  CRecordTable& predactions = ledger.Predactions();
  if (!predactions.Find(*predactionId)) return;
  const std::uint32_t categoryId = RowIdFromNumber(predactions.GetNumber(predaction_column::kCategory));
  if (!ledger.Categories().Find(categoryId)) return;

  // The category's budget follows its predactions, as from every other
  // opener, in one step named after the dialog; then the document's
  // bookkeeping: the unsaved-changes state follows the book, and its views,
  // this one among them, recompute.
  document_.RunCommand(ShownText(predactions_dialog::kResource, kPredactionsStep), [this, categoryId, predactionId] {
    EditPredactions(document_.Host(), document_.Book(), categoryId, *predactionId);
  });
  document_.Bookkeeping();
}

void CpursoPXFView::OnDocumentChanged() {
  RecomputeIfNeeded();
  Invalidate(ids::kWholeView);
}

void CpursoPXFView::PaintLegend(ICanvas& canvas) {
  const CDisplaySettings& settings = document_.Book().Settings();
  const int room = ids::LegendCell(0).right - ids::LegendCell(0).left - 8;
  const auto amount = [&](double value) { return FittingAmount(canvas, settings, std::fabs(value), kLargeFont, room); };
  struct Cell {
    std::string title;
    std::string value;
    Rgb colour;
  };
  const Cell cells[ids::kLegendCells] = {
      {Filled(Translate("AccountView", "%1 Budget Balance"), {std::to_string(document_.Book().GetYear())}),
       amount(budgetBalance_), SignColour(budgetBalance_)},
      {Translate("AccountView", "Xaction Balance Date"), FormatDate(settings, balanceDate_), kYellow},
      {Translate("AccountView", "Transaction Balance"), amount(transactionBalanceAtDate_),
       SignColour(transactionBalanceAtDate_)},
      {Translate("AccountView", "Predaction Balance"), amount(predactionBalanceAtDate_),
       SignColour(predactionBalanceAtDate_)},
  };
  DrawPanelBox(canvas, ids::kLegendBox);
  for (int k = 0; k < ids::kLegendCells; ++k) {
    const PixelRect cell = ids::LegendCell(k);
    const Cell& content = cells[k];
    DrawSunkenFrame(canvas, cell);
    canvas.Line(cell.left + 4, cell.top + 20, cell.right - 4, cell.top + 20, kBlack);
    canvas.Text(cell.left + 4, cell.top + 4, content.title, kSmallFont, kBlack, kLightGrey);
    TextEndingAt(canvas, cell.right - 4, cell.top + 24, content.value, kLargeFont, content.colour);
  }
}

void CpursoPXFView::PaintOutstandingCaptions(ICanvas& canvas) {
  const CDisplaySettings& settings = document_.Book().Settings();
  const auto caption = [&](int y, std::string_view text, double total, Rgb colour) {
    canvas.Text(kOutstandingLeft, y, text, kSmallFont, kBlack, kLightGrey);
    const int room = kOutstandingRight - kOutstandingLeft - canvas.TextWidth(text, kSmallFont) - 6;
    TextEndingAt(canvas, kOutstandingRight, y, FittingAmount(canvas, settings, total, kSmallFont, room), kSmallFont,
                 colour);
  };
  caption(kExpensesCaptionY, Translate("AccountView", "Outst. expenses"), outstandingExpensesTotal_, kRed);
  caption(kIncomesCaptionY, Translate("AccountView", "Outst. incomes"), outstandingIncomesTotal_, kBlue);
}

void CpursoPXFView::Invalidate(const PixelRect& area) {
  if (surface_ != nullptr) surface_->Invalidate(area);
}

}  // namespace purso
