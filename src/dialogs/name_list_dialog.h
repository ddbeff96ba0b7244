// CNameListDialog: the Objects dialog (130) and its twin, the Functional
// Areas dialog (132), each editing one master list of a year.
//
// The list shows every name of the table, sorted; its entries carry no row
// ids, so a row is found again by its name. Add checks the typed name with
// the list's own texts (name_rules.h) and appends it; selecting an entry
// puts its name in the update row, where Update renames it (a change of
// letter case only is no change) and Remove deletes it. Every change is
// written into the table at once; Done and Escape only close the dialog.
//
// A name that a category still refers to is not removed: the category
// would be left pointing at nothing. Remove is refused with a problem that
// names the first such category.
#pragma once

#include "calc/category_queries.h"
#include "data/year_ledger.h"
#include "dialogs/editing_dialog.h"
#include "text/name_rules.h"

namespace purso {

// The controls and texts of one of the twins.
struct NameListDialogIds;

class CNameListDialog final : public CEditingDialog {
 public:
  // The dialog of list (kObjects or kFunctionalAreas) on the ledger's table
  // of that list; ledger must outlive the dialog.
  CNameListDialog(CYearLedger& ledger, MasterList list);

  void OnInit() override;
  void OnCommand(int controlId) override;
  void OnSelectionChange(int controlId) override;

 private:
  void OnAdd();
  void OnUpdate();
  void OnRemove();
  void ShowSelection();

  CYearLedger& ledger_;
  MasterList list_;
  CRecordTable& table_;
  const NameListDialogIds& ids_;
};

}  // namespace purso
