// The command line of purso-tool: reading a command's options and files,
// and the messages every command writes to the error stream.
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "data/account_book.h"
#include "data/calendar.h"

namespace purso::tool {

inline constexpr std::string_view kProgram = "purso-tool";

// A rejected command line: the message names what is wrong.
struct UsageError {
  std::string message;
};

enum class OptionKind { kFlag, kValue };

struct OptionRule {
  std::string_view name;
  OptionKind kind;
};

struct Options {
  std::vector<std::string> files;  // the positional arguments, in order
  bool help = false;
  std::optional<int> year;         // --year, checked to be an account year
  std::optional<CivilDate> today;  // --today, checked to be a date
  // Every option given, by name: flags with an empty value.
  std::map<std::string, std::string, std::less<>> given;

  bool Has(std::string_view name) const { return given.contains(name); }
  // The value given to an option; none when it was not given.
  std::optional<std::string_view> Value(std::string_view name) const {
    const auto found = given.find(name);
    return found == given.end() ? std::nullopt : std::optional<std::string_view>(found->second);
  }
};

// The clock --today fixes, in force while this lives; the system's clock
// without --today.
class CTodayOption {
 public:
  explicit CTodayOption(const Options& options) {
    if (!options.today) return;
    clock_.emplace(*options.today);
    scope_.emplace(*clock_);
  }

 private:
  std::optional<CFixedClock> clock_;
  std::optional<CScopedClock> scope_;
};

// Reads the arguments after the command name (arguments[0]): the options the
// command allows and exactly as many files as it names in fileNames (for its
// messages: "a FILE", "an ACCOUNT and a STATEMENT"). Throws UsageError.
Options ParseOptions(std::string_view command, const std::vector<std::string>& arguments,
                     std::initializer_list<OptionRule> allowed, std::size_t fileCount = 1,
                     std::string_view fileNames = "a FILE");

std::string Quoted(std::string_view text);

// "purso-tool: message" on a line of its own.
void Fail(std::ostream& err, std::string_view message);
// The same with the pointer to --help; gives kExitUsage.
int UsageFailure(std::ostream& err, std::string_view message);

// Why a file could not be read or written, from errno as the failed call left it.
std::string Reason(int error);

// Loads the account, or reports why not and gives the exit status.
std::optional<int> LoadForCommand(const std::string& path, CAccountBook& book, std::ostream& err);
// Saves the account as the program does, or reports why not and gives the
// exit status.
std::optional<int> SaveForCommand(const std::string& path, CAccountBook& book, std::ostream& err);
// Refuses, giving the exit status, to write over a file that exists (a
// link counts) unless --force is given.
std::optional<int> RefuseExistingFile(const Options& options, const std::string& path, std::ostream& err);

}  // namespace purso::tool
