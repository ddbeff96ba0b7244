// A household's January entered through the account commands as a user
// would, saved, opened again, and the account view's key figures and
// outstanding lists checked against figures summed here from what was typed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/account_view.h"
#include "app/purso_document.h"
#include "data/calendar.h"
#include "resources/categories_dialog_resource.h"
#include "resources/functional_areas_dialog_resource.h"
#include "resources/match_dialog_resource.h"
#include "resources/objects_dialog_resource.h"
#include "resources/opening_balance_dialog_resource.h"
#include "resources/predactions_dialog_resource.h"
#include "resources/transactions_dialog_resource.h"
#include "support/scripted_host.h"
#include "text/list_layouts.h"

namespace purso::test {
namespace {

namespace fs = std::filesystem;
namespace cat = categories_dialog;
namespace pre = predactions_dialog;
namespace trn = transactions_dialog;

struct Predaction {
  int monthDay;
  double amount;
  bool matched = false;
};

struct Category {
  const char* name;
  const char* object;
  const char* area;
  const char* type;
  double budget;  // typed for a variable type
  std::vector<Predaction> predactions;
  double Sign() const { return std::string(type).ends_with("Ex") ? -1.0 : 1.0; }
  bool Fixed() const { return std::string(type).starts_with("Fix"); }
};

constexpr int kNew = -1;  // New Pred. in the Match dialog
struct Transaction {
  int monthDay;
  int category;  // index in the categories
  double amount;
  const char* description;
  int predaction = kNew;  // of a fixed category: the index of the one the Match dialog proposes
};

std::string DateText(int monthDay) { return std::to_string(monthDay / 100) + "/" + std::to_string(monthDay % 100); }

std::string AmountText(double amount) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", amount);
  return text;
}

TEST(HouseholdMonthTest, AJanuaryEnteredSavedAndOpenedShowsTheFiguresItAddsUpTo) {
  const CFixedClock clock(CivilDate{2024, 1, 31});
  const CScopedClock scopedClock(clock);
  const double opening = 1850;
  std::vector<Category> categories = {
      {"Rent", "House", "Housing", "Fix Ex", 0, {{101, 950}, {201, 950}}},
      {"Salary", "Mary", "Day Job", "Fix In", 0, {{125, 2400}, {225, 2400}}},
      {"Phone", "House", "Phone", "Fix Ex", 0, {{120, 45}, {220, 45}}},
      {"Child benefit", "John", "Benefits", "Fix In", 0, {{115, 200}}},
      {"Groceries", "House", "Food", "Var Ex", 5200, {}},
      {"Petrol", "Car", "Fuel", "Var Ex", 1300, {}},
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
  EXPECT_TRUE(document.OnCommand(command_id::kTransactions));  // refused: no categories yet
  ASSERT_EQ(host.Problems().size(), 1u);

  const auto addNames = [&](int command, int dialog, int field, int button, std::vector<std::string> names) {
    host.Expect(dialog, [=](CDialogDriver& d) {
      for (const std::string& name : names) {
        d.Type(field, name);
        d.Press(button);
      }
      d.Escape();
    });
    document.OnCommand(command);
  };
  addNames(command_id::kObjects, objects_dialog::kDialogId, objects_dialog::kAddName, objects_dialog::kAdd,
           {"House", "Mary", "John", "Car"});
  addNames(command_id::kFunctionalAreas, functional_areas_dialog::kDialogId, functional_areas_dialog::kAddName,
           functional_areas_dialog::kAdd, {"Housing", "Day Job", "Phone", "Benefits", "Food", "Fuel"});
  host.Expect(cat::kDialogId, [&](CDialogDriver& d) {
    for (const Category& c : categories) {
      d.Type(cat::kAddName, c.name);
      d.Choose(cat::kAddObject, c.object);
      d.Choose(cat::kAddFunctionalArea, c.area);
      d.Choose(cat::kAddType, c.type);
      if (!c.Fixed()) d.Type(cat::kAddBudget, AmountText(c.budget));
      d.Press(cat::kAdd);
    }
    d.Escape();
  });
  for (const Category& c : categories) {
    if (!c.Fixed()) continue;
    host.Expect(pre::kDialogId, [&c](CDialogDriver& d) {
      for (const Predaction& p : c.predactions) {
        d.Type(pre::kAddDate, DateText(p.monthDay));
        d.Type(pre::kAddAmount, AmountText(p.amount));
        d.Press(pre::kAdd);
      }
      d.Escape();
    });
  }
  document.OnCommand(command_id::kCategories);
  host.Expect(opening_balance_dialog::kDialogId, [&](CDialogDriver& d) {
    d.Type(opening_balance_dialog::kAmount, AmountText(opening));
    d.Press(opening_balance_dialog::kOk);
  });
  document.OnCommand(command_id::kOpeningBalance);

  host.Expect(trn::kDialogId, [&](CDialogDriver& d) {
    for (const Transaction& t : transactions) {
      d.Type(trn::kAddDate, DateText(t.monthDay));
      d.Choose(trn::kAddCategory, categories[t.category].name);
      d.Type(trn::kAddAmount, AmountText(t.amount));
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
  document.OnCommand(command_id::kTransactions);
  EXPECT_TRUE(document.IsModified());
  const fs::path path = fs::temp_directory_path() / ("purso_household_" + std::to_string(::getpid()) + ".pxf");
  ASSERT_TRUE(document.OnSaveDocument(path.string()));

  // The figures, from what was typed: a match gives its predaction the
  // transaction's date and amount; New Pred. adds one.
  double transactionBalance = opening;
  for (const Transaction& t : transactions) {
    Category& c = categories[t.category];
    transactionBalance += c.Sign() * t.amount;
    if (!c.Fixed()) continue;
    if (t.predaction == kNew) c.predactions.push_back({t.monthDay, t.amount});
    const std::size_t matched =
        t.predaction == kNew ? c.predactions.size() - 1 : static_cast<std::size_t>(t.predaction);
    c.predactions[matched] = {t.monthDay, t.amount, true};
  }
  double netBudget = 0, variableBudget = 0, predactionsByDate = 0, outstandingExpenses = 0, outstandingIncomes = 0;
  std::vector<std::string> expenseNames, incomeNames;
  for (const Category& c : categories) {
    netBudget += c.Sign() * c.budget;
    if (!c.Fixed()) variableBudget += c.Sign() * c.budget;
    for (const Predaction& p : c.predactions) {
      netBudget += c.Sign() * p.amount;
      if (p.monthDay > 131) continue;
      predactionsByDate += c.Sign() * p.amount;
      if (p.matched) continue;
      (c.Sign() < 0 ? outstandingExpenses : outstandingIncomes) += p.amount;
      (c.Sign() < 0 ? expenseNames : incomeNames).push_back(c.name);
    }
  }
  // 31 January is day 30 of 2024, whose budget flows over 365 days.
  const double predactionBalance = opening + predactionsByDate + 31 * variableBudget / 365;

  CpursoPXFDoc reopened(host);
  ASSERT_TRUE(reopened.OnOpenDocument(path.string()));
  fs::remove(path);
  CpursoPXFView view(reopened);
  view.OnInitialUpdate();
  EXPECT_NEAR(view.BudgetBalance(), netBudget, 1e-6);
  EXPECT_EQ(view.BalanceDate(), 131);
  EXPECT_NEAR(view.TransactionBalanceAtDate(), transactionBalance, 1e-6);
  EXPECT_NEAR(view.PredactionBalanceAtDate(), predactionBalance, 1e-6);
  EXPECT_NEAR(view.OutstandingExpensesTotal(), outstandingExpenses, 1e-6);
  EXPECT_NEAR(view.OutstandingIncomesTotal(), outstandingIncomes, 1e-6);
  const auto names = [&view](int list) {
    std::vector<std::string> shown;
    for (const std::string& row : view.Controls().Items(list)) {
      shown.push_back(ReadColumnText(row, layout::Start(layout::outstanding::kName)));
    }
    return shown;
  };
  EXPECT_EQ(names(account_view::kOutstandingExpenses), expenseNames);
  EXPECT_EQ(names(account_view::kOutstandingIncomes), incomeNames);
  EXPECT_EQ(host.Problems().size(), 1u);
}

}  // namespace
}  // namespace purso::test
