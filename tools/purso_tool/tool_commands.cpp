#include "purso_tool/tool_commands.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>

#include <nlohmann/json.hpp>

#include "data/account_book.h"
#include "data/account_file.h"
#include "data/account_text.h"
#include "data/calendar.h"
#include "data/display_settings.h"
#include "data/record_table.h"
#include "data/year_ledger.h"

namespace purso::tool {
namespace {

namespace fs = std::filesystem;
// Ordered, so that the output reads in the order of the account's own layout.
using Json = nlohmann::ordered_json;

constexpr std::string_view kProgram = "purso-tool";

// A rejected command line: the message names what is wrong.
struct UsageError {
  std::string message;
};

struct Options {
  std::string file;
  bool force = false;
  std::optional<int> year;
  std::optional<CivilDate> today;
  bool help = false;
};

enum class OptionKind { kFlag, kValue };

struct OptionRule {
  std::string_view name;
  OptionKind kind;
};

void Fail(std::ostream& err, std::string_view message) { err << kProgram << ": " << message << '\n'; }

int UsageFailure(std::ostream& err, std::string_view message) {
  Fail(err, std::string(message) + "; see '" + std::string(kProgram) + " --help'");
  return kExitUsage;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int ToInt(std::string_view digits) {
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

int ParseYear(std::string_view text) {
  const bool inRange = AllDigits(text) && text.size() == 4 && CAccountBook::HoldsYear(ToInt(text));
  if (!inRange) {
    throw UsageError{"--year must be a year from " + std::to_string(CAccountBook::kFirstYear) + " to " +
                     std::to_string(CAccountBook::kLastYear) + ", not " + Quoted(text)};
  }
  return ToInt(text);
}

CivilDate ParseToday(std::string_view text) {
  const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-' && AllDigits(text.substr(0, 4)) &&
                      AllDigits(text.substr(5, 2)) && AllDigits(text.substr(8, 2));
  if (shaped) {
    const CivilDate date{ToInt(text.substr(0, 4)), ToInt(text.substr(5, 2)), ToInt(text.substr(8, 2))};
    if (date.year >= 1 && IsValidDate(date.year, date.month, date.day)) return date;
  }
  throw UsageError{"--today must be a calendar date written YYYY-MM-DD, not " + Quoted(text)};
}

// Reads the arguments after the command name. Throws UsageError.
Options ParseOptions(std::string_view command, const std::vector<std::string>& arguments,
                     std::initializer_list<OptionRule> allowed) {
  Options options;
  std::vector<std::string> positional;
  std::set<std::string, std::less<>> seen;
  bool optionsEnded = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument == "-" || argument.empty() || argument[0] != '-') {
      positional.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (argument == "-h" || argument == "--help") {
      options.help = true;
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const OptionRule* rule = nullptr;
    for (const OptionRule& candidate : allowed) {
      if (candidate.name == name) rule = &candidate;
    }
    if (rule == nullptr) throw UsageError{std::string(command) + " has no option " + Quoted(name)};
    if (!seen.insert(name).second) throw UsageError{name + " is given more than once"};

    std::string value;
    if (rule->kind == OptionKind::kFlag) {
      if (equals != std::string::npos) throw UsageError{name + " takes no value"};
    } else if (equals != std::string::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      throw UsageError{name + " needs a value"};
    }

    if (name == "--force") options.force = true;
    if (name == "--year") options.year = ParseYear(value);
    if (name == "--today") options.today = ParseToday(value);
  }
  if (options.help) return options;
  if (positional.empty()) throw UsageError{std::string(command) + " needs a FILE"};
  if (positional.size() > 1) throw UsageError{"unexpected argument " + Quoted(positional[1])};
  options.file = positional.front();
  return options;
}

// Describes why a file could not be written, from errno as the failed call left it.
std::string Reason(int error) { return error != 0 ? ": " + std::system_category().message(error) : ""; }

// What a refused file's content broke, for the line after the reading message.
std::string_view ContentFault(ReadFailure failure) {
  switch (failure) {
    case ReadFailure::kTruncated: return "the file ends early";
    case ReadFailure::kBadMagic: return "it does not begin as an account file does";
    case ReadFailure::kBadSettings: return "its display settings are damaged";
    case ReadFailure::kBadYearIndex: return "its current year is not one of its years";
    case ReadFailure::kBadLedgerCount: return "its number of years is out of range";
    case ReadFailure::kBadColumns: return "the columns of a table are damaged";
    case ReadFailure::kWrongSchema: return "a table has other columns than it must";
    case ReadFailure::kBadBlockRows: return "a table's rows per block is not its own";
    case ReadFailure::kCapacityTooLarge: return "a table's capacity does not fit 32 bits";
    case ReadFailure::kRowCountAboveCapacity: return "a table holds more rows than its capacity";
    case ReadFailure::kBadNextRowId: return "a table's next row id is the no-row marker";
    case ReadFailure::kBadRowIds: return "a table's row ids do not rise below its next row id";
    case ReadFailure::kTrailingBytes: return "there are bytes after its last year";
    default: return "";
  }
}

// Loads the account, or reports why not and gives the exit status.
std::optional<int> LoadForCommand(const std::string& path, CAccountBook& book, std::ostream& err) {
  const ReadFailure failure = LoadAccountFile(path, book);
  const std::string cannotRead = "cannot read " + Quoted(path) + ": ";
  switch (failure) {
    case ReadFailure::kNone: return std::nullopt;
    case ReadFailure::kNoSuchFile: Fail(err, cannotRead + "no such file"); break;
    case ReadFailure::kNoPermission: Fail(err, cannotRead + "permission denied"); break;
    case ReadFailure::kNotAFile: {
      std::error_code ignored;
      Fail(err, cannotRead + (fs::is_directory(path, ignored) ? "it is a folder, not a file" : "it is not a file"));
      break;
    }
    case ReadFailure::kReadError: Fail(err, cannotRead + "read error"); break;
    case ReadFailure::kOutOfMemory: Fail(err, cannotRead + "out of memory"); break;
    default:
      // The program's own message for a file that is no valid account, then
      // the check that refused it.
      err << kReadingProblem << '\n' << kReadingSuggestion << '\n';
      Fail(err, Quoted(path) + ": " + std::string(ContentFault(failure)));
      break;
  }
  return kExitFileError;
}

int RunNew(const Options& options, std::ostream& err) {
  std::error_code ignored;
  if (!options.force && fs::exists(fs::symlink_status(options.file, ignored))) {
    Fail(err, Quoted(options.file) + " already exists; use --force to replace it");
    return kExitFileError;
  }
  // A new account opens on today's year unless a year is given.
  CAccountBook book = options.year ? CAccountBook(*options.year) : CAccountBook();
  const SaveResult saved = SaveAccountFile(options.file, book);
  if (!saved.Succeeded()) {
    Fail(err, "cannot write " + Quoted(options.file) + Reason(saved.error));
    return kExitFileError;
  }
  return kExitOk;
}

int RunCheck(const Options& options, std::ostream& out, std::ostream& err) {
  CAccountBook book;
  if (const auto failure = LoadForCommand(options.file, book, err)) return *failure;
  out << options.file << ": ok\n";
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
  switch (CategoryTypeFromCode(code)) {
    case CategoryType::kFixEx: return "Fix Ex";
    case CategoryType::kFixIn: return "Fix In";
    case CategoryType::kVarEx: return "Var Ex";
    case CategoryType::kVarIn: return "Var In";
  }
  return nullptr;  // a code that no type has
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
  return Rows(table,
              [&](std::uint32_t i, Json& row) { row["name"] = AccountTextToUtf8(table.TextAt(i, name_column::kName)); });
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
  if (const auto failure = LoadForCommand(options.file, book, err)) return *failure;

  // The balance date depends on today; a fixed today makes the output repeatable.
  std::optional<CFixedClock> clock;
  std::optional<CScopedClock> scope;
  if (options.today) {
    clock.emplace(*options.today);
    scope.emplace(*clock);
  }

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
         "Works with account files (.pxf) of the Tolva Account Organizer.\n"
         "\n"
         "Commands:\n"
         "  new FILE [--year YYYY] [--force]\n"
         "                       write a new empty account to FILE, on today's year\n"
         "                       or the one given; an existing FILE is never\n"
         "                       replaced unless --force is given\n"
         "  check FILE           read FILE and tell whether it is a valid account\n"
         "  dump FILE [--year YYYY] [--today YYYY-MM-DD]\n"
         "                       print the account as JSON: its settings, its current\n"
         "                       year and every year that holds records or an opening\n"
         "                       balance, each with its records and figures\n"
         "\n"
         "Options:\n"
         "  --force              new: replace FILE if it exists\n"
         "  --year YYYY          new: the account's current year (1998 to 2099);\n"
         "                       dump: only that year, even if empty\n"
         "  --today YYYY-MM-DD   dump: take this date as today for the balance date\n"
         "  -h, --help           show this help\n"
         "\n"
         "Exit status: 0 success; 1 FILE cannot be read or written, is not a valid\n"
         "account, or exists already; 2 wrong usage.\n";
}

int RunTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.empty()) return UsageFailure(err, "no command given");
  const std::string& command = arguments.front();
  if (command == "-h" || command == "--help" || command == "help") {
    out << UsageText();
    return kExitOk;
  }
  try {
    Options options;
    if (command == "new") {
      options = ParseOptions(command, arguments, {{"--force", OptionKind::kFlag}, {"--year", OptionKind::kValue}});
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
