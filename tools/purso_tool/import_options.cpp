#include "purso_tool/import_options.h"

#include "statement/csv_column_guess.h"
#include "statement/csv_text.h"

namespace purso::tool {
namespace {

std::optional<char> Separator(const Options& options) {
  const std::string_view separator = options.Value("--separator").value_or("");
  if (separator == "tab") return '\t';
  if (separator.size() == 1 && separator != "\"") return separator.front();
  if (options.Has("--separator"))
    throw UsageError{"--separator must be one character or 'tab', not " + Quoted(separator)};
  return std::nullopt;
}

std::optional<StatementDateOrder> DateOrderOption(const Options& options) {
  const std::string_view order = options.Value("--date-order").value_or("");
  if (order == "ymd") return StatementDateOrder::kYearMonthDay;
  if (order == "dmy") return StatementDateOrder::kDayMonthYear;
  if (order == "mdy") return StatementDateOrder::kMonthDayYear;
  if (options.Has("--date-order")) throw UsageError{"--date-order must be ymd, dmy or mdy, not " + Quoted(order)};
  return std::nullopt;
}

std::optional<char> DecimalOption(const Options& options) {
  const std::string_view decimal = options.Value("--decimal").value_or("");
  if (decimal == "." || decimal == ",") return decimal.front();
  if (options.Has("--decimal")) throw UsageError{"--decimal must be '.' or ',', not " + Quoted(decimal)};
  return std::nullopt;
}

struct ColumnOption {
  std::string_view option;
  std::string CsvMapping::*column;
  bool money;
};
constexpr ColumnOption kColumns[] = {
    {"--date-column", &CsvMapping::date, false},          {"--amount-column", &CsvMapping::amount, true},
    {"--debit-column", &CsvMapping::debit, true},         {"--credit-column", &CsvMapping::credit, true},
    {"--direction-column", &CsvMapping::direction, true}, {"--payee-column", &CsvMapping::payee, false},
    {"--memo-column", &CsvMapping::memo, false},
};

CsvMapping CsvMappingFor(const Options& options, std::string_view text, const CDisplaySettings& settings) {
  const char separator = Separator(options).value_or(GuessCsvSeparator(text));
  CsvMapping mapping =
      GuessCsvMapping(SplitCsvRecords(text, separator, kGuessedCsvRecords), separator, CsvPreferencesOf(settings));
  bool moneyGiven = false;
  bool named = false;
  for (const ColumnOption& column : kColumns) {
    moneyGiven = moneyGiven || (column.money && options.Has(column.option));
  }
  for (const ColumnOption& column : kColumns) {
    if (column.money && moneyGiven) (mapping.*column.column).clear();
    if (!options.Has(column.option)) continue;
    const std::string_view value = options.Value(column.option).value_or("");
    mapping.*column.column = std::string(value);
    named = named || value.find_first_not_of("0123456789") != std::string_view::npos;
  }
  if (options.Has("--no-header")) {
    // The line the guess took for names is then the first transaction.
    if (mapping.header == CsvHeader::kFirstLine) ++mapping.firstRecord;
    mapping.header = CsvHeader::kNone;
  } else if (named && mapping.header == CsvHeader::kNone) {
    mapping.header = CsvHeader::kFirstLine;
    mapping.firstRecord = 0;
  }
  if (const std::optional<StatementDateOrder> order = DateOrderOption(options)) mapping.dateOrder = *order;
  if (const std::optional<char> decimal = DecimalOption(options)) mapping.decimalSymbol = *decimal;
  return mapping;
}

}  // namespace

StatementFormat ReadFormat(const Options& options, const std::string& statement) {
  const std::string_view format = options.Value("--format").value_or("");
  if (format == "ofx" || format == "qfx") return StatementFormat::kOfx;
  if (format == "qif") return StatementFormat::kQif;
  if (format == "csv") return StatementFormat::kCsv;
  if (options.Has("--format")) throw UsageError{"--format must be ofx, qif or csv, not " + Quoted(format)};
  if (const std::optional<StatementFormat> named = FormatOfFileName(statement)) return *named;
  throw UsageError{"cannot tell the format of " + Quoted(statement) + " from its name; give --format"};
}

void CheckStatementOptions(const Options& options) {
  Separator(options);
  DateOrderOption(options);
  DecimalOption(options);
}

StatementOptions StatementOptionsFor(const Options& options, StatementFormat format, std::string_view text,
                                     const CDisplaySettings& settings) {
  StatementOptions read;
  if (format == StatementFormat::kCsv) read.csv = CsvMappingFor(options, text, settings);
  read.qif.preferredOrder = settings.dateOrder;
  if (const std::optional<StatementDateOrder> order = DateOrderOption(options)) {
    read.qif.dateOrder = *order == StatementDateOrder::kDayMonthYear ? DateOrder::kDayFirst : DateOrder::kMonthFirst;
  }
  read.qif.decimalSymbol = DecimalOption(options).value_or('.');
  return read;
}

std::string ImportOptionsUsage() {
  return "  --apply              import: add the chosen lines and save the account\n"
         "  --format FORMAT      import: ofx, qif or csv (else told by the extension)\n"
         "  --account ID         import: the account of the statement to import, by\n"
         "                       its number or name (else the one with the most lines)\n"
         "  --expense-category NAME, --income-category NAME\n"
         "                       import: the category for lines money goes out or\n"
         "                       comes in by that have none proposed\n"
         "  --separator C        import: the CSV field separator, or 'tab' (else guessed)\n"
         "  --no-header          import: the CSV has no header row\n"
         "  --date-column COL    import: the CSV date column, by header or number\n"
         "  --amount-column COL  import: the amount column (signed, or with a direction)\n"
         "  --debit-column COL   import: money out, instead of one amount column\n"
         "  --credit-column COL  import: money in, instead of one amount column\n"
         "  --direction-column COL\n"
         "                       import: words saying money out or in (Af/Bij, D/C)\n"
         "  --payee-column COL   import: the payee or description column\n"
         "  --memo-column COL    import: a memo column\n"
         "                       (CSV columns not given are guessed from the file)\n"
         "  --date-order ORDER   import: ymd, dmy or mdy (else guessed); for QIF, the\n"
         "                       order of day and month in dates with '/' or '.'\n"
         "  --decimal C          import: the decimal symbol, '.' or ',' (else guessed)\n";
}

}  // namespace purso::tool
