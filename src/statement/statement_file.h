// Reading a bank statement file in any of the formats the program knows:
// the one way the document, the dialogs and purso-tool read statements.
//
// A file is read once: LoadStatementFile gives its text as UTF-8
// (statement_text.h), from which ReadStatement reads the statement; the
// first records of a CSV text go to the column guess (csv_column_guess.h)
// and the Statement Columns dialog first.
//
// Hostile files are refused before they cost time or memory: only a
// regular file is read (opened without waiting, so that a pipe or a device
// under a statement's name never blocks, and checked once open), none
// larger than kMaxStatementBytes, and no statement of more than
// kMaxStatementLines transactions (statement.h). A reader's memory is a few
// bytes per byte of the file. The readers report their progress to, and
// stop when the user cancels through, the options' progress.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/task_progress.h"
#include "statement/csv_statement_reader.h"
#include "statement/qif_statement_reader.h"
#include "statement/statement.h"
#include "statement/statement_error.h"

namespace purso {

enum class StatementFormat { kOfx, kQif, kCsv };

// The largest statement file that is read: a busy household's twenty years
// of transactions take a few megabytes.
inline constexpr std::uint64_t kMaxStatementBytes = 32u << 20;

struct StatementOptions {
  CsvMapping csv;
  QifOptions qif;
  CTaskProgress* progress = nullptr;  // reports the reading and may cancel it; none to read at once
};

// The format a file's extension stands for: .ofx and .qfx, .qif, .csv
// (letter case ignored); nothing for any other.
std::optional<StatementFormat> FormatOfFileName(std::string_view path);

// "OFX", "QIF", "CSV".
std::string_view FormatName(StatementFormat format);

// The text of the statement file at path, as UTF-8. False, with error
// naming path, when it cannot be opened or read, is no regular file or is
// larger than kMaxStatementBytes.
bool LoadStatementFile(const std::string& path, std::string& text, StatementError& error);

// Reads the statement from a file's text; error.file is left as it is.
// False, with statement untouched, when it is not a statement of the format,
// holds more than kMaxStatementLines transactions, or the user cancelled
// (kCancelled).
bool ReadStatement(std::string_view text, StatementFormat format, const StatementOptions& options, Statement& statement,
                   StatementError& error);

// Both at once. False, with statement untouched and error naming path, the
// line and the fault, when the file cannot be read or is not a statement of
// the format.
bool ReadStatementFile(const std::string& path, StatementFormat format, const StatementOptions& options,
                       Statement& statement, StatementError& error);

}  // namespace purso
