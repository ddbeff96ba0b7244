#include "dialogs/predactions_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/predactions_dialog_resource.h"
#include "resources/recurring_predactions_dialog_resource.h"
#include "support/ledger_records.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

using test::CDialogDriver;
using test::CScriptedHost;
namespace ids = predactions_dialog;
namespace series = recurring_predactions_dialog;

// 2024, dates shown day first: Rent (Fix Ex) with four predactions of
// which the February one is matched, and Pay (Fix In) with one.
class PredactionsDialogTest : public ::testing::Test {
 protected:
  PredactionsDialogTest() {
    book_.SetYearIndex(26);
    book_.Settings().dateOrder = DateOrder::kDayFirst;
    rent_ = test::AddCategory(Ledger(), "Rent", CategoryType::kFixEx, 0);
    pay_ = test::AddCategory(Ledger(), "Pay", CategoryType::kFixIn, 0);
    for (double date : {301, 131, 201, 401}) rentIds_.push_back(test::AddPredaction(Ledger(), rent_, date, 50));
    test::AddPredaction(Ledger(), pay_, 125, 900);
    test::AddTransaction(Ledger(), 203, rent_, 50, "Rent", rentIds_[2]);
    book_.ClearModified();
  }
  CYearLedger& Ledger() { return book_.CurrentLedger(); }
  double Budget(std::uint32_t category) {
    Ledger().Categories().Find(category);
    return Ledger().Categories().GetNumber(category_column::kBudget);
  }
  // Runs the dialog on Rent through the one opener every caller uses.
  void EditRent(const CScriptedHost::Steps& steps, std::optional<std::uint32_t> preselected = std::nullopt) {
    host_.Expect(ids::kDialogId, steps);
    EditPredactions(host_, book_, rent_, preselected);
  }

  CAccountBook book_;
  CScriptedHost host_;
  std::uint32_t rent_ = 0, pay_ = 0;
  std::vector<std::uint32_t> rentIds_;  // 01/03, 31/01, 01/02 (matched), 01/04
};

TEST_F(PredactionsDialogTest, ListsTheCategoryInDateOrderRedForExpensesWithCountAndTotal) {
  EditRent(
      [](CDialogDriver& d) {
        ASSERT_EQ(d.Controls().ItemCount(ids::kPredactions), 4u);
        EXPECT_EQ(d.Item(ids::kPredactions, 0), "%000!135!LB%|0131|31/01@00000001@%140!210!RR%$50.00%000!000!SB%");
        EXPECT_EQ(d.Item(ids::kPredactions, 1).substr(12, 11), "|0201|01/02");
        EXPECT_EQ(d.Text(ids::kCount), "4");
        EXPECT_EQ(d.Text(ids::kTotal), "$200.00");
        // Opened on a predaction: it is selected, in the update row.
        EXPECT_EQ(d.Controls().GetSelection(ids::kPredactions), 2);
        EXPECT_EQ(d.Text(ids::kUpdateDate), "01/03");
        EXPECT_EQ(d.Text(ids::kUpdateAmount), "$50.00");
        EXPECT_EQ(d.Controls().GetFocus(), ids::kUpdateDate);
        d.Press(ids::kDone);
      },
      rentIds_[0]);
  EXPECT_EQ(Budget(rent_), 200);
  EXPECT_FALSE(book_.IsModified());  // the budget was already the sum: looking changes nothing

  CPredactionsDialog income(book_, pay_, MoneyFlow::kIncome);
  host_.Run(income, [](CDialogDriver& d) {
    EXPECT_EQ(d.Item(ids::kPredactions, 0), "%000!135!LB%|0125|25/01@00000004@%140!210!RB%$900.00%000!000!SB%");
    d.Escape();
  });
}

TEST_F(PredactionsDialogTest, AddRefusesABadDateOrAmountAndSortsANewRowInAfterOnesOfTheSameDate) {
  const struct {
    const char* date;
    const char* amount;
    const char* problem;
    const char* suggestion;
    int field;
  } cases[] = {
      {"30/02", "5", "The date is invalid.",
       "- check the day and the month for errors\n- check the PURSO settings for the current date format.",
       ids::kAddDate},
      {"29/02", "abc", "The amount is invalid (bad format)", "Enter a valid number.", ids::kAddAmount},
      {"29/02", "1000000000", "The amount is invalid (number too big)", "Enter a number < 999999999", ids::kAddAmount},
  };
  EditRent([&](CDialogDriver& d) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.date) + " " + c.amount);
      d.Type(ids::kAddDate, c.date);
      d.Type(ids::kAddAmount, c.amount);
      d.Enter();
      d.ExpectRefused(c.problem, c.suggestion, c.field);
    }
    // Nothing was added by the refusals: after this Add the count is 5.
    d.Type(ids::kAddDate, "31/01");
    d.Type(ids::kAddAmount, "999999999");
    d.Enter();
    d.ExpectAccepted();
    EXPECT_EQ(d.Item(ids::kPredactions, 1).substr(23, 10), "@00000005@");
    EXPECT_EQ(d.Text(ids::kAddDate), "");
    EXPECT_EQ(d.Controls().GetFocus(), ids::kAddDate);
    EXPECT_EQ(d.Text(ids::kCount), "5");
    d.Press(ids::kDone);
  });
  EXPECT_EQ(Budget(rent_), 999999999 + 200);
  EXPECT_TRUE(book_.IsModified());
}

TEST_F(PredactionsDialogTest, MatchedPredactionsAreLockedAndRemoveAllKeepsExactlyThem) {
  host_.AnswerConfirmation(false);
  host_.AnswerConfirmation(true);
  EditRent([](CDialogDriver& d) {
    d.Choose(ids::kPredactions, 1);  // 01/02, matched
    d.Press(ids::kUpdate);
    d.ExpectRefused("This predaction has been matched with a transaction and cannot be updated.",
                    "Remove the transaction first.", ids::kAddDate);
    d.Press(ids::kRemove);
    d.ExpectRefused("This predaction has been matched with a transaction and cannot be removed.",
                    "Remove the transaction first.", ids::kAddDate);
    d.Press(ids::kRemoveAll);
    EXPECT_EQ(d.Text(ids::kCount), "4");
    d.Press(ids::kRemoveAll);
    EXPECT_EQ(d.Text(ids::kCount), "1");
    EXPECT_EQ(d.Controls().ItemCount(ids::kPredactions), 1u);
    d.Escape();
  });
  EXPECT_EQ(host_.Questions().front(), "This will remove all unmatched predactions!\nDo you want to continue?");
  EXPECT_EQ(Budget(rent_), 50);
  EXPECT_EQ(Ledger().Predactions().GetRowCount(), 2u);  // Pay's stays too
}

TEST_F(PredactionsDialogTest, UpdateAndRemoveChangeAnUnmatchedPredaction) {
  book_.Settings().currencySymbol = "EUR";
  book_.Settings().symbolPosition = SymbolPosition::kAfter;
  book_.Settings().space = true;
  test::AddPredaction(Ledger(), rent_, 1231, 1000000);
  EditRent([](CDialogDriver& d) {
    d.Choose(ids::kPredactions, 4);
    EXPECT_EQ(d.Text(ids::kUpdateAmount), "1,000,000.00 EUR");  // longer than a typed amount may be
    d.Type(ids::kUpdateDate, "30/12");
    d.Press(ids::kUpdate);
    d.ExpectAccepted();
    EXPECT_EQ(d.Item(ids::kPredactions, 4).substr(12, 11), "|1230|30/12");
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kUpdate));

    d.Choose(ids::kPredactions, 0);
    d.Press(ids::kRemove);
    d.ExpectAccepted();
    EXPECT_EQ(d.Controls().ItemCount(ids::kPredactions), 4u);
    EXPECT_EQ(d.Text(ids::kCount), "4");
    EXPECT_EQ(d.Text(ids::kUpdateDate), "");
    d.Escape();
  });
  EXPECT_EQ(Budget(rent_), 1000150);
}

TEST_F(PredactionsDialogTest, ASeriesIsAddedAndShownAtOnceEvenWhenTheTableFillsUp) {
  EditRent([&](CDialogDriver& d) {
    host_.Expect(series::kDialogId, [](CDialogDriver& s) {
      EXPECT_EQ(s.Text(series::kUnit), "months");
      s.Type(series::kFirst, "31/01");
      s.Type(series::kAmount, "10");
      s.Enter();
    });
    host_.Expect(series::kDialogId, [](CDialogDriver& s) {
      s.Type(series::kAmount, "1");
      s.Enter();
    });
    d.Press(ids::kMonthly);
    EXPECT_EQ(d.Text(ids::kCount), "16");
    EXPECT_EQ(d.Text(ids::kTotal), "$320.00");
    test::LeaveRowIds(Ledger().Predactions(), 3);
    d.Press(ids::kDaily);
    EXPECT_EQ(d.Text(ids::kCount), "19");
    EXPECT_EQ(d.Controls().ItemCount(ids::kPredactions), 19u);
    d.Escape();
  });
  ASSERT_EQ(host_.Problems().size(), 1u);
  EXPECT_EQ(host_.Problems()[0].problem, "Unable to complete operation (out of memory).");
  EXPECT_EQ(Budget(rent_), 323);
}

}  // namespace
}  // namespace purso
