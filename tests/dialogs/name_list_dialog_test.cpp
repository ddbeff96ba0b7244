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

std::vector<std::string> Names(const CRecordTable& table) {
  std::vector<std::string> names;
  for (std::uint32_t row = 0; row < table.GetRowCount(); ++row) names.emplace_back(table.TextAt(row, 0));
  return names;
}

class NameListDialogTest : public ::testing::Test {
 protected:
  NameListDialogTest() {
    test::AddObject(ledger_, "Mustang");
    house_ = test::AddObject(ledger_, "house");
    test::AddFunctionalArea(ledger_, "Food");
    test::AddCategory(ledger_, "Groceries", CategoryType::kVarEx, 100, house_, 0);
  }
  CYearLedger ledger_;
  CScriptedHost host_;
  std::uint32_t house_ = 0;
};

TEST_F(NameListDialogTest, AddRefusesNamesInOrderWithEachListsTexts) {
  struct Case {
    MasterList list;
    std::string typed;
    const char* problem;
    const char* suggestion;
  };
  const Case cases[] = {
      {MasterList::kObjects, "%", "The name of the new object is invalid.", "Remove the '%', '|' & '@' characters."},
      {MasterList::kObjects, "", "The name of the new object is invalid (zero length)",
       "Enter a valid name for the new object"},
      {MasterList::kObjects, std::string(25, 'x'),
       "The name of the new object is invalid (too long). \nCurrent length = 25\nMaximum length = 24",
       "Enter a shorter name for the new object"},
      {MasterList::kObjects, "mustang", "The name of the new object is invalid (already in use)",
       "Use a different name for the new object"},
      {MasterList::kFunctionalAreas, "FOOD", "The name of the new FNAect is invalid (already in use)",
       "Use a different name for the new FNAect"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const bool objects = c.list == MasterList::kObjects;
    const int field = objects ? ids::kAddName : fna::kAddName;
    CNameListDialog dialog(ledger_, c.list);
    host_.Run(dialog, [&](CDialogDriver& d) {
      d.Type(field, c.typed);
      d.Enter();
      d.ExpectRefused(c.problem, c.suggestion, field);
      EXPECT_EQ(d.Controls().ItemCount(objects ? ids::kNames : fna::kNames), objects ? 2u : 1u);
      d.Escape();
    });
  }
  EXPECT_EQ(Names(ledger_.Objects()), (std::vector<std::string>{"Mustang", "house"}));
}

TEST_F(NameListDialogTest, AddAppendsTheNameAndSortsItIn) {
  CNameListDialog dialog(ledger_, MasterList::kObjects);
  host_.Run(dialog, [](CDialogDriver& d) {
    EXPECT_EQ(d.Controls().Items(ids::kNames), (std::vector<std::string>{"house", "Mustang"}));
    d.Type(ids::kAddName, std::string(24, 'J'));
    d.Press(ids::kAdd);
    d.ExpectAccepted();
    EXPECT_EQ(d.Item(ids::kNames, 1), std::string(24, 'J'));
    EXPECT_EQ(d.Text(ids::kAddName), "");
    EXPECT_EQ(d.Controls().GetFocus(), ids::kAddName);
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kUpdate));
    d.Press(ids::kDone);
  });
  EXPECT_EQ(Names(ledger_.Objects()), (std::vector<std::string>{"Mustang", "house", std::string(24, 'J')}));
}

TEST_F(NameListDialogTest, AddThatTheTableCannotTakeReportsOutOfMemoryAndKeepsTheName) {
  test::LeaveRowIds(ledger_.Objects(), 0);
  CNameListDialog dialog(ledger_, MasterList::kObjects);
  host_.Run(dialog, [](CDialogDriver& d) {
    d.Type(ids::kAddName, "Boat");
    d.Press(ids::kAdd);
    d.Escape();
    EXPECT_EQ(d.Text(ids::kAddName), "Boat");
  });
  ASSERT_EQ(host_.Problems().size(), 1u);
  EXPECT_EQ(host_.Problems()[0].problem, "Out of memory.");
  EXPECT_EQ(ledger_.Objects().GetRowCount(), 2u);
}

TEST_F(NameListDialogTest, UpdateRenamesTheSelectedNameButNotByCaseAlone) {
  CNameListDialog dialog(ledger_, MasterList::kObjects);
  host_.Run(dialog, [](CDialogDriver& d) {
    d.Choose(ids::kNames, "house");
    EXPECT_EQ(d.Text(ids::kUpdateName), "house");
    EXPECT_EQ(d.Controls().GetFocus(), ids::kUpdateName);
    d.Type(ids::kUpdateName, "House");
    d.Press(ids::kUpdate);
    d.ExpectAccepted();
    EXPECT_EQ(d.Item(ids::kNames, 0), "house");

    d.Type(ids::kUpdateName, "Cottage");
    d.Press(ids::kUpdate);
    d.ExpectAccepted();
    EXPECT_EQ(d.Controls().Items(ids::kNames), (std::vector<std::string>{"Cottage", "Mustang"}));
    EXPECT_EQ(d.Controls().GetSelection(ids::kNames), 0);
    EXPECT_EQ(d.Text(ids::kUpdateName), "Cottage");
    EXPECT_TRUE(d.Controls().IsEnabled(ids::kRemove));
    d.Escape();
  });
  EXPECT_EQ(Names(ledger_.Objects()), (std::vector<std::string>{"Mustang", "Cottage"}));
}

TEST_F(NameListDialogTest, UpdateRefusesWithTheUpdateTexts) {
  const struct {
    std::string typed;
    const char* problem;
    const char* suggestion;
  } cases[] = {
      {"a@b", "The name of the object is invalid.", "Remove the '%', '|' & '@' characters."},
      {"", "The name of the object is invalid (zero length)", "Enter a valid name for the object"},
      {std::string(30, 'z'), "The name of the object is invalid (too long). \nCurrent length = 30\nMaximum length = 24",
       "Enter a shorter name for the object"},
      {"MUSTANG", "The name of the object is invalid (already in use)", "Use a different name for the object"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    CNameListDialog dialog(ledger_, MasterList::kObjects);
    host_.Run(dialog, [&](CDialogDriver& d) {
      d.Choose(ids::kNames, "house");
      d.Type(ids::kUpdateName, c.typed);
      d.Press(ids::kUpdate);
      d.ExpectRefused(c.problem, c.suggestion, ids::kUpdateName);
      d.Escape();
    });
  }
  EXPECT_EQ(Names(ledger_.Objects()), (std::vector<std::string>{"Mustang", "house"}));
}

TEST_F(NameListDialogTest, RemoveRefusesANameACategoryUsesAndRemovesOthers) {
  CNameListDialog dialog(ledger_, MasterList::kObjects);
  host_.Run(dialog, [](CDialogDriver& d) {
    d.Choose(ids::kNames, "house");
    d.Press(ids::kRemove);
    d.ExpectRefused("The object house is used by the category Groceries and cannot be removed.",
                    "- remove that category\n- change that category to another object", ids::kAddName);
    // What the list shows as selected is what Remove takes.
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
  EXPECT_EQ(Names(ledger_.Objects()), std::vector<std::string>{"house"});
}

TEST_F(NameListDialogTest, TheFunctionalAreasTwinHasItsOwnControlsTextsAndPage) {
  CNameListDialog dialog(ledger_, MasterList::kFunctionalAreas);
  host_.Run(dialog, [](CDialogDriver& d) {
    EXPECT_EQ(d.DialogId(), 132);
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
