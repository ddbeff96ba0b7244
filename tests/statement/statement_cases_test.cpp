// Statements as banks really write them (data/cases/): each file read the
// way the program reads it, a CSV file through the column guess, to the
// dates, amounts and directions the bank meant.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sample_statements.h"
#include "statement/csv_column_guess.h"
#include "statement/statement_file.h"

namespace purso::test {
namespace {

Statement ReadCase(const std::string& name) {
  const std::string path = SamplePath(("cases/" + name).c_str());
  const std::string text = SampleText(("cases/" + name).c_str());
  StatementError error;
  Statement statement;
  StatementOptions options;
  const StatementFormat format = *FormatOfFileName(path);
  if (format == StatementFormat::kCsv) {
    const char separator = GuessCsvSeparator(text);
    options.csv = GuessCsvMapping(SplitCsvRecords(text, separator), separator, {});
  }
  EXPECT_TRUE(ReadStatement(text, format, options, statement, error)) << StatementProblem(error).problem;
  return statement;
}

struct Line {
  std::uint32_t line;
  CivilDate date;
  double amount;

  friend bool operator==(const Line&, const Line&) = default;
};

std::vector<Line> LinesOf(const Statement& statement) {
  std::vector<Line> lines;
  for (const StatementLine& line : statement.lines) lines.push_back({line.line, line.date, line.amount});
  return lines;
}

TEST(StatementCasesTest, EachCaseReadsToTheDatesAmountsAndDirectionsMeant) {
  const struct {
    const char* name;
    std::vector<Line> lines;
  } kCases[] = {
      // unsigned amounts and a direction column (Af/Bij, D/C), the header below an export line
      {"af_bij.csv", {{2, {2024, 2, 13}, -1.25}, {3, {2024, 2, 13}, 1.25}, {4, {2024, 2, 14}, -650}}},
      {"knab_lines_before_header.csv", {{3, {2024, 6, 21}, -827.75}, {4, {2024, 6, 21}, 2500}}},
      // a card's positive charges, told by TRNTYPE
      {"card_charges_positive.qfx",
       {{14, {2024, 5, 10}, -19.17}, {15, {2024, 5, 26}, 11.01}, {16, {2024, 5, 27}, -4.5}}},
      {"charset_1252_text_utf8.ofx", {{13, {2024, 1, 2}, -50}, {15, {2024, 1, 3}, -5}}},
      // account details above the header
      {"lines_before_header.csv", {{8, {2024, 12, 28}, -5.5}, {9, {2024, 12, 27}, 50}}},
      {"no_header_no_account.ofx", {{5, {2024, 12, 14}, 337.5}, {12, {2024, 12, 13}, -150}}},
      {"dates_and_comments.qif",
       {{5, {2003, 1, 27}, -1},
        {9, {2023, 10, 18}, -2},
        {13, {2023, 10, 19}, -3},
        {17, {2023, 10, 20}, -4},
        {21, {2023, 10, 21}, -5},
        {25, {2024, 1, 5}, -6}}},
      {"month_names.csv", {{1, {2024, 11, 7}, 500}, {2, {2024, 12, 9}, -19.77}}},
      {"date_times.csv", {{1, {2024, 12, 24}, -85}, {2, {2024, 12, 23}, 3520}, {3, {2024, 12, 21}, -12.23}}},
      {"pending.csv", {{2, {2024, 1, 7}, -38.71}, {4, {2024, 1, 8}, 500}}},
      {"two_accounts.ofx", {{8, {2024, 8, 24}, -80}, {15, {2024, 8, 11}, -23}, {16, {2024, 8, 11}, 350}}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LinesOf(ReadCase(c.name)), c.lines);
  }
}

TEST(StatementCasesTest, TextIsUtf8WhateverTheHeaderSaysAndNeverCut) {
  const Statement statement = ReadCase("charset_1252_text_utf8.ofx");
  ASSERT_EQ(statement.lines.size(), 2u);
  EXPECT_EQ(statement.lines[0].memo, "T\u00cdTULO COBRAN\u00c7A-IB");
  EXPECT_EQ(statement.lines[1].payee, "Caf\u00e9 & Bar \u20ac");
  EXPECT_EQ(statement.lines[1].memo, "<card>");
  EXPECT_EQ(ReadCase("lines_before_header.csv").lines[0].payee, "Blumen M\u00fcller");
}

TEST(StatementCasesTest, AccountsOpeningBalancesCategoriesAndLinesSetAside) {
  const Statement accounts = ReadCase("two_accounts.ofx");
  EXPECT_EQ(accounts.accounts, (std::vector<StatementAccount>{{"123456", StatementAccountKind::kBank},
                                                              {"4111", StatementAccountKind::kCard}}));
  EXPECT_EQ(accounts.BusiestAccount(), 1u);

  const Statement qif = ReadCase("opening_balance_and_categories.qif");
  ASSERT_EQ(qif.lines.size(), 6u);
  EXPECT_EQ(qif.accounts.size(), 2u);
  EXPECT_EQ(qif.lines[0].kind, LineKind::kOpeningBalance);
  EXPECT_DOUBLE_EQ(qif.lines[0].amount, 1211.45);
  EXPECT_EQ(qif.lines[1].category, "Food:Groceries");
  EXPECT_EQ(qif.lines[3].category, "Salary");            // without its class
  EXPECT_EQ(qif.lines[4].category, "");                  // a transfer
  EXPECT_EQ(qif.lines[5].kind, LineKind::kTransaction);  // Savings' transfer from Checking
  EXPECT_EQ(qif.lines[5].account, 1u);

  EXPECT_EQ(ReadCase("pending.csv").undated, std::vector<std::uint32_t>{3});
}

TEST(StatementCasesTest, TheUsersDateOrderGoesBeforeTheFilesAndTheFilesBeforeTheGuess) {
  QifOptions dayFirst;
  dayFirst.dateOrder = DateOrder::kDayFirst;
  StatementError error;
  Statement statement;
  // The file says month first; the user says day first, and 10.21.23 is no such date.
  EXPECT_FALSE(ReadStatement(SampleText("cases/dates_and_comments.qif"), StatementFormat::kQif, {{}, dayFirst},
                             statement, error));
  EXPECT_EQ(error.detail, "10.21.23");
  // Without a word of the order, 23/10/2013 can only be day first.
  ASSERT_TRUE(ReadStatement("!Type:Cash\nD11/10/2013\nT-1\n^\nD23/10/2013\nT-2\n^\n", StatementFormat::kQif, {},
                            statement, error));
  EXPECT_EQ(statement.lines[0].date, (CivilDate{2013, 10, 11}));
}

TEST(StatementCasesTest, AReadingTheUserCancelsStopsWithNothingRead) {
  std::string csv = "Date,Amount\n";
  std::string qif = "!Type:Bank\n";
  std::string ofx = "<OFX><BANKTRANLIST>";
  for (int i = 0; i < 3000; ++i) {
    csv += "2024-01-02,-1\n";
    qif += "D1/2/24\nT-1\n^\n";
    ofx += "<STMTTRN><DTPOSTED>20240102<TRNAMT>-1</STMTTRN>";
  }
  CTaskProgress progress;
  progress.Cancel();
  StatementOptions options;
  options.progress = &progress;
  options.csv.payee = "";
  for (const auto& [format, text] : {std::pair{StatementFormat::kCsv, csv}, std::pair{StatementFormat::kQif, qif},
                                     std::pair{StatementFormat::kOfx, ofx}}) {
    Statement statement;
    StatementError error;
    EXPECT_FALSE(ReadStatement(text, format, options, statement, error));
    EXPECT_EQ(error.kind, StatementErrorKind::kCancelled);
    EXPECT_TRUE(statement.lines.empty());
  }
}

TEST(StatementCasesTest, AMessageQuotesAtMostEightyCharactersAndNeverHalfOne) {
  std::string e;
  for (int i = 0; i < 81; ++i) e += "\u00e9";
  EXPECT_EQ(FieldExcerpt(e.substr(0, 160)), e.substr(0, 160));
  EXPECT_EQ(FieldExcerpt(e), e.substr(0, 160) + "...");
}

}  // namespace
}  // namespace purso::test
