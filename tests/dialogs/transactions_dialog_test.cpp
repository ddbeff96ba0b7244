#include "dialogs/transactions_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/matching.h"
#include "data/calendar.h"
#include "resources/match_dialog_resource.h"
#include "resources/transactions_dialog_resource.h"
#include "support/ledger_records.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

using test::CDialogDriver;
using test::CScriptedHost;
namespace ids = transactions_dialog;
namespace match = match_dialog;

// 2023, today 15 June: Groceries (Var Ex 1000), Rent (Fix Ex, 100 on
// 1 March, 1 April and 1 May) and Insurance (Fix Ex, 300 on 10 June).
class TransactionsDialogTest : public ::testing::Test {
 protected:
  TransactionsDialogTest() {
    groceries_ = test::AddCategory(Ledger(), "Groceries", CategoryType::kVarEx, 1000);
    rent_ = test::AddCategory(Ledger(), "Rent", CategoryType::kFixEx, 0);
    insurance_ = test::AddCategory(Ledger(), "Insurance", CategoryType::kFixEx, 0);
    for (double date : {301, 401, 501}) rentIds_.push_back(test::AddPredaction(Ledger(), rent_, date, 100));
    insuranceId_ = test::AddPredaction(Ledger(), insurance_, 610, 300);
  }
  CYearLedger& Ledger() { return book_.CurrentLedger(); }
  double Number(CRecordTable& table, std::uint32_t id, std::uint32_t column) {
    EXPECT_TRUE(table.Find(id));
    return table.GetNumber(column);
  }
  double Budget(std::uint32_t category) { return Number(Ledger().Categories(), category, category_column::kBudget); }
  double Match(std::uint32_t transaction) {
    return Number(Ledger().Transactions(), transaction, transaction_column::kMatch);
  }
  void Run(const CScriptedHost::Steps& steps) {
    CTransactionsDialog dialog(book_);
    host_.Run(dialog, steps);
  }
  // The Match dialog: the row it proposes, then a button.
  void ExpectMatch(int proposed, int button) {
    host_.Expect(match::kDialogId, [proposed, button](CDialogDriver& d) {
      EXPECT_EQ(d.Controls().GetSelection(match::kPredactions), proposed);
      d.Press(button);
    });
  }
  // A Rent transaction on 2 March matched with the 1 March predaction, as Add leaves it.
  std::uint32_t RentPaid() {
    ApplyMatch(Ledger(), rent_, rentIds_[0], 302, 110);
    return test::AddTransaction(Ledger(), 302, rent_, 110, "March", rentIds_[0]);
  }

  CFixedClock clock_{CivilDate{2023, 6, 15}};
  CScopedClock scopedClock_{clock_};
  CAccountBook book_{2023};
  CScriptedHost host_;
  std::uint32_t groceries_ = 0, rent_ = 0, insurance_ = 0, insuranceId_ = 0;
  std::vector<std::uint32_t> rentIds_;
};

void Add(CDialogDriver& d, const char* date, const char* category, const char* amount, std::string description = "") {
  d.Type(ids::kAddDate, date);
  d.Choose(ids::kAddCategory, category);
  d.Type(ids::kAddAmount, amount);
  d.Type(ids::kAddDescription, description);
  d.Press(ids::kAdd);
}

TEST_F(TransactionsDialogTest, AsksBeforeAddingToAPastYearOnlyFromFebruary) {
  const CFixedClock january(CivilDate{2024, 1, 15}), february(CivilDate{2024, 2, 1});
  host_.AnswerConfirmation(true);
  Run([&](CDialogDriver& d) {
    const CScopedClock inJanuary(january);
    Add(d, "12/31", "Groceries", "40");
    EXPECT_TRUE(host_.Questions().empty());
    const CScopedClock inFebruary(february);
    Add(d, "12/31", "Groceries", "40");
    d.Escape();
  });
  EXPECT_EQ(host_.Questions(), std::vector<std::string>{"It is probably not a good idea to add a transaction to a "
                                                        "past year (2023).\nDo you want to cancel this operation?"});
  EXPECT_EQ(Ledger().Transactions().GetRowCount(), 1u);
}

// Refusals add nothing: after the first transaction stored the count is 1.
TEST_F(TransactionsDialogTest, AddRefusesWhatCannotBeStoredAndStoresAVariableTransactionUnmatched) {
  const std::string long48(48, 'x');
  const struct {
    const char* date;
    const char* amount;
    std::string description;
    std::string problem;
    const char* suggestion;
    int field;
  } cases[] = {
      {"2/30", "5", "", "The date is invalid.",
       "- check the day and the month for errors\n- check the PURSO settings for the current date format.",
       ids::kAddDate},
      {"2/3", "1000000000", "", "The amount is invalid (number too big)", "Enter a number < 999999999",
       ids::kAddAmount},
      {"2/3", "5", long48 + "y",
       "The description for this transaction is invalid (too long). \nCurrent length = 49\nMaximum length = 48",
       "Enter a shorter name for the new object", ids::kAddDescription},
  };
  Run([&](CDialogDriver& d) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.problem);
      Add(d, c.date, "Groceries", c.amount, c.description);
      d.ExpectRefused(c.problem, c.suggestion, c.field);
    }
    Add(d, "3/5", "Groceries", "40");
    d.ExpectAccepted();
    EXPECT_EQ(d.Item(ids::kTransactions, 0),
              "%000!065!LB%|0305|03/05@00000000@%074!204!LB%Groceries%209!280!RR%$40.00%290!465!LB%added on "
              "06/15%000!000!SB%");
    EXPECT_EQ(d.Text(ids::kCount), "1");
    EXPECT_EQ(d.Text(ids::kBalanceDate), "06/15");
    EXPECT_EQ(d.Text(ids::kTransactionBalanceLabel), "Transaction Balance (-)");
    EXPECT_EQ(d.Text(ids::kTransactionBalance), "$40.00");
    // 600 of predactions by 15 June and 166 days of 1000 / 364.
    EXPECT_EQ(d.Text(ids::kPredactionBalanceLabel), "Predaction Balance (-)");
    EXPECT_EQ(d.Text(ids::kPredactionBalance), "$1,056.04");
    d.Choose(ids::kTransactions, 0);
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kMatch));
    d.Type(ids::kUpdateDescription, "");
    d.Press(ids::kUpdate);
    Add(d, "2/3", "Groceries", "5", long48);  // 48 characters fit
    d.ExpectAccepted();
    d.Escape();
  });
  EXPECT_EQ(Match(0), kNoMatch);
  EXPECT_EQ(Ledger().Transactions().TextAt(0, transaction_column::kDescription), "updated on 06/15");
  EXPECT_EQ(Ledger().Transactions().TextAt(1, transaction_column::kDescription), long48);
}

TEST_F(TransactionsDialogTest, AFixedTransactionIsAddedOnlyOnceMatchedWithTheNearestPredaction) {
  ExpectMatch(1, match::kCancel);  // 1 April, nearest to 10 April of 1 March, 1 April and 1 May
  ExpectMatch(1, match::kMatch);
  Run([](CDialogDriver& d) {
    Add(d, "4/10", "Rent", "120", "April");
    EXPECT_EQ(d.Controls().ItemCount(ids::kTransactions), 0u);
    EXPECT_EQ(d.Text(ids::kAddDescription), "April");
    d.Press(ids::kAdd);
    EXPECT_EQ(d.Controls().ItemCount(ids::kTransactions), 1u);
    d.Escape();
  });
  EXPECT_EQ(Match(0), rentIds_[1]);
  // The predaction of 100 took the transaction's 120 and date; the budget rose by 20.
  EXPECT_EQ(Number(Ledger().Predactions(), rentIds_[1], predaction_column::kAmount), 120);
  EXPECT_EQ(Number(Ledger().Predactions(), rentIds_[1], predaction_column::kDate), 410);
  EXPECT_EQ(Budget(rent_), 320);
}

TEST_F(TransactionsDialogTest, MatchingAgainOffersItsOwnPredactionAndCancelKeepsIt) {
  const std::uint32_t paid = RentPaid();
  ExpectMatch(0, match::kCancel);
  host_.Expect(match::kDialogId, [](CDialogDriver& d) {
    ASSERT_EQ(d.Controls().ItemCount(match::kPredactions), 3u);
    d.Choose(match::kPredactions, 1);  // 1 April
    d.Press(match::kMatch);
  });
  Run([](CDialogDriver& d) {
    d.Choose(ids::kTransactions, 0);
    d.Press(ids::kMatch);
    d.Press(ids::kMatch);
    d.Escape();
  });
  EXPECT_EQ(Match(paid), rentIds_[1]);
  // The first predaction is free again, with what the first match gave it.
  EXPECT_FALSE(IsPredactionMatched(Ledger(), rentIds_[0]));
  EXPECT_EQ(Number(Ledger().Predactions(), rentIds_[0], predaction_column::kDate), 302);
  EXPECT_EQ(Number(Ledger().Predactions(), rentIds_[0], predaction_column::kAmount), 110);
}

TEST_F(TransactionsDialogTest, UpdateToAnotherFixedCategoryMatchesThereOrStoresNothing) {
  const std::uint32_t paid = RentPaid();
  const auto update = [](const char* category, const char* amount) {
    return [=](CDialogDriver& d) {
      d.Choose(ids::kTransactions, 0);
      d.Choose(ids::kUpdateCategory, category);
      d.Type(ids::kUpdateAmount, amount);
      d.Press(ids::kUpdate);
      d.Escape();
    };
  };
  ExpectMatch(0, match::kCancel);  // the new category's own predaction is proposed
  Run(update("Insurance", "310"));
  EXPECT_EQ(Number(Ledger().Transactions(), paid, transaction_column::kCategory), rent_);
  EXPECT_EQ(Match(paid), rentIds_[0]);

  ExpectMatch(0, match::kMatch);
  Run(update("Insurance", "310"));
  EXPECT_EQ(Match(paid), insuranceId_);
  EXPECT_EQ(Number(Ledger().Predactions(), insuranceId_, predaction_column::kAmount), 310);
  EXPECT_EQ(Number(Ledger().Predactions(), insuranceId_, predaction_column::kDate), 302);
  EXPECT_EQ(Budget(insurance_), 310);
  EXPECT_FALSE(IsPredactionMatched(Ledger(), rentIds_[0]));

  // In the same category, Cancel keeps the match and the update is stored.
  ExpectMatch(0, match::kCancel);
  Run(update("Insurance", "320"));
  EXPECT_EQ(Match(paid), insuranceId_);
  EXPECT_EQ(Number(Ledger().Transactions(), paid, transaction_column::kAmount), 320);
}

TEST_F(TransactionsDialogTest, UpdateToAVariableCategoryAndRemoveFreeThePredaction) {
  const std::uint32_t paid = RentPaid();
  const std::uint32_t april = test::AddTransaction(Ledger(), 401, rent_, 100, "April", rentIds_[1]);
  Run([](CDialogDriver& d) {
    d.Choose(ids::kTransactions, 0);
    d.Choose(ids::kUpdateCategory, "Groceries");
    d.Press(ids::kUpdate);
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kUpdate));  // nothing selected after an Update
    EXPECT_EQ(d.Controls().ItemInSight(ids::kTransactions), 0);   // the row written
    d.Choose(ids::kTransactions, 1);  // April
    d.Press(ids::kRemove);
    EXPECT_EQ(d.Text(ids::kCount), "1");
    d.Escape();
  });
  EXPECT_EQ(Match(paid), kNoMatch);
  EXPECT_FALSE(Ledger().Transactions().Find(april));
  EXPECT_FALSE(IsPredactionMatched(Ledger(), rentIds_[0]));
  EXPECT_FALSE(IsPredactionMatched(Ledger(), rentIds_[1]));
  EXPECT_EQ(Number(Ledger().Predactions(), rentIds_[0], predaction_column::kAmount), 110);
}

}  // namespace
}  // namespace purso
