#include "calc/budget_report.h"

#include <algorithm>
#include <cmath>

#include "calc/predaction_queries.h"
#include "calc/solver_figures.h"
#include "data/no_case.h"

namespace purso {
namespace {

bool IsReportedType(CategoryType type) {
  return std::find(kReportTypeOrder.begin(), kReportTypeOrder.end(), type) != kReportTypeOrder.end();
}

// The share, matched and outstanding figures of every fixed category, from
// one pass over the predactions.
void AddPredactions(const CYearLedger& ledger, double balanceDate, std::vector<BudgetReportRow>& rows) {
  const std::vector<double> matched = SortedMatchNumbers(ledger);
  const CRecordTable& predactions = ledger.Predactions();
  for (std::uint32_t i = 0; i < predactions.GetRowCount(); ++i) {
    const std::uint32_t category = RowIdFromNumber(predactions.NumberAt(i, predaction_column::kCategory));
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [category](const BudgetReportRow& r) { return r.categoryId == category; });
    if (row == rows.end() || !IsFixed(row->type)) continue;
    const bool due = predactions.NumberAt(i, predaction_column::kDate) <= balanceDate;
    if (due) row->figures.share += predactions.NumberAt(i, predaction_column::kAmount);
    if (std::binary_search(matched.begin(), matched.end(), static_cast<double>(predactions.RowIdAt(i)))) {
      ++row->figures.matched;
    } else if (due) {
      ++row->figures.outstanding;
    }
  }
}

}  // namespace

BudgetFigures& BudgetFigures::operator+=(const BudgetFigures& other) {
  budget += other.budget;
  share += other.share;
  actual += other.actual;
  surplusAtDate += other.surplusAtDate;
  surplusAtYearEnd += other.surplusAtYearEnd;
  matched += other.matched;
  outstanding += other.outstanding;
  return *this;
}

BudgetReport ComputeBudgetReport(CYearLedger& ledger) {
  BudgetReport report;
  report.year = ledger.GetYear();
  report.balanceDate = ledger.BalanceDate();
  const double date = report.balanceDate;

  std::vector<BudgetReportRow> rows;
  const CRecordTable& categories = ledger.Categories();
  for (std::uint32_t i = 0; i < categories.GetRowCount(); ++i) {
    BudgetReportRow row;
    row.type = CategoryTypeFromCode(categories.NumberAt(i, category_column::kType));
    if (!IsReportedType(row.type)) continue;
    row.categoryId = categories.RowIdAt(i);
    row.name = categories.TextAt(i, category_column::kName);
    row.figures.budget = categories.NumberAt(i, category_column::kBudget);
    if (!IsFixed(row.type)) row.figures.share = ledger.ProRata(row.figures.budget, date);
    rows.push_back(std::move(row));
  }
  AddPredactions(ledger, date, rows);
  for (BudgetReportRow& row : rows) {
    BudgetFigures& figures = row.figures;
    const SolverFigures surplus =
        FiguresOf(row.type, figures.budget, std::fabs(ledger.CategoryActual(row.categoryId)), figures.share);
    figures.actual = surplus.actual;
    figures.surplusAtDate = surplus.surplusAtDate;
    figures.surplusAtYearEnd = surplus.surplusAtYearEnd;
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const BudgetReportRow& a, const BudgetReportRow& b) { return CompareNoCase(a.name, b.name) < 0; });

  for (const CategoryType type : kReportTypeOrder) {
    BudgetReportGroup group{type, {}, {}};
    for (const BudgetReportRow& row : rows) {
      if (row.type != type) continue;
      group.total += row.figures;
      group.rows.push_back(row);
    }
    if (!group.rows.empty()) report.groups.push_back(std::move(group));
  }

  CYearLedger::BalanceArray balances{};
  report.predictedAtYearEnd = ledger.PredictedBalances(balances);
  report.predictedAtDate = balances[ledger.DayIndex(date)];
  report.actualAtDate = ledger.ActualBalances(balances);
  if (ledger.DayIndex(date) == ledger.DayIndex(1231)) report.actualAtYearEnd = report.actualAtDate;
  return report;
}

}  // namespace purso
