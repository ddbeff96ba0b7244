// CpursoPXFDoc: reading and writing the account file, with its lock, its
// backup and the questions that keep another program's work from being lost.
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <string_view>

#include "app/file_name.h"
#include "app/purso_document.h"
#include "data/account_file.h"
#include "dialogs/message_dialogs.h"
#include "resources/frame_resources.h"

namespace purso {
namespace {

// The texts of the system's messages, with %1 for a file's name.
constexpr std::string_view kNoSuchFileProblem = "The file %1 does not exist.";
constexpr std::string_view kNoSuchFileSuggestion = "- check the name and the folder of the file\n- open another file";
constexpr std::string_view kNoPermissionProblem = "You may not read the file %1.";
constexpr std::string_view kNoPermissionSuggestion =
    "- ask the owner of the file for the right to read it\n- open another file";
constexpr std::string_view kNotAFileProblem = "%1 is not a file.";
constexpr std::string_view kNotAFileSuggestion = "- open a .PXF file";
constexpr std::string_view kHeldOpenQuestion =
    "The account %1 is open in another program%2.\nDo you want to open it anyway?";
constexpr std::string_view kHeldSaveQuestion =
    "The file %1 is open in another program%2.\nDo you want to replace it anyway?";
constexpr std::string_view kChangedOnDiskQuestion =
    "The file %1 has been changed by another program since it was opened.\nDo you want to replace it?";
constexpr std::string_view kReplaceQuestion = "The file %1 already exists.\nDo you want to replace it?";

std::string Filled(std::string_view text, std::string_view first, std::string_view second = {}) {
  std::string result(text);
  for (const auto& [mark, value] :
       {std::pair{std::string_view("%1"), first}, std::pair{std::string_view("%2"), second}}) {
    const auto at = result.find(mark);
    if (at != std::string::npos) result.replace(at, mark.size(), value);
  }
  return result;
}

// " (user on host, process pid)", or nothing known of a damaged lock file.
std::string HolderText(const LockHolder& holder) {
  if (holder.pid == 0) return {};
  return " (" + holder.user + " on " + holder.host + ", process " + std::to_string(holder.pid) + ")";
}

}  // namespace

bool CpursoPXFDoc::OnOpenDocument(const std::string& path) {
  // Stamped before reading: a change made while the file is read is seen
  // at the next save, never missed.
  const FileStamp stamp = FileStampOf(path);
  const std::string name = FileNameOf(path);
  switch (LoadAccountFile(path, book_)) {
    case ReadFailure::kNone:
      break;
    case ReadFailure::kNoSuchFile:
      ShowProblem(host_, Filled(kNoSuchFileProblem, name), kNoSuchFileSuggestion);
      return false;
    case ReadFailure::kNoPermission:
      ShowProblem(host_, Filled(kNoPermissionProblem, name), kNoPermissionSuggestion);
      return false;
    case ReadFailure::kNotAFile:
      ShowProblem(host_, Filled(kNotAFileProblem, name), kNotAFileSuggestion);
      return false;
    default:
      ShowProblem(host_, kReadingProblem, kReadingSuggestion);
      return false;
  }
  if (!LockFile(*lock_, path, kHeldOpenQuestion)) return false;
  RemoveSaveLeftovers(path);
  TakePath(path, stamp);
  history_.Clear(CUndoHistory::SavedState::kSaved);
  recalculate_ = true;
  OfferRecoveryOfThisAccount();
  return true;
}

std::optional<std::string> CpursoPXFDoc::SaveAsTarget(const std::string& typedPath) {
  std::string path = typedPath;
  const std::string name = FileNameOf(path);
  if (name.find('.') == std::string::npos) path += kDefaultExtension;
  struct stat info {};
  const bool exists = ::stat(path.c_str(), &info) == 0;
  const bool own = !pathName_.empty() && FileStampOf(path) == FileStampOf(pathName_);
  if (exists && !own && !AskConfirmation(host_, Filled(kReplaceQuestion, FileNameOf(path)))) return std::nullopt;
  return path;
}

bool CpursoPXFDoc::OnSaveDocument(const std::string& path) {
  const bool samePath = path == pathName_;
  const std::string name = FileNameOf(path);
  if (samePath && CompareWithDisk(path, stamp_) == DiskChange::kChanged &&
      !AskConfirmation(host_, Filled(kChangedOnDiskQuestion, name))) {
    return false;
  }
  // Save As to another file takes that file's lock first; this account's
  // own lock goes only once the save has succeeded.
  std::unique_ptr<CAccountLock> next;
  if (!samePath) {
    next = std::make_unique<CAccountLock>();
    if (!LockFile(*next, path, kHeldSaveQuestion)) return false;
  }
  const SaveResult saved = SaveAccountFile(path, book_);
  if (!saved.Succeeded()) {
    const SaveMessage message = SaveFailureMessage(saved.failure, name, FileNameOf(BackupPathOf(path)));
    ShowProblem(host_, message.problem, message.suggestion);
    return false;
  }
  if (saved.backup == BackupState::kFailed) {
    const SaveMessage notice = BackupNotKeptMessage(name, FileNameOf(BackupPathOf(path)));
    ShowProblem(host_, notice.problem, notice.suggestion);
  }
  if (next) lock_ = std::move(next);
  TakePath(path, saved.stamp);
  AfterSave(samePath);
  return true;
}

bool CpursoPXFDoc::LockFile(CAccountLock& lock, const std::string& path, std::string_view question) {
  const LockResult result = lock.TryAcquire(path);
  // A folder without room for a lock file does without; an account this
  // program holds open already (under another name) is its own business.
  if (result.status != LockStatus::kHeldByOther || result.holder.pid == ::getpid()) return true;
  if (!AskConfirmation(host_, Filled(question, FileNameOf(path), HolderText(result.holder)))) return false;
  lock.ForceAcquire(path);
  return true;
}

bool CpursoPXFDoc::LockAccount(const std::string& path) { return LockFile(*lock_, path, kHeldOpenQuestion); }

void CpursoPXFDoc::TakePath(const std::string& path, const FileStamp& stamp) {
  pathName_ = path;
  title_ = FileNameOf(path);
  stamp_ = stamp;
}

}  // namespace purso
