// Amounts and dates as statements write them, and the date forms of QIF.
#include "statement/statement_fields.h"

#include <gtest/gtest.h>

#include <optional>

#include "statement/qif_statement_reader.h"

namespace purso {
namespace {

TEST(StatementFieldsTest, ReadsSignedAmountsWithEitherDecimalSymbol) {
  struct Case {
    const char* text;
    char decimal;
    std::optional<double> amount;
  };
  const Case kCases[] = {
      {"-12.50", '.', -12.5},
      {"12.50-", '.', -12.5},
      {"(12.50)", '.', -12.5},
      {"+3", '.', 3},
      {" $1,234.56 ", '.', 1234.56},
      {"-$5", '.', -5},
      {"1.234,56 \xE2\x82\xAC", ',', 1234.56},
      {"1\xC2\xA0"
       "234,5",
       ',', 1234.5},
      {"1'234.5", '.', 1234.5},
      {".5", '.', 0.5},
      {"5.", '.', 5},
      {"0", '.', 0},
      {"1,5", ',', 1.5},
      {"1,5", '.', 15},
      {"12345678901", '.', 12345678901.0},
      {"", '.', std::nullopt},
      {"-", '.', std::nullopt},
      {"abc", '.', std::nullopt},
      {"12.3.4", '.', std::nullopt},
      {"1.5,0", '.', std::nullopt},
      {"--5", '.', std::nullopt},
      {"-5-", '.', std::nullopt},
      {"(-5)", '.', std::nullopt},
      {"1e3", '.', std::nullopt},
      {"EUR 5", '.', std::nullopt},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    double amount = 99.0;
    const bool read = ParseStatementAmount(c.text, c.decimal, amount);
    EXPECT_EQ(read ? std::optional(amount) : std::nullopt, c.amount);
  }
}

TEST(StatementFieldsTest, ReadsDatesInTheGivenOrder) {
  using enum StatementDateOrder;
  struct Case {
    const char* text;
    StatementDateOrder order;
    std::optional<CivilDate> date;
  };
  const Case kCases[] = {
      {"2024-12-31", kYearMonthDay, CivilDate{2024, 12, 31}},
      {"20241231", kYearMonthDay, CivilDate{2024, 12, 31}},
      {"2024/2/9 10:15", kYearMonthDay, CivilDate{2024, 2, 9}},
      {"2024-12-31T23:59:59Z", kYearMonthDay, CivilDate{2024, 12, 31}},
      {"31.12.2024", kDayMonthYear, CivilDate{2024, 12, 31}},
      {"31122024", kDayMonthYear, CivilDate{2024, 12, 31}},
      {"1.2.24 8:00", kDayMonthYear, CivilDate{2024, 2, 1}},
      {"31 12 99", kDayMonthYear, CivilDate{1999, 12, 31}},
      {"07 Nov 2013", kYearMonthDay, CivilDate{2013, 11, 7}},
      {"Nov 7, 2013", kDayMonthYear, CivilDate{2013, 11, 7}},
      {"7-sept-13", kMonthDayYear, CivilDate{2013, 9, 7}},
      {"20091224120000[0:GMT]", kYearMonthDay, CivilDate{2009, 12, 24}},
      {"31.12.2024 00:00:30:989", kDayMonthYear, CivilDate{2024, 12, 31}},
      {"2013-07-03-08.21.36.47192", kYearMonthDay, CivilDate{2013, 7, 3}},
      {"1/2/2024 8:05 PM", kMonthDayYear, CivilDate{2024, 1, 2}},
      {"2024-12-31T10:15:00+01:00", kYearMonthDay, CivilDate{2024, 12, 31}},
      {"07 Noc 2013", kYearMonthDay, std::nullopt},
      {"2024-12-31 Rent", kYearMonthDay, std::nullopt},
      {"12/31/79", kMonthDayYear, CivilDate{2079, 12, 31}},
      {"12/31/80", kMonthDayYear, CivilDate{1980, 12, 31}},
      {"02/29/2023", kMonthDayYear, std::nullopt},
      {"31.12.2024", kYearMonthDay, std::nullopt},
      {"2024-12/31", kYearMonthDay, std::nullopt},
      {"2024-12-31x", kYearMonthDay, std::nullopt},
      {"12/31/024", kMonthDayYear, std::nullopt},
      {"10:15", kYearMonthDay, std::nullopt},
      {"", kYearMonthDay, std::nullopt},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    CivilDate date;
    const bool read = ParseStatementDate(c.text, c.order, date);
    EXPECT_EQ(read ? std::optional(date) : std::nullopt, c.date);
  }
}

TEST(StatementFieldsTest, ReadsTheQifDateForms) {
  struct Case {
    const char* text;
    QifDateOrders orders;
    std::optional<CivilDate> date;
  };
  const QifDateOrders us{DateOrder::kMonthFirst, DateOrder::kDayFirst};
  const QifDateOrders dayFirst{DateOrder::kDayFirst, DateOrder::kDayFirst};
  const QifDateOrders monthFirst{DateOrder::kMonthFirst, DateOrder::kMonthFirst};
  const Case kCases[] = {
      {"12/31/2024", us, CivilDate{2024, 12, 31}},
      {"12/31/99", us, CivilDate{1999, 12, 31}},
      {"12/31/24", us, CivilDate{2024, 12, 31}},
      {"12/31'24", us, CivilDate{2024, 12, 31}},
      {" 1/ 5'98", us, CivilDate{2098, 1, 5}},
      {"8/31' 0", us, CivilDate{2000, 8, 31}},
      {"1/5'2001", us, CivilDate{2001, 1, 5}},
      {"12-31-2024", us, CivilDate{2024, 12, 31}},
      {"31.12.2024", us, CivilDate{2024, 12, 31}},
      {"31.12.24", us, CivilDate{2024, 12, 31}},
      {"10.18.23", monthFirst, CivilDate{2023, 10, 18}},
      {"2024-12-31", us, CivilDate{2024, 12, 31}},
      {"2003/01/27", us, CivilDate{2003, 1, 27}},
      {"2023.10.18", us, CivilDate{2023, 10, 18}},
      {"2023'10'18", us, CivilDate{2023, 10, 18}},
      {"20231018", us, CivilDate{2023, 10, 18}},
      {"31/12/2024", dayFirst, CivilDate{2024, 12, 31}},
      {"31/12/2024", us, std::nullopt},
      {"12.31.2024", us, std::nullopt},
      {"12-31'24", us, std::nullopt},
      {"Dec 31, 2024", us, std::nullopt},
      {"12/31", us, std::nullopt},
      {"12/31/2024/1", us, std::nullopt},
      {"03/25/099Share Withdrawal", us, std::nullopt},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    CivilDate date;
    const bool read = ParseQifDate(c.text, c.orders, date);
    EXPECT_EQ(read ? std::optional(date) : std::nullopt, c.date);
  }
}

}  // namespace
}  // namespace purso
