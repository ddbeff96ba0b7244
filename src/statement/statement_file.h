// Reading a bank statement file in any of the formats the program knows:
// the one way the document, the dialogs and purso-tool read statements.
//
// A file is read once: LoadStatementFile gives its text as UTF-8
// (statement_text.h), from which ReadStatement reads the statement; a CSV
// text may first be split into records for the column guess
// (csv_column_guess.h) and the Statement Columns dialog, and read from them
// (csv_statement_reader.h).
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

// The text of the statement file at path, as UTF-8. False, with error
// naming path, when it cannot be read.
bool LoadStatementFile(const std::string& path, std::string& text, StatementError& error);

// Reads the statement from a file's text; error.file is left as it is.
// False, with statement untouched, when it is not a statement of the format.
bool ReadStatement(std::string_view text, StatementFormat format, const StatementOptions& options, Statement& statement,
                   StatementError& error);

// Both at once. False, with statement untouched and error naming path, the
// line and the fault, when the file cannot be read or is not a statement of
// the format.
bool ReadStatementFile(const std::string& path, StatementFormat format, const StatementOptions& options,
                       Statement& statement, StatementError& error);

}  // namespace purso
