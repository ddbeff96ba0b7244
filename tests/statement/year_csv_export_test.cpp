// A year as CSV text.
#include "statement/year_csv_export.h"

#include <gtest/gtest.h>

#include "support/ledger_records.h"

namespace purso {
namespace {

TEST(YearCsvExportTest, WritesTransactionsThenPredactionsInDateOrderWithSignedAmounts) {
  test::CYearLedgerBuilder b(2024);
  const std::uint32_t rent = b.Category("Rent", CategoryType::kFixEx, 500);
  const std::uint32_t pay = b.Category("Pay, net \xE9", CategoryType::kVarIn, 100);
  const std::uint32_t march = b.Predaction(rent, 315, 500);
  test::AddTransaction(b.Ledger(), 316, rent, 500, "Rent \"March\"", march);
  test::AddTransaction(b.Ledger(), 229, pay, 0.005, "Tip", kNoMatch);
  test::AddTransaction(b.Ledger(), 1, 77, 0, "Lost", kNoMatch);
  test::AddTransaction(b.Ledger(), 229, pay, 1, "Second tip", kNoMatch);
  b.Predaction(rent, 115, 500);
  CDisplaySettings settings;
  settings.decimals = 2;

  EXPECT_EQ(YearToCsv(b.Ledger(), settings),
            "Record,Date,Category,Type,Amount,Description,Matched predaction\r\n"
            "Transaction,2024-00-01,,,0.00,Lost,\r\n"
            "Transaction,2024-02-29,\"Pay, net \xC3\xA9\",Var In,0.01,Tip,\r\n"
            "Transaction,2024-02-29,\"Pay, net \xC3\xA9\",Var In,1.00,Second tip,\r\n"
            "Transaction,2024-03-16,Rent,Fix Ex,-500.00,\"Rent \"\"March\"\"\",2024-03-15\r\n"
            "Predaction,2024-01-15,Rent,Fix Ex,-500.00,,\r\n"
            "Predaction,2024-03-15,Rent,Fix Ex,-500.00,,\r\n");
}

}  // namespace
}  // namespace purso
