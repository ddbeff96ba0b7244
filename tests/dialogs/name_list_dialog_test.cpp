#include "dialogs/name_list_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/functional_areas_dialog_resource.h"
#include "resources/objects_dialog_resource.h"
#include "support/ledger_records.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

using test::CDialogDriver;
using test::CScriptedHost;
namespace ids = objects_dialog;
namespace fna = functional_areas_dialog;

class NameListDialogTest : public ::testing::Test {
 protected:
  NameListDialogTest() {
    test::AddObject(ledger_, "Mustang");
    const std::uint32_t house = test::AddObject(ledger_, "house");
    test::AddFunctionalArea(ledger_, "Food");
    test::AddCategory(ledger_, "Groceries", CategoryType::kVarEx, 100, house, 0);
  }
  std::vector<std::string> Objects() const { return Names(ledger_.Objects()); }
  void Run(MasterList list, const CScriptedHost::Steps& steps) {
    CNameListDialog dialog(ledger_, list);
    host_.Run(dialog, steps);
  }
  CYearLedger ledger_;
  CScriptedHost host_;
};

// The checks themselves are the name rules'; here, that each command makes
// them on its list's table with its texts and focuses its own field.
TEST_F(NameListDialogTest, AddAndUpdateRefuseWithTheirTextsAndFields) {
  const struct {
    MasterList list;
    int field, button;
    std::string typed;
    const char* problem;
    const char* suggestion;
  } cases[] = {
      {MasterList::kObjects, ids::kAddName, ids::kAdd, "mustang",
       "The name of the new object is invalid (already in use)", "Use a different name for the new object"},
      {MasterList::kFunctionalAreas, fna::kAddName, fna::kAdd, "",
       "The name of the new functional area is invalid (zero length)",
       "Enter a valid name for the new functional area"},
      {MasterList::kObjects, ids::kUpdateName, ids::kUpdate, std::string(30, 'z'),
       "The name of the object is invalid (too long). \nCurrent length = 30\nMaximum length = 24",
       "Enter a shorter name for the object"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.problem);
    Run(c.list, [&](CDialogDriver& d) {
      if (c.button == ids::kUpdate) d.Choose(ids::kNames, "house");
      d.Type(c.field, c.typed);
      d.Press(c.button);
      d.ExpectRefused(c.problem, c.suggestion, c.field);
      d.Escape();
    });
  }
  EXPECT_EQ(Objects(), (std::vector<std::string>{"Mustang", "house"}));
}

TEST_F(NameListDialogTest, AddSortsInAndUpdateRenamesButNotByCaseAlone) {
  Run(MasterList::kObjects, [](CDialogDriver& d) {
    d.Type(ids::kAddName, "Boat");
    d.Enter();
    EXPECT_EQ(d.Controls().Items(ids::kNames), (std::vector<std::string>{"Boat", "house", "Mustang"}));
    EXPECT_EQ(d.Text(ids::kAddName), "");
    d.Choose(ids::kNames, "house");
    EXPECT_EQ(d.Controls().GetFocus(), ids::kUpdateName);
    d.Type(ids::kUpdateName, "House");
    d.Press(ids::kUpdate);
    EXPECT_EQ(d.Item(ids::kNames, 1), "house");
    d.Type(ids::kUpdateName, "Cottage");
    d.Enter();  // in the update row: Update
    d.ExpectAccepted();
    EXPECT_EQ(d.Controls().SelectedText(ids::kNames), "Cottage");
    EXPECT_EQ(d.Text(ids::kUpdateName), "Cottage");
    d.Escape();
  });
  EXPECT_EQ(Objects(), (std::vector<std::string>{"Mustang", "Cottage", "Boat"}));

  test::LeaveRowIds(ledger_.Objects(), 0);
  Run(MasterList::kObjects, [](CDialogDriver& d) {
    d.Type(ids::kAddName, "Bus");
    d.Enter();
    d.Escape();
  });
  ASSERT_EQ(host_.Problems().size(), 1u);
  EXPECT_EQ(host_.Problems()[0].problem, "Out of memory.");
}

TEST_F(NameListDialogTest, RemoveRefusesANameACategoryUsesAndRemovesOthers) {
  Run(MasterList::kObjects, [](CDialogDriver& d) {
    d.Choose(ids::kNames, "house");
    d.Press(ids::kRemove);
    d.ExpectRefused("The object house is used by the category Groceries and cannot be removed.",
                    "- remove that category\n- change that category to another object", ids::kAddName);
    // Remove takes what the list shows selected.
    d.Controls().ApplySelection(ids::kNames, CControlModel::kNoSelection);
    d.Press(ids::kRemove);
    d.ExpectRefused("No object selected.", "Select an object to remove.", ids::kAddName);
    d.Choose(ids::kNames, "Mustang");
    d.Press(ids::kRemove);
    d.ExpectAccepted();
    EXPECT_EQ(d.Controls().Items(ids::kNames), std::vector<std::string>{"house"});
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kUpdateName));
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kRemove));
    d.Escape();
  });
  EXPECT_EQ(Objects(), std::vector<std::string>{"house"});

  Run(MasterList::kFunctionalAreas, [](CDialogDriver& d) {
    d.Choose(fna::kNames, "Food");
    d.Press(fna::kRemove);
    d.ExpectRefused("The functional area Food is used by the category Groceries and cannot be removed.",
                    "- remove that category\n- change that category to another functional area", fna::kAddName);
    d.Press(fna::kHelp);
    d.Escape();
  });
  EXPECT_EQ(host_.OpenedDocuments(), std::vector<std::string>{"/opt/tolva/fna_dlg.htm"});
}

}  // namespace
}  // namespace purso
