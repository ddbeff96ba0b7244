#include "purso_tool/statement_commands.h"

#include <cerrno>
#include <new>
#include <optional>
#include <tuple>

#include "data/account_file.h"
#include "data/account_lock.h"
#include "data/account_save.h"
#include "data/account_text.h"
#include "purso_tool/import_options.h"
#include "purso_tool/proposal_json.h"
#include "purso_tool/tool_commands.h"
#include "purso_tool/tool_options.h"
#include "statement/import_apply.h"
#include "statement/import_proposal.h"
#include "statement/statement_file.h"
#include "statement/year_csv_export.h"

namespace purso::tool {
namespace {

// " (user on host, process 123)", or nothing for a lock that names no one.
std::string HolderText(const LockHolder& holder) {
  if (holder.pid == 0) return "";
  return " (" + holder.user + " on " + holder.host + ", process " + std::to_string(holder.pid) + ")";
}

// Takes the account's lock as the program does; the exit status when the
// program holds the account open. A folder that takes no lock file goes on
// without one, as the program does.
std::optional<int> LockForImport(CAccountLock& lock, const std::string& path, std::ostream& err) {
  const LockResult result = lock.TryAcquire(path);
  if (result.status != LockStatus::kHeldByOther) return std::nullopt;
  Fail(err,
       Quoted(path) + " is open in the program" + HolderText(result.holder) + "; close it there, then import again");
  return kExitFileError;
}

// The index of the statement's account --account names, else the one with
// the most lines. Throws UsageError for an account the statement lacks.
std::uint32_t ChosenAccount(const Options& options, const Statement& statement) {
  const std::optional<std::string_view> given = options.Value("--account");
  if (!given) return statement.BusiestAccount();
  std::string known;
  for (std::size_t i = 0; i < statement.accounts.size(); ++i) {
    if (statement.accounts[i].id == *given) return static_cast<std::uint32_t>(i);
    known += (i == 0 ? "" : ", ") + Quoted(statement.accounts[i].id);
  }
  throw UsageError{"the statement has no account " + Quoted(*given) +
                   (known.empty() ? std::string() : "; its accounts are " + known)};
}

// Gives the lines without a category the one --expense-category or
// --income-category names for their direction, and chooses them unless
// they are duplicates or of 0.00. The fault, when a year of such a line
// has no such category taking its money.
std::optional<std::string> ChooseInBulk(CImportProposal& proposal, const Options& options) {
  for (const auto& [option, direction, word] : {std::tuple{"--expense-category", MoneyDirection::kOut, "expense"},
                                                std::tuple{"--income-category", MoneyDirection::kIn, "income"}}) {
    const std::optional<std::string_view> given = options.Value(option);
    if (!given) continue;
    const std::string name = Utf8ToAccountText(*given);
    for (std::size_t i = 0; i < proposal.Lines().size(); ++i) {
      const ProposedLine& line = proposal.Lines()[i];
      if (line.kind != LineKind::kTransaction || line.category || line.direction != direction) continue;
      const std::optional<std::uint32_t> category = proposal.CategoryNamed(i, name);
      if (!category) {
        return "the account has no " + std::string(word) + " category " + Quoted(*given) + " in " +
               std::to_string(line.year);
      }
      proposal.SetCategory(i, category);
      proposal.ChooseIfReady(i);
    }
  }
  return std::nullopt;
}

// Adds the chosen lines and saves the account; nothing when nothing is chosen.
int Apply(CAccountBook& book, const CImportProposal& proposal, const std::string& accountPath, Json& json,
          std::ostream& err) {
  if (proposal.ChosenCount() == 0) {
    Fail(err, "no line is chosen; " + Quoted(accountPath) + " is left as it was");
    return kExitOk;
  }
  const ImportResult result = ApplyImport(book, proposal);
  if (result.status != ImportStatus::kApplied) {
    Fail(err, result.status == ImportStatus::kTableFull ? "Out of memory." : "the proposal does not fit the account");
    return kExitFileError;
  }
  errno = 0;
  if (!StoreAccountFile(accountPath, book)) {
    Fail(err, "cannot write " + Quoted(accountPath) + Reason(errno));
    return kExitFileError;
  }
  json["applied"] = {{"transactions", result.transactions},
                     {"matched", result.matched},
                     {"newPredactions", result.newPredactions},
                     {"openingBalance", result.openingBalance}};
  return kExitOk;
}

int RunImport(const Options& options, std::ostream& out, std::ostream& err) {
  const std::string& accountPath = options.files[0];
  const std::string& statementPath = options.files[1];
  CheckStatementOptions(options);
  const StatementFormat format = ReadFormat(options, statementPath);
  CAccountLock lock;
  if (options.Has("--apply")) {
    if (const std::optional<int> failure = LockForImport(lock, accountPath, err)) return *failure;
  }
  CAccountBook book;
  if (const auto failure = LoadForCommand(accountPath, book, err)) return *failure;
  Statement statement;
  {
    std::string text;
    StatementError error;
    if (!LoadStatementFile(statementPath, text, error) ||
        !ReadStatement(text, format, StatementOptionsFor(options, format, text, book.Settings()), statement, error)) {
      const NameProblem problem = StatementProblem(error);
      err << problem.problem << '\n' << problem.suggestion << '\n';
      return kExitFileError;
    }
  }
  const std::uint32_t account = ChosenAccount(options, statement);

  // An empty line's description holds today's date.
  const CTodayOption today(options);
  Json json;
  json["statement"] = statementPath;
  json["format"] = FormatName(format);
  {
    CImportProposal proposal(book, statement, account);
    if (const std::optional<std::string> fault = ChooseInBulk(proposal, options)) {
      Fail(err, *fault);
      return kExitFileError;
    }
    json.update(ProposalJson(proposal, statement));
    json["applied"] = nullptr;
    if (options.Has("--apply")) {
      const int status = Apply(book, proposal, accountPath, json, err);
      if (status != kExitOk) return status;
    }
  }
  out << json.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
  return kExitOk;
}

int RunExport(const Options& options, std::ostream& out, std::ostream& err) {
  CAccountBook book;
  if (const auto failure = LoadForCommand(options.files[0], book, err)) return *failure;
  const int year = options.year.value_or(book.GetYear());
  out << YearToCsv(book.Ledger(year - CAccountBook::kFirstYear), book.Settings());
  return kExitOk;
}

}  // namespace

bool IsStatementCommand(const std::string& command) { return command == "import" || command == "export"; }

int RunStatementCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const std::string& command = arguments.front();
  try {
    Options options;
    if (command == "import") {
      options = ParseOptions(command, arguments,
                             {{"--apply", OptionKind::kFlag},
                              {"--format", OptionKind::kValue},
                              {"--account", OptionKind::kValue},
                              {"--expense-category", OptionKind::kValue},
                              {"--income-category", OptionKind::kValue},
                              {"--direction-column", OptionKind::kValue},
                              {"--today", OptionKind::kValue},
                              {"--separator", OptionKind::kValue},
                              {"--no-header", OptionKind::kFlag},
                              {"--date-column", OptionKind::kValue},
                              {"--amount-column", OptionKind::kValue},
                              {"--debit-column", OptionKind::kValue},
                              {"--credit-column", OptionKind::kValue},
                              {"--payee-column", OptionKind::kValue},
                              {"--memo-column", OptionKind::kValue},
                              {"--date-order", OptionKind::kValue},
                              {"--decimal", OptionKind::kValue}},
                             2, "an ACCOUNT and a STATEMENT");
    } else {
      options = ParseOptions(command, arguments, {{"--year", OptionKind::kValue}}, 1, "an ACCOUNT");
    }
    if (options.help) {
      out << UsageText();
      return kExitOk;
    }
    return command == "import" ? RunImport(options, out, err) : RunExport(options, out, err);
  } catch (const UsageError& error) {
    return UsageFailure(err, error.message);
  } catch (const std::bad_alloc&) {
    // Nothing is written before the last step, so nothing has changed.
    Fail(err, "Unable to complete operation (out of memory).");
    return kExitFileError;
  }
}

std::string StatementCommandsUsage() {
  return "  import ACCOUNT STATEMENT [--apply] [--format ofx|qif|csv] [options]\n"
         "                       print as JSON what importing the bank statement (OFX,\n"
         "                       QFX, QIF or CSV) would add to the account: each line\n"
         "                       with its date, amount, description, proposed category,\n"
         "                       predaction and whether it is there already; --apply\n"
         "                       also adds the chosen lines and saves the account\n"
         "  export ACCOUNT [--year YYYY]\n"
         "                       print a year's transactions and predactions as CSV\n";
}

}  // namespace purso::tool
