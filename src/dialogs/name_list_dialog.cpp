#include "dialogs/name_list_dialog.h"

#include <string>
#include <vector>

#include "data/no_case.h"
#include "data/translation.h"
#include "resources/functional_areas_dialog_resource.h"
#include "resources/objects_dialog_resource.h"
#include "resources/translatable.h"

namespace purso {

// What differs between the twins: the resource and its ids, the help page,
// the texts (marked in the twins' context; the in-use texts take the name and
// the category).
struct NameListDialogIds : name_list_dialog::Ids {
  const DialogResource& resource;
  NameList list;
  std::string_view helpPage;
  std::string_view inUseProblem, inUseSuggestion;
  std::string_view noSelectionProblem, noSelectionSuggestion;
};

namespace {

const NameListDialogIds kObjects{
    objects_dialog::kIds,
    objects_dialog::kResource,
    NameList::kObjects,
    "obj_dlg.htm",
    PURSO_TEXT("NameListDialog", "The object %1 is used by the category %2 and cannot be removed."),
    PURSO_TEXT("NameListDialog", "- remove that category\n- change that category to another object"),
    PURSO_TEXT("NameListDialog", "No object selected."),
    PURSO_TEXT("NameListDialog", "Select an object to remove.")};
const NameListDialogIds kFunctionalAreas{
    functional_areas_dialog::kIds,
    functional_areas_dialog::kResource,
    NameList::kFunctionalAreas,
    "fna_dlg.htm",
    PURSO_TEXT("NameListDialog", "The functional area %1 is used by the category %2 and cannot be removed."),
    PURSO_TEXT("NameListDialog", "- remove that category\n- change that category to another functional area"),
    PURSO_TEXT("NameListDialog", "No FNAect selected."),
    PURSO_TEXT("NameListDialog", "Select an FNAect to remove.")};

std::string Shown(std::string_view text) { return Translate("NameListDialog", text); }

const NameListDialogIds& IdsFor(MasterList list) { return list == MasterList::kObjects ? kObjects : kFunctionalAreas; }

CRecordTable& TableOf(CYearLedger& ledger, MasterList list) {
  return list == MasterList::kObjects ? ledger.Objects() : ledger.FunctionalAreas();
}

}  // namespace

CNameListDialog::CNameListDialog(CYearLedger& ledger, MasterList list)
    : CEditingDialog(IdsFor(list).resource, {IdsFor(list).help, IdsFor(list).helpPage}),
      ledger_(ledger),
      list_(list),
      table_(TableOf(ledger, list)),
      ids_(IdsFor(list)) {}

void CNameListDialog::OnInit() {
  Controls().SetItems(ids_.names, Names(table_));
  Controls().SetFocus(ids_.addName);
}

void CNameListDialog::OnCommand(int controlId) {
  if (controlId == ids_.add) {
    OnAdd();
  } else if (controlId == ids_.update) {
    OnUpdate();
  } else if (controlId == ids_.remove) {
    OnRemove();
  } else {
    CEditingDialog::OnCommand(controlId);
  }
}

void CNameListDialog::OnSelectionChange(int controlId) {
  if (controlId == ids_.names) ShowSelection();
}

void CNameListDialog::ShowSelection() {
  CControlModel& controls = Controls();
  const bool any = controls.GetSelection(ids_.names) != CControlModel::kNoSelection;
  ShowUpdateRow({ids_.updateName, ids_.update, ids_.remove}, any);
  if (!any) return;
  const bool found = FindName(table_, controls.SelectedText(ids_.names)).has_value();
  controls.SetText(ids_.updateName, found ? table_.GetText(name_column::kName) : std::string());
  controls.SetFocus(ids_.updateName);
}

void CNameListDialog::OnAdd() {
  CControlModel& controls = Controls();
  const std::string name = controls.GetText(ids_.addName, kNameReadLength);
  if (const auto problem = CheckName(table_, name, ids_.list, NameCommand::kAdd)) {
    return Refuse(problem->problem, problem->suggestion, ids_.addName);
  }
  if (!table_.AddRow()) return ShowOutOfMemory(Host());
  table_.SetText(name_column::kName, name);
  controls.AddItem(ids_.names, name);
  controls.SetText(ids_.addName, "");
  controls.SetFocus(ids_.addName);
}

void CNameListDialog::OnUpdate() {
  CControlModel& controls = Controls();
  const int selection = controls.GetSelection(ids_.names);
  if (selection == CControlModel::kNoSelection) return;
  const std::string oldName = controls.SelectedText(ids_.names);
  const std::string name = controls.GetText(ids_.updateName, kNameReadLength);
  if (EqualNoCase(name, oldName)) return;
  if (const auto problem = CheckName(table_, name, ids_.list, NameCommand::kUpdate, oldName)) {
    return Refuse(problem->problem, problem->suggestion, ids_.updateName);
  }
  if (!FindName(table_, oldName)) return;
  table_.SetText(name_column::kName, name);
  controls.DeleteItem(ids_.names, static_cast<std::size_t>(selection));
  // Selected quietly: the update row keeps the new name and stays enabled.
  controls.SetSelection(ids_.names, controls.AddItem(ids_.names, name));
}

void CNameListDialog::OnRemove() {
  CControlModel& controls = Controls();
  const int selection = controls.GetSelection(ids_.names);
  if (selection == CControlModel::kNoSelection) {
    return Refuse(Shown(ids_.noSelectionProblem), Shown(ids_.noSelectionSuggestion), ids_.addName);
  }
  const std::string name = controls.SelectedText(ids_.names);
  const std::optional<std::uint32_t> id = FindName(table_, name);
  if (!id) return;
  if (const auto category = FirstCategoryUsing(ledger_, list_, *id)) {
    return Refuse(Filled(Shown(ids_.inUseProblem), {name, *category}), Shown(ids_.inUseSuggestion), ids_.addName);
  }
  table_.Find(*id);
  table_.RemoveRow();
  controls.DeleteItem(ids_.names, static_cast<std::size_t>(selection));
  ShowSelection();
}

}  // namespace purso
