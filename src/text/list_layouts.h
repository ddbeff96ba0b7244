// The column layout strings of every multi-column list, by list.
//
// Each constant is a 12-character layout string (see list_row.h): start and
// end in pixels, alignment letter ("L" left, "R" right) and colour letter
// ("B" normal, "R" red). A list's rows use its layouts in the order listed
// here. Amount columns come in two colours; which one a row takes is the
// list's rule (usually red for expenses). Every row ends with kRowEnd.
#pragma once

#include <string_view>

#include "text/list_row.h"

namespace purso::layout {

// The first four characters of a layout ("%480"), the form ReadColumnText
// looks a column up by.
constexpr std::string_view Start(std::string_view layout) { return layout.substr(0, 4); }

// Categories dialog list: no record id; the selected category is found by
// the text of its name column.
namespace categories {
inline constexpr std::string_view kName = "%000!135!LB%";
inline constexpr std::string_view kObject = "%140!235!LB%";
inline constexpr std::string_view kFunctionalArea = "%238!331!LB%";
inline constexpr std::string_view kType = "%336!400!LB%";
inline constexpr std::string_view kBudgetIncome = "%405!470!RB%";
inline constexpr std::string_view kBudgetExpense = "%405!470!RR%";
}  // namespace categories

// Predicted Transactions dialog list: date with sort key, hidden id, amount.
namespace predactions {
inline constexpr std::string_view kDate = "%000!135!LB%";
inline constexpr std::string_view kAmountIncome = "%140!210!RB%";
inline constexpr std::string_view kAmountExpense = "%140!210!RR%";
}  // namespace predactions

// Match dialog list: the same row as the Predicted Transactions list.
namespace match {
inline constexpr std::string_view kDate = predactions::kDate;
inline constexpr std::string_view kAmountIncome = predactions::kAmountIncome;
inline constexpr std::string_view kAmountExpense = predactions::kAmountExpense;
}  // namespace match

// Transactions dialog list: date with sort key, hidden id, category,
// amount, description.
namespace transactions {
inline constexpr std::string_view kDate = "%000!065!LB%";
inline constexpr std::string_view kCategory = "%074!204!LB%";
inline constexpr std::string_view kAmountIncome = "%209!280!RB%";
inline constexpr std::string_view kAmountExpense = "%209!280!RR%";
inline constexpr std::string_view kDescription = "%290!465!LB%";
}  // namespace transactions

// Import dialog list, one row per statement line in statement order: whether
// the line is chosen, the date with its year, the amount (red for money
// out), the category, the proposed predaction, the duplicate mark, and the
// description, wide enough for 48 characters of ordinary text.
namespace statement_import {
inline constexpr std::string_view kChosen = "%000!018!LB%";
inline constexpr std::string_view kDate = "%022!086!LB%";
inline constexpr std::string_view kAmountIn = "%090!166!RB%";
inline constexpr std::string_view kAmountOut = "%090!166!RR%";
inline constexpr std::string_view kCategory = "%174!294!LB%";
inline constexpr std::string_view kPredaction = "%300!366!LB%";
inline constexpr std::string_view kNote = "%372!426!LB%";
inline constexpr std::string_view kDescription = "%432!732!LB%";
}  // namespace statement_import

// Solver dialog, surplus and deficit lists: category name, hidden id, then
// five amount columns. The balance, budget and annual budget columns are red
// for Var Ex categories; the two surplus columns are red in the deficit list.
// The current deficit layout carries a "|" separator, which reads the same.
namespace solver {
inline constexpr std::string_view kName = "%000!135!LB%";
inline constexpr std::string_view kBalanceIncome = "%140!220!RB%";
inline constexpr std::string_view kBalanceExpense = "%140!220!RR%";
inline constexpr std::string_view kBudgetIncome = "%225!305!RB%";
inline constexpr std::string_view kBudgetExpense = "%225!305!RR%";
inline constexpr std::string_view kCurrentSurplus = "%310!390!RB%";
inline constexpr std::string_view kCurrentDeficit = "%310!390|RR%";
inline constexpr std::string_view kAnnualBudgetIncome = "%395!475!RB%";
inline constexpr std::string_view kAnnualBudgetExpense = "%395!475!RR%";
inline constexpr std::string_view kYearEndSurplus = "%480!560!RB%";
inline constexpr std::string_view kYearEndDeficit = "%480!560!RR%";
}  // namespace solver

// Budget Report dialog: category name (or a type's total), type, budget,
// share and actual to the balance date (red for expense types), the
// surpluses at the balance date and at the year's end (red when a deficit),
// and the matched and outstanding predactions of a fixed category.
namespace budget_report {
inline constexpr std::string_view kName = "%000!135!LB%";
inline constexpr std::string_view kType = "%140!180!LB%";
inline constexpr std::string_view kBudgetIncome = "%185!260!RB%";
inline constexpr std::string_view kBudgetExpense = "%185!260!RR%";
inline constexpr std::string_view kShareIncome = "%265!340!RB%";
inline constexpr std::string_view kShareExpense = "%265!340!RR%";
inline constexpr std::string_view kActualIncome = "%345!420!RB%";
inline constexpr std::string_view kActualExpense = "%345!420!RR%";
inline constexpr std::string_view kSurplusAtDate = "%425!500!RB%";
inline constexpr std::string_view kDeficitAtDate = "%425!500!RR%";
inline constexpr std::string_view kSurplusAtYearEnd = "%505!580!RB%";
inline constexpr std::string_view kDeficitAtYearEnd = "%505!580!RR%";
inline constexpr std::string_view kMatched = "%585!640!RB%";
inline constexpr std::string_view kOutstanding = "%645!700!RB%";
}  // namespace budget_report

// Account view, outstanding expenses and outstanding incomes lists: date
// with sort key, hidden id, amount (red for Fix Ex), category name.
namespace outstanding {
inline constexpr std::string_view kDate = "%000!035!LB%";
inline constexpr std::string_view kAmountIncome = "%040!095!RB%";
inline constexpr std::string_view kAmountExpense = "%040!095!RR%";
inline constexpr std::string_view kName = "%100|200|LB%";
}  // namespace outstanding

}  // namespace purso::layout
