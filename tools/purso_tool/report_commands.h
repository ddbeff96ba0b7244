// purso-tool's commands that show a year as the program does:
//
//   purso-tool chart ACCOUNT [--year YYYY] [--today YYYY-MM-DD] OUT.svg
//   purso-tool report ACCOUNT [--year YYYY] [--today YYYY-MM-DD] [--format json|csv|html]
//
// chart writes the year's cash flow chart with its key figures as an SVG
// drawing, the picture File > Export Chart... writes: the program's own
// account view draws it. report prints the year's Budget Report, the
// figures of the program's Budget Report dialog, as JSON (the default), CSV
// or HTML. The balance date depends on today, which --today fixes.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace purso::tool {

// True for the commands this module runs.
bool IsReportCommand(const std::string& command);

// Runs chart or report with the arguments from the command name on; gives
// the exit status of tool_commands.h.
int RunReportCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The lines --help gives for the two commands.
std::string ReportCommandsUsage();

}  // namespace purso::tool
