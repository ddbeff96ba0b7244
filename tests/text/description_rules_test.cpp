// The description rules of transactions: the automatic text and the checks.
#include "text/description_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "data/calendar.h"

namespace purso {
namespace {

TEST(DescriptionRulesTest, AnEmptyDescriptionBecomesTodaysUtcDate) {
  const CFixedClock clock(CivilDate{2024, 12, 8}, CivilDate{2024, 12, 7});
  const CScopedClock scoped(clock);
  CDisplaySettings dayFirst;
  dayFirst.dateOrder = DateOrder::kDayFirst;
  EXPECT_EQ(AutomaticDescription(dayFirst, DescriptionEvent::kAdded), "added on 07/12");
  EXPECT_EQ(AutomaticDescription(CDisplaySettings{}, DescriptionEvent::kUpdated), "updated on 12/07");
}

TEST(DescriptionRulesTest, RefusesTooLongBeforeReservedCharacters) {
  struct Case {
    std::string description;
    std::optional<NameProblem> problem;
  };
  const NameProblem kReserved{"The description is invalid.", "Remove the '%', '|' & '@' characters."};
  const Case kCases[] = {
      {std::string(48, 'x'), std::nullopt},
      {"", std::nullopt},
      {std::string(49, '%'),
       NameProblem{
           "The description for this transaction is invalid (too long). \nCurrent length = 49\nMaximum length = 48",
           "Enter a shorter name for the new object"}},
      {"50% off", kReserved},
      {"a|b", kReserved},
      {"me@home", kReserved},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(CheckDescription(c.description), c.problem);
  }
}

}  // namespace
}  // namespace purso
