// CpursoPXFDoc: the recovery copy of unsaved changes, and the copies that a
// program which ended without closing its accounts left behind.
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "app/document_text.h"
#include "app/file_name.h"
#include "app/purso_document.h"
#include "data/account_text.h"
#include "data/private_store.h"
#include "data/translation.h"
#include "dialogs/message_dialogs.h"
#include "resources/translatable.h"

namespace purso {
namespace {

// The texts of the system's messages: %1 the account's name, %2 the time
// the copy was written, or the copy's file and why it cannot be read.
constexpr std::string_view kRecoverQuestion = PURSO_TEXT(
    "Document",
    "The account %1 has changes that were not saved when the program ended on %2.\nDo you want to recover them?");
constexpr std::string_view kDeleteQuestion = PURSO_TEXT(
    "Document",
    "Do you want to delete the changes to %1 of %2 for good?\nIf you answer No, they are kept until you save the "
    "account.");
constexpr std::string_view kDamagedProblem = PURSO_TEXT("Document", "The recovery copy %1 cannot be read: %2.");
constexpr std::string_view kDamagedSuggestion = PURSO_TEXT(
    "Document", "- it holds no changes that can be recovered\n- answer the next question to delete it or keep it");
constexpr std::string_view kDeleteDamagedQuestion =
    PURSO_TEXT("Document", "Do you want to delete the damaged recovery copy %1?");
constexpr std::string_view kRecoveryNotWritten = PURSO_TEXT(
    "Document", "The recovery copy of %1 cannot be written: unsaved changes would be lost if the program ended now.");

// The name the questions give an account: its file's, or the one it was shown under.
std::string AccountName(const RecoveryHeader& header) {
  return Utf8ToAccountText(header.accountPath.empty() ? header.title : FileNameOf(header.accountPath));
}

}  // namespace

void CpursoPXFDoc::AfterCommand(bool changed) {
  if (changed) recoveryPending_ = true;
  KeepRecovery();
}

void CpursoPXFDoc::KeepRecovery() {
  if (keeping_ == nullptr || commandDepth_ > 0) return;
  // Undone back to the file: there is nothing left to recover.
  if (!IsModified()) {
    DiscardRecovery();
    recoveryPending_ = false;
    return;
  }
  if (!recoveryPending_) return;
  const WallClock::time_point now = keeping_->Now();
  if (lastRecovery_ && now >= *lastRecovery_ && now - *lastRecovery_ < kRecoveryInterval) return;
  WriteRecoveryNow();
}

void CpursoPXFDoc::WriteRecoveryNow() {
  if (keeping_ == nullptr || !IsModified()) return;
  if (!recovery_) recovery_ = CRecoveryFile::Create(keeping_->RecoveryFolder());
  const WallClock::time_point now = keeping_->Now();
  const bool written = recovery_ && recovery_->Write({pathName_, title_, now}, book_);
  lastRecovery_ = now;
  // Said once until a copy is written again, not at every attempt.
  if (!written && !recoveryFailed_) Notify(DocumentText(kRecoveryNotWritten, title_));
  recoveryFailed_ = !written;
  recoveryPending_ = !written;
}

void CpursoPXFDoc::DiscardRecovery() {
  if (!recovery_) return;
  recovery_->Remove();
  recovery_.reset();
  lastRecovery_.reset();
}

std::vector<std::unique_ptr<CRecoveryFile>> CpursoPXFDoc::OrphansOfThisAccount() const {
  std::vector<std::unique_ptr<CRecoveryFile>> own;
  if (keeping_ == nullptr) return own;
  const std::string path = RealPathOf(pathName_);
  for (auto& copy : CRecoveryFile::FindOrphans(keeping_->RecoveryFolder())) {
    RecoveryHeader header;
    if (copy->ReadHeader(header) && !header.accountPath.empty() && RealPathOf(header.accountPath) == path) {
      own.push_back(std::move(copy));
    }
  }
  return own;
}

void CpursoPXFDoc::OfferRecoveryOfThisAccount() {
  for (auto& copy : OrphansOfThisAccount()) {
    if (OfferRecovery(std::move(copy))) return;
  }
}

void CpursoPXFDoc::BecomeUnsaved() {
  history_.Clear(CUndoHistory::SavedState::kUnsaved);
  book_.SetModified();
  recalculate_ = true;
  recoveryPending_ = true;
}

std::vector<std::unique_ptr<CpursoPXFDoc>> CpursoPXFDoc::RecoverLeftAccounts(IHost& host, CSafekeeping& keeping) {
  std::vector<std::unique_ptr<CpursoPXFDoc>> recovered;
  for (auto& copy : CRecoveryFile::FindOrphans(keeping.RecoveryFolder())) {
    auto document = std::make_unique<CpursoPXFDoc>(host);
    document->SetSafekeeping(&keeping);
    if (document->OfferRecovery(std::move(copy))) recovered.push_back(std::move(document));
  }
  return recovered;
}

bool CpursoPXFDoc::OfferRecovery(std::unique_ptr<CRecoveryFile> copy) {
  if (keeping_->WasOffered(copy->Path())) return false;
  keeping_->MarkOffered(copy->Path());
  RecoveryHeader header;
  auto recovered = std::make_unique<CAccountBook>();
  const ReadFailure failure = copy->Read(header, *recovered);
  if (failure != ReadFailure::kNone) {
    const std::string name = Utf8ToAccountText(copy->Path());
    ShowProblem(host_, DocumentText(kDamagedProblem, name, ReadFailureName(failure)), DocumentText(kDamagedSuggestion));
    if (AskConfirmation(host_, DocumentText(kDeleteDamagedQuestion, name))) copy->Remove();
    return false;
  }
  const std::string when = LocalTimeText(header.writtenAt);
  if (AskConfirmation(host_, DocumentText(kRecoverQuestion, AccountName(header), when))) {
    return AdoptRecovery(std::move(copy), header, std::move(recovered));
  }
  if (AskConfirmation(host_, DocumentText(kDeleteQuestion, AccountName(header), when))) copy->Remove();
  return false;
}

bool CpursoPXFDoc::AdoptRecovery(std::unique_ptr<CRecoveryFile> copy, const RecoveryHeader& header,
                                 std::unique_ptr<CAccountBook> recovered) {
  if (header.accountPath.empty()) {
    title_ = header.title;
  } else if (pathName_.empty()) {
    // Recovered at start-up: the account is its file again, as opened.
    if (!LockAccount(header.accountPath)) return false;
    TakePath(header.accountPath, FileStampOf(header.accountPath));
  }
  book_ = std::move(*recovered);
  BecomeUnsaved();
  // The copy goes on as this account's own, until it is saved or closed.
  DiscardRecovery();
  recovery_ = std::move(copy);
  UpdateAllViews();
  return true;
}

}  // namespace purso
