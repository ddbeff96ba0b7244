// The Budget Report: how a year stands against its budget, category by
// category, at its balance date d.
//
// Every figure is one the program already computes, taken the same way:
//   budget               the category's annual budget (the Categories table);
//   share                the part of it that belongs to the year up to d: for
//                        a variable category ProRata(budget, d), as the Solver
//                        takes it; for a fixed one the amounts of its
//                        predactions dated on or before d, as the predicted
//                        balance counts them;
//   actual               the magnitude of its transactions' signed sum
//                        (CategoryActual), as the Solver takes it;
//   surplus at d / at the year's end
//                        share - actual and budget - actual for an expense,
//                        the other way round for an income (FiguresOf); below
//                        zero a deficit;
//   matched, outstanding (fixed categories) its predactions that a
//                        transaction is matched with, and those due by d and
//                        not matched, as the account view's outstanding lists
//                        count them.
// Each type's rows are added up into its total, and the year's predicted
// balance at d and at December 31 (PredictedBalances) and its actual balance
// at d (ActualBalances) close the report, as the account view shows them.
// The actual balance at December 31 is known only once d is December 31.
//
// A category whose type code is none of the four types (a damaged file) is
// left out of the rows; the balances count it as they always do.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/year_ledger.h"

namespace purso {

// The order of the report's groups: incomes before expenses, as the
// Categories dialog's type lists sort them.
inline constexpr std::array kReportTypeOrder = {CategoryType::kFixIn, CategoryType::kVarIn, CategoryType::kFixEx,
                                                CategoryType::kVarEx};

struct BudgetFigures {
  double budget = 0.0;
  double share = 0.0;
  double actual = 0.0;
  double surplusAtDate = 0.0;
  double surplusAtYearEnd = 0.0;
  std::uint32_t matched = 0;      // fixed categories only
  std::uint32_t outstanding = 0;  // fixed categories only

  BudgetFigures& operator+=(const BudgetFigures& other);
};

struct BudgetReportRow {
  std::uint32_t categoryId = 0;
  std::string name;  // account text
  CategoryType type = CategoryType::kVarEx;
  BudgetFigures figures;
};

struct BudgetReportGroup {
  CategoryType type = CategoryType::kVarEx;
  std::vector<BudgetReportRow> rows;  // by name, without regard to case
  BudgetFigures total;
};

struct BudgetReport {
  int year = 0;
  double balanceDate = 101.0;            // month-day number
  std::vector<BudgetReportGroup> groups;  // the types that have categories, in kReportTypeOrder
  double predictedAtDate = 0.0;
  double predictedAtYearEnd = 0.0;
  double actualAtDate = 0.0;
  std::optional<double> actualAtYearEnd;  // once the balance date is December 31
};

// The report of the ledger's year; reads the process clock for the balance
// date. Leaves the tables with their selection conditions cleared.
BudgetReport ComputeBudgetReport(CYearLedger& ledger);

}  // namespace purso
