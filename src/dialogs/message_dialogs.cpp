#include "dialogs/message_dialogs.h"

#include "resources/message_dialog_resources.h"

namespace purso {

CProblemDialog::CProblemDialog(std::string_view problem, std::string_view suggestion)
    : CDialogLogic(problem_dialog::kResource), problem_(problem), suggestion_(suggestion) {}

void CProblemDialog::OnInit() {
  Controls().SetText(problem_dialog::kProblemText, problem_);
  Controls().SetText(problem_dialog::kSuggestionText, suggestion_);
  Controls().SetFocus(problem_dialog::kClose);
}

CConfirmationDialog::CConfirmationDialog(std::string_view question)
    : CDialogLogic(confirmation_dialog::kResource), question_(question) {}

void CConfirmationDialog::OnInit() {
  Controls().SetText(confirmation_dialog::kQuestion, question_);
  Controls().SetFocus(confirmation_dialog::kYes);
}

void ShowProblem(IHost& host, std::string_view problem, std::string_view suggestion) {
  CProblemDialog dialog(problem, suggestion);
  host.RunModal(dialog);
}

void ReportInputError(IHost& host, CControlModel& controls, std::string_view problem, std::string_view suggestion,
                      int field) {
  ShowProblem(host, problem, suggestion);
  controls.SetFocus(field);
}

bool AskConfirmation(IHost& host, std::string_view question) {
  CConfirmationDialog dialog(question);
  return host.RunModal(dialog) == confirmation_dialog::kYes;
}

}  // namespace purso
