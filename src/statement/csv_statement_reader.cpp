#include "statement/csv_statement_reader.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "data/no_case.h"
#include "statement/csv_text.h"
#include "statement/statement_text.h"

namespace purso {
namespace {

constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

struct Columns {
  std::size_t date = kNoColumn;
  std::size_t amount = kNoColumn;
  std::size_t debit = kNoColumn;
  std::size_t credit = kNoColumn;
  std::size_t payee = kNoColumn;
  std::size_t memo = kNoColumn;
};

bool Fail(StatementError& error, std::uint32_t line, StatementErrorKind kind, std::string detail) {
  error.line = line;
  error.kind = kind;
  error.detail = std::move(detail);
  return false;
}

// The position of a named column; kNoColumn for an empty name, nothing when
// the name is not a column of the file.
std::optional<std::size_t> FindColumn(const std::string& name, const CsvRecord* header) {
  if (name.empty()) return kNoColumn;
  if (name.find_first_not_of("0123456789") == std::string::npos) {
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

}  // namespace

bool ReadCsvStatement(std::string_view bytes, const CsvMapping& mapping, Statement& statement, StatementError& error) {
  const std::string text = StatementTextToUtf8(bytes);
  const char separator = mapping.separator != 0 ? mapping.separator : GuessCsvSeparator(text);
  std::vector<CsvRecord> records = SplitCsvRecords(text, separator);

  const bool hasHeader = mapping.header == CsvHeader::kFirstLine && !records.empty();
  const CsvRecord* header = hasHeader ? &records.front() : nullptr;
  const std::uint32_t headerLine = hasHeader ? records.front().line : 1;
  const bool splitAmount = !mapping.debit.empty() || !mapping.credit.empty();

  Columns columns;
  struct Wanted {
    const std::string& name;
    std::string_view label;  // shown when a required column has no name
    std::size_t& column;
    bool required;
  };
  std::vector<Wanted> wanted = {{mapping.date, "Date", columns.date, true}};
  if (splitAmount) {
    wanted.push_back({mapping.debit, "Debit", columns.debit, false});
    wanted.push_back({mapping.credit, "Credit", columns.credit, false});
  } else {
    wanted.push_back({mapping.amount, "Amount", columns.amount, true});
  }
  wanted.push_back({mapping.payee, "Description", columns.payee, false});
  wanted.push_back({mapping.memo, "Memo", columns.memo, false});
  for (const Wanted& w : wanted) {
    const std::optional<std::size_t> column = FindColumn(w.name, header);
    if (!column || (w.required && *column == kNoColumn)) {
      return Fail(error, headerLine, StatementErrorKind::kMissingColumn,
                  w.name.empty() ? std::string(w.label) : w.name);
    }
    w.column = *column;
  }

  Statement read;
  for (std::size_t i = hasHeader ? 1 : 0; i < records.size(); ++i) {
    const CsvRecord& record = records[i];
    StatementLine line;
    line.line = record.line;
    const std::string_view date = Field(record, columns.date);
    if (!ParseStatementDate(date, mapping.dateOrder, line.date)) {
      return Fail(error, record.line, StatementErrorKind::kBadDate, std::string(date));
    }
    if (splitAmount) {
      const std::string_view debit = Field(record, columns.debit);
      const std::string_view credit = Field(record, columns.credit);
      double out = 0.0;
      double in = 0.0;
      for (const auto& [side, magnitude] : {std::pair{debit, &out}, std::pair{credit, &in}}) {
        if (!ReadSide(side, mapping.decimalSymbol, *magnitude)) {
          return Fail(error, record.line, StatementErrorKind::kBadAmount, std::string(side));
        }
        if (!(*magnitude <= kMaxStatementAmount)) {
          return Fail(error, record.line, StatementErrorKind::kAmountTooBig, std::string(side));
        }
      }
      if (debit.empty() && credit.empty()) return Fail(error, record.line, StatementErrorKind::kNoAmount, {});
      line.amount = in - out;
    } else {
      const std::string_view amount = Field(record, columns.amount);
      if (!ParseStatementAmount(amount, mapping.decimalSymbol, line.amount)) {
        return Fail(error, record.line, StatementErrorKind::kBadAmount, std::string(amount));
      }
      if (!(std::fabs(line.amount) <= kMaxStatementAmount)) {
        return Fail(error, record.line, StatementErrorKind::kAmountTooBig, std::string(amount));
      }
    }
    line.payee = std::string(Field(record, columns.payee));
    line.memo = std::string(Field(record, columns.memo));
    read.lines.push_back(std::move(line));
  }
  statement = std::move(read);
  return true;
}

}  // namespace purso
