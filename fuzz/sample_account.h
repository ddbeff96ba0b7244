// A filled account for the fuzz targets and their seed files: rows in all
// five tables of several years, ids with gaps, texts that fill their field,
// settings other than the defaults.
#pragma once

#include <string>

#include "data/account_book.h"

namespace purso::fuzzing {

inline void FillLedger(CYearLedger& ledger, int variant) {
  CRecordTable& objects = ledger.Objects();
  for (const char* name : {"Car", "Boat", "House"}) {
    objects.AddRow();
    objects.SetText(name_column::kName, name);
  }
  objects.Find(1);
  objects.RemoveRow();
  CRecordTable& areas = ledger.FunctionalAreas();
  for (const char* name : {"Insurance", "Food and drink every day!"}) {
    areas.AddRow();
    areas.SetText(name_column::kName, name);
  }

  CRecordTable& categories = ledger.Categories();
  const struct {
    const char* name;
    double object, area, type, budget;
  } kCategories[] = {
      {"Car Insurance", 0, 0, 0, 900}, {"Salary", 2, 1, 1, 24000}, {"Groceries", 2, 1, 2, 5200.5}, {"Tips", 0, 1, 3, 120}};
  for (const auto& c : kCategories) {
    categories.AddRow();
    categories.SetText(category_column::kName, c.name);
    categories.SetNumber(category_column::kObject, c.object);
    categories.SetNumber(category_column::kFunctionalArea, c.area);
    categories.SetNumber(category_column::kType, c.type);
    categories.SetNumber(category_column::kBudget, c.budget + variant);
  }

  CRecordTable& predactions = ledger.Predactions();
  for (int month = 1; month <= 12; ++month) {
    predactions.AddRow();
    predactions.SetNumber(predaction_column::kCategory, month % 2);
    predactions.SetNumber(predaction_column::kDate, month * 100 + 15);
    predactions.SetNumber(predaction_column::kAmount, 75.0 * month);
  }
  predactions.Find(4);
  predactions.RemoveRow();

  CRecordTable& transactions = ledger.Transactions();
  for (int i = 0; i < 6; ++i) {
    transactions.AddRow();
    transactions.SetNumber(transaction_column::kDate, 101 + 100 * i + i);
    transactions.SetNumber(transaction_column::kCategory, i % 4);
    transactions.SetNumber(transaction_column::kAmount, 12.5 * (i + 1));
    transactions.SetText(transaction_column::kDescription, i == 0 ? std::string(48, 'x') : "Paid " + std::to_string(i));
    transactions.SetNumber(transaction_column::kMatch, i % 4 < 2 ? i : kNoMatch);
  }
  ledger.SetOpeningBalance(-150.25 + variant);
}

// Modified, as a book being edited is.
inline CAccountBook FilledAccount() {
  CAccountBook book;
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
  book.SetModified();
  return book;
}

}  // namespace purso::fuzzing
