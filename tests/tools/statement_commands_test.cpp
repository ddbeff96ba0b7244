// purso-tool import and export, run in-process on the sample statements.
#include "purso_tool/statement_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "data/account_file.h"
#include "data/account_lock.h"
#include "purso_tool/tool_commands.h"
#include "sample_statements.h"

namespace purso::tool {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome RunCommand(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunTool(arguments, out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(ReadFileBytes(path, bytes));
  return bytes;
}

class StatementCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("purso_statement_commands_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    account_ = (folder_ / "household.pxf").string();
    test::SampleIds ids;
    CAccountBook book = test::SampleAccount(ids);
    book.SetYearIndex(2024 - CAccountBook::kFirstYear);
    ASSERT_TRUE(StoreAccountFile(account_, book));
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::vector<std::string> ImportCsv() const {
    return {"import",        account_,           test::SamplePath("bank_semicolon.csv"),
            "--date-column", "Buchungstag",      "--amount-column",
            "Betrag",        "--payee-column",   "Empf\u00e4nger",
            "--memo-column", "Verwendungszweck", "--date-order",
            "dmy",           "--decimal=,"};
  }

  fs::path folder_;
  std::string account_;
};

TEST_F(StatementCommandsTest, ImportPrintsTheProposalAndWritesOnlyWithApply) {
  const std::vector<std::uint8_t> before = FileBytes(account_);
  const Outcome shown = RunCommand(ImportCsv());
  ASSERT_EQ(shown.status, kExitOk) << shown.err;
  const json proposal = json::parse(shown.out);
  EXPECT_EQ(proposal["format"], "CSV");
  ASSERT_EQ(proposal["lines"].size(), 8u);
  const json& first = proposal["lines"][0];
  EXPECT_EQ(first["line"], 2);
  EXPECT_EQ(first["date"], "2024-02-03");
  EXPECT_EQ(first["direction"], "out");
  EXPECT_EQ(first["description"], "LANDLORD SMITH February rent");
  EXPECT_EQ(first["category"]["name"], "Rent");
  EXPECT_EQ(first["predaction"]["proposal"], "existing");
  EXPECT_EQ(first["predaction"]["date"], "2024-02-05");
  EXPECT_EQ(proposal["lines"][4]["description"], "Caf\u00e9 Ol\u00e9");
  EXPECT_EQ(proposal["lines"][4]["category"], nullptr);
  EXPECT_EQ(proposal["outsideYears"]["count"], 1);
  EXPECT_EQ(proposal["chosen"], 5);
  EXPECT_EQ(proposal["applied"], nullptr);
  EXPECT_EQ(FileBytes(account_), before);

  std::vector<std::string> apply = ImportCsv();
  apply.push_back("--apply");
  const Outcome applied = RunCommand(apply);
  ASSERT_EQ(applied.status, kExitOk) << applied.err;
  EXPECT_EQ(json::parse(applied.out)["applied"],
            (json{{"transactions", 5}, {"matched", 2}, {"newPredactions", 2}, {"openingBalance", false}}));
  EXPECT_EQ(json::parse(RunCommand(ImportCsv()).out)["chosen"], 0);

  const Outcome exported = RunCommand({"export", account_});
  ASSERT_EQ(exported.status, kExitOk) << exported.err;
  EXPECT_EQ(exported.out.rfind("Record,Date,Category,Type,Amount,Description,Matched predaction\r\n", 0), 0u);
  EXPECT_NE(exported.out.find("Transaction,2024-02-26,SALARY,Fix In,2100.00,ACME CORP. Salary Feb,2024-02-26\r\n"),
            std::string::npos);
  EXPECT_NE(
      RunCommand({"export", account_, "--year", "2023"}).out.find("Predaction,2023-12-30,Phone,Fix Ex,-40.00,,\r\n"),
      std::string::npos);
}

TEST_F(StatementCommandsTest, AStatementThatCannotBeReadIsReportedAndImportsNothing) {
  const std::vector<std::uint8_t> before = FileBytes(account_);
  const Outcome outcome =
      RunCommand({"import", account_, test::SamplePath("bank_semicolon.csv"), "--apply", "--date-column", "When"});
  EXPECT_EQ(outcome.status, kExitFileError);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err,
            "The statement bank_semicolon.csv cannot be read.\nLine 1: the column \"When\" is missing.\n"
            "- check the columns chosen for the statement\n- check the field separator\n");
  EXPECT_EQ(FileBytes(account_), before);
}

TEST_F(StatementCommandsTest, ColumnsSeparatorDatesAndDecimalsAreGuessedAsTheDialogGuessesThem) {
  const json given = json::parse(RunCommand(ImportCsv()).out);
  const json guessed = json::parse(RunCommand({"import", account_, test::SamplePath("bank_semicolon.csv")}).out);
  EXPECT_EQ(guessed["lines"], given["lines"]);
}

TEST_F(StatementCommandsTest, OneAccountOfTheStatementInBulkUnderTheLockAndNothingWrittenForNothing) {
  const std::string twoAccounts = test::SamplePath("cases/opening_balance_and_categories.qif");
  const json busiest = json::parse(RunCommand({"import", account_, twoAccounts}).out);
  EXPECT_EQ(busiest["account"], "Checking");
  EXPECT_EQ(busiest["otherAccountLines"], 1);
  EXPECT_EQ(busiest["lines"][0]["kind"], "openingBalance");
  const Outcome unknown = RunCommand({"import", account_, twoAccounts, "--account", "Shoebox"});
  EXPECT_EQ(unknown.err,
            "purso-tool: the statement has no account 'Shoebox'; its accounts are 'Checking', 'Savings'; see "
            "'purso-tool --help'\n");

  const std::vector<std::uint8_t> before = FileBytes(account_);
  const Outcome nothing = RunCommand({"import", account_, twoAccounts, "--account", "Savings", "--apply"});
  EXPECT_EQ(nothing.status, kExitOk);
  EXPECT_EQ(nothing.err, "purso-tool: no line is chosen; '" + account_ + "' is left as it was\n");
  EXPECT_EQ(FileBytes(account_), before);
  const Outcome noSuch = RunCommand({"import", account_, twoAccounts, "--income-category", "Lottery"});
  EXPECT_EQ(noSuch.err, "purso-tool: the account has no income category 'Lottery' in 2024\n");

  const std::vector<std::string> bulk = {
      "import", account_, twoAccounts, "--expense-category", "groceries", "--income-category", "Gift", "--apply"};
  {
    CAccountLock program;
    ASSERT_EQ(program.TryAcquire(account_).status, LockStatus::kAcquired);
    const Outcome refused = RunCommand(bulk);
    EXPECT_EQ(refused.status, kExitFileError);
    EXPECT_NE(refused.err.find("is open in the program ("), std::string::npos) << refused.err;
    EXPECT_EQ(FileBytes(account_), before);
  }
  const json applied = json::parse(RunCommand(bulk).out);
  EXPECT_EQ(applied["lines"][1]["category"]["name"], "Groceries");
  EXPECT_EQ(applied["lines"][2]["category"]["name"], "Gift");
  EXPECT_EQ(applied["lines"][2]["chosen"], false);                  // 0.00
  EXPECT_EQ(applied["lines"][3]["category"]["name"], "SALARY");     // the file's own "Salary"
  EXPECT_EQ(applied["lines"][4]["category"]["name"], "Groceries");  // the transfer is money out too
  EXPECT_EQ(applied["applied"]["transactions"], 3);
}

TEST_F(StatementCommandsTest, BadCommandLinesAreUsageErrors) {
  const std::string statement = test::SamplePath("bank.qif");
  const std::vector<std::vector<std::string>> cases = {
      {"import", account_},
      {"import", account_, statement, "extra"},
      {"import", account_, statement, "--format", "xls"},
      {"import", account_, statement, "--decimal", ";"},
      {"import", account_, statement, "--date-order", "ydm"},
      {"import", account_, statement, "--separator", "ab"},
      {"import", account_, account_},
      {"export"},
      {"export", account_, "--year", "1997"},
      {"export", account_, "--apply"},
  };
  for (const std::vector<std::string>& arguments : cases) {
    SCOPED_TRACE(arguments.back());
    const Outcome outcome = RunCommand(arguments);
    EXPECT_EQ(outcome.status, kExitUsage);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err.rfind("purso-tool: ", 0), 0u) << outcome.err;
  }
}

}  // namespace
}  // namespace purso::tool
