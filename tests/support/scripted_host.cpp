#include "support/scripted_host.h"

#include <gtest/gtest.h>

#include "resources/message_dialog_resources.h"

namespace purso::test {

CDialogDriver::CDialogDriver(CScriptedHost& host, CDialogLogic& dialog)
    : host_(host), dialog_(dialog), problemsSeen_(host.Problems().size()) {}

void CDialogDriver::ExpectRefused(std::string_view problem, std::string_view suggestion, int field) {
  const auto& problems = host_.Problems();
  const std::size_t shown = problems.size() - problemsSeen_;
  problemsSeen_ = problems.size();
  if (shown != 1) {
    ADD_FAILURE() << shown << " Problem dialogs where one was expected: \"" << problem << "\"";
    return;
  }
  EXPECT_EQ(problems.back().problem, problem);
  EXPECT_EQ(problems.back().suggestion, suggestion);
  EXPECT_EQ(Controls().GetFocus(), field) << "focus after \"" << problem << "\"";
  EXPECT_FALSE(Ended()) << "the dialog closed after \"" << problem << "\"";
}

void CDialogDriver::ExpectAccepted() {
  const auto& problems = host_.Problems();
  for (std::size_t i = problemsSeen_; i < problems.size(); ++i) {
    ADD_FAILURE() << "refused: \"" << problems[i].problem << "\" / \"" << problems[i].suggestion << "\"";
  }
  problemsSeen_ = problems.size();
}

bool CDialogDriver::Usable(int controlId, const char* action) {
  CControlModel& controls = Controls();
  if (Ended()) {
    ADD_FAILURE() << action << " control " << controlId << " of dialog " << DialogId() << " after it closed";
    return false;
  }
  if (!controls.Has(controlId)) {
    ADD_FAILURE() << "dialog " << DialogId() << " has no control " << controlId;
    return false;
  }
  if (!controls.IsEnabled(controlId)) {
    ADD_FAILURE() << action << " disabled control " << controlId << " of dialog " << DialogId();
    return false;
  }
  return true;
}

void CDialogDriver::Press(int controlId) {
  if (!Usable(controlId, "pressing")) return;
  CControlModel& controls = Controls();
  switch (controls.KindOf(controlId)) {
    case ControlKind::kPushButton:
      break;
    case ControlKind::kCheckBox:
      controls.ApplyChecked(controlId, !controls.IsChecked(controlId));
      break;
    case ControlKind::kRadioButton:
      controls.ApplyChecked(controlId, true);
      break;
    case ControlKind::kLabel:
      // A heading is clicked as a command; it takes no focus.
      if (const ControlResource* label = dialog_.Resource().Find(controlId);
          label != nullptr && label->Has(control_style::kHeading)) {
        dialog_.OnCommand(controlId);
        return;
      }
      [[fallthrough]];
    default:
      ADD_FAILURE() << "control " << controlId << " of dialog " << DialogId() << " cannot be pressed";
      return;
  }
  controls.ApplyFocus(controlId);
  dialog_.OnCommand(controlId);
}

void CDialogDriver::Type(int controlId, std::string_view text) {
  if (!Usable(controlId, "typing into")) return;
  if (Controls().KindOf(controlId) != ControlKind::kEdit) {
    ADD_FAILURE() << "control " << controlId << " of dialog " << DialogId() << " is not an edit field";
    return;
  }
  Controls().ApplyFocus(controlId);
  Controls().ApplyText(controlId, text);
  const ControlResource* control = dialog_.Resource().Find(controlId);
  if (control != nullptr && control->Has(control_style::kLiveText)) dialog_.OnTextChange(controlId);
}

void CDialogDriver::Choose(int controlId, int index) {
  if (!Usable(controlId, "choosing in")) return;
  if (index < 0 || static_cast<std::size_t>(index) >= Controls().ItemCount(controlId)) {
    ADD_FAILURE() << "control " << controlId << " of dialog " << DialogId() << " has no item " << index;
    return;
  }
  Controls().ApplyFocus(controlId);
  Controls().ApplySelection(controlId, index);
  dialog_.OnSelectionChange(controlId);
}

void CDialogDriver::Choose(int controlId, std::string_view itemText) {
  if (!Usable(controlId, "choosing in")) return;
  const auto& items = Controls().Items(controlId);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i] == itemText) {
      Choose(controlId, static_cast<int>(i));
      return;
    }
  }
  ADD_FAILURE() << "control " << controlId << " of dialog " << DialogId() << " has no item \"" << itemText << "\"";
}

void CDialogDriver::ChooseItems(int controlId, std::vector<int> indices) {
  if (!Usable(controlId, "choosing in")) return;
  const ControlResource* control = nullptr;
  for (const ControlResource& candidate : dialog_.Resource().controls) {
    if (candidate.id == controlId) control = &candidate;
  }
  if (control == nullptr || !control->Has(control_style::kMultiSelect)) {
    ADD_FAILURE() << "control " << controlId << " of dialog " << DialogId() << " takes one item at a time";
    return;
  }
  Controls().ApplyFocus(controlId);
  Controls().ApplySelectedItems(controlId, indices.empty() ? CControlModel::kNoSelection : indices.front(),
                                std::move(indices));
  dialog_.OnSelectionChange(controlId);
}

void CDialogDriver::DoubleClick(int controlId, int index) {
  Choose(controlId, index);
  if (!Ended()) dialog_.OnDoubleClick(controlId);
}

void CDialogDriver::Focus(int controlId) {
  if (Usable(controlId, "focusing")) Controls().ApplyFocus(controlId);
}

void CDialogDriver::Enter() {
  CControlModel& controls = Controls();
  const int focus = controls.GetFocus();
  if (focus != kNoControlId && controls.KindOf(focus) == ControlKind::kPushButton) {
    Press(focus);
    return;
  }
  // Enter in a find field is that field's command.
  if (const ControlResource* field = dialog_.Resource().Find(focus);
      field != nullptr && field->Has(control_style::kFindKey)) {
    dialog_.OnCommand(focus);
    return;
  }
  const int button = dialog_.Resource().EnterButton(focus);
  if (button == kNoControlId) {
    ADD_FAILURE() << "dialog " << DialogId() << " has no default button for Enter";
    return;
  }
  Press(button);
}

void CDialogDriver::Escape() {
  if (Ended()) {
    ADD_FAILURE() << "Escape in dialog " << DialogId() << " after it closed";
    return;
  }
  dialog_.OnCommand(kCommandCancel);
}

CScriptedHost::~CScriptedHost() {
  for (const Expectation& expectation : expected_) {
    ADD_FAILURE() << "dialog " << expectation.dialogId << " was expected but never opened";
  }
  if (!confirmations_.empty()) ADD_FAILURE() << confirmations_.size() << " confirmation answers were never asked for";
  if (!saveFileNames_.empty()) ADD_FAILURE() << saveFileNames_.size() << " file names were never asked for";
  if (!prints_.empty()) ADD_FAILURE() << prints_.size() << " print answers were never asked for";
}

void CScriptedHost::Expect(int dialogId, Steps steps) { expected_.push_back({dialogId, std::move(steps)}); }

void CScriptedHost::AnswerConfirmation(bool yes) { confirmations_.push_back(yes ? Reply::kYes : Reply::kNo); }

void CScriptedHost::AnswerConfirmationWithEnter() { confirmations_.push_back(Reply::kEnter); }

void CScriptedHost::AnswerSaveFileName(std::optional<std::string> path) { saveFileNames_.push_back(std::move(path)); }

void CScriptedHost::AnswerPrint(bool printed) { prints_.push_back(printed); }

std::optional<std::string> CScriptedHost::AskSaveFileName(const SaveFileQuestion& question) {
  proposedFileNames_.emplace_back(question.proposedName);
  if (saveFileNames_.empty()) {
    ADD_FAILURE() << "a file name was asked for (\"" << question.title << "\") with no answer scripted";
    return std::nullopt;
  }
  std::optional<std::string> answer = std::move(saveFileNames_.front());
  saveFileNames_.pop_front();
  return answer;
}

bool CScriptedHost::PrintPage(const PrintRequest& request) {
  printedPages_.emplace_back(request.html);
  if (prints_.empty()) {
    ADD_FAILURE() << "a page was printed (\"" << request.documentName << "\") with no answer scripted";
    return false;
  }
  const bool printed = prints_.front();
  prints_.pop_front();
  return printed;
}

int CScriptedHost::Run(CDialogLogic& dialog, Steps steps) {
  dialog.Attach(*this);
  openedDialogs_.push_back(dialog.Resource().id);
  dialog.OnInit();
  return Drive(dialog, steps);
}

int CScriptedHost::Drive(CDialogLogic& dialog, const Steps& steps) {
  CDialogDriver driver(*this, dialog);
  if (!driver.Ended()) steps(driver);
  if (!driver.Ended()) {
    ADD_FAILURE() << "dialog " << dialog.Resource().id << " was left open by its script";
    dialog.EndDialog(kCommandCancel);
  }
  return dialog.Controls().Result();
}

int CScriptedHost::RunModal(CDialogLogic& dialog) {
  const int id = dialog.Resource().id;
  if (id == problem_dialog::kDialogId) {
    return Run(dialog, [this](CDialogDriver& driver) {
      problems_.push_back(Problem{driver.Controls().GetText(problem_dialog::kProblemText),
                                  driver.Controls().GetText(problem_dialog::kSuggestionText)});
      driver.Press(problem_dialog::kClose);
    });
  }
  if (id == confirmation_dialog::kDialogId) {
    return Run(dialog, [this](CDialogDriver& driver) {
      questions_.push_back(driver.Controls().GetText(confirmation_dialog::kQuestion));
      if (confirmations_.empty()) {
        ADD_FAILURE() << "unexpected confirmation: " << questions_.back();
        driver.Escape();
        return;
      }
      const Reply reply = confirmations_.front();
      confirmations_.pop_front();
      if (reply == Reply::kYes) {
        driver.Press(confirmation_dialog::kYes);
      } else if (reply == Reply::kEnter) {
        driver.Enter();
      } else {
        driver.Escape();
      }
    });
  }
  if (expected_.empty() || expected_.front().dialogId != id) {
    ADD_FAILURE() << "unexpected dialog " << id << " (" << dialog.Resource().title << ")"
                  << (expected_.empty() ? std::string() : ", expected " + std::to_string(expected_.front().dialogId));
    return Run(dialog, [](CDialogDriver& driver) { driver.Escape(); });
  }
  const Steps steps = std::move(expected_.front().steps);
  expected_.pop_front();
  return Run(dialog, steps);
}

void CScriptedHost::OpenDocument(const std::string& path, const std::string& folder) {
  openedDocuments_.push_back(path);
  openedFolders_.push_back(folder);
}

}  // namespace purso::test
