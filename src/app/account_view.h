// CpursoPXFView: the one view of an open account.
//
// A fixed 796 x 481 canvas that shows the current year at once: a legend
// strip with the year's key figures, the cash flow chart over a range of
// whole months, the month range buttons, two toggles that hide the
// predicted or the actual bars, the buttons that open dialogs or help, and
// two lists of the predactions that are due but not yet matched.
//
// The view is a control logic over account_view::kResource and a view of
// its document, which it registers with for as long as it lives. It edits
// nothing itself and keeps only figures derived from the current ledger;
// they are computed again when the view is first shown and whenever the
// document, having set its recalculation flag, tells its views that it
// changed; never during a paint. Painting draws the whole canvas on any ICanvas; when
// something changed, the view asks its surface (the window that shows it)
// to paint an area again.
#pragma once

#include <cstdint>
#include <optional>

#include "app/cash_flow_chart.h"
#include "app/purso_document.h"
#include "platform/canvas.h"
#include "platform/control_logic.h"
#include "resources/account_view_resource.h"

namespace purso {

// Where the view is shown. The window system implements it.
class IViewSurface {
 public:
  virtual ~IViewSurface() = default;
  // Paint the area of the canvas again, without erasing it first.
  virtual void Invalidate(const PixelRect& area) = 0;
};

namespace account_view {

inline constexpr PixelRect kWholeView{0, 0, kCanvasWidth, kCanvasHeight};
inline constexpr PixelRect kLegendBox{10, 10, 576, 65};
inline constexpr PixelRect kOutstandingPanel{586, 10, 786, 471};
inline constexpr int kLegendCells = 4;

// Legend cell k (0..3): 136 x 46 pixels, 4 apart, inside the legend box.
constexpr PixelRect LegendCell(int k) {
  const int left = kLegendBox.left + 4 * (k + 1) + 136 * k;
  return PixelRect{left, 14, left + 136, 14 + 46};
}

inline constexpr char kHelpPage[] = "main.htm";

}  // namespace account_view

class CpursoPXFView final : public CControlLogic, public IDocumentView {
 public:
  using BalanceArray = CYearLedger::BalanceArray;

  // Registers with document, which must outlive the view.
  explicit CpursoPXFView(CpursoPXFDoc& document);
  ~CpursoPXFView() override;

  // The surface repaints are asked of; nullptr for none. Not owned.
  void SetSurface(IViewSurface* surface) { surface_ = surface; }

  // First show: the whole year charted, from-month button 01 and to-month
  // button 12 checked, the toggles as their flags, the figures computed;
  // everything repainted.
  void OnInitialUpdate();

  // Paints the whole canvas from the figures last computed.
  void Paint(ICanvas& canvas);
  // Paints the key figures and the chart alone, as Paint does: what an
  // exported or printed chart shows.
  void PaintChart(ICanvas& canvas);

  // Fills the balances, the key figures and the chart scale from the
  // current ledger, and refills the outstanding lists.
  void Recompute();
  // Recompute, when the document has set its recalculation flag; clears it.
  void RecomputeIfNeeded();

  // Month buttons set the range, the toggles flip their bars, Help opens
  // the help page; every other command (the Categories, Solver and
  // Transactions buttons among them) goes to the document, as from the menu.
  void OnCommand(int controlId) override;
  // How a command stands: the view's own can always be chosen, the rest are
  // the document's to say; none for a command neither carries.
  std::optional<CommandState> QueryCommand(int commandId) const;
  // A row of an outstanding list (double-click or Enter): its predaction is
  // opened for editing in the Predicted Transactions dialog, selected.
  void OnDoubleClick(int controlId) override;
  void OnDocumentChanged() override;

  CpursoPXFDoc& Document() { return document_; }

  bool ShowBudget() const { return showBudget_; }
  bool ShowActual() const { return showActual_; }
  int FromMonth() const { return fromMonth_; }  // 0 = January
  int ToMonth() const { return toMonth_; }
  int FirstDay() const { return firstDay_; }  // day indices, both charted
  int LastDay() const { return lastDay_; }

  const BalanceArray& PredictedBalances() const { return predicted_; }
  const BalanceArray& ActualBalances() const { return actual_; }
  double BudgetBalance() const { return budgetBalance_; }
  double BalanceDate() const { return balanceDate_; }  // month-day number
  double PredactionBalanceAtDate() const { return predactionBalanceAtDate_; }
  double TransactionBalanceAtDate() const { return transactionBalanceAtDate_; }
  double OutstandingExpensesTotal() const { return outstandingExpensesTotal_; }
  double OutstandingIncomesTotal() const { return outstandingIncomesTotal_; }
  const cash_flow_chart::Scale& ChartScale() const { return scale_; }
  int BarWidth() const { return cash_flow_chart::BarWidth(Range()); }

 private:
  // The month buttons, the toggles and Help.
  static bool IsViewCommand(int commandId);
  cash_flow_chart::DayRange Range() const { return {firstDay_, lastDay_}; }
  int DayIndex(double monthDay) const;

  void SetFromMonth(int month);
  void SetToMonth(int month);
  // Rescales the chart and repaints what a new range changes.
  void RangeChanged();
  void Toggle(int controlId, bool& shown);

  // First and last day of the chosen whole months in the current year.
  void SetRangeDays();
  void EnableCommandButtons();
  void Rescale();
  void RefillOutstanding();

  void PaintLegend(ICanvas& canvas);
  void PaintOutstandingCaptions(ICanvas& canvas);
  void Invalidate(const PixelRect& area);

  CpursoPXFDoc& document_;
  IViewSurface* surface_ = nullptr;

  bool showBudget_ = true;
  bool showActual_ = true;
  int fromMonth_ = 0;
  int toMonth_ = 11;
  int firstDay_ = 0;
  int lastDay_ = 0;

  BalanceArray predicted_{};
  BalanceArray actual_{};
  double budgetBalance_ = 0.0;
  double balanceDate_ = 101.0;
  double predactionBalanceAtDate_ = 0.0;
  double transactionBalanceAtDate_ = 0.0;
  double outstandingExpensesTotal_ = 0.0;
  double outstandingIncomesTotal_ = 0.0;
  cash_flow_chart::Scale scale_;
};

}  // namespace purso
