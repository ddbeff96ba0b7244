// Finding and ordering in the Transactions list, on the shared sample
// account: what each filter keeps against the transactions the test picks
// out of the ledger itself, the row just written staying in sight, and the
// orders a heading gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "data/calendar.h"
#include "data/no_case.h"
#include "dialogs/transactions_dialog.h"
#include "resources/categories_dialog_resource.h"
#include "resources/transactions_dialog_resource.h"
#include "support/ledger_builder.h"
#include "support/scripted_host.h"
#include "text/list_row.h"

namespace purso {
namespace {

using test::CDialogDriver;
namespace ids = transactions_dialog;

struct Transaction {
  std::uint32_t id;
  double date;
  std::string category;
  double amount;
  std::string description;
};

class TransactionsFindTest : public ::testing::Test {
 protected:
  TransactionsFindTest() { test::FillSampleYear(book_); }

  // The ledger's transactions, as the test reads them.
  std::vector<Transaction> All() {
    std::vector<Transaction> all;
    CYearLedger& ledger = book_.CurrentLedger();
    const CRecordTable& rows = ledger.Transactions();
    for (std::uint32_t i = 0; i < rows.GetRowCount(); ++i) {
      CRecordTable& categories = ledger.Categories();
      categories.Find(RowIdFromNumber(rows.NumberAt(i, transaction_column::kCategory)));
      all.push_back({rows.RowIdAt(i), rows.NumberAt(i, transaction_column::kDate),
                     categories.GetText(category_column::kName), rows.NumberAt(i, transaction_column::kAmount),
                     std::string(rows.TextAt(i, transaction_column::kDescription))});
    }
    return all;
  }
  // The ids of the transactions that pass, in the order given.
  std::vector<std::uint32_t> Ids(const std::vector<Transaction>& in, const std::function<bool(const Transaction&)>& pass) {
    std::vector<std::uint32_t> ids;
    for (const Transaction& t : in) {
      if (pass(t)) ids.push_back(t.id);
    }
    return ids;
  }
  std::vector<Transaction> ByDate() {
    std::vector<Transaction> all = All();
    std::stable_sort(all.begin(), all.end(), [](const Transaction& a, const Transaction& b) { return a.date < b.date; });
    return all;
  }
  void Run(const test::CScriptedHost::Steps& steps) {
    CTransactionsDialog dialog(book_);
    host_.Run(dialog, steps);
  }

  CFixedClock clock_{CivilDate{CivilDate{2024, 6, 30}}};
  CScopedClock scopedClock_{clock_};
  CAccountBook book_{2024};
  test::CScriptedHost host_;
};

// The ids of the rows the list shows, in order.
std::vector<std::uint32_t> Shown(CDialogDriver& d) {
  std::vector<std::uint32_t> ids;
  for (const std::string& row : d.Controls().Items(ids::kTransactions)) ids.push_back(ReadRowId(row).value_or(0));
  return ids;
}

bool Holds(std::string_view text, std::string_view part) {
  for (std::size_t at = 0; at + part.size() <= text.size(); ++at) {
    if (EqualNoCase(text.substr(at, part.size()), part)) return true;
  }
  return false;
}

TEST_F(TransactionsFindTest, EachFilterKeepsWhatItAsksForAndTheFootStaysTheYears) {
  const std::vector<Transaction> byDate = ByDate();
  const auto text = [](std::string part) {
    return [part](const Transaction& t) { return Holds(t.description, part) || Holds(t.category, part); };
  };
  const auto between = [](double low, double high) {
    return [=](const Transaction& t) { return t.amount >= low && t.amount <= high; };
  };
  const struct {
    const char* typed;
    std::function<bool(const Transaction&)> pass;
  } cases[] = {
      {"SUPER", text("super")},       {"job", text("job")},  {" rent ", text("rent")},
      {"=95", between(95, 95)},      {"=950.00", between(950, 950)},
      {"400..500", between(400, 500)}, {"500..400", between(400, 500)}, {"..100", between(0, 100)},
      {"2000..", between(2000, 1e9)},  {"a..b", text("a..b")},          {"=", text("=")},
  };
  Run([&](CDialogDriver& d) {
    const std::string balance = d.Text(ids::kTransactionBalance);
    for (const auto& c : cases) {
      SCOPED_TRACE(c.typed);
      d.Type(ids::kFilter, c.typed);
      const std::vector<std::uint32_t> expected = Ids(byDate, c.pass);
      EXPECT_EQ(Shown(d), expected);
      EXPECT_EQ(d.Text(ids::kShownCount), std::to_string(expected.size()) + " of 23 shown");
      EXPECT_EQ(d.Text(ids::kCount), "23");
      EXPECT_EQ(d.Text(ids::kTransactionBalance), balance);
    }
    d.Type(ids::kFilter, "");
    EXPECT_EQ(Shown(d).size(), 23u);
    EXPECT_EQ(d.Text(ids::kShownCount), "");
    d.Escape();
  });
}

TEST_F(TransactionsFindTest, TheRowWrittenStaysShownAndInSightUntilTheFilterChanges) {
  Run([&](CDialogDriver& d) {
    d.Type(ids::kFilter, "fuel");
    d.Type(ids::kAddDate, "7/2");
    d.Choose(ids::kAddCategory, "Groceries");
    d.Type(ids::kAddAmount, "61");
    d.Type(ids::kAddDescription, "Market");
    d.Press(ids::kAdd);
    const int written = d.Controls().ItemInSight(ids::kTransactions);
    ASSERT_NE(written, CControlModel::kNoSelection);
    EXPECT_NE(d.Item(ids::kTransactions, static_cast<std::size_t>(written)).find("Market"), std::string::npos);
    EXPECT_EQ(d.Controls().GetSelection(ids::kTransactions), CControlModel::kNoSelection);
    EXPECT_EQ(d.Controls().GetFocus(), ids::kAddDate);
    EXPECT_EQ(d.Text(ids::kShownCount), "7 of 24 shown");
    // Updated away from the filter's text: still shown, nothing selected.
    d.Choose(ids::kTransactions, written);
    d.Type(ids::kUpdateAmount, "62");
    d.Press(ids::kUpdate);
    EXPECT_EQ(d.Text(ids::kShownCount), "7 of 24 shown");
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kUpdate));
    EXPECT_NE(d.Item(ids::kTransactions, static_cast<std::size_t>(d.Controls().ItemInSight(ids::kTransactions)))
                  .find("62.00"),
              std::string::npos);
    d.Type(ids::kFilter, "fuel ");
    EXPECT_EQ(d.Text(ids::kShownCount), "6 of 24 shown");
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kUpdate));
    // Remove works on the rows shown.
    d.Choose(ids::kTransactions, 0);
    d.Press(ids::kRemove);
    EXPECT_EQ(d.Text(ids::kShownCount), "5 of 23 shown");
    d.Escape();
  });
}

TEST_F(TransactionsFindTest, AHeadingOrdersByItsColumnAndASecondClickTheOtherWay) {
  std::vector<Transaction> byDate = ByDate();
  const auto ordered = [&](auto less) {
    std::vector<Transaction> rows = byDate;
    std::stable_sort(rows.begin(), rows.end(), less);
    return Ids(rows, [](const Transaction&) { return true; });
  };
  const auto reversed = [](std::vector<std::uint32_t> ids) {
    std::reverse(ids.begin(), ids.end());
    return ids;
  };
  const std::vector<std::uint32_t> byAmount =
      ordered([](const Transaction& a, const Transaction& b) { return a.amount < b.amount; });
  const std::vector<std::uint32_t> byCategory = ordered(
      [](const Transaction& a, const Transaction& b) { return CompareNoCase(a.category, b.category) < 0; });
  const std::vector<std::uint32_t> byDescription = ordered(
      [](const Transaction& a, const Transaction& b) { return CompareNoCase(a.description, b.description) < 0; });
  Run([&](CDialogDriver& d) {
    EXPECT_EQ(Shown(d), Ids(byDate, [](const Transaction&) { return true; }));
    EXPECT_EQ(d.Controls().GetSortMark(ids::kDateHeading), SortMark::kAscending);
    d.Press(ids::kAmountHeading);
    EXPECT_EQ(Shown(d), byAmount);
    EXPECT_EQ(d.Controls().GetSortMark(ids::kDateHeading), SortMark::kNone);
    d.Press(ids::kAmountHeading);
    EXPECT_EQ(Shown(d), reversed(byAmount));
    EXPECT_EQ(d.Controls().GetSortMark(ids::kAmountHeading), SortMark::kDescending);
    d.Press(ids::kCategoryHeading);
    EXPECT_EQ(Shown(d), byCategory);
    d.Press(ids::kDescriptionHeading);
    d.Type(ids::kFilter, "=95");  // a filter keeps the order
    EXPECT_EQ(Shown(d), Ids(byDate, [](const Transaction& t) { return t.amount == 95; }));
    d.Type(ids::kFilter, "");
    EXPECT_EQ(Shown(d), byDescription);
    d.Escape();
  });
}

TEST_F(TransactionsFindTest, ACategoryRenamedFromTheDialogIsListedUnderItsNewName) {
  host_.Expect(categories_dialog::kDialogId, [](CDialogDriver& d) {
    const std::vector<std::string>& rows = d.Controls().Items(categories_dialog::kCategories);
    const auto petrol =
        std::find_if(rows.begin(), rows.end(), [](const std::string& row) { return Holds(row, "Petrol"); });
    d.Choose(categories_dialog::kCategories, static_cast<int>(petrol - rows.begin()));
    d.Type(categories_dialog::kUpdateName, "Diesel");
    d.Press(categories_dialog::kUpdate);
    d.Escape();
  });
  Run([](CDialogDriver& d) {
    d.Type(ids::kFilter, "fuel");
    const std::vector<std::uint32_t> fuel = Shown(d);
    d.Press(ids::kCategories);
    EXPECT_EQ(Shown(d), fuel);
    for (const std::string& row : d.Controls().Items(ids::kTransactions)) {
      EXPECT_TRUE(Holds(row, "Diesel")) << row;
    }
    d.Escape();
  });
}

TEST_F(TransactionsFindTest, EnterInTheFilterGoesToTheFirstRowFound) {
  Run([](CDialogDriver& d) {
    d.Type(ids::kFilter, "tutor");
    d.Enter();
    EXPECT_EQ(d.Controls().GetSelection(ids::kTransactions), 0);
    EXPECT_EQ(d.Text(ids::kUpdateDescription), "Spring term");
    d.Escape();
  });
}

}  // namespace
}  // namespace purso
