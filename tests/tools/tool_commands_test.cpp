// purso-tool's commands, run in-process on files in a private folder.
#include "purso_tool/tool_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "data/account_book.h"
#include "data/account_file.h"
#include "data/archive.h"
#include "data/calendar.h"
#include "data/save_fault.h"
#include "data/year_ledger.h"
#include "statement/budget_report_export.h"
#include "support/ledger_records.h"

namespace purso::tool {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using namespace purso::test;  // the ledger record helpers

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome RunCommand(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  Outcome outcome;
  outcome.status = RunTool(arguments, out, err);
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

const std::string kReadingMessage =
    std::string(kReadingProblem) + "\n" + std::string(kReadingSuggestion) + "\n";

// One line, naming the program, is how every error but the reading message reads.
void ExpectOneErrorLine(const Outcome& outcome) {
  ASSERT_FALSE(outcome.err.empty());
  EXPECT_EQ(outcome.err.rfind("purso-tool: ", 0), 0u) << outcome.err;
  EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
}

std::vector<std::uint8_t> BytesOf(CAccountBook& book) {
  CArchiveWriter archive;
  EXPECT_TRUE(book.Write(archive));
  return archive.Bytes();
}

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(ReadFileBytes(path.string(), bytes)) << path;
  return bytes;
}

class ToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() /
              ("purso_tool_test_" + std::to_string(::getpid()) + "_" + info->test_suite_name() + "_" + info->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  // 1999 holds two objects, two functional areas, a Fix Ex category with two
  // predactions and a Var In category, and a matched and an unmatched
  // transaction; 2003, the current year, holds only an opening balance.
  std::string StoreFilledAccount() {
    CAccountBook book;
    book.SetYearIndex(5);
    CYearLedger& ledger = book.Ledger(1);
    ledger.SetOpeningBalance(100);
    BurnRowId(ledger.Objects());
    const std::uint32_t car = AddObject(ledger, "Car");
    const std::uint32_t household = AddObject(ledger, "Household");
    const std::uint32_t insurance = AddFunctionalArea(ledger, "Insurance");
    const std::uint32_t dayJob = AddFunctionalArea(ledger, "Day job");
    const std::uint32_t carInsurance = AddCategory(ledger, "Car insurance", CategoryType::kFixEx, 1200, car, insurance);
    const std::uint32_t salary = AddCategory(ledger, "Salary", CategoryType::kVarIn, 3640, household, dayJob);
    BurnRowId(ledger.Predactions());
    const std::uint32_t march = AddPredaction(ledger, carInsurance, 315, 600, PredactionBudget::kUntouched);
    AddPredaction(ledger, carInsurance, 915, 600, PredactionBudget::kUntouched);
    AddTransaction(ledger, 316, carInsurance, 580, "Insurance paid", march);
    AddTransaction(ledger, 131, salary, 300, "January pay", kNoMatch);
    book.Ledger(5).SetOpeningBalance(50);
    const std::string path = PathOf("filled.pxf");
    EXPECT_TRUE(StoreAccountFile(path, book));
    return path;
  }

  json Dump(const std::vector<std::string>& arguments) {
    const Outcome outcome = RunCommand(arguments);
    EXPECT_EQ(outcome.status, kExitOk) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    return json::parse(outcome.out);
  }

  fs::path folder_;
};

TEST_F(ToolTest, NewWritesAnEmptyAccountAndNeverReplacesAFileUnasked) {
  const std::string path = PathOf("new.pxf");
  const Outcome created = RunCommand({"new", path, "--year", "1999"});
  EXPECT_EQ(created.status, kExitOk) << created.err;
  EXPECT_EQ(created.err, "");
  const std::vector<std::uint8_t> written = ReadBytes(path);
  EXPECT_EQ(written.size(), 8364u);
  CAccountBook on1999(1999);
  EXPECT_EQ(written, BytesOf(on1999));

  const std::vector<std::uint8_t> other = {'k', 'e', 'e', 'p'};
  WriteBytes(path, other);
  const Outcome refused = RunCommand({"new", path});
  EXPECT_EQ(refused.status, kExitFileError);
  ExpectOneErrorLine(refused);
  EXPECT_NE(refused.err.find("--force"), std::string::npos) << refused.err;
  EXPECT_EQ(ReadBytes(path), other);

  const Outcome forced = RunCommand({"new", "--force", path, "--year=2024"});
  EXPECT_EQ(forced.status, kExitOk) << forced.err;
  CAccountBook on2024(2024);
  EXPECT_EQ(ReadBytes(path), BytesOf(on2024));

  // A link whose target is missing still names something that would be replaced.
  const std::string link = PathOf("link.pxf");
  fs::create_symlink(PathOf("nowhere.pxf"), link);
  EXPECT_EQ(RunCommand({"new", link}).status, kExitFileError);
  EXPECT_FALSE(fs::exists(PathOf("nowhere.pxf")));
}

TEST_F(ToolTest, NewOpensTheAccountOnTodaysYear) {
  for (const CivilDate today : {CivilDate{2026, 12, 8}, CivilDate{2101, 1, 1}}) {
    const CFixedClock clock(today);
    const CScopedClock scoped(clock);
    const std::string path = PathOf("today" + std::to_string(today.year) + ".pxf");
    ASSERT_EQ(RunCommand({"new", path}).status, kExitOk);
    CAccountBook expected(today.year);
    EXPECT_EQ(ReadBytes(path), BytesOf(expected)) << today.year;
    EXPECT_EQ(Dump({"dump", path})["currentYear"], today.year == 2026 ? 2026 : 1999);
  }
}

TEST_F(ToolTest, NewReportsAFileThatCannotBeWritten) {
  const Outcome outcome = RunCommand({"new", PathOf("no/such/folder/new.pxf")});
  EXPECT_EQ(outcome.status, kExitFileError);
  ExpectOneErrorLine(outcome);
  EXPECT_NE(outcome.err.find("cannot write"), std::string::npos) << outcome.err;
  EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(ToolTest, CheckAcceptsEveryReadableAccount) {
  const std::string filled = StoreFilledAccount();
  const Outcome ok = RunCommand({"check", filled});
  EXPECT_EQ(ok.status, kExitOk);
  EXPECT_EQ(ok.out, filled + ": ok\n");
  EXPECT_EQ(ok.err, "");

  std::vector<std::uint8_t> bytes = ReadBytes(filled);
  std::copy_n("PURSO10", 7, bytes.begin());
  const std::string earlier = PathOf("earlier.pxf");
  WriteBytes(earlier, bytes);
  EXPECT_EQ(RunCommand({"check", earlier}).status, kExitOk);


  // An account with a year after 2024 is read whole.
  CAccountBook later(2031);
  AddObject(later.CurrentLedger(), "Boat");
  later.Ledger(101).SetOpeningBalance(5);
  const std::string laterPath = PathOf("later.pxf");
  ASSERT_TRUE(StoreAccountFile(laterPath, later));
  EXPECT_EQ(RunCommand({"check", laterPath}).status, kExitOk);
}

TEST_F(ToolTest, CheckAndDumpGiveTheReadingMessageAndTheFaultForADamagedAccount) {
  const std::vector<std::uint8_t> good = ReadBytes(StoreFilledAccount());
  struct Damage {
    std::vector<std::uint8_t> bytes;
    std::string fault;
  };
  std::vector<Damage> damaged;
  damaged.push_back({{}, "the file ends early"});
  damaged.push_back({{good.begin(), good.end() - 1}, "the file ends early"});
  damaged.push_back({good, "it does not begin as an account file does"});
  std::copy_n("PURSO13", 7, damaged.back().bytes.begin());
  damaged.push_back({good, "its current year is not one of its years"});
  damaged.back().bytes[7 + 40] = 27;  // year index past 2024
  damaged.push_back({good, "there are bytes after its last year"});
  damaged.back().bytes.push_back(0xAB);

  for (std::size_t i = 0; i < damaged.size(); ++i) {
    const std::string path = PathOf("damaged" + std::to_string(i) + ".pxf");
    WriteBytes(path, damaged[i].bytes);
    for (const std::string command : {"check", "dump"}) {
      const Outcome outcome = RunCommand({command, path});
      EXPECT_EQ(outcome.status, kExitFileError) << command << " " << i;
      EXPECT_EQ(outcome.out, "") << command << " " << i;
      EXPECT_EQ(outcome.err, kReadingMessage + "purso-tool: '" + path + "': " + damaged[i].fault + "\n")
          << command << " " << i;
    }
  }
}

TEST_F(ToolTest, CheckAndDumpPutBackAnAccountWhoseSaveInPlaceWasKilled) {
  const std::string path = StoreFilledAccount();
  const std::vector<std::uint8_t> good = ReadBytes(path);
  fs::create_hard_link(path, PathOf("twin.pxf"));  // so that it is saved in place
  for (const std::string command : {"check", "dump"}) {
    {
      // A save that wrote its content and could not put the old back, as a kill leaves it.
      const CScopedSaveFault writeFails(SaveStep::kWriteContent, EIO);
      const CScopedSaveFault restoreFails(SaveStep::kRestore, EIO);
      CAccountBook other(2003);
      ASSERT_EQ(SaveAccountFile(path, other).failure, SaveFailure::kDamaged);
    }
    const Outcome outcome = RunCommand({command, path});
    EXPECT_EQ(outcome.status, kExitOk) << command << outcome.err;
    EXPECT_EQ(outcome.err, "purso-tool: '" + path +
                               "': its last save was interrupted; it was put back as it was before, from "
                               "'filled.pxf.bak'\n");
    EXPECT_EQ(ReadBytes(path), good) << command;
  }
}

TEST_F(ToolTest, CheckAndDumpReportAPathThatIsNoFile) {
  for (const std::string command : {"check", "dump"}) {
    for (const std::string& path : {PathOf("missing.pxf"), folder_.string()}) {
      const Outcome outcome = RunCommand({command, path});
      EXPECT_EQ(outcome.status, kExitFileError) << command << " " << path;
      EXPECT_EQ(outcome.out, "");
      ExpectOneErrorLine(outcome);
      EXPECT_NE(outcome.err.find(path), std::string::npos) << outcome.err;
    }
  }
}

TEST_F(ToolTest, DumpShowsRecordsAndFiguresOfTheYearsInUse) {
  const std::string path = StoreFilledAccount();
  const IClock* clockBefore = &CurrentClock();
  const json account = Dump({"dump", path, "--today", "1999-06-30"});
  EXPECT_EQ(&CurrentClock(), clockBefore) << "dump must put the clock back";

  EXPECT_EQ(account["currentYear"], 2003);
  ASSERT_EQ(account["years"].size(), 2u);
  EXPECT_EQ(account["years"][1]["year"], 2003);
  EXPECT_EQ(account["years"][1]["openingBalance"], 50.0);

  const json& year = account["years"][0];
  EXPECT_EQ(year["year"], 1999);
  EXPECT_EQ(year["openingBalance"], 100.0);
  EXPECT_EQ(year["objects"], json::parse(R"([{"rowId": 1, "name": "Car"}, {"rowId": 2, "name": "Household"}])"));
  EXPECT_EQ(year["functionalAreas"],
            json::parse(R"([{"rowId": 0, "name": "Insurance"}, {"rowId": 1, "name": "Day job"}])"));
  EXPECT_EQ(year["categories"], json::parse(R"([
      {"rowId": 0, "name": "Car insurance", "object": 1, "functionalArea": 0, "type": "Fix Ex", "typeCode": 0,
       "budget": 1200.0},
      {"rowId": 1, "name": "Salary", "object": 2, "functionalArea": 1, "type": "Var In", "typeCode": 3,
       "budget": 3640.0}])"));
  EXPECT_EQ(year["predactions"], json::parse(R"([
      {"rowId": 1, "category": 0, "date": 315, "amount": 600.0},
      {"rowId": 2, "category": 0, "date": 915, "amount": 600.0}])"));
  EXPECT_EQ(year["transactions"], json::parse(R"([
      {"rowId": 0, "date": 316, "category": 0, "amount": 580.0, "description": "Insurance paid", "match": 1},
      {"rowId": 1, "date": 131, "category": 1, "amount": 300.0, "description": "January pay", "match": null}])"));

  // Salary spreads 10 a day; the insurance predaction of March 15 falls
  // before June 30, the one of September 15 after it.
  const json& figures = year["figures"];
  EXPECT_DOUBLE_EQ(figures["netBudget"], 2440.0);
  EXPECT_EQ(figures["balanceDate"], 630);
  EXPECT_DOUBLE_EQ(figures["transactionBalance"], -180.0);
  EXPECT_DOUBLE_EQ(figures["predictedBalanceAtBalanceDate"], 100.0 + 181 * 10.0 - 600.0);
  EXPECT_DOUBLE_EQ(figures["predictedBalanceAtDecember31"], 100.0 + 3640.0 - 1200.0);
  EXPECT_DOUBLE_EQ(figures["actualBalanceAtBalanceDate"], -180.0);

  // Once the year is past, its figures run to December 31.
  const json later = Dump({"dump", path, "--today=2001-01-15"});
  const json& laterFigures = later["years"][0]["figures"];
  EXPECT_EQ(laterFigures["balanceDate"], 1231);
  EXPECT_DOUBLE_EQ(laterFigures["predictedBalanceAtBalanceDate"], 2540.0);
  EXPECT_DOUBLE_EQ(laterFigures["actualBalanceAtBalanceDate"], -180.0);
}

TEST_F(ToolTest, DumpShowsTheYearsAfter2024) {
  CAccountBook book(2003);
  book.Ledger(2031 - 1998).SetOpeningBalance(31);
  AddObject(book.Ledger(101), "Robot");
  const std::string path = PathOf("later.pxf");
  ASSERT_TRUE(StoreAccountFile(path, book));
  const json account = Dump({"dump", path, "--today", "2031-06-30"});
  ASSERT_EQ(account["years"].size(), 2u);
  EXPECT_EQ(account["years"][0]["year"], 2031);
  EXPECT_EQ(account["years"][0]["openingBalance"], 31.0);
  EXPECT_EQ(account["years"][1]["year"], 2099);
  EXPECT_EQ(account["years"][1]["objects"][0]["name"], "Robot");
  const json only2050 = Dump({"dump", path, "--year", "2050", "--today", "2031-06-30"});
  ASSERT_EQ(only2050["years"].size(), 1u);
  EXPECT_EQ(only2050["years"][0]["year"], 2050);
}

TEST_F(ToolTest, DumpOfOneYearShowsItEvenWhenEmpty) {
  const std::string path = StoreFilledAccount();
  const json only1999 = Dump({"dump", path, "--year", "1999", "--today", "1999-06-30"});
  ASSERT_EQ(only1999["years"].size(), 1u);
  EXPECT_EQ(only1999["years"][0]["year"], 1999);
  EXPECT_EQ(only1999["years"][0]["transactions"].size(), 2u);

  const json empty = Dump({"dump", path, "--year=2000", "--today", "1999-06-30"});
  EXPECT_EQ(empty["currentYear"], 2003);
  ASSERT_EQ(empty["years"].size(), 1u);
  const json& year = empty["years"][0];
  EXPECT_EQ(year["year"], 2000);
  EXPECT_EQ(year["openingBalance"], 0.0);
  for (const char* table : {"objects", "functionalAreas", "categories", "predactions", "transactions"}) {
    EXPECT_EQ(year[table], json::array()) << table;
  }
  EXPECT_EQ(year["figures"]["balanceDate"], 101);  // a year still to come starts on January 1
  EXPECT_EQ(year["figures"]["predictedBalanceAtDecember31"], 0.0);
}

TEST_F(ToolTest, DumpWritesSettingsReadably) {
  const std::string fresh = PathOf("fresh.pxf");
  ASSERT_EQ(RunCommand({"new", fresh, "--year", "1999"}).status, kExitOk);
  const json defaults = Dump({"dump", fresh});
  EXPECT_EQ(defaults["settings"], json::parse(R"({"dateOrder": "month first", "dateSeparator": "/",
      "decimalSymbol": ".", "symbolPosition": "before", "space": false, "decimals": 2, "currencySymbol": "$"})"));
  EXPECT_EQ(defaults["currentYear"], 1999);
  EXPECT_EQ(defaults["years"], json::array());

  CAccountBook book;
  CDisplaySettings& settings = book.Settings();
  settings.dateOrder = DateOrder::kDayFirst;
  settings.dateSeparator = '.';
  settings.decimalSymbol = DecimalSymbol::kComma;
  settings.symbolPosition = SymbolPosition::kAfter;
  settings.space = true;
  settings.decimals = 0;
  settings.currencySymbol = "EUR";
  const std::string changed = PathOf("changed.pxf");
  ASSERT_TRUE(StoreAccountFile(changed, book));
  EXPECT_EQ(Dump({"dump", changed})["settings"],
            json::parse(R"({"dateOrder": "day first", "dateSeparator": ".", "decimalSymbol": ",",
      "symbolPosition": "after", "space": true, "decimals": 0, "currencySymbol": "EUR"})"));
}

TEST_F(ToolTest, NewWritesDatesAndAmountsAsTheNamedLocale) {
  // The C locale names no currency: the account is the one new writes without it.
  const std::string plain = PathOf("plain.pxf");
  const std::string c = PathOf("c.pxf");
  ASSERT_EQ(RunCommand({"new", plain, "--year", "1999"}).status, kExitOk);
  ASSERT_EQ(RunCommand({"new", c, "--year", "1999", "--locale", "C"}).status, kExitOk);
  EXPECT_EQ(ReadBytes(c), ReadBytes(plain));

  // German, compiled into a folder of the test's own.
  if (!fs::exists("/usr/share/i18n/locales/de_DE")) GTEST_SKIP() << "the locale sources (package locales) are missing";
  const std::string command = "localedef -i de_DE -f UTF-8 '" + PathOf("de_DE.UTF-8") + "' 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  ASSERT_EQ(setenv("LOCPATH", folder_.c_str(), 1), 0);
  const std::string german = PathOf("german.pxf");
  const Outcome made = RunCommand({"new", german, "--locale", "de_DE"});
  unsetenv("LOCPATH");
  ASSERT_EQ(made.status, kExitOk) << made.err;
  EXPECT_EQ(Dump({"dump", german})["settings"],
            json::parse(R"({"dateOrder": "day first", "dateSeparator": ".", "decimalSymbol": ",",
      "symbolPosition": "after", "space": true, "decimals": 2, "currencySymbol": "€"})"));
}

TEST_F(ToolTest, DumpWritesAccountTextsAsTheProgramShowsThem) {
  // Account texts are Windows-1252: 0xFC is "ü", 0x80 is "€", 0x81 has no character.
  CAccountBook book;
  book.Settings().currencySymbol = "\x80";
  CYearLedger& ledger = book.Ledger(1);
  const std::uint32_t object = AddObject(ledger, "M\xFCller");
  const std::uint32_t area = AddFunctionalArea(ledger, "Caf\xE9");
  const std::uint32_t category = AddCategory(ledger, "K\xFC" "che \x80", CategoryType::kVarEx, 10, object, area);
  AddTransaction(ledger, 101, category, 5, "Stra\xDF" "e \x81");
  const std::string path = PathOf("western.pxf");
  ASSERT_TRUE(StoreAccountFile(path, book));
  const json account = Dump({"dump", path});
  const json& year = account["years"][0];
  EXPECT_EQ(account["settings"]["currencySymbol"], "€");
  EXPECT_EQ(year["objects"][0]["name"], "Müller");
  EXPECT_EQ(year["functionalAreas"][0]["name"], "Café");
  EXPECT_EQ(year["categories"][0]["name"], "Küche €");
  EXPECT_EQ(year["transactions"][0]["description"], "Straße �");
}

TEST_F(ToolTest, HelpDescribesEveryCommandAndOption) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"new", "--help"}, {"dump", "-h"}}) {
    const Outcome outcome = RunCommand(arguments);
    EXPECT_EQ(outcome.status, kExitOk) << arguments.front();
    EXPECT_EQ(outcome.err, "");
    for (const char* part : {"new FILE", "--force", "check FILE", "dump FILE", "--year", "--today", "--locale"}) {
      EXPECT_NE(outcome.out.find(part), std::string::npos) << part;
    }
  }
  EXPECT_EQ(RunCommand({"--version"}).out, std::string("purso-tool (Tolva Account Organizer) ") + PURSO_VERSION + "\n");
}

TEST_F(ToolTest, BadCommandLinesAreUsageErrorsThatTouchNoFile) {
  const std::string missing = PathOf("missing.pxf");
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate", missing},
      {"--frobnicate"},
      {"new"},
      {"check"},
      {"dump"},
      {"new", missing, "--frobnicate"},
      {"new", "--force=yes", missing},
      {"new", missing, "--force", "--force"},
      {"check", missing, "extra"},
      {"check", "--force", missing},
      {"dump", missing, "--year"},
      {"dump", missing, "--year", "1997"},
      {"dump", missing, "--year", "2100"},
      {"new", missing, "--year", "1997"},
      {"new", missing, "--year"},
      {"new", missing, "--locale"},
      {"new", missing, "--locale", "xx_NOWHERE"},
      {"dump", missing, "--locale", "C"},
      {"new", missing, "--today", "2026-12-08"},
      {"dump", missing, "--year", "99"},
      {"dump", missing, "--year", "2000x"},
      {"dump", missing, "--year", "2000", "--year", "2001"},
      {"dump", missing, "--today", "1999-02-29"},
      {"dump", missing, "--today", "1999-6-30"},
      {"dump", missing, "--today", "tomorrow"},
      {"dump", missing, "--today="},
      {"report", missing, "--format", "pdf"},
      {"report", missing, "extra"},
      {"chart", missing},
      {"chart", missing, "out.svg", "--format", "csv"},
  };
  for (const std::vector<std::string>& arguments : cases) {
    SCOPED_TRACE(arguments.empty() ? std::string("(none)") : arguments.back());
    const Outcome outcome = RunCommand(arguments);
    EXPECT_EQ(outcome.status, kExitUsage);
    EXPECT_EQ(outcome.out, "");
    ExpectOneErrorLine(outcome);
  }
  EXPECT_TRUE(fs::is_empty(folder_));
}

// The report is the program's: the same figures, in the three forms.
TEST_F(ToolTest, ReportPrintsTheYearsBudgetReportAndChartWritesItsDrawing) {
  const std::string path = StoreFilledAccount();
  CAccountBook book;
  ASSERT_EQ(LoadAccountFile(path, book), ReadFailure::kNone);
  const CFixedClock clock(CivilDate{1999, 7, 1});
  BudgetReport report;
  {
    const CScopedClock scoped(clock);
    report = ComputeBudgetReport(book.Ledger(1));
  }
  const std::vector<std::string> command = {"report", path, "--year", "1999", "--today", "1999-07-01"};
  const auto with = [&command](std::string format) {
    std::vector<std::string> arguments = command;
    arguments.insert(arguments.end(), {"--format", format});
    return RunCommand(arguments).out;
  };
  EXPECT_EQ(with("csv"), BudgetReportCsv(report, book.Settings()));
  EXPECT_EQ(with("html"), BudgetReportHtml(report, book.Settings(), "filled"));
  const json figures = Dump(command);
  EXPECT_EQ(figures["balanceDate"], "1999-07-01");
  EXPECT_EQ(figures["groups"][0]["type"], "Var In");
  EXPECT_EQ(figures["groups"][1]["categories"][0]["name"], "Car insurance");
  EXPECT_EQ(figures["groups"][1]["categories"][0]["outstanding"], 0);
  EXPECT_EQ(figures["groups"][1]["total"]["actual"], 580);
  EXPECT_EQ(figures["balances"]["actualAtBalanceDate"], report.actualAtDate);
  EXPECT_TRUE(figures["balances"]["actualAtDecember31"].is_null());

  const Outcome chart = RunCommand({"chart", path, PathOf("chart.svg")});
  EXPECT_EQ(chart.status, kExitOk) << chart.err;
  const std::vector<std::uint8_t> svg = ReadBytes(PathOf("chart.svg"));
  EXPECT_EQ(std::string(svg.begin(), svg.begin() + 5), "<?xml");
  EXPECT_EQ(RunCommand({"chart", path, PathOf("missing/chart.svg")}).status, kExitFileError);
}

}  // namespace
}  // namespace purso::tool
