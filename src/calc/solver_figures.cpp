#include "calc/solver_figures.h"

#include <cmath>
#include <utility>
#include <vector>

namespace purso {

SolverFigures FiguresOf(CategoryType type, double budget, double actual, double share) {
  SolverFigures figures;
  figures.actual = actual;
  figures.proRata = share;
  // An expense is in surplus while less was spent than budgeted; an income
  // while more was received.
  if (IsExpense(type)) {
    figures.surplusAtDate = figures.proRata - figures.actual;
    figures.surplusAtYearEnd = budget - figures.actual;
  } else {
    figures.surplusAtDate = figures.actual - figures.proRata;
    figures.surplusAtYearEnd = figures.actual - budget;
  }
  return figures;
}

SolverFigures ComputeSolverFigures(CYearLedger& ledger, std::uint32_t categoryId, CategoryType type, double budget,
                                   double balanceDate) {
  return FiguresOf(type, budget, std::fabs(ledger.CategoryActual(categoryId)), ledger.ProRata(budget, balanceDate));
}

SolverSplit SplitVariableCategories(CYearLedger& ledger, double balanceDate) {
  CRecordTable& categories = ledger.Categories();
  std::vector<SolverCategory> selected;
  categories.ClearConditions();
  // Type codes above 1 are the variable types.
  categories.SetNumberCondition(0, 0, category_column::kType, Operator::kGreater, 1.0);
  categories.ApplyConditions();
  for (bool more = categories.First(); more; more = categories.Next()) {
    SolverCategory category;
    category.id = categories.GetRowId();
    category.name = categories.GetText(category_column::kName);
    category.type = CategoryTypeFromCode(categories.GetNumber(category_column::kType));
    category.budget = categories.GetNumber(category_column::kBudget);
    selected.push_back(std::move(category));
  }
  categories.ClearConditions();

  // The figures are taken after the walk, so that the queries they make
  // cannot disturb the Categories table's cursor while it is in use.
  SolverSplit split;
  for (SolverCategory& category : selected) {
    category.figures = ComputeSolverFigures(ledger, category.id, category.type, category.budget, balanceDate);
    (category.figures.InSurplus() ? split.surplus : split.deficit).push_back(std::move(category));
  }
  return split;
}

bool TransferBudget(CYearLedger& ledger, std::uint32_t fromCategory, std::uint32_t toCategory, double amount) {
  CRecordTable& categories = ledger.Categories();
  // Both must exist before either budget changes.
  if (!categories.Find(toCategory) || !categories.Find(fromCategory)) return false;
  // Spare budget leaves an expense category as less to spend and an income
  // category as more to expect; a deficit is made up the opposite ways. So
  // every transfer shrinks both figures and the year's net budget stays.
  const auto move = [&categories](double expenseChange) {
    const CategoryType type = CategoryTypeFromCode(categories.GetNumber(category_column::kType));
    const double change = IsExpense(type) ? expenseChange : -expenseChange;
    categories.SetNumber(category_column::kBudget, categories.GetNumber(category_column::kBudget) + change);
  };
  move(-amount);
  categories.Find(toCategory);
  move(amount);
  return true;
}

}  // namespace purso
