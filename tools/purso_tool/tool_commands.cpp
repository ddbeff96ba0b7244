#include "purso_tool/tool_commands.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <functional>
#include <optional>
#include <string_view>

#include <nlohmann/json.hpp>

#include "data/account_book.h"
#include "data/account_file.h"
#include "data/account_text.h"
#include "data/calendar.h"
#include "data/display_settings.h"
#include "data/locale_settings.h"
#include "data/record_table.h"
#include "data/year_ledger.h"
#include "purso_tool/import_options.h"
#include "purso_tool/report_commands.h"
#include "purso_tool/statement_commands.h"
#include "purso_tool/tool_locale.h"
#include "purso_tool/tool_options.h"
#include "purso_tool/version_commands.h"

namespace purso::tool {
namespace {

// Ordered, so that the output reads in the order of the account's own layout.
using Json = nlohmann::ordered_json;

// The settings of the locale named by --locale; none without it, so that a
// new account keeps the program's first defaults. Throws UsageError for a
// locale that is not installed.
std::optional<CDisplaySettings> LocaleSettings(const Options& options) {
  const std::optional<std::string_view> locale = options.Value("--locale");
  if (!locale) return std::nullopt;
  const std::optional<LocaleSamples> samples = InstalledLocaleSamples(std::string(*locale));
  if (!samples) {
    throw UsageError{"--locale: no locale " + Quoted(*locale) + " is installed; 'locale -a' lists those that are"};
  }
  return DisplaySettingsFor(*samples);
}

int RunNew(const Options& options, std::ostream& err) {
  const std::optional<CDisplaySettings> settings = LocaleSettings(options);
  if (const auto refused = RefuseExistingFile(options, options.files.front(), err)) return *refused;
  // A new account opens on today's year unless a year is given.
  CAccountBook book = options.year ? CAccountBook(*options.year) : CAccountBook();
  if (settings) book.Settings() = *settings;
  return SaveForCommand(options.files.front(), book, err).value_or(kExitOk);
}

int RunCheck(const Options& options, std::ostream& out, std::ostream& err) {
  CAccountBook book;
  if (const auto failure = LoadForCommand(options.files.front(), book, err)) return *failure;
  out << options.files.front() << ": ok\n";
  return kExitOk;
}

// A month-day number as a whole number when it is one, as stored otherwise.
Json MonthDayJson(double value) {
  if (value >= 0.0 && value <= 1.0e6 && std::floor(value) == value) return static_cast<std::int64_t>(value);
  return value;
}

// Row ids and type codes are read by truncation, as every reader of the
// account reads them.
Json IdJson(double value) { return RowIdFromNumber(value); }

Json TypeLabel(double code) {
  const std::string_view text = CategoryTypeText(CategoryTypeFromCode(code));
  return text.empty() ? Json(nullptr) : Json(std::string(text));  // null for a code that no type has
}

Json Rows(const CRecordTable& table, const std::function<void(std::uint32_t, Json&)>& columns) {
  Json rows = Json::array();
  for (std::uint32_t i = 0; i < table.GetRowCount(); ++i) {
    Json row;
    row["rowId"] = table.RowIdAt(i);
    columns(i, row);
    rows.push_back(std::move(row));
  }
  return rows;
}

Json NameRows(const CRecordTable& table) {
  return Rows(
      table, [&](std::uint32_t i, Json& row) { row["name"] = AccountTextToUtf8(table.TextAt(i, name_column::kName)); });
}

Json SettingsJson(const CDisplaySettings& settings) {
  Json json;
  json["dateOrder"] = settings.dateOrder == DateOrder::kDayFirst ? "day first" : "month first";
  json["dateSeparator"] = AccountTextToUtf8(std::string(1, settings.dateSeparator));
  json["decimalSymbol"] = std::string(1, settings.DecimalChar());
  json["symbolPosition"] = settings.symbolPosition == SymbolPosition::kAfter ? "after" : "before";
  json["space"] = settings.space;
  json["decimals"] = settings.decimals;
  json["currencySymbol"] = AccountTextToUtf8(settings.currencySymbol);
  return json;
}

Json FiguresJson(CYearLedger& ledger) {
  CYearLedger::BalanceArray predicted{};
  CYearLedger::BalanceArray actual{};
  const double balanceDate = ledger.BalanceDate();
  const double predictedAtYearEnd = ledger.PredictedBalances(predicted);
  const double actualAtBalanceDate = ledger.ActualBalances(actual);
  Json json;
  json["netBudget"] = ledger.NetBudget();
  json["balanceDate"] = MonthDayJson(balanceDate);
  json["transactionBalance"] = ledger.TransactionBalance();
  json["predictedBalanceAtBalanceDate"] = predicted[ledger.DayIndex(balanceDate)];
  json["predictedBalanceAtDecember31"] = predictedAtYearEnd;
  json["actualBalanceAtBalanceDate"] = actualAtBalanceDate;
  return json;
}

Json LedgerJson(CYearLedger& ledger) {
  const CRecordTable& categories = ledger.Categories();
  const CRecordTable& predactions = ledger.Predactions();
  const CRecordTable& transactions = ledger.Transactions();
  Json json;
  json["year"] = ledger.GetYear();
  json["openingBalance"] = ledger.GetOpeningBalance();
  json["objects"] = NameRows(ledger.Objects());
  json["functionalAreas"] = NameRows(ledger.FunctionalAreas());
  json["categories"] = Rows(categories, [&](std::uint32_t i, Json& row) {
    namespace column = category_column;
    row["name"] = AccountTextToUtf8(categories.TextAt(i, column::kName));
    row["object"] = IdJson(categories.NumberAt(i, column::kObject));
    row["functionalArea"] = IdJson(categories.NumberAt(i, column::kFunctionalArea));
    row["type"] = TypeLabel(categories.NumberAt(i, column::kType));
    row["typeCode"] = IdJson(categories.NumberAt(i, column::kType));
    row["budget"] = categories.NumberAt(i, column::kBudget);
  });
  json["predactions"] = Rows(predactions, [&](std::uint32_t i, Json& row) {
    namespace column = predaction_column;
    row["category"] = IdJson(predactions.NumberAt(i, column::kCategory));
    row["date"] = MonthDayJson(predactions.NumberAt(i, column::kDate));
    row["amount"] = predactions.NumberAt(i, column::kAmount);
  });
  json["transactions"] = Rows(transactions, [&](std::uint32_t i, Json& row) {
    namespace column = transaction_column;
    const std::uint32_t match = RowIdFromNumber(transactions.NumberAt(i, column::kMatch));
    row["date"] = MonthDayJson(transactions.NumberAt(i, column::kDate));
    row["category"] = IdJson(transactions.NumberAt(i, column::kCategory));
    row["amount"] = transactions.NumberAt(i, column::kAmount);
    row["description"] = AccountTextToUtf8(transactions.TextAt(i, column::kDescription));
    row["match"] = match == kNoMatch ? Json(nullptr) : Json(match);
  });
  json["figures"] = FiguresJson(ledger);
  return json;
}

bool HoldsAnything(const CYearLedger& ledger) {
  return ledger.GetOpeningBalance() != 0.0 || ledger.Categories().GetRowCount() != 0 ||
         ledger.FunctionalAreas().GetRowCount() != 0 || ledger.Objects().GetRowCount() != 0 ||
         ledger.Predactions().GetRowCount() != 0 || ledger.Transactions().GetRowCount() != 0;
}

int RunDump(const Options& options, std::ostream& out, std::ostream& err) {
  CAccountBook book;
  if (const auto failure = LoadForCommand(options.files.front(), book, err)) return *failure;

  // The balance date depends on today; a fixed today makes the output repeatable.
  const CTodayOption today(options);

  Json json;
  json["settings"] = SettingsJson(book.Settings());
  json["currentYear"] = book.GetYear();
  Json years = Json::array();
  for (int i = 0; i < CAccountBook::kYearCount; ++i) {
    CYearLedger& ledger = book.Ledger(i);
    const bool wanted = options.year ? ledger.GetYear() == *options.year : HoldsAnything(ledger);
    if (wanted) years.push_back(LedgerJson(ledger));
  }
  json["years"] = std::move(years);
  // Every text went through AccountTextToUtf8, so the output is UTF-8.
  out << json.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
  return kExitOk;
}

}  // namespace

std::string UsageText() {
  return "Usage: purso-tool COMMAND FILE [OPTIONS]\n"
         "       purso-tool --help | --version\n"
         "Works with account files (.pxf) of the Tolva Account Organizer.\n"
         "\n"
         "Commands:\n"
         "  new FILE [--year YYYY] [--locale NAME] [--force]\n"
         "                       write a new empty account to FILE, on today's year\n"
         "                       or the one given; an existing FILE is never\n"
         "                       replaced unless --force is given\n"
         "  check FILE           read FILE and tell whether it is a valid account\n"
         "  dump FILE [--year YYYY] [--today YYYY-MM-DD]\n"
         "                       print the account as JSON: its settings, its current\n"
         "                       year and every year that holds records or an opening\n"
         "                       balance, each with its records and figures\n" +
         StatementCommandsUsage() + ReportCommandsUsage() + VersionCommandsUsage() +
         "\n"
         "Options:\n"
         "  --force              new: replace FILE if it exists; restore: replace OUT\n"
         "  --year YYYY          new: the account's current year; dump: only that year,\n"
         "                       even if empty; export, chart, report: that year, else\n"
         "                       the account's"
         " current year (" +
         std::to_string(CAccountBook::kFirstYear) + " to " + std::to_string(CAccountBook::kLastYear) +
         ")\n"
         "  --locale NAME        new: write dates and amounts as the installed locale\n"
         "                       NAME does (de_DE: 31.12. and 1.234,50 €); without\n"
         "                       it, as in the United States (12/31 and $1,234.50)\n"
         "  --today YYYY-MM-DD   dump, chart, report: take this date as today for the\n"
         "                       balance date; import: for the description of lines\n"
         "                       with no text\n" +
         ImportOptionsUsage() +
         "  -h, --help           show this help\n"
         "  --version            show the version\n"
         "\n"
         "Exit status: 0 success; 1 FILE cannot be read or written, is not a valid\n"
         "account or statement, or exists already; 2 wrong usage.\n";
}

int RunTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.empty()) return UsageFailure(err, "no command given");
  const std::string& command = arguments.front();
  if (command == "-h" || command == "--help" || command == "help") {
    out << UsageText();
    return kExitOk;
  }
  if (command == "--version") {
    out << kProgram << " (Tolva Account Organizer) " << kVersion << '\n';
    return kExitOk;
  }
  if (IsStatementCommand(command)) return RunStatementCommand(arguments, out, err);
  if (IsReportCommand(command)) return RunReportCommand(arguments, out, err);
  if (IsVersionCommand(command)) return RunVersionCommand(arguments, out, err);
  try {
    Options options;
    if (command == "new") {
      options = ParseOptions(command, arguments,
                             {{"--force", OptionKind::kFlag},
                              {"--year", OptionKind::kValue},
                              {"--locale", OptionKind::kValue}});
    } else if (command == "check") {
      options = ParseOptions(command, arguments, {});
    } else if (command == "dump") {
      options = ParseOptions(command, arguments, {{"--year", OptionKind::kValue}, {"--today", OptionKind::kValue}});
    } else if (!command.empty() && command[0] == '-') {
      return UsageFailure(err, "unknown option " + Quoted(command));
    } else {
      return UsageFailure(err, "unknown command " + Quoted(command));
    }
    if (options.help) {
      out << UsageText();
      return kExitOk;
    }
    if (command == "new") return RunNew(options, err);
    if (command == "check") return RunCheck(options, out, err);
    return RunDump(options, out, err);
  } catch (const UsageError& error) {
    return UsageFailure(err, error.message);
  }
}

}  // namespace purso::tool
