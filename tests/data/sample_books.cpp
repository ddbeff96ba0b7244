#include "data/sample_books.h"

#include <gtest/gtest.h>

#include <string>

#include "support/ledger_records.h"

namespace purso::test {

void FillLedger(CYearLedger& ledger, int variant) {
  const std::uint32_t car = AddObject(ledger, "Car");
  AddObject(ledger, "Boat");
  const std::uint32_t house = AddObject(ledger, "House " + std::to_string(variant));
  ASSERT_TRUE(ledger.Objects().Find(car + 1));
  ledger.Objects().RemoveRow();
  const std::uint32_t insurance = AddFunctionalArea(ledger, "Insurance");
  const std::uint32_t food = AddFunctionalArea(ledger, "Food and drink for all of");  // cut at 24

  const std::uint32_t carInsurance = AddCategory(ledger, "Car Insurance", CategoryType::kFixEx, 900, car, insurance);
  const std::uint32_t salary = AddCategory(ledger, "Salary", CategoryType::kFixIn, 24000 + variant, house, food);
  const std::uint32_t groceries = AddCategory(ledger, "Groceries", CategoryType::kVarEx, 5200.5, house, food);
  AddCategory(ledger, "Tips", CategoryType::kVarIn, 120, car, food);

  const std::uint32_t march = AddPredaction(ledger, carInsurance, 315, 450, PredactionBudget::kUntouched);
  AddPredaction(ledger, carInsurance, 915, 450, PredactionBudget::kUntouched);
  for (int month = 1; month <= 12; ++month) {
    AddPredaction(ledger, salary, month * 100 + 25, 2000 + variant, PredactionBudget::kUntouched);
  }
  ASSERT_TRUE(ledger.Predactions().Find(march + 2));
  ledger.Predactions().RemoveRow();

  AddTransaction(ledger, 316, carInsurance, 452.3, "Premium, paid by transfer", march);
  AddTransaction(ledger, 102, groceries, 81.15, std::string(48, 'd'), kNoMatch);
  AddTransaction(ledger, 1231, groceries, 0.01, "", kNoMatch);
  ledger.SetOpeningBalance(1000.0 * variant - 0.25);
}

CAccountBook FilledBook() {
  CAccountBook book(CAccountBook::kFirstYear);
  CDisplaySettings& s = book.Settings();
  s.dateOrder = DateOrder::kDayFirst;
  s.dateSeparator = '.';
  s.decimalSymbol = DecimalSymbol::kComma;
  s.symbolPosition = SymbolPosition::kAfter;
  s.space = true;
  s.decimals = 3;
  s.currencySymbol = "EUR";
  book.SetYearIndex(24);
  book.SetModified();
  for (int year : {0, 1, 24, 26}) FillLedger(book.Ledger(year), year);
  book.Ledger(13).SetOpeningBalance(-250.75);
  return book;
}

Bytes Stored(const CAccountBook& book) {
  CArchiveWriter writer;
  EXPECT_TRUE(book.Write(writer));
  return writer.Bytes();
}

void AppendEmptyLedger(test_bytes::ByteBuilder& b) {
  b.Double(0.0);
  b.TableHead(0, 64, 5, 0, 0, 61).Descriptor(2, 24, 5).Descriptor(1, 8, 29).Descriptor(1, 8, 37);
  b.Descriptor(1, 8, 45).Descriptor(1, 8, 53);
  b.TableHead(0, 16, 1, 0, 0, 29).Descriptor(2, 24, 5);
  b.TableHead(0, 16, 1, 0, 0, 29).Descriptor(2, 24, 5);
  b.TableHead(0, 256, 3, 0, 0, 29).Descriptor(1, 8, 5).Descriptor(1, 8, 13).Descriptor(1, 8, 21);
  b.TableHead(0, 1024, 5, 0, 0, 85).Descriptor(1, 8, 5).Descriptor(1, 8, 13).Descriptor(1, 8, 21);
  b.Descriptor(2, 48, 29).Descriptor(1, 8, 77);
}

}  // namespace purso::test
