#include "platform/help_launcher.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "data/no_case.h"

namespace purso {
namespace {

constexpr std::string_view kProgramFileName = "purso";

bool HoldsPage(const std::string& folder, std::string_view page) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(std::filesystem::path(folder.empty() ? "." : folder) / page, ignored);
}

}  // namespace

void OpenHelpPage(IHost& host, std::string_view page) {
  const std::string program = host.ProgramPath();
  const std::size_t slash = program.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  if (!EqualNoCase(std::string_view(program).substr(nameStart), kProgramFileName)) return;

  // Everything up to and including the last slash; empty without a folder.
  std::string folder = program.substr(0, nameStart);
  if (!HoldsPage(folder, page)) {
    std::string installed =
        (std::filesystem::path(folder.empty() ? "." : folder) / kInstalledHelpFolder).lexically_normal().string();
    if (!installed.ends_with('/')) installed += '/';
    if (HoldsPage(installed, page)) folder = std::move(installed);
  }
  host.OpenDocument(folder + std::string(page), folder);
}

}  // namespace purso
