// Statements made to hurt: each is refused (or read) at once with its
// message, never blocking, and reading it takes less memory than ten times
// the file. Running out of memory ends the import with its message and
// changes nothing, in the program and in purso-tool.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <sstream>
#include <string>

#include "app/purso_document.h"
#include "counting_allocator.h"
#include "data/account_file.h"
#include "data/archive.h"
#include "data/scratch_folder.h"
#include "purso_tool/tool_commands.h"
#include "resources/csv_columns_dialog_resource.h"
#include "resources/import_dialog_resource.h"
#include "sample_statements.h"
#include "support/scripted_host.h"

namespace purso::test {
namespace {

constexpr std::size_t kMemoryPerByte = 10;

std::string OfxOf(const std::string& body) {
  return "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nCHARSET:1252\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS>"
         "<BANKACCTFROM><ACCTID>1</BANKACCTFROM><BANKTRANLIST>\n" +
         body + "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

std::string Repeated(const std::string& part, std::size_t times) {
  std::string text;
  text.reserve(part.size() * times);
  for (std::size_t i = 0; i < times; ++i) text += part;
  return text;
}

std::string Transactions(std::size_t count) {
  return Repeated("<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240105<TRNAMT>-12.50<FITID>7<NAME>Grocer</STMTTRN>\n", count);
}

class HostileStatementsTest : public ScratchFolderTest {
 protected:
  HostileStatementsTest() { document_.Book() = SampleAccount(ids_); }

  std::vector<std::uint8_t> AccountBytes() {
    CArchiveWriter archive;
    EXPECT_TRUE(document_.Book().Write(archive));
    return archive.Bytes();
  }

  // Imports the file as the program does; the memory it took at most.
  std::size_t Import(const std::string& path) {
    ResetPeak();
    const std::size_t before = LiveBytes();
    document_.ImportStatement(path, settings_, runner_);
    return PeakBytes() - before;
  }

  SampleIds ids_;
  CScriptedHost host_;
  CpursoPXFDoc document_{host_};
  CMemorySettingsStore settings_;
  CInlineRunner runner_;
};

TEST_F(HostileStatementsTest, EachIsRefusedAtOnceWithItsMessageInLittleMemory) {
  const struct {
    const char* name;
    std::function<void(const std::string& path)> make;
    std::size_t size;  // of what there is to read
    std::string problem;
  } kCases[] = {
      {"pipe.csv", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }, 0,
       "The statement pipe.csv cannot be read.\nIt is a pipe, not a file."},
      {"zero.csv", [](const std::string& path) { ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0); }, 0,
       "The statement zero.csv cannot be read.\nIt is a device, not a file."},
      {"folder.qif", [](const std::string& path) { ASSERT_EQ(::mkdir(path.c_str(), 0700), 0); }, 0,
       "The statement folder.qif cannot be read.\nIt is a folder, not a file."},
      {"huge.csv",
       [](const std::string& path) {
         std::ofstream(path).close();
         ASSERT_EQ(::truncate(path.c_str(), 200 << 20), 0);  // a sparse file: no disk taken
       },
       0, "The statement huge.csv cannot be read.\nIt is larger than 32 MB, which no bank statement is."},
      {"unclosed.ofx", [](const std::string& path) { std::ofstream(path) << OfxOf(Repeated("<STMTTRN>\n", 100000)); },
       1'000'000, "The statement unclosed.ofx cannot be read.\nLine 7: the transaction has no date."},
      {"nested.ofx",
       [](const std::string& path) {
         std::string text = "<OFX>";
         for (int i = 0; i < 100000; ++i) text += "<E" + std::to_string(i) + ">";
         std::ofstream(path) << text;
       },
       800'000, "The statement nested.ofx cannot be read.\nLine 1: the elements are nested more than 64 deep."},
      {"name.ofx",
       [](const std::string& path) {
         std::ofstream(path) << OfxOf("<STMTTRN><DTPOSTED>20240105<TRNAMT>1<NAME>" + std::string(2'000'000, 'N'));
       },
       2'000'000,
       "The statement name.ofx cannot be read.\nLine 7: the element <NAME> holds more text than a statement can."},
      {"many.ofx", [](const std::string& path) { std::ofstream(path) << OfxOf(Transactions(100001)); }, 8'300'000,
       "The statement many.ofx cannot be read.\nLine 100007: the statement holds more than 100000 transactions."},
  };
  const std::vector<std::uint8_t> before = AccountBytes();
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string path = PathOf(c.name);
    c.make(path);
    const std::size_t memory = Import(path);
    EXPECT_LE(memory, std::max<std::size_t>(kMemoryPerByte * c.size, 1 << 20));
    ASSERT_FALSE(host_.Problems().empty());
    EXPECT_EQ(host_.Problems().back().problem, c.problem);
  }
  EXPECT_EQ(host_.Problems().size(), std::size(kCases));
  EXPECT_EQ(AccountBytes(), before);
}

TEST_F(HostileStatementsTest, ARefusalQuotesAtMostEightyCharactersOfAHugeField) {
  const std::string path = PathOf("amount.csv");
  const std::string text = "Date,Amount\n2024-01-01,1x" + std::string(5'000'000, '1') + "\n";
  std::ofstream(path) << text;
  host_.Expect(csv_columns_dialog::kDialogId, [](CDialogDriver& d) {
    d.Choose(csv_columns_dialog::kAmount, "Amount");  // its value is no amount to guess by
    d.Press(csv_columns_dialog::kOk);
    d.ExpectRefused("The statement amount.csv cannot be read.\nLine 2: the amount \"1x" + std::string(78, '1') +
                        "...\" is not a number.",
                    "- check the decimal symbol chosen for the statement\n- check that the file is a bank statement",
                    csv_columns_dialog::kDecimal);
    d.Escape();
  });
  EXPECT_LE(Import(path), kMemoryPerByte * text.size());
}

TEST_F(HostileStatementsTest, AHundredThousandOrdinaryTransactionsAreReadInLinearMemory) {
  const std::string path = PathOf("ordinary.ofx");
  const std::string text = OfxOf(Transactions(100000));
  std::ofstream(path) << text;
  host_.Expect(import_dialog::kDialogId, [](CDialogDriver& d) {
    EXPECT_EQ(d.Text(import_dialog::kStatement), "Statement: ordinary.ofx, 100000 lines");
    d.Escape();
  });
  EXPECT_LE(Import(path), kMemoryPerByte * text.size());
  EXPECT_TRUE(host_.Problems().empty());
}

TEST_F(HostileStatementsTest, RunningOutOfMemoryEndsTheImportWithItsMessageAndChangesNothing) {
  const std::string path = PathOf("bank.ofx");
  std::ofstream(path) << OfxOf(Transactions(20000));
  const std::vector<std::uint8_t> before = AccountBytes();
  {
    const CMemoryBudget budget(1 << 20);
    document_.ImportStatement(path, settings_, runner_);
  }
  ASSERT_EQ(host_.Problems().size(), 1u);
  EXPECT_EQ(host_.Problems()[0].problem, "Unable to complete operation (out of memory).");
  EXPECT_EQ(AccountBytes(), before);
  EXPECT_FALSE(document_.IsModified());

  const std::string account = PathOf("household.pxf");
  ASSERT_TRUE(StoreAccountFile(account, document_.Book()));
  const Bytes stored = ReadRaw(account);
  std::ostringstream out;
  std::ostringstream err;
  int status = 0;
  {
    const CMemoryBudget budget(1 << 20);
    status = tool::RunTool({"import", account, path, "--apply"}, out, err);
  }
  EXPECT_EQ(status, tool::kExitFileError);
  EXPECT_EQ(err.str(), "purso-tool: Unable to complete operation (out of memory).\n");
  EXPECT_EQ(ReadRaw(account), stored);
}

}  // namespace
}  // namespace purso::test
