// CpursoPXFDoc: reading and writing the account file, with its lock, its
// backup and the questions that keep another program's work from being lost.
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <string_view>

#include "app/document_text.h"
#include "app/file_name.h"
#include "app/purso_document.h"
#include "data/account_file.h"
#include "data/account_text.h"
#include "data/save_journal.h"
#include "data/translation.h"
#include "dialogs/message_dialogs.h"
#include "resources/frame_resources.h"
#include "resources/translatable.h"

namespace purso {
namespace {

// The texts of the system's messages, with %1 for a file's name.
constexpr std::string_view kNoSuchFileProblem = PURSO_TEXT("Document", "The file %1 does not exist.");
constexpr std::string_view kNoSuchFileSuggestion =
    PURSO_TEXT("Document", "- check the name and the folder of the file\n- open another file");
constexpr std::string_view kNoPermissionProblem = PURSO_TEXT("Document", "You may not read the file %1.");
constexpr std::string_view kNoPermissionSuggestion =
    PURSO_TEXT("Document", "- ask the owner of the file for the right to read it\n- open another file");
constexpr std::string_view kNotAFileProblem = PURSO_TEXT("Document", "%1 is not a file.");
constexpr std::string_view kNotAFileSuggestion = PURSO_TEXT("Document", "- open a .PXF file");
constexpr std::string_view kOpenBackupQuestion = PURSO_TEXT(
    "Document",
    "The file %1 cannot be read: it is damaged or it is no account file.\nIts backup %2 can be read. Do you want to "
    "open the backup in its place? Saving it then replaces the damaged file.");
constexpr std::string_view kRolledBackProblem = PURSO_TEXT(
    "Document",
    "The last save of %1 was interrupted.\nThe account is as it was before that save, put back from its backup %2.");
constexpr std::string_view kRolledBackSuggestion =
    PURSO_TEXT("Document", "- check the changes made just before that save, and make again those that are missing");
constexpr std::string_view kHeldOpenQuestion =
    PURSO_TEXT("Document", "The account %1 is open in another program%2.\nDo you want to open it anyway?");
constexpr std::string_view kHeldSaveQuestion =
    PURSO_TEXT("Document", "The file %1 is open in another program%2.\nDo you want to replace it anyway?");
constexpr std::string_view kForeignLockProblem = PURSO_TEXT(
    "Document",
    "The account %1 cannot be locked against a second program: %2 is a lock file that is not this program's.");
constexpr std::string_view kForeignLockSuggestion = PURSO_TEXT(
    "Document", "- changes another program makes are still noticed before a save\n- remove %2 if no one uses it");
constexpr std::string_view kChangedOnDiskQuestion = PURSO_TEXT(
    "Document", "The file %1 has been changed by another program since it was opened.\nDo you want to replace it?");
constexpr std::string_view kNowALinkQuestion = PURSO_TEXT(
    "Document",
    "The file %1 is now a link to %2, put there by another program since it was opened.\nDo you want to replace the "
    "link with this account? The file it links to is not changed.");
constexpr std::string_view kReplaceQuestion =
    PURSO_TEXT("Document", "The file %1 already exists.\nDo you want to replace it?");

// A text another program chose, fit to be shown: no control characters, and
// not longer than a line or two.
std::string Shown(std::string_view text) {
  constexpr std::size_t kLongest = 160;
  std::string shown;
  for (const char c : text.substr(0, kLongest)) shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
  return text.size() > kLongest ? shown + "..." : shown;
}

// " (user on host, process pid)", or nothing when the lock does not name its
// holder in a way that can be trusted.
std::string HolderText(const LockHolder& holder) {
  if (!holder.IsKnown()) return {};
  return Filled(Translate("Document", " (%1 on %2, process %3)"),
                {holder.user, holder.host, std::to_string(holder.pid)});
}

std::string BackupNameOf(const CFilePlace& place) { return place.Name() + ".bak"; }

}  // namespace

bool CpursoPXFDoc::OnOpenDocument(const std::string& path) {
  const std::string name = FileNameOf(path);
  CFilePlace place = CFilePlace::Of(path);
  const RecoveryResult recovery = RecoverInterruptedSave(place);
  FileStamp stamp;
  bool reads = true;
  switch (LoadAccountFile(place, book_, &stamp)) {
    case ReadFailure::kNone:
      break;
    case ReadFailure::kNoSuchFile:
      ShowProblem(host_, DocumentText(kNoSuchFileProblem, name), DocumentText(kNoSuchFileSuggestion));
      return false;
    case ReadFailure::kNoPermission:
      ShowProblem(host_, DocumentText(kNoPermissionProblem, name), DocumentText(kNoPermissionSuggestion));
      return false;
    case ReadFailure::kNotAFile:
      ShowProblem(host_, DocumentText(kNotAFileProblem, name), DocumentText(kNotAFileSuggestion));
      return false;
    case ReadFailure::kOutOfMemory:
      ShowReadingProblem(host_);
      return false;
    default: {
      // A damaged file: its backup may still hold the account.
      const BackupOffer offer = OfferBackup(place, name);
      if (offer == BackupOffer::kNone) ShowReadingProblem(host_);
      if (offer != BackupOffer::kTaken) return false;
      reads = false;
      break;
    }
  }
  if (!LockFile(*lock_, place, name, kHeldOpenQuestion)) return false;
  RemoveSaveLeftovers(place);
  place_ = std::move(place);
  fileReads_ = reads;
  TakePath(path, stamp);
  // A backup taken in the damaged file's place is not what the file holds.
  history_.Clear(reads ? CUndoHistory::SavedState::kSaved : CUndoHistory::SavedState::kUnsaved);
  if (recovery.status == Recovery::kRolledBack) {
    ShowProblem(host_, DocumentText(kRolledBackProblem, name, recovery.backup), DocumentText(kRolledBackSuggestion));
  }
  recalculate_ = true;
  OfferRecoveryOfThisAccount();
  return true;
}

CpursoPXFDoc::BackupOffer CpursoPXFDoc::OfferBackup(const CFilePlace& place, const std::string& name) {
  CAccountBook backup;
  if (LoadAccountFile(place.Beside(BackupNameOf(place)), backup) != ReadFailure::kNone) return BackupOffer::kNone;
  if (!AskConfirmation(host_, DocumentText(kOpenBackupQuestion, name, BackupNameOf(place)))) {
    return BackupOffer::kDeclined;
  }
  book_ = std::move(backup);
  // The file on disk does not hold this account yet.
  book_.SetModified();
  return BackupOffer::kTaken;
}

std::optional<std::string> CpursoPXFDoc::SaveAsTarget(const std::string& typedPath) {
  std::string path = typedPath;
  const std::string name = FileNameOf(path);
  if (name.find('.') == std::string::npos) path += kDefaultExtension;
  struct stat info {};
  const bool exists = ::stat(path.c_str(), &info) == 0;
  const bool own = !pathName_.empty() && FileStampOf(path) == FileStampOf(pathName_);
  if (exists && !own && !AskConfirmation(host_, DocumentText(kReplaceQuestion, FileNameOf(path)))) return std::nullopt;
  return path;
}

bool CpursoPXFDoc::MayReplaceFile() {
  const std::string name = FileNameOf(pathName_);
  switch (CompareWithDisk(place_, stamp_)) {
    case DiskChange::kLink:
      return AskConfirmation(host_, DocumentText(kNowALinkQuestion, name, Shown(place_.LinkTarget())));
    case DiskChange::kChanged:
      return AskConfirmation(host_, DocumentText(kChangedOnDiskQuestion, name));
    default:
      return true;
  }
}

bool CpursoPXFDoc::OnSaveDocument(const std::string& path) {
  const bool samePath = path == pathName_ && place_.IsOpen();
  const std::string name = FileNameOf(path);
  if (samePath && !MayReplaceFile()) return false;
  // Save As to another file takes that file's lock first; this account's
  // own lock goes only once the save has succeeded.
  std::unique_ptr<CAccountLock> next;
  CFilePlace otherPlace;
  if (!samePath) {
    otherPlace = CFilePlace::Of(path);
    next = std::make_unique<CAccountLock>();
    if (!LockFile(*next, otherPlace, name, kHeldSaveQuestion)) return false;
  }
  const CFilePlace& place = samePath ? place_ : otherPlace;
  const SaveResult saved = SaveAccountFile(place, book_, samePath && fileReads_ ? stamp_ : FileStamp{});
  if (!saved.Succeeded()) {
    const SaveMessage message = SaveFailureMessage(saved.failure, name, BackupNameOf(place));
    ShowProblem(host_, message.problem, message.suggestion);
    return false;
  }
  if (saved.backup == BackupState::kFailed) {
    const SaveMessage notice = BackupNotKeptMessage(name, BackupNameOf(place));
    ShowProblem(host_, notice.problem, notice.suggestion);
  }
  if (next) {
    lock_ = std::move(next);
    place_ = std::move(otherPlace);
  }
  fileReads_ = true;
  TakePath(path, saved.stamp);
  AfterSave(samePath);
  return true;
}

bool CpursoPXFDoc::IsOpenAs(const std::string& path) const {
  if (pathName_.empty()) return false;
  const FileStamp other = FileStampOf(path);
  if (other.exists && stamp_.exists && other.device == stamp_.device && other.inode == stamp_.inode) return true;
  // Another file may have taken the name since; the name is still this account's.
  const CFilePlace place = CFilePlace::Of(path);
  return place.IsOpen() && place.Path() == place_.Path();
}

bool CpursoPXFDoc::LockFile(CAccountLock& lock, const CFilePlace& place, const std::string& name,
                            std::string_view question) {
  const LockResult result = lock.TryAcquire(place);
  switch (result.status) {
    case LockStatus::kForeign:
      ShowProblem(host_, DocumentText(kForeignLockProblem, name, LockNameOf(place.Name())),
                  DocumentText(kForeignLockSuggestion, name, LockNameOf(place.Name())));
      return true;
    case LockStatus::kHeldByOther:
      // An account this program holds open already (under another name) is its own business.
      if (result.holder.pid == ::getpid()) return true;
      // Opening or replacing anyway is the risky answer: No is the default.
      if (!AskConfirmation(host_, DocumentText(question, name, HolderText(result.holder)), DefaultAnswer::kNo))
        return false;
      lock.ForceAcquire(place);
      return true;
    default:
      // A folder without room for a lock file does without.
      return true;
  }
}

bool CpursoPXFDoc::LockAccount(const std::string& path) {
  CFilePlace place = CFilePlace::Of(path);
  if (!LockFile(*lock_, place, FileNameOf(path), kHeldOpenQuestion)) return false;
  place_ = std::move(place);
  fileReads_ = false;
  return true;
}

void CpursoPXFDoc::TakePath(const std::string& path, const FileStamp& stamp) {
  pathName_ = path;
  title_ = FileNameOf(path);
  stamp_ = stamp;
}

bool CpursoPXFDoc::SaveModified(const std::function<bool()>& save) {
  if (!IsModified()) return true;
  switch (AskSaveChanges(host_, Utf8ToAccountText(title_))) {
    case SaveAnswer::kSave:
      return save();
    case SaveAnswer::kDiscard:
      return true;
    case SaveAnswer::kCancel:
      return false;
  }
  return false;
}

}  // namespace purso
