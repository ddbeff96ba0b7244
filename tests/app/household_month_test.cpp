// A household's January entered through the account commands as a user
// would (its objects and functional areas given), saved, opened again, and the account view's key figures and
// outstanding lists checked against figures summed here from what was typed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/account_view.h"
#include "data/calendar.h"
#include "resources/categories_dialog_resource.h"
#include "resources/match_dialog_resource.h"
#include "resources/opening_balance_dialog_resource.h"
#include "resources/predactions_dialog_resource.h"
#include "resources/transactions_dialog_resource.h"
#include "support/ledger_records.h"
#include "support/scripted_host.h"
#include "text/list_layouts.h"

namespace purso::test {
namespace {

namespace cat = categories_dialog;
namespace pre = predactions_dialog;
namespace trn = transactions_dialog;

struct Predaction {
  int monthDay;
  double amount;
  bool matched = false;
};
// Each category has a functional area of its name, all of them the object Home.
struct Category {
  std::string name, type;
  double budget;  // typed for a variable type
  std::vector<Predaction> predactions;
  double Sign() const { return type.ends_with("Ex") ? -1.0 : 1.0; }
  bool Fixed() const { return type.starts_with("Fix"); }
};
constexpr int kNew = -1;  // New Pred. in the Match dialog
struct Transaction {
  int monthDay;
  std::size_t category;
  double amount;
  const char* description;
  int predaction = kNew;  // of a fixed category: the one the Match dialog proposes
};

std::string DateText(int monthDay) { return std::to_string(monthDay / 100) + "/" + std::to_string(monthDay % 100); }

TEST(HouseholdMonthTest, AJanuaryEnteredSavedAndOpenedShowsTheFiguresItAddsUpTo) {
  const CFixedClock clock(CivilDate{2024, 1, 31});
  const CScopedClock scopedClock(clock);
  const double opening = 1850;
  std::vector<Category> categories = {
      {"Rent", "Fix Ex", 0, {{101, 950}, {201, 950}}},
      {"Salary", "Fix In", 0, {{125, 2400}, {225, 2400}}},
      {"Phone", "Fix Ex", 0, {{120, 45}, {220, 45}}},
      {"Child benefit", "Fix In", 0, {{115, 200}}},
      {"Groceries", "Var Ex", 5200, {}},
      {"Petrol", "Var Ex", 1300, {}},
  };
  const std::vector<Transaction> transactions = {
      {102, 0, 950, "January rent", 0}, {106, 4, 120.35, "Supermarket"},
      {111, 5, 61.20, "Fuel"},          {113, 4, 98.10, "Supermarket"},
      {120, 4, 131.40, "Market"},       {122, 2, 30, "Prepaid card", kNew},
      {125, 1, 2450, "Salary", 0},      {125, 5, 58.90, ""},
      {127, 4, 104.75, "Supermarket"},
  };

  CScriptedHost host;
  CpursoPXFDoc document(host);
  document.OnCommand(command_id::kTransactions);  // refused: no categories yet
  AddObject(document.CurrentLedger(), "Home");
  for (const Category& c : categories) AddFunctionalArea(document.CurrentLedger(), c.name);
  host.Expect(cat::kDialogId, [&](CDialogDriver& d) {
    for (const Category& c : categories) {
      d.Type(cat::kAddName, c.name);
      d.Choose(cat::kAddFunctionalArea, c.name);
      d.Choose(cat::kAddType, c.type);
      if (!c.Fixed()) d.Type(cat::kAddBudget, std::to_string(c.budget));
      d.Press(cat::kAdd);
    }
    d.Escape();
  });
  for (const Category& c : categories) {
    if (!c.Fixed()) continue;
    host.Expect(pre::kDialogId, [&c](CDialogDriver& d) {
      for (const Predaction& p : c.predactions) {
        d.Type(pre::kAddDate, DateText(p.monthDay));
        d.Type(pre::kAddAmount, std::to_string(p.amount));
        d.Press(pre::kAdd);
      }
      d.Escape();
    });
  }
  host.Expect(opening_balance_dialog::kDialogId, [&](CDialogDriver& d) {
    d.Type(opening_balance_dialog::kAmount, std::to_string(opening));
    d.Press(opening_balance_dialog::kOk);
  });
  host.Expect(trn::kDialogId, [&](CDialogDriver& d) {
    for (const Transaction& t : transactions) {
      d.Type(trn::kAddDate, DateText(t.monthDay));
      d.Choose(trn::kAddCategory, categories[t.category].name);
      d.Type(trn::kAddAmount, std::to_string(t.amount));
      d.Type(trn::kAddDescription, t.description);
      d.Press(trn::kAdd);
      d.ExpectAccepted();
    }
    d.Press(trn::kDone);
  });
  for (const Transaction& t : transactions) {
    if (!categories[t.category].Fixed()) continue;
    host.Expect(match_dialog::kDialogId, [&t](CDialogDriver& d) {
      d.Press(t.predaction == kNew ? match_dialog::kNewPredaction : match_dialog::kMatch);
    });
  }
  for (const int command : {command_id::kCategories, command_id::kOpeningBalance, command_id::kTransactions}) {
    document.OnCommand(command);
  }
  const std::string path = std::filesystem::temp_directory_path() / ("household_" + std::to_string(::getpid()));
  ASSERT_TRUE(document.OnSaveDocument(path));

  // What was typed adds up to these: a match gives its predaction the
  // transaction's date and amount; New Pred. adds one.
  double transactionBalance = opening, netBudget = 0, daily = 0, predactionsByDate = 0;
  for (const Transaction& t : transactions) {
    Category& c = categories[t.category];
    transactionBalance += c.Sign() * t.amount;
    if (!c.Fixed()) continue;
    if (t.predaction == kNew) c.predactions.push_back({});
    c.predactions[t.predaction == kNew ? c.predactions.size() - 1 : std::size_t(t.predaction)] = {t.monthDay, t.amount,
                                                                                                  true};
  }
  double outstanding[2] = {0, 0};  // expenses, incomes
  std::vector<std::string> outstandingNames[2];
  for (const Category& c : categories) {
    netBudget += c.Sign() * c.budget;
    daily += c.Sign() * c.budget / 365;  // 2024 spreads a budget over 365 days
    for (const Predaction& p : c.predactions) {
      netBudget += c.Sign() * p.amount;
      if (p.monthDay > 131) continue;
      predactionsByDate += c.Sign() * p.amount;
      if (p.matched) continue;
      outstanding[c.Sign() > 0] += p.amount;
      outstandingNames[c.Sign() > 0].push_back(c.name);
    }
  }

  CpursoPXFDoc reopened(host);
  ASSERT_TRUE(reopened.OnOpenDocument(path));
  std::filesystem::remove(path);
  CpursoPXFView view(reopened);
  view.OnInitialUpdate();
  EXPECT_NEAR(view.BudgetBalance(), netBudget, 1e-6);
  EXPECT_EQ(view.BalanceDate(), 131);
  EXPECT_NEAR(view.TransactionBalanceAtDate(), transactionBalance, 1e-6);
  EXPECT_NEAR(view.PredactionBalanceAtDate(), opening + predactionsByDate + 31 * daily, 1e-6);
  EXPECT_NEAR(view.OutstandingExpensesTotal(), outstanding[0], 1e-6);
  EXPECT_NEAR(view.OutstandingIncomesTotal(), outstanding[1], 1e-6);
  for (const int list : {account_view::kOutstandingExpenses, account_view::kOutstandingIncomes}) {
    std::vector<std::string> names;
    for (const std::string& row : view.Controls().Items(list)) {
      names.push_back(ReadColumnText(row, layout::Start(layout::outstanding::kName)));
    }
    EXPECT_EQ(names, outstandingNames[list == account_view::kOutstandingIncomes]);
  }
  EXPECT_EQ(host.Problems().size(), 1u);  // the refusal before there were categories
}

}  // namespace
}  // namespace purso::test
