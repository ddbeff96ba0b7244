#include "data/locale_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "data/account_text.h"

namespace purso {
namespace {

// The sample date and amount as an account with these settings writes
// them, "31.12 | 1.234,50 €": one value that shows every setting.
std::string Shown(const CDisplaySettings& s) {
  const std::string separator(1, s.dateSeparator);
  std::string text = s.dateOrder == DateOrder::kDayFirst ? "31" + separator + "12" : "12" + separator + "31";
  std::string amount = std::string("1") + s.GroupChar() + "234";
  if (s.decimals > 0) amount += s.DecimalChar() + std::string("5000").substr(0, static_cast<std::size_t>(s.decimals));
  const std::string symbol = AccountTextToUtf8(s.currencySymbol);
  const std::string space = s.space ? " " : "";
  text += " | ";
  text += s.symbolPosition == SymbolPosition::kBefore ? symbol + space + amount : amount + space + symbol;
  return text;
}

TEST(LocaleSettingsTest, ANewAccountWritesAsItsLocaleDoes) {
  struct Case {
    const char* locale;
    LocaleSamples samples;
    const char* shown;
  };
  const Case cases[] = {
      {"en_US", {"12/31/23", "$1,234.50", ".", "USD"}, "12/31 | $1,234.50"},
      {"de_DE", {"31.12.23", "1.234,50\u00A0€", ",", "EUR"}, "31.12 | 1.234,50 €"},
      {"fr_FR", {"31/12/2023", "1\u202F234,50\u00A0€", ",", "EUR"}, "31/12 | 1.234,50 €"},
      {"de_CH", {"31.12.23", "CHF\u00A01’234.50", ".", "CHF"}, "31.12 | CHF 1,234.50"},
      {"en_GB, ISO dates", {"2023-12-31", "£1,234.50", ".", "GBP"}, "12-31 | £1,234.50"},
      {"ko_KR", {"23. 12. 31.", "₩1,235", ".", "KRW"}, "12.31 | KRW1,234"},
      {"ar_KW, three decimals", {"31/12/2023", "KWD 1,234.500", ".", "KWD"}, "31/12 | KWD 1,234.500"},
      // A symbol the account cannot hold: its ISO code, where the symbol stood.
      {"pl_PL", {"31.12.2023", "1 234,50 zł", ",", "PLN"}, "31.12 | 1.234,50 PLN"},
      {"da_DK", {"31.12.2023", "1.234,50 kr.", ",", "DKK"}, "31.12 | 1.234,50 DKK"},
      {"no code either", {"31.12.2023", "1.234,50 zł", ",", ""}, "31.12 | $1.234,50"},
      // What the samples do not settle keeps its default.
      {"C library's C", {"12/31/23", "1234.50", ".", ""}, "12/31 | $1,234.50"},
      {"other digits", {"٣١‏/١٢‏/٢٠٢٣", "‏١٬٢٣٤٫٥٠ ج.م.‏", "٫", "EGP"}, "12/31 | $1,234.50"},
      {"not UTF-8", {"31\37712", "\3771234.50", ".", "EUR"}, "12/31 | $1,234.50"},
      {"digit between", {"31 1 12", "$ 9", ".", "USD"}, "31/12 | $ 1,234.50"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shown(DisplaySettingsFor(c.samples)), c.shown) << c.locale;
  }
}

TEST(LocaleSettingsTest, DecodesOnlyValidUtf8) {
  EXPECT_EQ(DecodeUtf8("a€\u00A0"), std::u32string(U"a€\u00A0"));
  EXPECT_EQ(DecodeUtf8("\xF0\x9F\x92\xB6"), std::u32string(U"\U0001F4B6"));
  for (const char* bad : {"\xC0\x80", "\xED\xA0\x80", "\xE2\x82", "\xF4\x90\x80\x80", "\x80", "a\xC3("}) {
    EXPECT_EQ(DecodeUtf8(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace purso
