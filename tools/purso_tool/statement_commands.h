// purso-tool's statement commands:
//
//   purso-tool import ACCOUNT STATEMENT [--apply] [--format ofx|qif|csv] [--today YYYY-MM-DD]
//              [--account ID] [--expense-category NAME] [--income-category NAME]
//              [--separator C] [--no-header] [--date-column COL] [--amount-column COL]
//              [--debit-column COL] [--credit-column COL] [--direction-column COL]
//              [--payee-column COL] [--memo-column COL] [--date-order ymd|dmy|mdy] [--decimal .|,]
//   purso-tool export ACCOUNT [--year YYYY]
//
// import prints, as JSON, what importing the statement into the account
// would do, line by line (import_options.h says how it is read); with
// --apply it also writes the chosen lines into the account, under the
// account's lock, as the program would, and refuses while the program holds
// it. With no line chosen the account file is not touched. export prints a
// year's transactions and predactions as CSV.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace purso::tool {

// True for the commands this module runs.
bool IsStatementCommand(const std::string& command);

// Runs import or export with the arguments from the command name on; gives
// the exit status of tool_commands.h.
int RunStatementCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The lines --help gives for the two commands (their options: import_options.h).
std::string StatementCommandsUsage();

}  // namespace purso::tool
