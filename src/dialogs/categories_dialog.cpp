#include "dialogs/categories_dialog.h"

#include <vector>

#include "calc/predaction_queries.h"
#include "data/translation.h"
#include "dialogs/name_list_dialog.h"
#include "dialogs/predactions_dialog.h"
#include "platform/shown_text.h"
#include "resources/categories_dialog_resource.h"
#include "resources/translatable.h"
#include "text/amount_text.h"
#include "text/list_layouts.h"
#include "text/list_row.h"
#include "text/name_rules.h"

namespace purso {
namespace {

namespace ids = categories_dialog;
namespace columns = layout::categories;

constexpr AmountProblems kBudgetProblems{PURSO_TEXT("Input", "The budget is invalid (bad format)"),
                                         PURSO_TEXT("Input", "The budget is invalid (number too big)")};
constexpr CategoryType kAllTypes[] = {CategoryType::kFixEx, CategoryType::kFixIn, CategoryType::kVarEx,
                                      CategoryType::kVarIn};

int TypeCode(CategoryType type) { return static_cast<int>(type); }

std::string TypeText(CategoryType type) { return CategoryTypeText(type).empty() ? "?" : CategoryTypeName(type); }

// The item of a type list: the resource's type name in the user's language.
// The lists are sorted by what they show, so an item's place is found by its
// text, never by the type's code.
std::string TypeItem(CategoryType type) { return ShownText(ids::kResource, CategoryTypeText(type)); }

// What Add and Update say when there is nothing to choose from, and the
// button that fixes it; marked in the dialog's context.
struct EmptyList {
  std::string_view problem;
  std::string_view suggestion;
  int button;
};

constexpr EmptyList kNoObjects{
    PURSO_TEXT("CategoriesDialog", "You have not defined any objects.\nYou need some objects to define categories."),
    PURSO_TEXT("CategoriesDialog", "Press \"Objects\" to define objects."), ids::kObjects};
constexpr EmptyList kNoFunctionalAreas{
    PURSO_TEXT("CategoriesDialog",
               "You have not defined any functional areas.\nYou need some functional areas to define categories."),
    PURSO_TEXT("CategoriesDialog", "Press \"Fun. Areas\" to define functional areas."), ids::kFunctionalAreas};

}  // namespace

CCategoriesDialog::CCategoriesDialog(CAccountBook& book)
    : CEditingDialog(ids::kResource, {ids::kHelp, "cat_dlg.htm"}),
      book_(book),
      ledger_(book.CurrentLedger()),
      add_{ids::kAddName, ids::kAddObject, ids::kAddFunctionalArea, ids::kAddType, ids::kAddBudget},
      update_{ids::kUpdateName, ids::kUpdateObject, ids::kUpdateFunctionalArea, ids::kUpdateType, ids::kUpdateBudget} {}

void CCategoriesDialog::OnInit() {
  FillMasterLists(MasterList::kObjects);
  FillMasterLists(MasterList::kFunctionalAreas);
  Controls().SetSelection(add_.type, Controls().FindItemExact(add_.type, TypeItem(CategoryType::kVarEx)));
  ResetAddRow();
  BuildList();
  ShowTotals();
  Controls().SetFocus(ids::kAddName);
}

void CCategoriesDialog::OnCommand(int controlId) {
  switch (controlId) {
    case ids::kAdd:
      return OnAdd();
    case ids::kUpdate:
      return OnUpdate();
    case ids::kRemove:
      return OnRemove();
    case ids::kPredactions:
      return OnPredactions();
    case ids::kObjects:
      return OnMasterList(MasterList::kObjects);
    case ids::kFunctionalAreas:
      return OnMasterList(MasterList::kFunctionalAreas);
    default:
      return CEditingDialog::OnCommand(controlId);
  }
}

void CCategoriesDialog::OnSelectionChange(int controlId) {
  if (controlId == ids::kCategories) {
    ShowSelection();
  } else if (controlId == add_.type) {
    OnTypeChange(add_);
  } else if (controlId == update_.type) {
    OnTypeChange(update_);
  }
}

void CCategoriesDialog::FillMasterLists(MasterList list) {
  const bool objects = list == MasterList::kObjects;
  std::vector<std::string> names = Names(objects ? ledger_.Objects() : ledger_.FunctionalAreas());
  Controls().SetItems(objects ? update_.object : update_.functionalArea, names);
  Controls().SetItems(objects ? add_.object : add_.functionalArea, std::move(names));
}

// The type stays as it was chosen, for the next category of the same kind.
void CCategoriesDialog::ResetAddRow() {
  Controls().SetText(add_.name, "");
  SelectFirst(add_.object);
  SelectFirst(add_.functionalArea);
  Controls().SetText(add_.budget, "");
}

std::string CCategoriesDialog::RowText(std::uint32_t row) const {
  const CRecordTable& categories = ledger_.Categories();
  const auto nameOf = [](const CRecordTable& table, double id) {
    return NameOf(table, RowIdFromNumber(id)).value_or(kMissingName);
  };
  const CategoryType type = CategoryTypeFromCode(categories.NumberAt(row, category_column::kType));
  return CListRowBuilder()
      .Column(columns::kName, categories.TextAt(row, category_column::kName))
      .Column(columns::kObject, nameOf(ledger_.Objects(), categories.NumberAt(row, category_column::kObject)))
      .Column(columns::kFunctionalArea,
              nameOf(ledger_.FunctionalAreas(), categories.NumberAt(row, category_column::kFunctionalArea)))
      .Column(columns::kType, TypeText(type))
      .Column(IsExpense(type) ? columns::kBudgetExpense : columns::kBudgetIncome,
              FormatSignedAmount(book_.Settings(), categories.NumberAt(row, category_column::kBudget)))
      .Finish();
}

void CCategoriesDialog::BuildList() {
  const CRecordTable& categories = ledger_.Categories();
  std::vector<std::string> rows;
  rows.reserve(categories.GetRowCount());
  for (std::uint32_t row = 0; row < categories.GetRowCount(); ++row) rows.push_back(RowText(row));
  Controls().SetItems(ids::kCategories, std::move(rows));
}

void CCategoriesDialog::ShowTotals() {
  const CDisplaySettings& settings = book_.Settings();
  const BudgetTotals totals = ComputeBudgetTotals(ledger_);
  CControlModel& controls = Controls();
  controls.SetText(ids::kCount, std::to_string(totals.count));
  controls.SetText(ids::kTotalIncome, FormatSignedAmount(settings, totals.income));
  controls.SetText(ids::kTotalExpenses, FormatSignedAmount(settings, totals.expenses));
  const double balance = totals.Balance();
  controls.SetText(ids::kBalanceLabel, balance >= 0 ? Translate("CategoriesDialog", "Budget surplus")
                                                    : Translate("CategoriesDialog", "Budget Deficit"));
  controls.SetText(ids::kBalance, FormatAmount(settings, balance >= 0 ? balance : -balance));
}

std::optional<std::uint32_t> CCategoriesDialog::SelectedCategory() {
  const std::string row = Controls().SelectedText(ids::kCategories);
  if (row.empty()) return std::nullopt;
  return FindName(ledger_.Categories(), ReadColumnText(row, layout::Start(columns::kName)));
}

void CCategoriesDialog::ShowSelection() {
  CControlModel& controls = Controls();
  const std::optional<std::uint32_t> id = SelectedCategory();
  CRecordTable& categories = ledger_.Categories();
  const bool any = id && categories.Find(*id);
  ShowUpdateRow({update_.name, update_.object, update_.functionalArea, update_.type, update_.budget, ids::kUpdate,
                 ids::kRemove, ids::kPredactions},
                any);
  if (!any) return;
  const CategoryType type = CategoryTypeFromCode(categories.GetNumber(category_column::kType));
  const double budget = categories.GetNumber(category_column::kBudget);
  const auto object = NameOf(ledger_.Objects(), RowIdFromNumber(categories.GetNumber(category_column::kObject)));
  const auto area =
      NameOf(ledger_.FunctionalAreas(), RowIdFromNumber(categories.GetNumber(category_column::kFunctionalArea)));
  controls.SetText(update_.name, categories.GetText(category_column::kName));
  controls.SetSelection(update_.object, object ? controls.FindItemExact(update_.object, *object) : -1);
  controls.SetSelection(update_.functionalArea, area ? controls.FindItemExact(update_.functionalArea, *area) : -1);
  controls.SetSelection(update_.type, controls.FindItemExact(update_.type, TypeItem(type)));
  ShowStoredAmount(book_.Settings(), update_.budget, budget);
  controls.Enable(update_.budget, !IsFixed(type));
  controls.Enable(ids::kPredactions, IsFixed(type));
  controls.SetFocus(update_.name);
}

void CCategoriesDialog::OnTypeChange(const InputRow& row) {
  CControlModel& controls = Controls();
  const std::optional<CategoryType> chosen = ChosenType(row);
  if (!chosen) return;
  const bool wasFixed = !controls.IsEnabled(row.budget);
  const bool fixed = IsFixed(*chosen);
  if (fixed && !wasFixed) {
    controls.SetText(row.budget, "0");
    controls.Enable(row.budget, false);
  } else if (!fixed && wasFixed) {
    controls.SetText(row.budget, "");
    controls.Enable(row.budget, true);
    controls.SetFocus(row.budget);
  }
}

std::optional<CategoryType> CCategoriesDialog::ChosenType(const InputRow& row) const {
  const std::string chosen = Controls().SelectedText(row.type);
  for (const CategoryType type : kAllTypes) {
    if (!chosen.empty() && chosen == TypeItem(type)) return type;
  }
  return std::nullopt;
}

std::optional<std::uint32_t> CCategoriesDialog::ChosenId(const InputRow& row, MasterList list, std::uint32_t fallback) {
  const bool objects = list == MasterList::kObjects;
  const int control = objects ? row.object : row.functionalArea;
  if (Controls().ItemCount(control) == 0) {
    const EmptyList& empty = objects ? kNoObjects : kNoFunctionalAreas;
    Refuse(Translate("CategoriesDialog", empty.problem), Translate("CategoriesDialog", empty.suggestion), empty.button);
    return std::nullopt;
  }
  if (Controls().GetSelection(control) == CControlModel::kNoSelection) return fallback;
  CRecordTable& table = objects ? ledger_.Objects() : ledger_.FunctionalAreas();
  return FindName(table, Controls().SelectedText(control)).value_or(fallback);
}

void CCategoriesDialog::WriteCategory(std::uint32_t id, std::string_view name, std::uint32_t object,
                                      std::uint32_t functionalArea, CategoryType type, double budget) {
  CRecordTable& categories = ledger_.Categories();
  if (!categories.Find(id)) return;
  categories.SetText(category_column::kName, name);
  categories.SetNumber(category_column::kObject, object);
  categories.SetNumber(category_column::kFunctionalArea, functionalArea);
  categories.SetNumber(category_column::kType, TypeCode(type));
  categories.SetNumber(category_column::kBudget, budget);
}

void CCategoriesDialog::OnAdd() {
  CControlModel& controls = Controls();
  CRecordTable& categories = ledger_.Categories();
  const std::string name = controls.GetText(add_.name, kNameReadLength);
  if (const auto problem = CheckName(categories, name, NameList::kCategories, NameCommand::kAdd)) {
    return Refuse(problem->problem, problem->suggestion, add_.name);
  }
  // The add row always has a type chosen.
  const CategoryType type = ChosenType(add_).value_or(CategoryType::kVarEx);
  double budget = 0.0;
  if (!IsFixed(type)) {
    const std::optional<double> typed = TypedAmount(book_.Settings(), add_.budget, kBudgetProblems);
    if (!typed) return;
    budget = *typed;
  }
  const std::optional<std::uint32_t> object = ChosenId(add_, MasterList::kObjects, 0);
  if (!object) return;
  const std::optional<std::uint32_t> area = ChosenId(add_, MasterList::kFunctionalAreas, 0);
  if (!area) return;
  if (!categories.AddRow()) return ShowOutOfMemory(Host());
  const std::uint32_t id = categories.GetRowId();
  // Whatever closes the dialog, the new category's budget is its predactions' sum.
  if (IsFixed(type)) budget = EditPredactions(Host(), book_, id, type);
  WriteCategory(id, name, *object, *area, type, budget);

  controls.AddItem(ids::kCategories, RowText(categories.GetCursor()));
  ResetAddRow();
  controls.SetFocus(add_.name);
  ShowTotals();
}

void CCategoriesDialog::OnUpdate() {
  CControlModel& controls = Controls();
  CRecordTable& categories = ledger_.Categories();
  const std::optional<std::uint32_t> id = SelectedCategory();
  if (!id || !categories.Find(*id)) return;
  const std::string oldName = categories.GetText(category_column::kName);
  const CategoryType oldType = CategoryTypeFromCode(categories.GetNumber(category_column::kType));
  double budget = categories.GetNumber(category_column::kBudget);
  const std::uint32_t oldObject = RowIdFromNumber(categories.GetNumber(category_column::kObject));
  const std::uint32_t oldArea = RowIdFromNumber(categories.GetNumber(category_column::kFunctionalArea));

  const std::string name = controls.GetText(update_.name, kNameReadLength);
  if (const auto problem = CheckName(categories, name, NameList::kCategories, NameCommand::kUpdate, oldName)) {
    return Refuse(problem->problem, problem->suggestion, update_.name);
  }
  // A fixed budget is never typed: it stays the sum of the predactions.
  const CategoryType type = ChosenType(update_).value_or(oldType);
  if (!IsFixed(type)) {
    const std::optional<double> typed = TypedAmount(book_.Settings(), update_.budget, kBudgetProblems);
    if (!typed) return;
    budget = *typed;
  }
  const std::optional<std::uint32_t> object = ChosenId(update_, MasterList::kObjects, oldObject);
  if (!object) return;
  const std::optional<std::uint32_t> area = ChosenId(update_, MasterList::kFunctionalAreas, oldArea);
  if (!area) return;
  if (type != oldType && IsCategoryInUse(ledger_, *id)) {
    return Refuse(
        Translate("CategoriesDialog", "This category is in use so the type cannot be updated."),
        Translate("CategoriesDialog", "- do not update the type\n- create a new category with the desired type"),
        update_.type);
  }
  if (IsFixed(oldType) && !IsFixed(type)) {
    if (!Confirm(Translate("CategoriesDialog",
                           "All predactions of this category will be removed.\nDo you want to continue?"))) {
      return;
    }
    RemoveCategoryPredactions(ledger_, *id);
  } else if (!IsFixed(oldType) && IsFixed(type)) {
    budget = EditPredactions(Host(), book_, *id, type);
  }
  WriteCategory(*id, name, *object, *area, type, budget);
  BuildList();
  ShowTotals();
  ShowSelection();
}

void CCategoriesDialog::OnRemove() {
  const int selection = Controls().GetSelection(ids::kCategories);
  const std::optional<std::uint32_t> id = SelectedCategory();
  if (!id) return;
  if (IsCategoryInUse(ledger_, *id)) {
    return Refuse(Translate("CategoriesDialog", "This category is in use and cannot be removed."),
                  Translate("CategoriesDialog",
                            "- remove all transactions in this category\n- change the category without removing it"),
                  add_.name);
  }
  RemoveCategory(ledger_, *id);
  Controls().DeleteItem(ids::kCategories, static_cast<std::size_t>(selection));
  ShowSelection();
  ShowTotals();
}

void CCategoriesDialog::OnPredactions() {
  const std::optional<std::uint32_t> id = SelectedCategory();
  if (!id) {
    return Refuse(Translate("CategoriesDialog", "No category selected."),
                  Translate("CategoriesDialog", "Select a category to add predictions."), add_.name);
  }
  EditPredactions(Host(), book_, *id);
  BuildList();
  ShowTotals();
  ShowSelection();
}

void CCategoriesDialog::OnMasterList(MasterList list) {
  CNameListDialog dialog(ledger_, list);
  Host().RunModal(dialog);
  FillMasterLists(list);
  ResetAddRow();
  // Renamed objects and functional areas show at once.
  BuildList();
  ShowSelection();
}

}  // namespace purso
