#include "platform/help_launcher.h"

#include <string>

#include "data/no_case.h"

namespace purso {
namespace {

constexpr std::string_view kProgramFileName = "purso";

}  // namespace

void OpenHelpPage(IHost& host, std::string_view page) {
  const std::string program = host.ProgramPath();
  const std::size_t slash = program.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  if (!EqualNoCase(std::string_view(program).substr(nameStart), kProgramFileName)) return;

  // Everything up to and including the last slash; empty without a folder.
  const std::string folder = program.substr(0, nameStart);
  host.OpenDocument(folder + std::string(page), folder);
}

}  // namespace purso
