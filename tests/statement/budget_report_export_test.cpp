// The Budget Report written out as CSV and HTML, on a small year whose
// figures are easy to follow: Food (Var Ex, 3650 a year, 10 a day) and Rent
// (Fix Ex, 500 due on 1 March, matched, and on 1 May), on 1 April 2023.
#include "statement/budget_report_export.h"

#include <gtest/gtest.h>

#include "support/ledger_records.h"

namespace purso {
namespace {

class BudgetReportExportTest : public ::testing::Test {
 protected:
  BudgetReportExportTest() {
    const std::uint32_t food = year_.Category("Food \"Market\"", CategoryType::kVarEx, 3650);
    const std::uint32_t rent = year_.Category("Rent", CategoryType::kFixEx, 1000);
    year_.Transaction(315, food, 1000);
    const std::uint32_t march = year_.Predaction(rent, 301, 500);
    year_.Predaction(rent, 501, 500);
    test::AddTransaction(year_.Ledger(), 302, rent, 500, "March", march);
    year_.Ledger().SetOpeningBalance(2000);
    report_ = ComputeBudgetReport(year_.Ledger());
  }

  CFixedClock clock_{CivilDate{2023, 4, 1}};
  CScopedClock scoped_{clock_};
  test::CYearLedgerBuilder year_{2023};
  CDisplaySettings settings_;
  BudgetReport report_;
};

// Food: 90 of 364 days gone, 902.47 of its budget; 1000 spent, 97.53 over.
// Predicted by 1 April: 2000 - 500 - 91 days of 10.03; at the year's end
// 2000 - 1000 - 3650. Actual: 2000 - 1000 - 500.
TEST_F(BudgetReportExportTest, CsvHoldsARecordPerCategoryTotalAndBalance) {
  EXPECT_EQ(BudgetReportCsv(report_, settings_),
            "Record,Name,Type,Budget,Share,Actual,At balance date,At year end,Matched,Outstanding\r\n"
            "Balance date,2023-04-01,,,,,,,,\r\n"
            "Category,Rent,Fix Ex,1000.00,500.00,500.00,0.00,500.00,1,0\r\n"
            "Total,Fix Ex,Fix Ex,1000.00,500.00,500.00,0.00,500.00,1,0\r\n"
            "Category,\"Food \"\"Market\"\"\",Var Ex,3650.00,902.47,1000.00,-97.53,2650.00,,\r\n"
            "Total,Var Ex,Var Ex,3650.00,902.47,1000.00,-97.53,2650.00,,\r\n"
            "Balance,Predicted balance,,,,,587.50,-2650.00,,\r\n"
            "Balance,Actual balance,,,,,500.00,,,\r\n");
}

TEST_F(BudgetReportExportTest, HtmlShowsTheAmountsAsTheAccountDoesADeficitInRed) {
  const std::string html = BudgetReportHtml(report_, settings_, "Home & Co");
  for (const char* part : {"<title>Budget Report 2023 - Home &amp; Co</title>", "Home &amp; Co, balance date 04/01",
                           "<td>Food &quot;Market&quot;</td><td>Var Ex</td><td class=\"n\">$3,650.00</td>",
                           "<td class=\"n\"><span class=\"deficit\">-$97.53</span></td>",
                           "<tr class=\"total\"><td>Total Fix Ex</td>",
                           "<tr><td>Actual balance</td><td class=\"n\">$500.00</td><td class=\"n\"></td></tr>"}) {
    EXPECT_NE(html.find(part), std::string::npos) << part;
  }
}

}  // namespace
}  // namespace purso
