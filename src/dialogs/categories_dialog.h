// CCategoriesDialog: the Categories dialog (142), on the current year.
//
// The add row makes a category of a name, an object, a functional area, a
// type and, for a variable type, a typed budget; a fixed category's budget
// is the sum of its predactions, edited at once in the Predicted
// Transactions dialog. Selecting a category in the list fills the update
// row, where Update changes it: a category that transactions use keeps its
// type, and a fixed category turned variable loses its predactions after
// the user confirmed it. Remove takes a category that no transaction uses,
// with its predactions. The foot shows the count and the totals of the
// year's budgets. Every change is written into the tables at once.
//
// A category whose object or functional area is missing (possible only in
// files written elsewhere) shows kMissingName in their place and keeps
// its references until the user chooses others.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/category_queries.h"
#include "data/account_book.h"
#include "dialogs/editing_dialog.h"

namespace purso {

// Shown for an object or functional area that is not in its table.
inline constexpr std::string_view kMissingName = "(missing)";

class CCategoriesDialog final : public CEditingDialog {
 public:
  // On the book's current year; book must outlive the dialog.
  explicit CCategoriesDialog(CAccountBook& book);

  void OnInit() override;
  void OnCommand(int controlId) override;
  void OnSelectionChange(int controlId) override;

 private:
  // One input row: its controls. Its budget field is off exactly while its
  // type is a fixed one, so the field tells the type a change comes from.
  struct InputRow {
    int name, object, functionalArea, type, budget;
  };

  void OnAdd();
  void OnUpdate();
  void OnRemove();
  void OnPredactions();
  void OnMasterList(MasterList list);
  void OnTypeChange(const InputRow& row);

  void FillMasterLists(MasterList list);
  void ResetAddRow();
  void BuildList();
  void ShowTotals();
  void ShowSelection();

  std::string RowText(std::uint32_t row) const;
  // The selected category: its row id, found by the name its row shows.
  std::optional<std::uint32_t> SelectedCategory();
  // The type chosen in a row's type list; none when none of the four is
  // chosen (a category whose stored type is none of them).
  std::optional<CategoryType> ChosenType(const InputRow& row) const;
  // The row id of the object or functional area chosen in a row; fallback
  // when nothing is chosen. Refuses, giving nothing, when the list is empty.
  std::optional<std::uint32_t> ChosenId(const InputRow& row, MasterList list, std::uint32_t fallback);
  void WriteCategory(std::uint32_t id, std::string_view name, std::uint32_t object, std::uint32_t functionalArea,
                     CategoryType type, double budget);

  CAccountBook& book_;
  CYearLedger& ledger_;
  InputRow add_;
  InputRow update_;
};

}  // namespace purso
