#include "purso_tool/tool_options.h"

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "data/account_file.h"
#include "data/account_save.h"
#include "data/save_journal.h"
#include "purso_tool/tool_commands.h"

namespace purso::tool {
namespace {

namespace fs = std::filesystem;

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int ToInt(std::string_view digits) {
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

int ParseYear(std::string_view text) {
  constexpr int kLastYear = CAccountBook::kLastYear;
  const bool inRange =
      AllDigits(text) && text.size() == 4 && ToInt(text) >= CAccountBook::kFirstYear && ToInt(text) <= kLastYear;
  if (!inRange) {
    throw UsageError{"--year must be a year from " + std::to_string(CAccountBook::kFirstYear) + " to " +
                     std::to_string(kLastYear) + ", not " + Quoted(text)};
  }
  return ToInt(text);
}

CivilDate ParseToday(std::string_view text) {
  const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-' && AllDigits(text.substr(0, 4)) &&
                      AllDigits(text.substr(5, 2)) && AllDigits(text.substr(8, 2));
  if (shaped) {
    const CivilDate date{ToInt(text.substr(0, 4)), ToInt(text.substr(5, 2)), ToInt(text.substr(8, 2))};
    if (date.year >= 1 && IsValidDate(date.year, date.month, date.day)) return date;
  }
  throw UsageError{"--today must be a calendar date written YYYY-MM-DD, not " + Quoted(text)};
}

}  // namespace

Options ParseOptions(std::string_view command, const std::vector<std::string>& arguments,
                     std::initializer_list<OptionRule> allowed, std::size_t fileCount, std::string_view fileNames) {
  Options options;
  bool optionsEnded = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument == "-" || argument.empty() || argument[0] != '-') {
      options.files.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (argument == "-h" || argument == "--help") {
      options.help = true;
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const OptionRule* rule = nullptr;
    for (const OptionRule& candidate : allowed) {
      if (candidate.name == name) rule = &candidate;
    }
    if (rule == nullptr) throw UsageError{std::string(command) + " has no option " + Quoted(name)};
    if (options.Has(name)) throw UsageError{name + " is given more than once"};

    std::string value;
    if (rule->kind == OptionKind::kFlag) {
      if (equals != std::string::npos) throw UsageError{name + " takes no value"};
    } else if (equals != std::string::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      throw UsageError{name + " needs a value"};
    }

    if (name == "--year") options.year = ParseYear(value);
    if (name == "--today") options.today = ParseToday(value);
    options.given.emplace(name, std::move(value));
  }
  if (options.help) return options;
  if (options.files.size() < fileCount) throw UsageError{std::string(command) + " needs " + std::string(fileNames)};
  if (options.files.size() > fileCount) throw UsageError{"unexpected argument " + Quoted(options.files[fileCount])};
  return options;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

void Fail(std::ostream& err, std::string_view message) { err << kProgram << ": " << message << '\n'; }

int UsageFailure(std::ostream& err, std::string_view message) {
  Fail(err, std::string(message) + "; see '" + std::string(kProgram) + " --help'");
  return kExitUsage;
}

std::string Reason(int error) { return error != 0 ? ": " + std::system_category().message(error) : ""; }

std::optional<int> LoadForCommand(const std::string& path, CAccountBook& book, std::ostream& err) {
  // Opened as the program opens an account: a save in place of it that was
  // killed part way is rolled back first; then streamed from the file into
  // the tables, never held whole in memory besides.
  const CFilePlace place = CFilePlace::Of(path);
  const RecoveryResult recovery = RecoverInterruptedSave(place);
  const std::string backup = Quoted(recovery.backup);
  switch (recovery.status) {
    case Recovery::kRolledBack:
      Fail(err, Quoted(path) + ": its last save was interrupted; it was put back as it was before, from " + backup);
      break;
    case Recovery::kNotRolledBack:
      Fail(err, Quoted(path) + ": its last save was interrupted, and it could not be put back from " + backup);
      break;
    case Recovery::kNone:
      break;
  }
  const ReadFailure failure = LoadAccountFile(place, book);
  const std::string cannotRead = "cannot read " + Quoted(path) + ": ";
  switch (failure) {
    case ReadFailure::kNone: return std::nullopt;
    case ReadFailure::kNotAFile: {
      std::error_code ignored;
      Fail(err, cannotRead + (fs::is_directory(path, ignored) ? "it is a folder, not a file" : "it is not a file"));
      break;
    }
    case ReadFailure::kNoSuchFile:
    case ReadFailure::kNoPermission:
    case ReadFailure::kReadError:
    case ReadFailure::kOutOfMemory: Fail(err, cannotRead + std::string(ReadFailureText(failure))); break;
    default:
      // The program's own message for a file that is no valid account, then
      // the check that refused it.
      err << kReadingProblem << '\n' << kReadingSuggestion << '\n';
      Fail(err, Quoted(path) + ": " + std::string(ReadFailureText(failure)));
      break;
  }
  return kExitFileError;
}

std::optional<int> SaveForCommand(const std::string& path, CAccountBook& book, std::ostream& err) {
  const SaveResult saved = SaveAccountFile(path, book);
  if (saved.Succeeded()) return std::nullopt;
  Fail(err, "cannot write " + Quoted(path) + Reason(saved.error));
  return kExitFileError;
}

std::optional<int> RefuseExistingFile(const Options& options, const std::string& path, std::ostream& err) {
  std::error_code ignored;
  if (options.Has("--force") || !fs::exists(fs::symlink_status(path, ignored))) return std::nullopt;
  Fail(err, Quoted(path) + " already exists; use --force to replace it");
  return kExitFileError;
}

}  // namespace purso::tool
