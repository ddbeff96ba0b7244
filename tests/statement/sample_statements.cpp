#include "sample_statements.h"

#include <gtest/gtest.h>

#include "support/ledger_records.h"

namespace purso::test {

std::string SamplePath(const char* name) { return std::string(PURSO_SAMPLE_STATEMENTS) + "/" + name; }

std::string SampleText(const char* name) {
  std::string text;
  StatementError error;
  EXPECT_TRUE(LoadStatementFile(SamplePath(name), text, error)) << name;
  return text;
}

const std::vector<SampleFile>& SampleFiles() {
  static const std::vector<SampleFile> kFiles = [] {
    StatementOptions csv;
    csv.csv.date = "Buchungstag";
    csv.csv.amount = "betrag";
    csv.csv.payee = "Empfänger";
    csv.csv.memo = "Verwendungszweck";
    csv.csv.dateOrder = StatementDateOrder::kDayMonthYear;
    csv.csv.decimalSymbol = ',';
    return std::vector<SampleFile>{
        {"bank_sgml.ofx", StatementFormat::kOfx, {}, {16, 24, 32, 39, 46, 53, 61, 68, 75}},
        {"bank_xml.qfx", StatementFormat::kOfx, {}, {8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"bank.qif", StatementFormat::kQif, {}, {2, 8, 14, 19, 24, 29, 35, 40, 45}},
        {"bank_semicolon.csv", StatementFormat::kCsv, csv, {2, 3, 4, 5, 6, 7, 8, 9, 10}},
    };
  }();
  return kFiles;
}

StatementLine MakeLine(std::uint32_t line, CivilDate date, double amount, std::string payee, std::string memo) {
  StatementLine made;
  made.line = line;
  made.date = date;
  made.amount = amount;
  made.payee = std::move(payee);
  made.memo = std::move(memo);
  return made;
}

const std::vector<StatementLine>& SampleTransactions() {
  static const std::vector<StatementLine> kLines = {
      MakeLine(0, {2024, 2, 3}, -500.0, "LANDLORD SMITH", "February rent"),
      MakeLine(0, {2024, 2, 26}, 2100.0, "ACME CORP.", "Salary Feb"),
      MakeLine(0, {2024, 3, 20}, -500.0, "Landlord Smith", ""),
      MakeLine(0, {2024, 2, 10}, -23.45, "SUPERMART #0815", ""),
      MakeLine(0, {2024, 2, 11}, -9.99, "Caf\u00e9 Ol\u00e9", ""),
      MakeLine(0, {2024, 2, 12}, 50.0, "Supermart", "refund; thanks"),
      MakeLine(0, {2023, 12, 30}, -40.0, "PHONE CO", ""),
      MakeLine(0, {1997, 5, 1}, -1.0, "Old", ""),
      MakeLine(0, {2024, 1, 5}, -500.0, "Landlord Smith", ""),
  };
  return kLines;
}

Statement ReadSample(const SampleFile& sample) {
  Statement statement;
  StatementError error;
  EXPECT_TRUE(ReadStatementFile(SamplePath(sample.name), sample.format, sample.options, statement, error))
      << sample.name << ": " << StatementProblem(error).problem;
  return statement;
}

CAccountBook SampleAccount(SampleIds& ids) {
  CAccountBook book;
  CYearLedger& y2023 = book.Ledger(2023 - CAccountBook::kFirstYear);
  ids.salary2023 = AddCategory(y2023, "Salary", CategoryType::kFixIn, 0);
  ids.phone2023 = AddCategory(y2023, "Phone", CategoryType::kFixEx, 0);
  AddTransaction(y2023, 1125, ids.salary2023, 2000, "ACME Corp salary Nov");
  AddTransaction(y2023, 1220, ids.phone2023, 40, "Phone Co 12/2023");

  CYearLedger& y2024 = book.Ledger(2024 - CAccountBook::kFirstYear);
  BurnRowId(y2024.Categories());
  ids.groceries = AddCategory(y2024, "Groceries", CategoryType::kVarEx, 3000);
  ids.rent = AddCategory(y2024, "Rent", CategoryType::kFixEx, 0);
  ids.gift = AddCategory(y2024, "Gift", CategoryType::kVarIn, 100);
  ids.salary = AddCategory(y2024, "SALARY", CategoryType::kFixIn, 0);
  ids.phone = AddCategory(y2024, "Phone", CategoryType::kFixEx, 0);
  BurnRowId(y2024.Predactions());
  ids.rentJan = AddPredaction(y2024, ids.rent, 105, 500);
  ids.rentFeb = AddPredaction(y2024, ids.rent, 205, 500);
  ids.rentMar = AddPredaction(y2024, ids.rent, 305, 500);
  ids.salaryJan = AddPredaction(y2024, ids.salary, 125, 2000);
  ids.salaryFeb = AddPredaction(y2024, ids.salary, 225, 2000);
  ids.phoneJan = AddPredaction(y2024, ids.phone, 120, 40);
  AddTransaction(y2024, 105, ids.rent, 500, "Landlord Smith", ids.rentJan);
  AddTransaction(y2024, 110, ids.groceries, 45.2, "Supermart");
  book.ClearModified();
  return book;
}

}  // namespace purso::test
