// The OFX, QIF and CSV readers: the samples read alike, and every kind of bad
// input is refused with the file, the line and what was found there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "sample_statements.h"
#include "statement/statement_error.h"
#include "statement/statement_file.h"

namespace purso {
namespace {

namespace fs = std::filesystem;
using test::SampleFile;

TEST(StatementReadersTest, EverySampleReadsToTheSameTransactionsWithTheirLines) {
  for (const SampleFile& sample : test::SampleFiles()) {
    SCOPED_TRACE(sample.name);
    const Statement statement = test::ReadSample(sample);
    ASSERT_EQ(statement.lines.size(), test::SampleTransactions().size());
    for (std::size_t i = 0; i < statement.lines.size(); ++i) {
      const StatementLine& read = statement.lines[i];
      const StatementLine& expected = test::SampleTransactions()[i];
      SCOPED_TRACE(i);
      EXPECT_EQ(read.line, sample.lines[i]);
      EXPECT_EQ(read.date, expected.date);
      EXPECT_DOUBLE_EQ(read.amount, expected.amount);
      EXPECT_EQ(read.payee, expected.payee);
      EXPECT_EQ(read.memo, expected.memo);
      EXPECT_EQ(read.uniqueId, sample.format == StatementFormat::kOfx ? "F" + std::to_string(i + 1) : "");
    }
  }
}

class StatementFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("purso_statement_test_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Write(const std::string& content) {
    const std::string path = (folder_ / "statement.txt").string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
    return path;
  }

  StatementError Refusal(StatementFormat format, const std::string& content, const StatementOptions& options = {}) {
    const std::string path = Write(content);
    Statement statement;
    statement.lines.resize(1);
    StatementError error;
    EXPECT_FALSE(ReadStatementFile(path, format, options, statement, error));
    EXPECT_EQ(statement.lines.size(), 1u) << "a refused statement was changed";
    EXPECT_EQ(error.file, path);
    return error;
  }

  fs::path folder_;
};

const std::string kOfxHead =
    "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\nENCODING:USASCII\nCHARSET:1252\nCOMPRESSION:NONE\n"
    "OLDFILEUID:NONE\nNEWFILEUID:NONE\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</"
    "STATUS>\n"
    "<STMTRS><CURDEF>EUR<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>CHECKING</BANKACCTFROM>\n<BANKTRANLIST>\n";  // 13
                                                                                                               // lines
const std::string kOfxTail = "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";

std::string Ofx(const std::string& transaction) {
  return kOfxHead + "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240103<TRNAMT>-1<FITID>1<NAME>Fine</STMTTRN>\n" + transaction +
         kOfxTail;
}

TEST_F(StatementFileTest, EachFaultIsRefusedWithItsLineAndWhatWasFound) {
  using enum StatementErrorKind;
  StatementOptions csvSplit;
  csvSplit.csv.debit = "Out";
  csvSplit.csv.credit = "In";
  StatementOptions csvNoHeader;
  csvNoHeader.csv.header = CsvHeader::kNone;
  StatementOptions csvWay;
  csvWay.csv.direction = "Way";
  csvWay.csv.payee = "";
  struct Case {
    const char* what;
    StatementFormat format;
    std::string content;
    StatementOptions options;
    std::uint32_t line;
    StatementErrorKind kind;
    std::string detail;
  };
  const Case kCases[] = {
      {"no OFX", StatementFormat::kOfx, "Date,Amount\n2024-01-01,3\n", {}, 1, kNotAStatement, "OFX"},
      {"OFX header, no element", StatementFormat::kOfx, kOfxHead.substr(0, 110) + "\n", {}, 9, kMissingElement, "OFX"},
      {"OFX amount",
       StatementFormat::kOfx,
       Ofx("<STMTTRN><DTPOSTED>20240104<TRNAMT>12,x<NAME>A</STMTTRN>\n"),
       {},
       15,
       kBadAmount,
       "12,x"},
      {"OFX no amount",
       StatementFormat::kOfx,
       Ofx("<STMTTRN><DTPOSTED>20240104<NAME>A</STMTTRN>\n"),
       {},
       15,
       kNoAmount,
       ""},
      {"OFX date",
       StatementFormat::kOfx,
       Ofx("<STMTTRN><DTPOSTED>2024<TRNAMT>1<NAME>A</STMTTRN>\n"),
       {},
       15,
       kBadDate,
       "2024"},
      {"OFX too big",
       StatementFormat::kOfx,
       Ofx("<STMTTRN><DTPOSTED>20240104<TRNAMT>-1000000000<NAME>A</STMTTRN>\n"),
       {},
       15,
       kAmountTooBig,
       "-1000000000"},
      {"QIF no header", StatementFormat::kQif, "\nD1/2/24\nT3\n^\n", {}, 2, kNotAStatement, "QIF"},
      {"QIF empty", StatementFormat::kQif, "", {}, 1, kNotAStatement, "QIF"},
      {"QIF investments",
       StatementFormat::kQif,
       "!Type:Cat\nNFood\n^\n!Type:Invst\nD1/2/24\n^\n",
       {},
       1,
       kUnsupportedType,
       "Cat"},
      {"QIF date form",
       StatementFormat::kQif,
       "!Type:Bank\nD1/2/24\nT3\n^\nPx\nD2024/13/31\nT3\n^\n",
       {},
       6,
       kBadDate,
       "2024/13/31"},
      {"QIF no date", StatementFormat::kQif, "!Type:Bank\nT3\nPx\n^\n", {}, 2, kNoDate, ""},
      {"QIF no amount", StatementFormat::kQif, "!Type:CCard\nPx\nD1/2/24\n", {}, 2, kNoAmount, ""},
      {"QIF amount", StatementFormat::kQif, "!Type:Bank\nD1/2/24\nT12.3.4\n^\n", {}, 3, kBadAmount, "12.3.4"},
      {"CSV no date column",
       StatementFormat::kCsv,
       "When,Amount,Description\n2024-01-01,3,x\n",
       {},
       1,
       kMissingColumn,
       "Date"},
      {"CSV empty", StatementFormat::kCsv, "", {}, 1, kMissingColumn, "Date"},
      {"CSV named columns without header", StatementFormat::kCsv, "2024-01-01,3,x\n", csvNoHeader, 1, kMissingColumn,
       "Date"},
      {"CSV amount",
       StatementFormat::kCsv,
       "Date,Amount,Description\n2024-01-01,3\n\n2024-01-02,12;x\n",
       {},
       4,
       kBadAmount,
       "12;x"},
      {"CSV date", StatementFormat::kCsv, "Date,Amount,Description\n31.12.2024,3\n", {}, 2, kBadDate, "31.12.2024"},
      {"CSV neither side", StatementFormat::kCsv, "Date,Out,In,Description\n2024-01-01,,\n", csvSplit, 2, kNoAmount,
       ""},
      {"CSV too big", StatementFormat::kCsv, "Date,Out,In,Description\n2024-01-01,,1000000000\n", csvSplit, 2,
       kAmountTooBig, "1000000000"},
      {"CSV direction", StatementFormat::kCsv, "Date,Amount,Way\n2024-01-01,3,Af\n2024-01-02,4,Out\n", csvWay, 3,
       kBadDirection, "Out"},
      {"CSV header looked for below the first line",
       StatementFormat::kCsv,
       "Export\n\nDate;Betrag\n2024-01-01;3\n",
       {},
       3,
       kMissingColumn,
       "Amount"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const StatementError error = Refusal(c.format, c.content, c.options);
    EXPECT_EQ(error.line, c.line);
    EXPECT_EQ(error.kind, c.kind);
    EXPECT_EQ(error.detail, c.detail);
  }
}

TEST_F(StatementFileTest, AnOfxFileMayBeginWithAByteOrderMark) {
  std::ifstream sample(test::SamplePath("bank_xml.qfx"), std::ios::binary);
  const std::string path = Write("\xEF\xBB\xBF" + std::string(std::istreambuf_iterator<char>(sample), {}));
  Statement statement;
  StatementError error;
  ASSERT_TRUE(ReadStatementFile(path, StatementFormat::kOfx, {}, statement, error)) << StatementProblem(error).problem;
  EXPECT_EQ(statement.lines.size(), test::SampleTransactions().size());
}

TEST_F(StatementFileTest, AFileThatCannotBeOpenedNamesNoLine) {
  Statement statement;
  StatementError error;
  const std::string path = (folder_ / "missing.qif").string();
  EXPECT_FALSE(ReadStatementFile(path, StatementFormat::kQif, {}, statement, error));
  EXPECT_EQ(error, (StatementError{path, 0, StatementErrorKind::kCannotOpen, ""}));
  EXPECT_FALSE(ReadStatementFile(path, StatementFormat::kOfx, {}, statement, error));
  EXPECT_EQ(error.kind, StatementErrorKind::kCannotOpen);
}

TEST(StatementReadersTest, CsvReadsDebitAndCreditColumnsAndColumnsByNumber) {
  CsvMapping split;
  split.debit = "Out";
  split.credit = "3";
  split.payee = "";
  Statement statement;
  StatementError error;
  ASSERT_TRUE(ReadCsvStatement("Date,Out,In\n2024-01-02,12.50,\n2024-01-03,,-7\n", split, statement, error));
  ASSERT_EQ(statement.lines.size(), 2u);
  EXPECT_DOUBLE_EQ(statement.lines[0].amount, -12.5);
  EXPECT_DOUBLE_EQ(statement.lines[1].amount, 7);

  CsvMapping numbers;
  numbers.header = CsvHeader::kNone;
  numbers.date = "2", numbers.amount = "1", numbers.payee = "3", numbers.separator = '\t';
  numbers.dateOrder = StatementDateOrder::kMonthDayYear;
  ASSERT_TRUE(ReadCsvStatement("-3.5\t12/31/2024\tShop, Inc.\n", numbers, statement, error));
  ASSERT_EQ(statement.lines.size(), 1u);
  EXPECT_EQ(statement.lines[0].date, (CivilDate{2024, 12, 31}));
  EXPECT_EQ(statement.lines[0].payee, "Shop, Inc.");
}

TEST(StatementReadersTest, ProblemTextsNameTheFileTheLineAndTheFault) {
  struct Case {
    StatementError error;
    const char* problem;
    const char* suggestion;
  };
  const Case kCases[] = {
      {{"/home/a/bank.csv", 7, StatementErrorKind::kBadAmount, "12,x"},
       "The statement bank.csv cannot be read.\nLine 7: the amount \"12,x\" is not a number.",
       "- check the decimal symbol chosen for the statement\n- check that the file is a bank statement"},
      {{"bank.qif", 3, StatementErrorKind::kBadDate, "2024/12/31"},
       "The statement bank.qif cannot be read.\nLine 3: the date \"2024/12/31\" is not a date.",
       "- check the date order chosen for the statement\n- check that the file is a bank statement"},
      {{"x.ofx", 1, StatementErrorKind::kNotAStatement, "OFX"},
       "The statement x.ofx cannot be read.\nLine 1: this is not a bank statement in the OFX format.",
       "- check that the file is a bank statement\n- choose the format the bank wrote it in"},
      {{"b.csv", 1, StatementErrorKind::kMissingColumn, "Date"},
       "The statement b.csv cannot be read.\nLine 1: the column \"Date\" is missing.",
       "- check the columns chosen for the statement\n- check the field separator"},
      {{"x.ofx", 12, StatementErrorKind::kMissingElement, "OFX"},
       "The statement x.ofx cannot be read.\nLine 12: the element <OFX> is missing.",
       "- check that the file is a bank statement\n- check that the file is complete"},
      {{"d.csv", 3, StatementErrorKind::kBadDirection, "Out"},
       "The statement d.csv cannot be read.\nLine 3: the direction \"Out\" is neither money in nor money out.",
       "- check the direction column chosen for the statement\n- check that the file is a bank statement"},
      {{"gone.qif", 0, StatementErrorKind::kCannotOpen, ""},
       "The statement gone.qif cannot be opened.",
       "- check that the file exists\n- check that you may read it"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.problem);
    EXPECT_EQ(StatementProblem(c.error), (NameProblem{c.problem, c.suggestion}));
  }
}

}  // namespace
}  // namespace purso
