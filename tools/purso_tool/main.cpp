// purso-tool: creates, checks and dumps account files from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "purso_tool/tool_commands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const int status = purso::tool::RunTool(arguments, std::cout, std::cerr);
  std::cout.flush();
  // Output that cannot be written (a full disk, a closed pipe) is a failure too.
  if (!std::cout) return status == purso::tool::kExitOk ? purso::tool::kExitFileError : status;
  return status;
}
