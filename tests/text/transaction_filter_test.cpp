// The filter of the Transactions list: which form a typed text takes and
// what it keeps.
#include "text/transaction_filter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace purso {
namespace {

TEST(TransactionFilterTest, KeepsTextWithoutCaseAnAmountAsShownAndARangeBothEndsIncluded) {
  CDisplaySettings noDecimals;
  noDecimals.decimals = 0;
  const struct {
    const char* typed;
    const char* description;
    double amount;
    bool kept;
    const CDisplaySettings settings = {};
  } cases[] = {
      {"", "anything", 1, true},
      {"  ", "anything", 1, true},
      {"SUPER", "Supermarket", 1, true},
      {" market ", "Supermarket", 1, true},
      {"mark", "Supermarket", 1, true},
      {"marked", "Supermarket", 1, false},
      {"=12.5", "", 12.5, true},
      {"=12.5", "", 12.504, true},  // shown as 12.50
      {"=12.5", "", 12.51, false},
      {"=$1,200", "", 1200, true},
      {"=12", "", 12.4, true, noDecimals},
      {"10..50", "", 10, true},
      {"10..50", "", 50, true},
      {"10..50", "", 50.01, false},
      {"50..10", "", 20, true},
      {"..5", "", 4.99, true},
      {"5..", "", 999999999, true},
      {"5..", "", 4, false},
      {"10..50", "", NAN, false},
      {"a..b", "from a..b", 20, true},  // no amounts: searched as text
      {"=", "x = y", 20, true},
      {"=abc", "abc", 20, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(CTransactionFilter(c.settings, c.typed).Matches(c.description, "Category", c.amount), c.kept);
  }
  const CTransactionFilter text({}, "categ");
  EXPECT_TRUE(text.Matches("", "Category", 0));
  EXPECT_FALSE(text.MatchesAmount(0));
}

}  // namespace
}  // namespace purso
