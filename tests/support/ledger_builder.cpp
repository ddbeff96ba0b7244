#include "support/ledger_builder.h"

namespace purso::test {

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

}  // namespace purso::test
