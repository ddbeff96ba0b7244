#include "dialogs/message_dialogs.h"

#include <cstdint>
#include <filesystem>
#include <vector>

#include "data/account_file.h"
#include "data/account_save.h"
#include "data/account_text.h"
#include "data/translation.h"
#include "resources/frame_resources.h"
#include "resources/message_dialog_resources.h"

namespace purso {

CProblemDialog::CProblemDialog(std::string_view problem, std::string_view suggestion)
    : CDialogLogic(problem_dialog::kResource), problem_(problem), suggestion_(suggestion) {}

void CProblemDialog::OnInit() {
  Controls().SetText(problem_dialog::kProblemText, problem_);
  Controls().SetText(problem_dialog::kSuggestionText, suggestion_);
  Controls().SetFocus(problem_dialog::kClose);
}

CConfirmationDialog::CConfirmationDialog(std::string_view question, DefaultAnswer answer)
    : CDialogLogic(answer == DefaultAnswer::kYes ? confirmation_dialog::kResource
                                                 : confirmation_dialog::kCautiousResource),
      question_(question),
      answer_(answer) {}

void CConfirmationDialog::OnInit() {
  Controls().SetText(confirmation_dialog::kQuestion, question_);
  Controls().SetFocus(answer_ == DefaultAnswer::kYes ? confirmation_dialog::kYes : confirmation_dialog::kNo);
}

CSaveChangesDialog::CSaveChangesDialog(std::string_view title)
    : CDialogLogic(save_changes_dialog::kResource), title_(title) {}

void CSaveChangesDialog::OnInit() {
  Controls().SetText(save_changes_dialog::kQuestion,
                     Filled(Translate(save_changes_dialog::kResource.context, kSaveChangesQuestion), {title_}));
  Controls().SetFocus(save_changes_dialog::kYes);
}

void CSaveChangesDialog::OnCommand(int controlId) {
  // Yes, No and Cancel each end the dialog with their own id.
  if (Resource().Find(controlId) != nullptr) EndDialog(controlId);
}

void ShowProblem(IHost& host, std::string_view problem, std::string_view suggestion) {
  CProblemDialog dialog(problem, suggestion);
  host.RunModal(dialog);
}

void ShowOutOfMemory(IHost& host) {
  ShowProblem(host, Translate("MessageDialogs", kOutOfMemoryProblem),
              Translate("MessageDialogs", kOutOfMemorySuggestion));
}

void ShowReadingProblem(IHost& host) {
  ShowProblem(host, Translate("ReadFailure", kReadingProblem), Translate("ReadFailure", kReadingSuggestion));
}

bool WriteFileOrReport(IHost& host, const std::string& path, std::string_view bytes) {
  static constexpr std::string_view kProblem = PURSO_TEXT("Document", "The file %1 cannot be written.");
  static constexpr std::string_view kSuggestion = PURSO_TEXT(
      "Document", "- check that you may write to the folder\n- check that the disk is not full\n- try another name");
  if (!bytes.empty() && WriteFileAtomically(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()))) return true;
  const std::string name = Utf8ToAccountText(std::filesystem::path(path).filename().string());
  ShowProblem(host, Filled(Translate("Document", kProblem), {name}), Translate("Document", kSuggestion));
  return false;
}

void ShowCommandOutOfMemory(IHost& host) {
  ShowProblem(host, Translate("MessageDialogs", kCommandOutOfMemoryProblem),
              Translate("MessageDialogs", kOutOfMemorySuggestion));
}

void ReportInputError(IHost& host, CControlModel& controls, std::string_view problem, std::string_view suggestion,
                      int field) {
  ShowProblem(host, problem, suggestion);
  controls.SetFocus(field);
}

bool AskConfirmation(IHost& host, std::string_view question, DefaultAnswer answer) {
  CConfirmationDialog dialog(question, answer);
  return host.RunModal(dialog) == confirmation_dialog::kYes;
}

SaveAnswer AskSaveChanges(IHost& host, std::string_view title) {
  CSaveChangesDialog dialog(title);
  switch (host.RunModal(dialog)) {
    case save_changes_dialog::kYes:
      return SaveAnswer::kSave;
    case save_changes_dialog::kNo:
      return SaveAnswer::kDiscard;
    default:
      return SaveAnswer::kCancel;
  }
}

}  // namespace purso
