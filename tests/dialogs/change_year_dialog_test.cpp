#include "dialogs/change_year_dialog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "resources/change_year_dialog_resource.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

using test::CDialogDriver;
using test::CScriptedHost;
namespace ids = change_year_dialog;

TEST(ChangeYearDialogTest, ListsTheYearsInOrderAndOpensOnTheCurrentOne) {
  std::vector<std::string> years;
  for (int year = 1998; year <= 2024; ++year) years.push_back(std::to_string(year));
  for (const int index : {0, 1, 26}) {
    SCOPED_TRACE(index);
    CAccountBook book;
    book.SetYearIndex(static_cast<std::uint8_t>(index));
    CChangeYearDialog dialog(book);
    CScriptedHost host;
    host.Run(dialog, [&](CDialogDriver& driver) {
      EXPECT_EQ(driver.Controls().Items(ids::kYears), years);
      EXPECT_EQ(driver.Controls().GetSelection(ids::kYears), index);
      driver.Escape();
    });
  }
}

TEST(ChangeYearDialogTest, OkMakesTheChosenYearCurrentWithoutMarkingTheBook) {
  CAccountBook book;
  CChangeYearDialog dialog(book);
  CScriptedHost host;
  const int result = host.Run(dialog, [](CDialogDriver& driver) {
    driver.Choose(ids::kYears, "2024");
    driver.Enter();
  });
  EXPECT_EQ(result, ids::kOk);
  EXPECT_EQ(book.GetYearIndex(), 26);
  EXPECT_EQ(book.GetYear(), 2024);
  EXPECT_FALSE(book.IsModified());
}

TEST(ChangeYearDialogTest, EscapeOrNoSelectionChangesNothing) {
  CAccountBook book;
  book.SetYearIndex(5);
  CChangeYearDialog escaped(book);
  CScriptedHost host;
  const int escapedResult = host.Run(escaped, [](CDialogDriver& driver) {
    driver.Choose(ids::kYears, "2010");
    driver.Escape();
  });
  EXPECT_EQ(escapedResult, kCommandCancel);
  EXPECT_EQ(book.GetYearIndex(), 5);

  CChangeYearDialog unselected(book);
  // OK with nothing selected still closes with OK.
  const int unselectedResult = host.Run(unselected, [](CDialogDriver& driver) {
    driver.Controls().ApplySelection(ids::kYears, CControlModel::kNoSelection);
    driver.Press(ids::kOk);
  });
  EXPECT_EQ(unselectedResult, ids::kOk);
  EXPECT_EQ(book.GetYearIndex(), 5);
}

}  // namespace
}  // namespace purso
