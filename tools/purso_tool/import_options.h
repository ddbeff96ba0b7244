// How purso-tool import reads a statement: the format, and the options of
// the statement readers, guessed as the program's dialogs guess them and
// overridden by the command line.
//
// For CSV the columns, separator, date order and decimal symbol are guessed
// from the file (statement/csv_column_guess.h), the account's own date
// order and decimal symbol preferred; each option given replaces its part
// of the guess. A column named by its header text makes the file one with
// a header row; giving any of the money columns (--amount-column,
// --debit-column, --credit-column, --direction-column) drops all the
// guessed ones. For QIF, --date-order decides the order of day and month
// over the file's own "!Option" and the guess.
#pragma once

#include <string>
#include <string_view>

#include "data/display_settings.h"
#include "purso_tool/tool_options.h"
#include "statement/statement_file.h"

namespace purso::tool {

// The format of the statement: --format, else its extension. Throws UsageError.
StatementFormat ReadFormat(const Options& options, const std::string& statement);

// Checks the statement options of the command line. Throws UsageError.
void CheckStatementOptions(const Options& options);

// The reader options for the statement's text, read in format, imported
// into an account with these settings.
StatementOptions StatementOptionsFor(const Options& options, StatementFormat format, std::string_view text,
                                     const CDisplaySettings& settings);

// The lines --help gives for the options.
std::string ImportOptionsUsage();

}  // namespace purso::tool
