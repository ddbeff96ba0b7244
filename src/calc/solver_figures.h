// The figures behind the Solver: for each variable category of a year, what
// was actually spent or received against the share of its budget that
// belongs to the year so far, and whether it is in surplus or deficit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/year_ledger.h"

namespace purso {

struct SolverFigures {
  double actual = 0.0;            // A: magnitude of the category's signed transaction sum
  double proRata = 0.0;           // P: budget share before the balance date
  double surplusAtDate = 0.0;     // f: P - A for an expense, A - P for an income
  double surplusAtYearEnd = 0.0;  // g: B - A for an expense, A - B for an income
  // In the surplus list when f > 0; f = 0 counts as deficit.
  bool InSurplus() const { return surplusAtDate > 0.0; }
};

// The surpluses of a category of the given type and budget that has actual
// against a share of the budget belonging to the year so far.
SolverFigures FiguresOf(CategoryType type, double budget, double actual, double share);

// The figures of one variable category with the given type and budget.
SolverFigures ComputeSolverFigures(CYearLedger& ledger, std::uint32_t categoryId, CategoryType type, double budget,
                                   double balanceDate);

struct SolverCategory {
  std::uint32_t id = 0;
  std::string name;
  CategoryType type = CategoryType::kVarEx;
  double budget = 0.0;  // B
  SolverFigures figures;
};

struct SolverSplit {
  std::vector<SolverCategory> surplus;  // in table order
  std::vector<SolverCategory> deficit;  // in table order
};

// Every variable category of the ledger (types Var Ex and Var In), in table
// order, split by its surplus at the balance date. Leaves the tables with
// their selection conditions cleared.
SolverSplit SplitVariableCategories(CYearLedger& ledger, double balanceDate);

// Moves amount of surplus from one category to another's deficit: an
// expense category gives by lowering its budget and receives by raising it,
// an income category the other way round, so both the surplus and the
// deficit shrink by amount and the year's net budget does not change.
// Budgets may become negative. False when either category does not exist;
// nothing changes then.
bool TransferBudget(CYearLedger& ledger, std::uint32_t fromCategory, std::uint32_t toCategory, double amount);

}  // namespace purso
