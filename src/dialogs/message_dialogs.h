// The two message dialogs and the one way every dialog reports bad input.
//
// A rejected input is shown in the Problem dialog as a problem text (what is
// wrong) and a suggestion text (what to do); the dialog that raised it then
// puts the keyboard focus back on the field at fault and changes nothing.
// Yes-or-no questions go through the Confirmation dialog, where Escape and
// the close box count as "no".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/dialog_logic.h"
#include "platform/host.h"
#include "resources/translatable.h"

namespace purso {

// The one report for a table that cannot take another row (ShowOutOfMemory).
inline constexpr std::string_view kOutOfMemoryProblem = PURSO_TEXT("MessageDialogs", "Out of memory.");
inline constexpr std::string_view kOutOfMemorySuggestion = PURSO_TEXT(
    "MessageDialogs", "Try closing all other applications.\nIf that doesn't work, consider buying more RAM.");
// The report of a command that ran out of memory and changed nothing
// (ShowCommandOutOfMemory).
inline constexpr std::string_view kCommandOutOfMemoryProblem =
    PURSO_TEXT("MessageDialogs", "Unable to complete operation (out of memory).");

class CProblemDialog final : public CDialogLogic {
 public:
  CProblemDialog(std::string_view problem, std::string_view suggestion);
  void OnInit() override;

 private:
  std::string problem_;
  std::string suggestion_;
};

// Which answer of a yes-or-no question Enter gives: No where Yes is the
// risky one (opening an account another program holds).
enum class DefaultAnswer : std::uint8_t { kYes, kNo };

class CConfirmationDialog final : public CDialogLogic {
 public:
  explicit CConfirmationDialog(std::string_view question, DefaultAnswer answer = DefaultAnswer::kYes);
  void OnInit() override;

 private:
  std::string question_;
  DefaultAnswer answer_;
};

// What to do with an account's unsaved changes before it closes.
enum class SaveAnswer : std::uint8_t { kSave, kDiscard, kCancel };

// "Save changes to <title>?" with Yes (the default), No and Cancel; Escape
// and the close box cancel.
class CSaveChangesDialog final : public CDialogLogic {
 public:
  explicit CSaveChangesDialog(std::string_view title);
  void OnInit() override;
  void OnCommand(int controlId) override;

 private:
  std::string title_;
};

// Shows the Problem dialog modally and returns when the user closed it. The
// texts are shown as given, in the user's language; those of the message
// dialogs' own resources are translated by the dialogs.
void ShowProblem(IHost& host, std::string_view problem, std::string_view suggestion);

// Shows the out-of-memory reports, in the user's language.
void ShowOutOfMemory(IHost& host);
// Shows the report of an account file that cannot be read, in the user's language.
void ShowReadingProblem(IHost& host);

// Writes bytes as the file at path (UTF-8) whole, or not at all, as an
// export does; when it cannot, shows a report naming the file. True when
// written. No bytes count as a failure: every export has something to
// write, so none means that making it failed.
bool WriteFileOrReport(IHost& host, const std::string& path, std::string_view bytes);
void ShowCommandOutOfMemory(IHost& host);

// Shows the problem, then moves the dialog's focus to the field at fault.
void ReportInputError(IHost& host, CControlModel& controls, std::string_view problem, std::string_view suggestion,
                      int field);

// Asks a yes-or-no question; true only for "Yes".
bool AskConfirmation(IHost& host, std::string_view question, DefaultAnswer answer = DefaultAnswer::kYes);

// Asks whether to save the changes of the account titled title.
SaveAnswer AskSaveChanges(IHost& host, std::string_view title);

}  // namespace purso
