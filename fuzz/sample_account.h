// Filled accounts for the fuzz targets and their seed files: rows in all
// five tables of several years, ids with gaps, texts that fill their field,
// settings other than the defaults; one in each file form. The records are added with the tests'
// ledger_records, which the fuzz targets compile in.
#pragma once

#include <cstdint>
#include <string>

#include "data/account_book.h"
#include "support/ledger_records.h"

namespace purso::fuzzing {

inline void FillLedger(CYearLedger& ledger, int variant) {
  using test::PredactionBudget;
  for (const char* name : {"Car", "Boat", "House"}) test::AddObject(ledger, name);
  CRecordTable& objects = ledger.Objects();
  objects.Find(1);
  objects.RemoveRow();
  for (const char* name : {"Insurance", "Food and drink every day!"}) test::AddFunctionalArea(ledger, name);

  const struct {
    const char* name;
    std::uint32_t object, area;
    double type, budget;
  } kCategories[] = {
      {"Car Insurance", 0, 0, 0, 900}, {"Salary", 2, 1, 1, 24000}, {"Groceries", 2, 1, 2, 5200.5}, {"Tips", 0, 1, 3, 120}};
  for (const auto& c : kCategories) test::AddCategory(ledger, c.name, c.type, c.budget + variant, c.object, c.area);

  for (int month = 1; month <= 12; ++month) {
    test::AddPredaction(ledger, month % 2, month * 100 + 15, 75.0 * month, PredactionBudget::kUntouched);
  }
  CRecordTable& predactions = ledger.Predactions();
  predactions.Find(4);
  predactions.RemoveRow();

  for (int i = 0; i < 6; ++i) {
    test::AddTransaction(ledger, 101 + 100 * i + i, i % 4, 12.5 * (i + 1),
                            i == 0 ? std::string(48, 'x') : "Paid " + std::to_string(i), i % 4 < 2 ? i : kNoMatch);
  }
  ledger.SetOpeningBalance(-150.25 + variant);
}

// Which of the two file forms a filled account is written in.
enum class SampleForm { kEarlier, kExtended };

// Modified, as a book being edited is. The earlier form uses years up to
// 2024; the extended one adds 2031, its current year, and 2099.
inline CAccountBook FilledAccount(SampleForm form = SampleForm::kExtended) {
  CAccountBook book(CAccountBook::kFirstYear);
  CDisplaySettings& s = book.Settings();
  s.dateOrder = DateOrder::kDayFirst;
  s.dateSeparator = '-';
  s.decimalSymbol = DecimalSymbol::kComma;
  s.symbolPosition = SymbolPosition::kAfter;
  s.space = true;
  s.decimals = 0;
  s.currencySymbol = "Kc";
  book.SetYearIndex(21);
  for (int year : {0, 2, 21, 26}) FillLedger(book.Ledger(year), year);
  if (form == SampleForm::kExtended) {
    book.SetYearIndex(33);
    for (int year : {33, CAccountBook::kYearCount - 1}) FillLedger(book.Ledger(year), year);
  }
  book.SetModified();
  return book;
}

}  // namespace purso::fuzzing
