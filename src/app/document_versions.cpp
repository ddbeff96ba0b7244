// CpursoPXFDoc: the versions kept of every save, and opening one of them as
// a new account.
#include <memory>
#include <string>
#include <string_view>

#include "app/document_text.h"
#include "app/file_name.h"
#include "app/purso_document.h"
#include "data/account_file.h"
#include "data/archive.h"
#include "data/private_store.h"
#include "data/translation.h"
#include "dialogs/message_dialogs.h"
#include "resources/frame_resources.h"
#include "resources/translatable.h"

namespace purso {
namespace {

// The status bar's text when a version cannot be kept, %1 the account's name.
constexpr std::string_view kVersionNotKept =
    PURSO_TEXT("Document", "No earlier version of %1 could be kept: the folder of kept versions cannot be written.");

}  // namespace

void CpursoPXFDoc::AfterSave(bool samePath) {
  // Undo does not cross a Save As: the steps were of another file.
  if (samePath) {
    history_.MarkSaved();
  } else {
    history_.Clear(CUndoHistory::SavedState::kSaved);
  }
  restoredFrom_.clear();
  KeepVersion();
  // The file now holds what the recovery copies were kept for.
  DiscardRecovery();
  for (const auto& copy : OrphansOfThisAccount()) copy->Remove();
}

void CpursoPXFDoc::KeepVersion() {
  if (keeping_ == nullptr || keeping_->Root().empty()) return;
  CArchiveWriter archive;
  CKeptVersions versions(keeping_->Root(), pathName_);
  if (!book_.Write(archive) || !versions.Keep(archive.Bytes(), keeping_->Now(), keeping_->Limits())) {
    Notify(DocumentText(kVersionNotKept, title_));
  }
}

std::vector<VersionSummary> CpursoPXFDoc::KeptVersions() const {
  std::vector<VersionSummary> summaries;
  if (keeping_ == nullptr || pathName_.empty()) return summaries;
  for (const KeptVersion& version : CKeptVersions(keeping_->Root(), pathName_).List()) {
    summaries.push_back(Summarize(version));
  }
  return summaries;
}

bool CpursoPXFDoc::OpenVersion(const KeptVersion& version, const std::string& originalTitle,
                               const std::string& originalPath) {
  if (LoadAccountFile(version.path, book_) != ReadFailure::kNone) {
    ShowReadingProblem(host_);
    return false;
  }
  // A new account that is not its file: every save asks where to go.
  const std::string date = LocalTimeText(version.savedAt);
  title_ = DocumentText(PURSO_TEXT("Document", "%1 (restored %2)"), originalTitle, date);
  restoredFrom_ = originalPath;
  restoredDate_ = date.substr(0, date.find(' '));
  BecomeUnsaved();
  return true;
}

std::string CpursoPXFDoc::SaveAsProposal() const {
  if (!pathName_.empty()) return pathName_;
  if (restoredFrom_.empty()) return title_ + std::string(kDefaultExtension);
  // Beside the original, never the original itself.
  const auto slash = restoredFrom_.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : restoredFrom_.substr(0, slash + 1);
  return folder +
         DocumentText(PURSO_TEXT("Document", "%1 restored %2"), StemOf(FileNameOf(restoredFrom_)), restoredDate_) +
         std::string(kDefaultExtension);
}

}  // namespace purso
