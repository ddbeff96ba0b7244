// CScriptedHost: a host that runs dialogs headless, from a script.
//
// A test says which dialogs it expects, in order, and what the user does in
// each ("expect dialog 151, type 100 into 1077, press 1"). Problem dialogs
// are answered by themselves and their two texts recorded; Confirmation
// dialogs are answered from a queue. An unexpected dialog, a dialog left
// open by its script, pressing a disabled control or typing into one, and
// expectations never met all fail the test.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_logic.h"
#include "platform/host.h"

namespace purso::test {

class CScriptedHost;

// What the user can do in one running dialog.
class CDialogDriver {
 public:
  CDialogDriver(CScriptedHost& host, CDialogLogic& dialog);

  CControlModel& Controls() { return dialog_.Controls(); }
  int DialogId() const { return dialog_.Resource().id; }
  bool Ended() const { return dialog_.Controls().IsEnded(); }

  // Clicks a push button, check box, radio button or column heading (a
  // check box flips, a radio button becomes the checked one of its group).
  void Press(int controlId);
  // Replaces the text of an edit field, as typing would; a field styled
  // kLiveText tells the logic.
  void Type(int controlId, std::string_view text);
  // Selects an item of a list or drop-down, by index or by its text.
  void Choose(int controlId, int index);
  void Choose(int controlId, std::string_view itemText);
  // Selects several items of a list that allows it, as Shift and Ctrl clicks do.
  void ChooseItems(int controlId, std::vector<int> indices);
  void DoubleClick(int controlId, int index);
  // Moves the focus by hand, as clicking into a field does.
  void Focus(int controlId);
  // Enter: the focused push button if there is one, the focused find
  // field's own command, else the button of the focused field's row, else
  // the default button.
  void Enter();
  // Escape, and the window's close box: both send command 2.
  void Escape();
  void CloseBox() { Escape(); }

  // Expectations about what the last actions did, each against the Problem
  // dialogs shown since the previous expectation:
  // refused with exactly this problem and suggestion, the focus on field,
  // the dialog still open;
  void ExpectRefused(std::string_view problem, std::string_view suggestion, int field);
  // accepted: no Problem dialog was shown.
  void ExpectAccepted();

  // The text of an item of a list, or of a field.
  const std::string& Item(int controlId, std::size_t index) { return Controls().Item(controlId, index); }
  const std::string& Text(int controlId) { return Controls().GetText(controlId); }

 private:
  bool Usable(int controlId, const char* action);

  CScriptedHost& host_;
  CDialogLogic& dialog_;
  std::size_t problemsSeen_;
};

class CScriptedHost final : public IHost {
 public:
  using Steps = std::function<void(CDialogDriver&)>;

  struct Problem {
    std::string problem;
    std::string suggestion;
  };

  CScriptedHost() = default;
  ~CScriptedHost() override;
  CScriptedHost(const CScriptedHost&) = delete;
  CScriptedHost& operator=(const CScriptedHost&) = delete;

  // The next dialog to open (other than Problem and Confirmation dialogs)
  // and what the user does in it.
  void Expect(int dialogId, Steps steps);
  // The answer to the next Confirmation dialog: true for "Yes", false for
  // Escape (which must count as "No").
  void AnswerConfirmation(bool yes);
  // The next Confirmation dialog is answered by pressing Enter, which gives
  // whatever its default button is.
  void AnswerConfirmationWithEnter();

  // The answer to the next question of a file to write: a path, or none
  // for Cancel.
  void AnswerSaveFileName(std::optional<std::string> path);
  // Whether the next page to print is printed (true) or cancelled.
  void AnswerPrint(bool printed);

  // Runs a dialog the test itself opens, with steps, and returns its result.
  int Run(CDialogLogic& dialog, Steps steps);

  int RunModal(CDialogLogic& dialog) override;
  void OpenDocument(const std::string& path, const std::string& folder) override;
  std::string ProgramPath() const override { return programPath_; }
  std::optional<std::string> AskSaveFileName(const SaveFileQuestion& question) override;
  bool PrintPage(const PrintRequest& request) override;

  void SetProgramPath(std::string path) { programPath_ = std::move(path); }

  const std::vector<Problem>& Problems() const { return problems_; }
  const std::vector<std::string>& Questions() const { return questions_; }
  // Documents opened with their program, as "path" (and the folder separately).
  const std::vector<std::string>& OpenedDocuments() const { return openedDocuments_; }
  const std::vector<std::string>& OpenedFolders() const { return openedFolders_; }
  // The names proposed by the questions of files to write, in order.
  const std::vector<std::string>& ProposedFileNames() const { return proposedFileNames_; }
  // The pages asked to print, printed or not, as their HTML.
  const std::vector<std::string>& PrintedPages() const { return printedPages_; }
  // Dialog ids in the order they were opened, message dialogs included.
  const std::vector<int>& OpenedDialogs() const { return openedDialogs_; }

 private:
  struct Expectation {
    int dialogId;
    Steps steps;
  };

  int Drive(CDialogLogic& dialog, const Steps& steps);

  std::deque<Expectation> expected_;
  enum class Reply : std::uint8_t { kNo, kYes, kEnter };
  std::deque<Reply> confirmations_;
  std::deque<std::optional<std::string>> saveFileNames_;
  std::deque<bool> prints_;
  std::vector<std::string> proposedFileNames_;
  std::vector<std::string> printedPages_;
  std::vector<Problem> problems_;
  std::vector<std::string> questions_;
  std::vector<std::string> openedDocuments_;
  std::vector<std::string> openedFolders_;
  std::vector<int> openedDialogs_;
  std::string programPath_ = "/opt/tolva/purso";
};

}  // namespace purso::test
