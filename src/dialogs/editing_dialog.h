// CEditingDialog: a dialog that checks what the user typed.
//
// Every editing dialog refuses a bad input the same way: the Problem dialog
// says what is wrong and what to do, the focus goes back to the field at
// fault, and nothing is changed. A handler does that with one call and stops:
//
//   if (!amount) {
//     return Refuse(Translate("SolverDialog", "The amount is invalid (bad format)"),
//                   Translate("SolverDialog", "Enter a valid number."), ids::kAmount);
//   }
//
// Refuse, Problem and Confirm show their texts as given: a handler passes
// them in the user's language (data/translation.h).
//
// A field that shows a stored amount for editing stands for the stored value
// for as long as it holds the text the dialog put there: an amount text can
// be longer than a typed amount may be (a three-letter currency symbol after
// a large amount), and OK on an untouched field must not refuse it.
//
// A dialog with a Help button names it and its page once; the button then
// opens the page whatever its id (the Settings dialog's is 2, the id that
// Escape sends).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "data/display_settings.h"
#include "dialogs/input_texts.h"
#include "dialogs/message_dialogs.h"
#include "platform/dialog_logic.h"

namespace purso {

// A dialog's Help button and the help page it opens.
struct HelpButton {
  int id = kNoControlId;
  std::string_view page;
};

class CEditingDialog : public CDialogLogic {
 public:
  explicit CEditingDialog(const DialogResource& resource, HelpButton help = {}) : CDialogLogic(resource), help_(help) {}

  // Help opens its page; every other command as CDialogLogic.
  void OnCommand(int controlId) override;

 protected:
  // Shows the problem, then puts the focus on field.
  void Refuse(std::string_view problem, std::string_view suggestion, int field) {
    ReportInputError(Host(), Controls(), problem, suggestion, field);
  }
  // Shows a problem that no field is at fault for (out of memory); the focus stays.
  void Problem(std::string_view problem, std::string_view suggestion) { ShowProblem(Host(), problem, suggestion); }
  // Asks a yes-or-no question; true only for "Yes".
  bool Confirm(std::string_view question) { return AskConfirmation(Host(), question); }

  // Puts the amount text of a stored amount into field; a budget that a
  // transfer took below zero reads with its minus sign.
  void ShowStoredAmount(const CDisplaySettings& settings, int field, double amount);
  // What field holds: the stored amount while it holds the text that
  // ShowStoredAmount put there, otherwise its first maxChars characters read
  // as an amount; none when they do not read as one.
  std::optional<double> FieldAmount(const CDisplaySettings& settings, int field, std::size_t maxChars) const;

  // A date field read against the year, and an amount field (its first
  // maxChars characters, at most kMaxAmount), each refusing with problem or
  // problems (texts marked in the context "Input", input_texts.h) and the
  // suggestions every editing dialog uses, and giving none when it does not
  // read.
  std::optional<double> TypedDate(const CDisplaySettings& settings, int year, int field,
                                  std::string_view problem = kDateInvalid);
  std::optional<double> TypedAmount(const CDisplaySettings& settings, int field,
                                    const AmountProblems& problems = kAmountProblems,
                                    std::size_t maxChars = kAmountReadLength);

  // The row id the selected row of a column list carries; none without a selection.
  std::optional<std::uint32_t> SelectedRowId(int list) const;

  // Enables the controls of an update row, or disables them and empties
  // them: edit fields lose their text, lists their choice.
  void ShowUpdateRow(std::initializer_list<int> controls, bool enabled);

  // Selects the first item of a list, if it has one.
  void SelectFirst(int list);

 private:
  struct StoredAmount {
    std::string text;
    double amount = 0.0;
  };
  HelpButton help_;
  std::map<int, StoredAmount> storedAmounts_;
};

}  // namespace purso
