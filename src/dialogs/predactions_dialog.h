// CPredactionsDialog: the Predicted Transactions dialog (143), on the
// predactions of one category in the current year.
//
// The list shows them in date order (same dates in the order they were
// made), amounts red for an expense category; the foot shows their count
// and total. Add and Update check a typed date against the current year and
// an amount by the display settings; Remove and Remove All take away
// unmatched predactions only, a predaction matched with a transaction being
// locked; Daily, Weekly and Monthly add a series asked for in the Recurring
// Predactions dialog. Every change is written into the table at once.
//
// A fixed category's budget is the sum of its predactions, so whoever opens
// the dialog writes that sum back as the category's budget afterwards:
// EditPredactions does both, and every opener goes through it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "calc/predaction_series.h"
#include "data/account_book.h"
#include "dialogs/editing_dialog.h"

namespace purso {

// Whether a category's amounts are expenses (shown red) or incomes.
enum class MoneyFlow : std::uint8_t { kIncome, kExpense };

constexpr MoneyFlow FlowOf(CategoryType type) { return IsExpense(type) ? MoneyFlow::kExpense : MoneyFlow::kIncome; }
// The flow of the ledger's category as its stored type says; kIncome when
// there is no such category. Moves the Categories table's cursor.
MoneyFlow FlowOf(CYearLedger& ledger, std::uint32_t categoryId);

class CPredactionsDialog final : public CEditingDialog {
 public:
  // On the category of the book's current year; a preselected predaction
  // that the list shows opens selected, in the update row. book must
  // outlive the dialog.
  CPredactionsDialog(CAccountBook& book, std::uint32_t categoryId, MoneyFlow flow,
                     std::optional<std::uint32_t> preselected = std::nullopt);

  void OnInit() override;
  void OnCommand(int controlId) override;
  void OnSelectionChange(int controlId) override;

 private:
  void OnAdd();
  void OnUpdate();
  void OnRemove();
  void OnRemoveAll();
  void OnSeries(SeriesUnit unit);
  // The category's rows, the preselected one selected again if shown.
  void FillList();
  void ShowTotals();
  void ShowSelection();
  std::string RowText(std::uint32_t row) const;

  CAccountBook& book_;
  CYearLedger& ledger_;
  std::uint32_t categoryId_;
  MoneyFlow flow_;
  std::optional<std::uint32_t> preselected_;
};

// Runs the dialog on the category of the book's current year, with the
// predaction preselected if given, and makes its total the category's
// budget; the total. The amounts show as the category's stored type says,
// or as type says when given (a category being made or changing its type).
// The budget is written only when it changes, so that merely looking
// leaves the account unchanged.
double EditPredactions(IHost& host, CAccountBook& book, std::uint32_t categoryId,
                       std::optional<std::uint32_t> preselected = std::nullopt);
double EditPredactions(IHost& host, CAccountBook& book, std::uint32_t categoryId, CategoryType type);

}  // namespace purso
