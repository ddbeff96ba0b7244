// Matching transactions with predactions: which predactions are offered,
// which one is proposed, and what Match and New Pred. do to the tables.
#include "calc/matching.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "data/record_table.h"
#include "data/year_ledger.h"
#include "support/ledger_records.h"

namespace purso {
namespace {

class MatchLedger : public test::CYearLedgerBuilder {
 public:
  MatchLedger() : CYearLedgerBuilder(1999) {}

  double Budget(std::uint32_t category) {
    EXPECT_TRUE(Ledger().Categories().Find(category));
    return Ledger().Categories().GetNumber(category_column::kBudget);
  }
  UnmatchedPredaction Predaction(std::uint32_t id) {
    CRecordTable& predactions = Ledger().Predactions();
    EXPECT_TRUE(predactions.Find(id));
    return {id, predactions.GetNumber(predaction_column::kDate), predactions.GetNumber(predaction_column::kAmount)};
  }
  using CYearLedgerBuilder::Predaction;
};

std::vector<std::uint32_t> Ids(const std::vector<UnmatchedPredaction>& predactions) {
  std::vector<std::uint32_t> ids;
  for (const UnmatchedPredaction& p : predactions) ids.push_back(p.id);
  return ids;
}

TEST(MatchingTest, OffersTheCategorysUnmatchedPredactionsInTableOrder) {
  MatchLedger m;
  const std::uint32_t rent = m.Category("Rent", CategoryType::kFixEx, 0);
  const std::uint32_t other = m.Category("Other", CategoryType::kFixEx, 0);
  const std::uint32_t may = m.Predaction(rent, 501, 500);
  const std::uint32_t march = m.Predaction(rent, 301, 500);
  const std::uint32_t april = m.Predaction(rent, 401, 500);
  m.Predaction(other, 301, 20);
  test::AddTransaction(m.Ledger(), 402, rent, 500, "Rent", april);
  test::AddTransaction(m.Ledger(), 402, rent, 10, "Extra", kNoMatch);

  EXPECT_EQ(Ids(UnmatchedPredactions(m.Ledger(), rent)), (std::vector<std::uint32_t>{may, march}));
  EXPECT_EQ(UnmatchedPredactions(m.Ledger(), rent).front(), (UnmatchedPredaction{may, 501, 500}));
  EXPECT_TRUE(IsPredactionMatched(m.Ledger(), april));
  EXPECT_FALSE(IsPredactionMatched(m.Ledger(), may));
  EXPECT_EQ(MatchedPredactionIds(m.Ledger()), (std::unordered_set<std::uint32_t>{april}));
}

// Candidates on March 1, April 1, May 1 and two on April 20 (index 3 first).
TEST(MatchingTest, ProposesTheNearestByMonthDayDifferenceWithinAnOptionalWindow) {
  struct Case {
    double date;
    std::optional<std::uint32_t> window;
    std::optional<std::size_t> nearest;
  };
  const Case kCases[] = {
      {410, std::nullopt, 1},  // differences 109, 9, 91 and 10
      {402, std::nullopt, 1},
      {412, std::nullopt, 3},  // 8 to both on April 20: the earlier one
      {1231, std::nullopt, 2},
      {331, std::nullopt, 0},  // 30 to March 1 beats 70 to April 1, a day away
      {331, 1u, 1},            // within a day only April 1 is left
      {410, 9u, 1},            // April 1 is exactly 9 days away
      {410, 8u, std::nullopt},
      {415, 4u, std::nullopt},
      {230, 58u, std::nullopt},  // an invalid date is January 1; March 1 is day 59
      {230, 59u, 0},
  };
  MatchLedger m;
  m.Category("Rent", CategoryType::kFixEx, 0);
  const std::vector<UnmatchedPredaction> candidates = {{1, 301, 0}, {2, 401, 0}, {3, 501, 0}, {4, 420, 0}, {5, 420, 0}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.date);
    EXPECT_EQ(NearestPredaction(m.Ledger(), candidates, c.date, c.window), c.nearest);
  }
  EXPECT_EQ(NearestPredaction(m.Ledger(), {}, 410), std::nullopt);
}

TEST(MatchingTest, MatchGivesThePredactionTheTransactionsDateAndAmountAndMovesTheBudget) {
  MatchLedger m;
  const std::uint32_t rent = m.Category("Rent", CategoryType::kFixEx, 300);
  const std::uint32_t march = m.Predaction(rent, 301, 100);
  m.Predaction(rent, 401, 200);

  ASSERT_TRUE(ApplyMatch(m.Ledger(), rent, march, 305, 120));
  EXPECT_EQ(m.Predaction(march), (UnmatchedPredaction{march, 305, 120}));
  EXPECT_DOUBLE_EQ(m.Budget(rent), 320);

  ASSERT_TRUE(ApplyMatch(m.Ledger(), rent, march, 306, 20));
  EXPECT_DOUBLE_EQ(m.Budget(rent), 220);
}

TEST(MatchingTest, NewPredactionTakesTheTransactionAndGrowsTheBudget) {
  MatchLedger m;
  const std::uint32_t rent = m.Category("Rent", CategoryType::kFixIn, 300);
  const std::optional<std::uint32_t> added = AddPredactionFor(m.Ledger(), rent, 612, 75);
  ASSERT_TRUE(added.has_value());
  EXPECT_EQ(m.Predaction(*added), (UnmatchedPredaction{*added, 612, 75}));
  EXPECT_EQ(RowIdFromNumber(m.Ledger().Predactions().GetNumber(predaction_column::kCategory)), rent);
  EXPECT_DOUBLE_EQ(m.Budget(rent), 375);
}

TEST(MatchingTest, NothingChangesForAMissingCategoryOrPredaction) {
  MatchLedger m;
  const std::uint32_t rent = m.Category("Rent", CategoryType::kFixEx, 100);
  const std::uint32_t march = m.Predaction(rent, 301, 100);
  EXPECT_FALSE(ApplyMatch(m.Ledger(), rent + 7, march, 305, 120));
  EXPECT_FALSE(ApplyMatch(m.Ledger(), rent, march + 7, 305, 120));
  EXPECT_EQ(AddPredactionFor(m.Ledger(), rent + 7, 305, 120), std::nullopt);
  EXPECT_EQ(m.Predaction(march), (UnmatchedPredaction{march, 301, 100}));
  EXPECT_EQ(m.Ledger().Predactions().GetRowCount(), 1u);
  EXPECT_DOUBLE_EQ(m.Budget(rent), 100);
}

}  // namespace
}  // namespace purso
