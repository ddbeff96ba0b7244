#include "dialogs/change_year_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "resources/change_year_dialog_resource.h"
#include "support/ledger_records.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

using ::testing::ElementsAre;
using test::CDialogDriver;
using test::CScriptedHost;
namespace ids = change_year_dialog;

std::vector<std::uint8_t> Stored(const CAccountBook& book) {
  CArchiveWriter writer;
  EXPECT_TRUE(book.Write(writer));
  return writer.Bytes();
}

// Chooses a year in the dialog and presses OK; the dialog's result.
int ChooseYear(CScriptedHost& host, CAccountBook& book, const std::string& year) {
  CChangeYearDialog dialog(book);
  return host.Run(dialog, [&](CDialogDriver& driver) {
    driver.Choose(ids::kYears, year);
    driver.Enter();
  });
}

TEST(ChangeYearDialogTest, ListsTheYearsInOrderAndOpensOnTheCurrentOne) {
  std::vector<std::string> years;
  for (int year = 1998; year <= 2099; ++year) years.push_back(std::to_string(year));
  ASSERT_EQ(years.size(), static_cast<std::size_t>(CAccountBook::kYearCount));
  for (const int index : {0, 1, 26, 28, 101}) {
    SCOPED_TRACE(index);
    CAccountBook book(1998 + index);
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
  for (const auto& [year, index] : {std::pair{"2024", 26}, std::pair{"2099", 101}}) {
    CAccountBook book(1999);
    CScriptedHost host;
    EXPECT_EQ(ChooseYear(host, book, year), ids::kOk);
    EXPECT_EQ(book.GetYearIndex(), index);
    EXPECT_FALSE(book.IsModified());
    EXPECT_TRUE(host.Questions().empty());
  }
}

TEST(ChangeYearDialogTest, EscapeOrNoSelectionChangesNothing) {
  CAccountBook book(1999);
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

// --- Starting a year with the budget of the year before ----------------------------

// 2025 holds a budget and transactions; the account is on 2025.
CAccountBook BookWithBudgetIn2025() {
  CAccountBook book(2025);
  CYearLedger& ledger = book.CurrentLedger();
  const std::uint32_t car = test::AddObject(ledger, "Car");
  const std::uint32_t insurance = test::AddFunctionalArea(ledger, "Insurance");
  const std::uint32_t premium = test::AddCategory(ledger, "Premium", CategoryType::kFixEx, 0, car, insurance);
  test::AddPredaction(ledger, premium, 315, 400);
  test::AddTransaction(ledger, 316, premium, 400, "Paid");
  ledger.SetOpeningBalance(1000);
  book.ClearModified();
  return book;
}

TEST(ChangeYearDialogTest, YesStartsAnEmptyYearWithTheBudgetOfTheYearBefore) {
  CAccountBook book = BookWithBudgetIn2025();
  CScriptedHost host;
  host.AnswerConfirmation(true);
  EXPECT_EQ(ChooseYear(host, book, "2026"), ids::kOk);
  EXPECT_THAT(host.Questions(),
              ElementsAre("The year 2026 has no budget yet.\nDo you want to start it with the budget of 2025?"));
  EXPECT_EQ(book.GetYear(), 2026);
  const CYearLedger& year = book.CurrentLedger();
  EXPECT_EQ(year.Categories().TextAt(0, category_column::kName), "Premium");
  EXPECT_EQ(year.Categories().NumberAt(0, category_column::kBudget), 400.0);
  EXPECT_EQ(year.Predactions().GetRowCount(), 1u);
  EXPECT_EQ(year.Transactions().GetRowCount(), 0u);
  EXPECT_EQ(year.GetOpeningBalance(), 600.0);
  EXPECT_TRUE(book.IsModified());
}

TEST(ChangeYearDialogTest, NoLeavesTheYearEmptyAndTheFileInItsForm) {
  // Back on 2024 with nothing entered, the account is the file it was.
  CAccountBook book(2024);
  test::AddCategory(book.CurrentLedger(), "Rent", CategoryType::kVarEx, 1200);
  book.ClearModified();
  const auto before = Stored(book);
  ASSERT_EQ(std::string(before.begin(), before.begin() + 7), "PURSO11");

  CScriptedHost host;
  host.AnswerConfirmation(false);
  EXPECT_EQ(ChooseYear(host, book, "2025"), ids::kOk);
  EXPECT_EQ(host.Questions().size(), 1u);
  EXPECT_TRUE(book.CurrentLedger().IsEmpty());
  EXPECT_FALSE(book.IsModified());
  EXPECT_EQ(ChooseYear(host, book, "2031"), ids::kOk);  // 2030 has no categories: no question
  EXPECT_EQ(ChooseYear(host, book, "2024"), ids::kOk);
  EXPECT_EQ(host.Questions().size(), 1u);
  EXPECT_EQ(Stored(book), before);
}

TEST(ChangeYearDialogTest, NoQuestionForAYearInUseOrTheSameYear) {
  CAccountBook book = BookWithBudgetIn2025();
  test::AddObject(book.Ledger(2026 - 1998), "Boat");
  CScriptedHost host;
  EXPECT_EQ(ChooseYear(host, book, "2026"), ids::kOk);  // it has an object
  EXPECT_EQ(ChooseYear(host, book, "2025"), ids::kOk);  // 2024 has no categories
  EXPECT_EQ(ChooseYear(host, book, "1998"), ids::kOk);  // no year before it
  book.SetYearIndex(2027 - 1998);
  test::AddCategory(book.Ledger(2026 - 1998), "Boat fuel", CategoryType::kVarEx, 300);
  EXPECT_EQ(ChooseYear(host, book, "2027"), ids::kOk);  // already the current year
  EXPECT_TRUE(host.Questions().empty());
  EXPECT_TRUE(book.CurrentLedger().IsEmpty());
}

}  // namespace
}  // namespace purso
