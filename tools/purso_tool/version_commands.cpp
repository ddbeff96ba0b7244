#include "purso_tool/version_commands.h"

#include <sys/stat.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>

#include "data/account_file.h"
#include "data/account_lock.h"
#include "data/kept_versions.h"
#include "data/private_store.h"
#include "purso_tool/tool_commands.h"
#include "purso_tool/tool_options.h"

namespace purso::tool {
namespace {

using Json = nlohmann::ordered_json;

Json VersionJson(const VersionSummary& summary) {
  Json json;
  json["version"] = summary.version.id;
  json["saved"] = LocalTimeText(summary.version.savedAt, TimeDetail::kSeconds);
  json["size"] = summary.version.size;
  if (summary.failure != ReadFailure::kNone) {
    json["damaged"] = true;
    json["reason"] = std::string(ReadFailureText(summary.failure));
    return json;
  }
  json["damaged"] = false;
  json["year"] = summary.year;
  json["transactions"] = summary.transactions;
  json["balance"] = summary.balance;
  return json;
}

int RunVersions(const Options& options, std::ostream& out) {
  const std::string& account = options.files.front();
  Json versions = Json::array();
  for (const KeptVersion& version : CKeptVersions(DefaultPrivateRoot(), account).List()) {
    versions.push_back(VersionJson(Summarize(version)));
  }
  Json json;
  json["account"] = RealPathOf(account);
  json["versions"] = std::move(versions);
  out << json.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
  return kExitOk;
}

// Whether two paths name one file: the same real path, or the same device
// and inode (a hard link).
bool SameFile(const std::string& a, const std::string& b) {
  if (RealPathOf(a) == RealPathOf(b)) return true;
  struct stat first {};
  struct stat second {};
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

int RunRestore(const Options& options, std::ostream& err) {
  const std::string& account = options.files[0];
  const std::string& id = options.files[1];
  const std::string& target = options.files[2];
  const std::optional<KeptVersion> version = CKeptVersions(DefaultPrivateRoot(), account).Find(id);
  if (!version) {
    Fail(err, "no version " + Quoted(id) + " of " + Quoted(account) + " is kept; see 'purso-tool versions'");
    return kExitFileError;
  }
  if (!options.Has("--force") && SameFile(target, account)) {
    Fail(err, Quoted(target) + " is the account itself; use --force to replace it with the version");
    return kExitFileError;
  }
  if (const auto refused = RefuseExistingFile(options, target, err)) return *refused;
  auto book = std::make_unique<CAccountBook>();
  if (const auto failure = LoadForCommand(version->path, *book, err)) return *failure;
  // Written as the program saves an account: under its lock, keeping a backup.
  CAccountLock lock;
  const LockResult locked = lock.TryAcquire(target);
  if (locked.status == LockStatus::kHeldByOther) {
    Fail(err, Quoted(target) + " is open in another program (process " + std::to_string(locked.holder.pid) + ")");
    return kExitFileError;
  }
  return SaveForCommand(target, *book, err).value_or(kExitOk);
}

}  // namespace

bool IsVersionCommand(const std::string& command) { return command == "versions" || command == "restore"; }

int RunVersionCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const std::string& command = arguments.front();
  try {
    const bool restore = command == "restore";
    const Options options = restore ? ParseOptions(command, arguments, {{"--force", OptionKind::kFlag}}, 3,
                                                   "an ACCOUNT, a VERSION and an OUT file")
                                    : ParseOptions(command, arguments, {}, 1, "an ACCOUNT");
    if (options.help) {
      out << UsageText();
      return kExitOk;
    }
    return restore ? RunRestore(options, err) : RunVersions(options, out);
  } catch (const UsageError& error) {
    return UsageFailure(err, error.message);
  }
}

std::string VersionCommandsUsage() {
  return "  versions ACCOUNT     print as JSON the earlier versions the program keeps of\n"
         "                       the account, newest first: when each was saved, its\n"
         "                       size, its year's transactions and actual balance, or\n"
         "                       why it is damaged\n"
         "  restore ACCOUNT VERSION OUT [--force]\n"
         "                       write that version of the account to OUT; an existing\n"
         "                       OUT, or the account itself, only with --force (the\n"
         "                       account then keeps its backup, as a save does)\n";
}

}  // namespace purso::tool
