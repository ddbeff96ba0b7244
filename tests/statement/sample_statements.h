// The sample statements in data/ and the account they are imported into.
//
// The four files hold the same nine transactions, each in its own format and
// character set: OFX 1.x SGML in Windows-1252, OFX 2.x XML in UTF-8 with
// times and time zones, QIF in Latin-1 with a different date form on each
// transaction, and CSV with ";", a decimal comma, day-first dates and a
// UTF-8 byte order mark.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/account_book.h"
#include "statement/statement.h"
#include "statement/statement_file.h"

namespace purso::test {

struct SampleFile {
  const char* name;
  StatementFormat format;
  StatementOptions options;
  std::vector<std::uint32_t> lines;  // where each transaction starts
};

std::string SamplePath(const char* name);
// A sample's text as the program loads it (UTF-8).
std::string SampleText(const char* name);
// A transaction line of a statement's only account.
StatementLine MakeLine(std::uint32_t line, CivilDate date, double amount, std::string payee, std::string memo = {});
const std::vector<SampleFile>& SampleFiles();
// The transactions every sample holds, without their lines and bank ids.
const std::vector<StatementLine>& SampleTransactions();

// Reads a sample; fails the test when it cannot be read.
Statement ReadSample(const SampleFile& sample);

// The ids of the sample account's records (see SampleAccount).
struct SampleIds {
  std::uint32_t groceries = 0, salary = 0, rent = 0, phone = 0, gift = 0;  // 2024
  std::uint32_t salary2023 = 0, phone2023 = 0;
  std::uint32_t rentJan = 0, rentFeb = 0, rentMar = 0, salaryJan = 0, salaryFeb = 0, phoneJan = 0;  // predactions
};

// A household in 2023 and 2024 whose transactions the samples' payees can
// be recognised by: "Landlord Smith" paid the rent and "Supermart" sold
// groceries in 2024, "ACME Corp salary" and "Phone Co" were booked in 2023.
CAccountBook SampleAccount(SampleIds& ids);

}  // namespace purso::test
