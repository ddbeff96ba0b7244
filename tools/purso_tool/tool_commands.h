// The commands of purso-tool, the command-line companion for account files.
//
//   purso-tool new FILE [--year YYYY] [--locale NAME] [--force]
//   purso-tool check FILE
//   purso-tool dump FILE [--year YYYY] [--today YYYY-MM-DD]
//   purso-tool import ACCOUNT STATEMENT [--apply] [...]   (statement_commands.h)
//   purso-tool export ACCOUNT [--year YYYY]
//   purso-tool chart ACCOUNT OUT.svg [--year YYYY] [--today YYYY-MM-DD]    (report_commands.h)
//   purso-tool report ACCOUNT [--year YYYY] [--today YYYY-MM-DD] [--format json|csv|html]
//   purso-tool --help
//   purso-tool --version
//
// RunTool is the whole program apart from the process: it takes the
// arguments after the program name, writes normal output to out and every
// message to err, and returns the exit status. It touches no global state
// except the process-wide clock, which --today replaces only for the
// duration of the call.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace purso::tool {

// The program's version, as the build names it.
inline constexpr const char* kVersion = PURSO_VERSION;

enum ExitStatus : int {
  kExitOk = 0,
  // The file cannot be read or written, is not a valid account or statement,
  // or would be overwritten without --force.
  kExitFileError = 1,
  // Unknown command or option, missing or extra argument, bad value.
  kExitUsage = 2,
};

int RunTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The text printed by --help.
std::string UsageText();

}  // namespace purso::tool
