#include "text/amount_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace purso {
namespace {

CDisplaySettings WithDecimals(int decimals) {
  CDisplaySettings settings;
  settings.decimals = decimals;
  return settings;
}

// "kr" after the amount with a space, decimal comma.
CDisplaySettings Kroner() {
  return CDisplaySettings{.decimalSymbol = DecimalSymbol::kComma,
                          .symbolPosition = SymbolPosition::kAfter,
                          .space = true,
                          .currencySymbol = "kr"};
}

CDisplaySettings Placed(SymbolPosition position, bool space) {
  CDisplaySettings settings;
  settings.symbolPosition = position;
  settings.space = space;
  return settings;
}

struct FormatCase {
  const char* what;
  CDisplaySettings settings;
  double amount;
  const char* text;
  const char* plain;
};

TEST(AmountTextTest, FormatsWithGroupingDecimalsAndSymbol) {
  const FormatCase kCases[] = {
      {"defaults", CDisplaySettings{}, 1234.5, "$1,234.50", "1,234.50"},
      {"zero", CDisplaySettings{}, 0.0, "$0.00", "0.00"},
      {"no decimals rounds half up", WithDecimals(0), 2.5, "$3", "3"},
      {"kroner", Kroner(), 1234567.891, "1.234.567,89 kr", "1.234.567,89"},
      {"four decimals", WithDecimals(4), 999999999.0, "$999,999,999.0000", "999,999,999.0000"},
      {"three digits stay ungrouped", CDisplaySettings{}, 123.0, "$123.00", "123.00"},
      {"group of seven digits", CDisplaySettings{}, 1234567.0, "$1,234,567.00", "1,234,567.00"},
      {"fraction keeps leading zeros", WithDecimals(3), 0.05, "$0.050", "0.050"},
      {"rounding carries into the whole part", WithDecimals(1), 9.96, "$10.0", "10.0"},
      {"before with space", Placed(SymbolPosition::kBefore, true), 12.0, "$ 12.00", "12.00"},
      {"after without space", Placed(SymbolPosition::kAfter, false), 12.0, "12.00$", "12.00"},
      {"beyond 64-bit units", CDisplaySettings{}, 1e20, "$100,000,000,000,000,000,000.00",
       "100,000,000,000,000,000,000.00"},
      {"large amount keeps its fraction", WithDecimals(4), std::nextafter(1e12, 0.0), "$999,999,999,999.9999",
       "999,999,999,999.9999"},
      {"rounding carries near a trillion", WithDecimals(3), std::nextafter(1e12, 0.0), "$1,000,000,000,000.000",
       "1,000,000,000,000.000"},
      {"negative shows its sign", CDisplaySettings{}, -1.5, "$-1.50", "-1.50"},
      {"negative rounding to zero has no sign", CDisplaySettings{}, -0.004, "$0.00", "0.00"},
      {"NaN counts as zero", CDisplaySettings{}, std::nan(""), "$0.00", "0.00"},
      {"decimals above 4 count as 4", WithDecimals(9), 1.5, "$1.5000", "1.5000"},
      {"negative decimals count as 0", WithDecimals(-1), 1.5, "$2", "2"},
  };
  for (const FormatCase& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.text, FormatAmount(c.settings, c.amount));
    EXPECT_EQ(c.plain, FormatAmountPlain(c.settings, c.amount));
  }
}

// A negative budget reads as a negative amount: the minus sign leads the
// whole text on either side of the symbol; magnitudes read as FormatAmount.
TEST(AmountTextTest, SignedAmountsLeadWithTheirMinusSign) {
  const FormatCase kCases[] = {
      {"defaults", CDisplaySettings{}, -12.5, "-$12.50", "-12.50"},
      {"kroner", Kroner(), -1234.5, "-1.234,50 kr", "-1.234,50"},
      {"before with space", Placed(SymbolPosition::kBefore, true), -12.0, "-$ 12.00", "-12.00"},
      {"after without space", Placed(SymbolPosition::kAfter, false), -0.5, "-0.50$", "-0.50"},
      {"no decimals", WithDecimals(0), -2.5, "-$3", "-3"},
      {"positive as FormatAmount", CDisplaySettings{}, 1234.5, "$1,234.50", "1,234.50"},
      {"rounding to zero has no sign", CDisplaySettings{}, -0.004, "$0.00", "0.00"},
      {"negative zero has no sign", CDisplaySettings{}, -0.0, "$0.00", "0.00"},
  };
  for (const FormatCase& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.text, FormatSignedAmount(c.settings, c.amount));
    EXPECT_EQ(c.plain, FormatAmountPlain(c.settings, c.amount));
  }
}

TEST(AmountTextTest, InfinityFormatsAsTheLargestAmount) {
  const std::string text = FormatAmount(CDisplaySettings{}, std::numeric_limits<double>::infinity());
  const std::string largest = FormatAmount(CDisplaySettings{}, std::numeric_limits<double>::max());
  EXPECT_EQ(largest, text);
  // 309 digits, 102 group separators, the symbol and ".00".
  EXPECT_EQ(415u, text.size());
  EXPECT_EQ("$179,769,313,486,231,570,814,527,", text.substr(0, 33));
  EXPECT_EQ(",368.00", text.substr(text.size() - 7));
}

struct ParseCase {
  const char* text;
  bool ok;
  double amount;
};

void ExpectParses(const CDisplaySettings& settings, const ParseCase& c) {
  SCOPED_TRACE(std::string("text \"") + c.text + "\"");
  constexpr double kUntouched = -1.0;
  double amount = kUntouched;
  EXPECT_EQ(c.ok, ParseAmount(settings, c.text, amount));
  EXPECT_EQ(c.ok ? c.amount : kUntouched, amount);
}

TEST(AmountTextTest, ParsesTypedAmountsWithDefaults) {
  const ParseCase kCases[] = {
      {"$1,234.56", true, 1234.56},
      {"1 234", true, 1234},
      {"1,2,3", true, 123},
      {".5", true, 0.5},
      {"5.", true, 5},
      {"0.125", true, 0.125},  // not rounded to the shown decimals
      {"  $ 7 ", true, 7},
      {"7$", true, 7},
      {"12345678901", true, 12345678901.0},
      {"123456789012345", true, 123456789012345.0},  // 15 characters
      {"$ 1 2 3 4 5 6 7", true, 1234567},            // 15 characters
      {"0.00000000000001", false, 0},                // 16 characters
      {"1234567890123456", false, 0},
      {"12.3.4", false, 0},
      {"-5", false, 0},
      {"+5", false, 0},
      {".", false, 0},
      {"$", false, 0},
      {"", false, 0},
      {"abc", false, 0},
      {"$$5", false, 0},  // only the first symbol is ignored
      {"1\t2", false, 0},
  };
  for (const ParseCase& c : kCases) ExpectParses(CDisplaySettings{}, c);
}

TEST(AmountTextTest, ParsesTypedAmountsWithDecimalComma) {
  const ParseCase kCases[] = {
      {"1.234,5 kr", true, 1234.5},
      {"kr1,25", true, 1.25},
      {"1,234.5", true, 1.2345},  // the point is the group separator here
      {"1,2,3", false, 0},
      {"5 k", false, 0},
      {"krkr5", false, 0},
  };
  for (const ParseCase& c : kCases) ExpectParses(Kroner(), c);
}

// A shown amount reads back whatever its length, unlike a typed one.
TEST(AmountTextTest, ShownAmountsReadBackWhateverTheirLength) {
  double shown = 0.0;
  double typed = 0.0;
  EXPECT_TRUE(ParseShownAmount(Kroner(), "999.999.999,00 kr", shown));
  EXPECT_EQ(999999999.0, shown);
  EXPECT_FALSE(ParseAmount(Kroner(), "999.999.999,00 kr", typed));
}

}  // namespace
}  // namespace purso
