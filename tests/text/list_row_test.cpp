#include "text/list_row.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/list_layouts.h"

namespace purso {
namespace {

std::string OutstandingRow(double monthDay, std::string_view date, std::uint32_t id, std::string_view name) {
  return CListRowBuilder()
      .DateColumn(layout::outstanding::kDate, monthDay, date)
      .Id(id)
      .Column(layout::outstanding::kAmountIncome, "20.00")
      .Column(layout::outstanding::kName, name)
      .Finish();
}

TEST(ListRowTextTest, BuildsRowWithKeyIdAndTerminator) {
  const std::string row = OutstandingRow(315, "15/03", 7, "Food");
  EXPECT_EQ("%000!035!LB%|0315|15/03@00000007@%040!095!RB%20.00%100|200|LB%Food%000!000!SB%", row);
  EXPECT_EQ(7u, ReadRowId(row));
  EXPECT_EQ("20.00", ReadColumnText(row, layout::Start(layout::outstanding::kAmountIncome)));
  EXPECT_EQ("Food", ReadColumnText(row, "%100"));
  EXPECT_EQ("", ReadColumnText(row, "%480"));
}

TEST(ListRowTextTest, BuilderStartsEmptyAfterFinish) {
  CListRowBuilder builder;
  builder.Column(layout::categories::kName, "Car").Finish();
  EXPECT_EQ("%000!135!LB%Bus%000!000!SB%", builder.Column(layout::categories::kName, "Bus").Finish());
}

TEST(ListRowTextTest, SolverReadsItsLastColumn) {
  const std::string row = CListRowBuilder()
                              .Column(layout::solver::kName, "Food")
                              .Id(12)
                              .Column(layout::solver::kBalanceExpense, "10.00")
                              .Column(layout::solver::kBudgetExpense, "20.00")
                              .Column(layout::solver::kCurrentDeficit, "30.00")
                              .Column(layout::solver::kAnnualBudgetExpense, "40.00")
                              .Column(layout::solver::kYearEndDeficit, "1,250.00")
                              .Finish();
  EXPECT_EQ("1,250.00", ReadColumnText(row, layout::Start(layout::solver::kYearEndDeficit)));
  EXPECT_EQ("30.00", ReadColumnText(row, "%310"));
  EXPECT_EQ(12u, ReadRowId(row));
}

TEST(ListRowTextTest, SortKeyAndIdHaveFixedWidths) {
  struct KeyCase {
    double monthDay;
    const char* key;
  };
  const KeyCase kKeys[] = {{101, "|0101|"}, {315, "|0315|"}, {1231, "|1231|"}, {std::nan(""), "|0000|"},
                           {12345, "|0000|"}};
  for (const KeyCase& c : kKeys) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(c.key, SortKey(c.monthDay));
  }
  EXPECT_EQ("@00000000@", HiddenId(0));
  EXPECT_EQ("@99999999@", HiddenId(99999999));
}

TEST(ListRowTextTest, ReadsRowIds) {
  struct Case {
    const char* row;
    std::optional<std::uint32_t> id;
  };
  const Case kCases[] = {
      {"%000!135!LB%Car%000!000!SB%", std::nullopt},
      {"%000!135!LB%|0101|01/01@00000042@%000!000!SB%", 42u},
      {"@4294967295@", 4294967295u},
      {"@4294967296@", std::nullopt},
      {"@99999999999999999999@", std::nullopt},
      {"@x", std::nullopt},
      {"@", std::nullopt},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(c.id, ReadRowId(c.row));
  }
}

TEST(ListRowTextTest, FindsTheFirstRowWithTheId) {
  const std::vector<std::string> rows = {
      CListRowBuilder().Column(layout::categories::kName, "no id").Finish(),
      OutstandingRow(101, "01/01", 3, "A"),
      OutstandingRow(102, "01/02", 7, "B"),
      OutstandingRow(103, "01/03", 7, "C"),
  };
  EXPECT_EQ(1, FindRowById(rows, 3));
  EXPECT_EQ(2, FindRowById(rows, 7));
  EXPECT_EQ(-1, FindRowById(rows, 9));
  EXPECT_EQ(-1, FindRowById({}, 3));
}

TEST(ListRowTextTest, RowsSortIgnoringCaseAndDatesByTheirKey) {
  // Day first: 1 February (01/02) after 2 January (02/01).
  const std::string firstFebruary = OutstandingRow(201, "01/02", 1, "Rent");
  const std::string secondJanuary = OutstandingRow(102, "02/01", 2, "Rent");
  EXPECT_GT(CompareRows(firstFebruary, secondJanuary), 0);
  EXPECT_LT(CompareRows(secondJanuary, firstFebruary), 0);

  std::vector<std::string> rows;
  for (const char* name : {"banana", "Cherry", "apple", "Apricot"}) {
    rows.push_back(CListRowBuilder().Column(layout::categories::kName, name).Finish());
  }
  std::sort(rows.begin(), rows.end(), [](const std::string& a, const std::string& b) { return CompareRows(a, b) < 0; });
  std::vector<std::string> names;
  for (const std::string& row : rows) names.push_back(ReadColumnText(row, "%000"));
  EXPECT_EQ((std::vector<std::string>{"apple", "Apricot", "banana", "Cherry"}), names);
}

TEST(ListRowTextTest, OverlongRowIsCutToTheLimit) {
  const std::string longText(300, 'x');
  const std::string row = CListRowBuilder()
                              .Column(layout::transactions::kDescription, longText)
                              .Id(5)
                              .Column(layout::transactions::kAmountIncome, "1.00")
                              .Finish();
  EXPECT_EQ(kMaxRowLength, row.size());
  EXPECT_EQ(kRowEnd, std::string_view(row).substr(row.size() - kRowEnd.size()));
  const std::size_t room = kMaxRowLength - kRowEnd.size() - kLayoutLength;
  EXPECT_EQ(std::string(room, 'x'), ReadColumnText(row, "%290"));
  EXPECT_EQ(std::nullopt, ReadRowId(row));  // an id that no longer fits is left out
  EXPECT_EQ("", ReadColumnText(row, "%209"));
}

TEST(ListRowTextTest, ColumnIsAddedOnlyWithAtLeastOneCharacter) {
  // Room left after the first column, before the terminator: a layout plus
  // the given number of characters.
  struct Case {
    std::size_t room;
    const char* text;
  };
  const Case kCases[] = {{0, ""}, {1, "1"}, {2, "1."}, {4, "1.00"}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.room);
    const std::size_t fill = kMaxRowLength - kRowEnd.size() - kLayoutLength - kLayoutLength - c.room;
    const std::string row = CListRowBuilder()
                                .Column(layout::transactions::kDescription, std::string(fill, 'x'))
                                .Column(layout::transactions::kAmountIncome, "1.00")
                                .Finish();
    EXPECT_EQ(c.text, ReadColumnText(row, "%209"));
    EXPECT_EQ(c.room == 0 ? kMaxRowLength - kLayoutLength : kMaxRowLength, row.size());
  }
}

TEST(ListRowTextTest, ColumnTextCannotHoldRowMarks) {
  const std::string row =
      CListRowBuilder().Column(layout::categories::kName, "A%B|C@D").Column(layout::categories::kObject, "").Finish();
  EXPECT_EQ("%000!135!LB%A?B?C?D%140!235!LB% %000!000!SB%", row);
  EXPECT_EQ(std::nullopt, ReadRowId(row));
}

// Every layout is "%ddd!ddd!AC%" (either separator may be "|"), and the
// columns of each list start left to right without overlapping. Lists of
// the expense form repeat only the columns that differ from the income form.
TEST(ListRowTextTest, LayoutsAreWellFormedAndInColumnOrder) {
  using namespace layout;
  const std::vector<std::vector<std::string_view>> kLists = {
      {categories::kName, categories::kObject, categories::kFunctionalArea, categories::kType, categories::kBudgetIncome},
      {categories::kType, categories::kBudgetExpense},
      {predactions::kDate, predactions::kAmountIncome},
      {predactions::kDate, predactions::kAmountExpense},
      {match::kDate, match::kAmountIncome},
      {match::kDate, match::kAmountExpense},
      {transactions::kDate, transactions::kCategory, transactions::kAmountIncome, transactions::kDescription},
      {transactions::kCategory, transactions::kAmountExpense, transactions::kDescription},
      {solver::kName, solver::kBalanceIncome, solver::kBudgetIncome, solver::kCurrentSurplus,
       solver::kAnnualBudgetIncome, solver::kYearEndSurplus},
      {solver::kName, solver::kBalanceExpense, solver::kBudgetExpense, solver::kCurrentDeficit,
       solver::kAnnualBudgetExpense, solver::kYearEndDeficit},
      {outstanding::kDate, outstanding::kAmountIncome, outstanding::kName},
      {outstanding::kDate, outstanding::kAmountExpense, outstanding::kName},
  };
  for (const auto& list : kLists) {
    int previousEnd = -1;
    for (const std::string_view column : list) {
      const std::string text(column);
      SCOPED_TRACE(text);
      EXPECT_THAT(text, ::testing::MatchesRegex("%[0-9]{3}[!|][0-9]{3}[!|][LR][BR]%"));
      ASSERT_EQ(kLayoutLength, text.size());
      const int start = std::stoi(text.substr(1, 3));
      const int end = std::stoi(text.substr(5, 3));
      EXPECT_LT(start, end);
      EXPECT_GT(start, previousEnd);
      previousEnd = end;
    }
  }
}

}  // namespace
}  // namespace purso
