// purso-tool's commands on the versions the program keeps of an account:
//
//   purso-tool versions ACCOUNT
//   purso-tool restore ACCOUNT VERSION OUT [--force]
//
// versions prints the kept versions of the account as JSON, newest first,
// each with when it was saved, its size, its current year with that year's
// number of transactions and actual balance, or why it is damaged. restore
// writes one version (named as versions lists it) to OUT. An existing OUT
// is replaced only with --force; the account itself is OUT only with
// --force, and then the account's own save rules apply: its lock, its
// backup and the atomic replace. The versions are looked for in the private
// place of the program (data/private_store.h), as the program keeps them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace purso::tool {

bool IsVersionCommand(const std::string& command);

// Runs versions or restore with the arguments from the command name on;
// gives the exit status of tool_commands.h.
int RunVersionCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The lines --help gives for the two commands.
std::string VersionCommandsUsage();

}  // namespace purso::tool
