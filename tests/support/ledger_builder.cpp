#include "support/ledger_builder.h"

namespace purso::testing {
namespace {

std::uint32_t AddName(CRecordTable& table, std::string_view name) {
  table.AddRow();
  table.SetText(name_column::kName, name);
  return table.GetRowId();
}

}  // namespace

std::uint32_t AddObject(CYearLedger& ledger, std::string_view name) { return AddName(ledger.Objects(), name); }

std::uint32_t AddFunctionalArea(CYearLedger& ledger, std::string_view name) {
  return AddName(ledger.FunctionalAreas(), name);
}

std::uint32_t AddCategory(CYearLedger& ledger, std::string_view name, CategoryType type, double budget,
                          std::uint32_t object, std::uint32_t functionalArea) {
  CRecordTable& categories = ledger.Categories();
  categories.AddRow();
  categories.SetText(category_column::kName, name);
  categories.SetNumber(category_column::kObject, object);
  categories.SetNumber(category_column::kFunctionalArea, functionalArea);
  categories.SetNumber(category_column::kType, static_cast<int>(type));
  categories.SetNumber(category_column::kBudget, budget);
  return categories.GetRowId();
}

std::uint32_t AddPredaction(CYearLedger& ledger, std::uint32_t category, double monthDay, double amount) {
  CRecordTable& predactions = ledger.Predactions();
  predactions.AddRow();
  predactions.SetNumber(predaction_column::kCategory, category);
  predactions.SetNumber(predaction_column::kDate, monthDay);
  predactions.SetNumber(predaction_column::kAmount, amount);
  const std::uint32_t id = predactions.GetRowId();
  CRecordTable& categories = ledger.Categories();
  if (categories.Find(category) &&
      IsFixed(CategoryTypeFromCode(categories.GetNumber(category_column::kType)))) {
    categories.SetNumber(category_column::kBudget, categories.GetNumber(category_column::kBudget) + amount);
  }
  return id;
}

std::uint32_t AddTransaction(CYearLedger& ledger, double monthDay, std::uint32_t category, double amount,
                             std::string_view description, std::uint32_t match) {
  CRecordTable& transactions = ledger.Transactions();
  transactions.AddRow();
  transactions.SetNumber(transaction_column::kDate, monthDay);
  transactions.SetNumber(transaction_column::kCategory, category);
  transactions.SetNumber(transaction_column::kAmount, amount);
  transactions.SetText(transaction_column::kDescription, description);
  transactions.SetNumber(transaction_column::kMatch, match);
  return transactions.GetRowId();
}

void FillSampleYear(CAccountBook& book) {
  CYearLedger& ledger = book.CurrentLedger();
  ledger.SetOpeningBalance(1850);
  const std::uint32_t car = AddObject(ledger, "Mustang");
  const std::uint32_t john = AddObject(ledger, "John");
  const std::uint32_t mary = AddObject(ledger, "Mary");
  const std::uint32_t house = AddObject(ledger, "House");
  const std::uint32_t insurance = AddFunctionalArea(ledger, "Insurance");
  const std::uint32_t job = AddFunctionalArea(ledger, "Day Job");
  const std::uint32_t food = AddFunctionalArea(ledger, "Food");
  const std::uint32_t rent = AddFunctionalArea(ledger, "Rent");
  const std::uint32_t fuel = AddFunctionalArea(ledger, "Fuel");

  const std::uint32_t salary = AddCategory(ledger, "Bank Job", CategoryType::kFixIn, 0, mary, job);
  const std::uint32_t housing = AddCategory(ledger, "Rent", CategoryType::kFixEx, 0, house, rent);
  const std::uint32_t carInsurance = AddCategory(ledger, "Car Insurance", CategoryType::kFixEx, 0, car, insurance);
  const std::uint32_t groceries = AddCategory(ledger, "Groceries", CategoryType::kVarEx, 5200, house, food);
  const std::uint32_t petrol = AddCategory(ledger, "Petrol", CategoryType::kVarEx, 1300, car, fuel);
  const std::uint32_t tutoring = AddCategory(ledger, "Tutoring", CategoryType::kVarIn, 1800, john, job);

  for (int month = 1; month <= 12; ++month) {
    const std::uint32_t pay = AddPredaction(ledger, salary, month * 100 + 25, 2400);
    const std::uint32_t due = AddPredaction(ledger, housing, month * 100 + 1, 950);
    if (month <= 5) {
      AddTransaction(ledger, month * 100 + 25, salary, 2400, "Salary", pay);
      AddTransaction(ledger, month * 100 + 1, housing, 950, "Rent", due);
    }
    if (month <= 6) {
      AddTransaction(ledger, month * 100 + 9, groceries, 380 + 15 * month, "Supermarket");
      AddTransaction(ledger, month * 100 + 16, petrol, 95, "Fuel");
    }
  }
  AddPredaction(ledger, carInsurance, 315, 640);
  AddPredaction(ledger, carInsurance, 915, 640);
  AddTransaction(ledger, 412, tutoring, 450, "Spring term");
}

}  // namespace purso::testing
