// Reading a bank statement file in any of the formats the program knows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "statement/csv_statement_reader.h"
#include "statement/qif_statement_reader.h"
#include "statement/statement.h"
#include "statement/statement_error.h"

namespace purso {

enum class StatementFormat { kOfx, kQif, kCsv };

struct StatementOptions {
  CsvMapping csv;
  QifOptions qif;
};

// The format a file's extension stands for: .ofx and .qfx, .qif, .csv
// (letter case ignored); nothing for any other.
std::optional<StatementFormat> FormatOfFileName(std::string_view path);

// "OFX", "QIF", "CSV".
std::string_view FormatName(StatementFormat format);

// Reads the statement at path. False, with statement untouched and error
// naming path, the line and the fault, when the file cannot be read or is
// not a statement of the format.
bool ReadStatementFile(const std::string& path, StatementFormat format, const StatementOptions& options,
                       Statement& statement, StatementError& error);

}  // namespace purso
