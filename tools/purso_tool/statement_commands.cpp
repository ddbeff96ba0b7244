#include "purso_tool/statement_commands.h"

#include <cerrno>
#include <cstdio>
#include <optional>
#include <unordered_map>

#include <nlohmann/json.hpp>

#include "data/account_file.h"
#include "data/account_text.h"
#include "purso_tool/tool_commands.h"
#include "purso_tool/tool_options.h"
#include "statement/import_apply.h"
#include "statement/import_proposal.h"
#include "statement/ledger_categories.h"
#include "statement/statement_file.h"
#include "statement/year_csv_export.h"

namespace purso::tool {
namespace {

using Json = nlohmann::ordered_json;

std::string IsoDate(const CivilDate& date) {
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

std::string IsoDate(int year, double monthDay) {
  const int n = monthDay >= 0.0 && monthDay < 10000.0 ? static_cast<int>(monthDay) : 0;
  return IsoDate(CivilDate{year, n / 100, n % 100});
}

std::string TypeLabel(CategoryType type) { return std::string(CategoryTypeText(type)); }

std::string_view Value(const Options& options, std::string_view name) {
  const auto found = options.given.find(name);
  return found == options.given.end() ? std::string_view() : std::string_view(found->second);
}

// The statement options of the command line. Throws UsageError.
StatementOptions ReadStatementOptions(const Options& options) {
  StatementOptions read;
  CsvMapping& csv = read.csv;
  const std::string_view separator = Value(options, "--separator");
  if (separator == "tab") {
    csv.separator = '\t';
  } else if (separator.size() == 1 && separator != "\"") {
    csv.separator = separator.front();
  } else if (options.Has("--separator")) {
    throw UsageError{"--separator must be one character or 'tab', not " + Quoted(separator)};
  }
  if (options.Has("--no-header")) csv.header = CsvHeader::kNone;
  const struct {
    std::string_view option;
    std::string& column;
  } kColumns[] = {{"--date-column", csv.date},     {"--amount-column", csv.amount}, {"--debit-column", csv.debit},
                  {"--credit-column", csv.credit}, {"--payee-column", csv.payee},   {"--memo-column", csv.memo}};
  for (const auto& column : kColumns) {
    if (options.Has(column.option)) column.column = std::string(Value(options, column.option));
  }
  const std::string_view order = Value(options, "--date-order");
  if (order == "dmy") {
    csv.dateOrder = StatementDateOrder::kDayMonthYear;
    read.qif.slashDates = DateOrder::kDayFirst;
  } else if (order == "mdy") {
    csv.dateOrder = StatementDateOrder::kMonthDayYear;
  } else if (options.Has("--date-order") && order != "ymd") {
    throw UsageError{"--date-order must be ymd, dmy or mdy, not " + Quoted(order)};
  }
  const std::string_view decimal = Value(options, "--decimal");
  if (decimal == "." || decimal == ",") {
    csv.decimalSymbol = read.qif.decimalSymbol = decimal.front();
  } else if (options.Has("--decimal")) {
    throw UsageError{"--decimal must be '.' or ',', not " + Quoted(decimal)};
  }
  return read;
}

StatementFormat ReadFormat(const Options& options, const std::string& statement) {
  const std::string_view format = Value(options, "--format");
  if (format == "ofx" || format == "qfx") return StatementFormat::kOfx;
  if (format == "qif") return StatementFormat::kQif;
  if (format == "csv") return StatementFormat::kCsv;
  if (options.Has("--format")) throw UsageError{"--format must be ofx, qif or csv, not " + Quoted(format)};
  if (const std::optional<StatementFormat> named = FormatOfFileName(statement)) return *named;
  throw UsageError{"cannot tell the format of " + Quoted(statement) + " from its name; give --format"};
}

// Proposed lines as JSON, with the names and dates they refer to.
class CProposalJson {
 public:
  explicit CProposalJson(const CImportProposal& proposal) : proposal_(proposal) {}

  Json Line(const ProposedLine& line) {
    const CYearLedger& ledger = proposal_.Book().Ledger(line.year - CAccountBook::kFirstYear);
    Json json;
    json["line"] = line.source.line;
    json["date"] = IsoDate(line.source.date);
    json["amount"] = line.amount;
    json["direction"] = line.direction == MoneyDirection::kIn ? "in" : "out";
    json["payee"] = line.source.payee;
    json["memo"] = line.source.memo;
    json["description"] = AccountTextToUtf8(line.description);
    json["category"] = nullptr;
    if (line.category) {
      const CategoryFacts* category = Categories(line.year).Find(*line.category);
      json["category"] = {
          {"id", *line.category}, {"name", AccountTextToUtf8(category->name)}, {"type", TypeLabel(category->type)}};
    }
    json["predaction"] = nullptr;
    if (line.predaction == PredactionProposal::kNew) json["predaction"] = {{"proposal", "new"}};
    if (line.predaction == PredactionProposal::kExisting) {
      const std::uint32_t row = PredactionRows(line.year).at(line.predactionId);
      json["predaction"] = {{"proposal", "existing"},
                            {"id", line.predactionId},
                            {"date", IsoDate(line.year, ledger.Predactions().NumberAt(row, predaction_column::kDate))},
                            {"amount", ledger.Predactions().NumberAt(row, predaction_column::kAmount)}};
    }
    json["duplicate"] = line.duplicate;
    json["chosen"] = line.chosen;
    return json;
  }

 private:
  const CLedgerCategories& Categories(int year) {
    auto found = categories_.find(year);
    if (found == categories_.end()) {
      found = categories_.try_emplace(year, proposal_.Book().Ledger(year - CAccountBook::kFirstYear)).first;
    }
    return found->second;
  }

  const std::unordered_map<std::uint32_t, std::uint32_t>& PredactionRows(int year) {
    auto [rows, made] = predactionRows_.try_emplace(year);
    if (made) {
      const CRecordTable& table = proposal_.Book().Ledger(year - CAccountBook::kFirstYear).Predactions();
      for (std::uint32_t i = 0; i < table.GetRowCount(); ++i) rows->second.emplace(table.RowIdAt(i), i);
    }
    return rows->second;
  }

  const CImportProposal& proposal_;
  std::unordered_map<int, CLedgerCategories> categories_;
  std::unordered_map<int, std::unordered_map<std::uint32_t, std::uint32_t>> predactionRows_;
};

int RunImport(const Options& options, std::ostream& out, std::ostream& err) {
  const std::string& accountPath = options.files[0];
  const std::string& statementPath = options.files[1];
  const StatementOptions statementOptions = ReadStatementOptions(options);
  const StatementFormat format = ReadFormat(options, statementPath);
  CAccountBook book;
  if (const auto failure = LoadForCommand(accountPath, book, err)) return *failure;
  Statement statement;
  StatementError error;
  if (!ReadStatementFile(statementPath, format, statementOptions, statement, error)) {
    const NameProblem problem = StatementProblem(error);
    err << problem.problem << '\n' << problem.suggestion << '\n';
    return kExitFileError;
  }

  // An empty line's description holds today's date.
  std::optional<CFixedClock> clock;
  std::optional<CScopedClock> scope;
  if (options.today) {
    clock.emplace(*options.today);
    scope.emplace(*clock);
  }
  Json json;
  json["statement"] = statementPath;
  json["format"] = FormatName(format);
  {
    const CImportProposal proposal(book, statement);
    CProposalJson lines(proposal);
    json["lines"] = Json::array();
    for (const ProposedLine& line : proposal.Lines()) json["lines"].push_back(lines.Line(line));
    Json outside = Json::array();
    for (const StatementLine& line : proposal.OutsideYears()) {
      outside.push_back({{"line", line.line},
                         {"date", IsoDate(line.date)},
                         {"amount", line.amount},
                         {"payee", line.payee},
                         {"memo", line.memo}});
    }
    json["outsideYears"] = {{"count", outside.size()}, {"lines", std::move(outside)}};
    json["chosen"] = proposal.ChosenCount();
    json["applied"] = nullptr;

    if (options.Has("--apply")) {
      const ImportResult result = ApplyImport(book, proposal);
      if (result.status != ImportStatus::kApplied) {
        Fail(err,
             result.status == ImportStatus::kTableFull ? "Out of memory." : "the proposal does not fit the account");
        return kExitFileError;
      }
      errno = 0;
      if (!StoreAccountFile(accountPath, book)) {
        Fail(err, "cannot write " + Quoted(accountPath) + Reason(errno));
        return kExitFileError;
      }
      json["applied"] = {{"transactions", result.transactions},
                         {"matched", result.matched},
                         {"newPredactions", result.newPredactions}};
    }
  }
  out << json.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
  return kExitOk;
}

int RunExport(const Options& options, std::ostream& out, std::ostream& err) {
  CAccountBook book;
  if (const auto failure = LoadForCommand(options.files[0], book, err)) return *failure;
  const int year = options.year.value_or(book.GetYear());
  out << YearToCsv(book.Ledger(year - CAccountBook::kFirstYear), book.Settings());
  return kExitOk;
}

}  // namespace

bool IsStatementCommand(const std::string& command) { return command == "import" || command == "export"; }

int RunStatementCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const std::string& command = arguments.front();
  try {
    Options options;
    if (command == "import") {
      options = ParseOptions(command, arguments,
                             {{"--apply", OptionKind::kFlag},
                              {"--format", OptionKind::kValue},
                              {"--today", OptionKind::kValue},
                              {"--separator", OptionKind::kValue},
                              {"--no-header", OptionKind::kFlag},
                              {"--date-column", OptionKind::kValue},
                              {"--amount-column", OptionKind::kValue},
                              {"--debit-column", OptionKind::kValue},
                              {"--credit-column", OptionKind::kValue},
                              {"--payee-column", OptionKind::kValue},
                              {"--memo-column", OptionKind::kValue},
                              {"--date-order", OptionKind::kValue},
                              {"--decimal", OptionKind::kValue}},
                             2, "an ACCOUNT and a STATEMENT");
    } else {
      options = ParseOptions(command, arguments, {{"--year", OptionKind::kValue}}, 1, "an ACCOUNT");
    }
    if (options.help) {
      out << UsageText();
      return kExitOk;
    }
    return command == "import" ? RunImport(options, out, err) : RunExport(options, out, err);
  } catch (const UsageError& error) {
    return UsageFailure(err, error.message);
  }
}

std::string StatementCommandsUsage() {
  return "  import ACCOUNT STATEMENT [--apply] [--format ofx|qif|csv] [CSV options]\n"
         "                       print as JSON what importing the bank statement (OFX,\n"
         "                       QFX, QIF or CSV) would add to the account: each line\n"
         "                       with its date, amount, description, learned category,\n"
         "                       predaction and whether it is there already; --apply\n"
         "                       also adds the chosen lines and saves the account\n"
         "  export ACCOUNT [--year YYYY]\n"
         "                       print a year's transactions and predactions as CSV\n";
}

std::string StatementOptionsUsage() {
  return "  --apply              import: add the chosen lines and save the account\n"
         "  --format FORMAT      import: ofx, qif or csv (else told by the extension)\n"
         "  --separator C        import: the CSV field separator, or 'tab' (else guessed)\n"
         "  --no-header          import: the CSV has no header row\n"
         "  --date-column COL    import: the CSV date column, by header or number (Date)\n"
         "  --amount-column COL  import: the signed amount column (Amount)\n"
         "  --debit-column COL   import: money out, instead of one amount column\n"
         "  --credit-column COL  import: money in, instead of one amount column\n"
         "  --payee-column COL   import: the payee or description column (Description)\n"
         "  --memo-column COL    import: a memo column\n"
         "  --date-order ORDER   import: ymd (the default), dmy or mdy; for QIF, dmy\n"
         "                       reads dates with slashes day first\n"
         "  --decimal C          import: the decimal symbol, '.' (default) or ','\n";
}

}  // namespace purso::tool
