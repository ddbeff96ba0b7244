#include "statement/csv_statement_reader.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "data/no_case.h"
#include "resources/translatable.h"
#include "statement/csv_text.h"
#include "statement/read_progress.h"

namespace purso {
namespace {

constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);
// How far below the first record the header row is looked for.
constexpr std::size_t kHeaderSearchRecords = 50;

constexpr std::string_view kOutWords[] = {"af", "d", "debit", "debet", "dr", "db", "s", "soll", "-"};
constexpr std::string_view kInWords[] = {"bij", "c", "credit", "cr", "h", "haben", "+"};

struct Columns {
  std::size_t date = kNoColumn;
  std::size_t amount = kNoColumn;
  std::size_t debit = kNoColumn;
  std::size_t credit = kNoColumn;
  std::size_t direction = kNoColumn;
  std::size_t payee = kNoColumn;
  std::size_t memo = kNoColumn;
};

bool IsNumber(const std::string& name) {
  return !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
}

// The position of a named column; kNoColumn for an empty name, nothing when
// the name is not a column of the file.
std::optional<std::size_t> FindColumn(const std::string& name, const CsvRecord* header) {
  if (name.empty()) return kNoColumn;
  if (IsNumber(name)) {
    if (name.size() > 4 || std::stoi(name) == 0) return std::nullopt;
    const auto index = static_cast<std::size_t>(std::stoi(name) - 1);
    if (header != nullptr && index >= header->fields.size()) return std::nullopt;
    return index;
  }
  if (header == nullptr) return std::nullopt;
  for (std::size_t i = 0; i < header->fields.size(); ++i) {
    if (EqualNoCase(TrimBlanks(header->fields[i]), TrimBlanks(name))) return i;
  }
  return std::nullopt;
}

std::string_view Field(const CsvRecord& record, std::size_t column) {
  if (column == kNoColumn || column >= record.fields.size()) return {};
  return TrimBlanks(record.fields[column]);
}

// The magnitude of a debit or credit field; 0 for an empty one.
bool ReadSide(std::string_view text, char decimalSymbol, double& magnitude) {
  magnitude = 0.0;
  if (text.empty()) return true;
  if (!ParseStatementAmount(text, decimalSymbol, magnitude)) return false;
  magnitude = std::fabs(magnitude);
  return true;
}

struct Wanted {
  const std::string& name;
  std::string_view label;  // shown when a required column has no name ("Date", "Amount")
  std::size_t& column;
  bool required;
};

std::vector<Wanted> WantedColumns(const CsvMapping& mapping, Columns& columns) {
  const bool split = !mapping.debit.empty() || !mapping.credit.empty();
  std::vector<Wanted> wanted = {{mapping.date, PURSO_TEXT("StatementError", "Date"), columns.date, true}};
  if (split) {
    wanted.push_back({mapping.debit, "Debit", columns.debit, false});
    wanted.push_back({mapping.credit, "Credit", columns.credit, false});
  } else {
    wanted.push_back({mapping.amount, PURSO_TEXT("StatementError", "Amount"), columns.amount, true});
    wanted.push_back({mapping.direction, "Direction", columns.direction, false});
  }
  wanted.push_back({mapping.payee, "Description", columns.payee, false});
  wanted.push_back({mapping.memo, "Memo", columns.memo, false});
  return wanted;
}

// The first column of wanted that header lacks; nothing when it has them all.
std::optional<std::string> Missing(const std::vector<Wanted>& wanted, const CsvRecord* header) {
  for (const Wanted& w : wanted) {
    const std::optional<std::size_t> column = FindColumn(w.name, header);
    if (!column || (w.required && *column == kNoColumn)) return w.name.empty() ? std::string(w.label) : w.name;
  }
  return std::nullopt;
}

class CCsvLineReader {
 public:
  CCsvLineReader(const CsvMapping& mapping, const Columns& columns, StatementError& error)
      : mapping_(mapping), columns_(columns), error_(error) {}

  // Reads one transaction line; false when it refuses the file.
  bool Read(const CsvRecord& record, StatementLine& line) {
    line.line = record.line;
    const std::string_view date = Field(record, columns_.date);
    if (!ParseStatementDate(date, mapping_.dateOrder, line.date)) {
      return Refuse(error_, record.line, StatementErrorKind::kBadDate, date);
    }
    if (columns_.amount == kNoColumn) {
      if (!ReadSplit(record, line)) return false;
    } else {
      const std::string_view amount = Field(record, columns_.amount);
      if (!ParseStatementAmount(amount, mapping_.decimalSymbol, line.amount)) {
        return Refuse(error_, record.line, StatementErrorKind::kBadAmount, amount);
      }
      if (!(std::fabs(line.amount) <= kMaxStatementAmount)) {
        return Refuse(error_, record.line, StatementErrorKind::kAmountTooBig, amount);
      }
      if (columns_.direction != kNoColumn) {
        const std::string_view word = Field(record, columns_.direction);
        const std::optional<MoneyDirection> direction = DirectionOfWord(word);
        if (!direction) return Refuse(error_, record.line, StatementErrorKind::kBadDirection, word);
        line.amount = *direction == MoneyDirection::kOut ? -std::fabs(line.amount) : std::fabs(line.amount);
      }
    }
    line.payee = std::string(Field(record, columns_.payee));
    line.memo = std::string(Field(record, columns_.memo));
    return true;
  }

 private:
  bool ReadSplit(const CsvRecord& record, StatementLine& line) {
    const std::string_view debit = Field(record, columns_.debit);
    const std::string_view credit = Field(record, columns_.credit);
    double out = 0.0;
    double in = 0.0;
    for (const auto& [side, magnitude] : {std::pair{debit, &out}, std::pair{credit, &in}}) {
      if (!ReadSide(side, mapping_.decimalSymbol, *magnitude)) {
        return Refuse(error_, record.line, StatementErrorKind::kBadAmount, side);
      }
      if (!(*magnitude <= kMaxStatementAmount)) {
        return Refuse(error_, record.line, StatementErrorKind::kAmountTooBig, side);
      }
    }
    if (debit.empty() && credit.empty()) return Refuse(error_, record.line, StatementErrorKind::kNoAmount);
    line.amount = in - out;
    return true;
  }

  const CsvMapping& mapping_;
  const Columns& columns_;
  StatementError& error_;
};

}  // namespace

std::optional<MoneyDirection> DirectionOfWord(std::string_view word) {
  word = TrimBlanks(word);
  for (const std::string_view out : kOutWords) {
    if (EqualNoCase(word, out)) return MoneyDirection::kOut;
  }
  for (const std::string_view in : kInWords) {
    if (EqualNoCase(word, in)) return MoneyDirection::kIn;
  }
  return std::nullopt;
}

bool ReadCsvStatement(std::string_view text, const CsvMapping& mapping, Statement& statement, StatementError& error,
                      CTaskProgress* progress) {
  CCsvCursor cursor(text, mapping.separator != 0 ? mapping.separator : GuessCsvSeparator(text));
  CsvRecord record;
  for (std::size_t skipped = 0; skipped < mapping.firstRecord && cursor.Next(record); ++skipped) {
  }
  // The records the header is looked for in; the ones after it are the
  // first transactions.
  std::vector<CsvRecord> first;
  Columns columns;
  const std::vector<Wanted> wanted = WantedColumns(mapping, columns);
  const bool byNumbers =
      std::all_of(wanted.begin(), wanted.end(), [](const Wanted& w) { return w.name.empty() || IsNumber(w.name); });
  const bool named = mapping.header == CsvHeader::kFirstLine;
  const std::size_t searched = named ? (byNumbers ? 1 : kHeaderSearchRecords) : 0;
  while (first.size() < searched && cursor.Next(record)) first.push_back(std::move(record));
  std::size_t headerAt = 0;
  const CsvRecord* header = nullptr;
  if (named && !first.empty()) {
    // The header is the first record that holds every column named by its
    // text; failing that, the one that holds the most says what is missing.
    std::size_t mostFound = 0;
    for (std::size_t at = 0; at < first.size(); ++at) {
      const std::size_t found =
          static_cast<std::size_t>(std::count_if(wanted.begin(), wanted.end(), [&](const Wanted& w) {
            return !w.name.empty() && FindColumn(w.name, &first[at]);
          }));
      if (found > mostFound) mostFound = found, headerAt = at;
      if (!Missing(wanted, &first[at])) {
        headerAt = at;
        break;
      }
    }
    header = &first[headerAt];
  }
  if (const std::optional<std::string> missing = Missing(wanted, header)) {
    return Refuse(error, header != nullptr ? header->line : 1, StatementErrorKind::kMissingColumn, *missing);
  }
  for (const Wanted& w : wanted) w.column = *FindColumn(w.name, header);

  Statement read;
  read.accounts.push_back(StatementAccount{});
  CCsvLineReader reader(mapping, columns, error);
  std::size_t next = header != nullptr ? headerAt + 1 : 0;
  for (std::size_t count = 1;; ++count) {
    if (next < first.size()) {
      record = std::move(first[next++]);
    } else if (!cursor.Next(record)) {
      break;
    }
    if (!GoOnReading(progress, count, cursor.Position(), text.size())) {
      return Refuse(error, record.line, StatementErrorKind::kCancelled);
    }
    if (Field(record, columns.date).empty()) {
      // A line of empty fields is no line at all.
      const bool blank = std::all_of(record.fields.begin(), record.fields.end(),
                                     [](const std::string& field) { return TrimBlanks(field).empty(); });
      if (!blank) read.undated.push_back(record.line);
      continue;
    }
    if (read.lines.size() == kMaxStatementLines) {
      return Refuse(error, record.line, StatementErrorKind::kTooManyLines, std::to_string(kMaxStatementLines));
    }
    if (!reader.Read(record, read.lines.emplace_back())) return false;
  }
  statement = std::move(read);
  return true;
}

}  // namespace purso
