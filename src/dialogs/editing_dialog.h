// CEditingDialog: a dialog that checks what the user typed.
//
// Every editing dialog refuses a bad input the same way: the Problem dialog
// says what is wrong and what to do, the focus goes back to the field at
// fault, and nothing is changed. A handler does that with one call and stops:
//
//   if (!amount) return Refuse("The amount is invalid (bad format)", "Enter a valid number.", ids::kAmount);
//
// A field that shows a stored amount for editing stands for the stored value
// for as long as it holds the text the dialog put there: an amount text can
// be longer than a typed amount may be (a three-letter currency symbol after
// a large amount), and OK on an untouched field must not refuse it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "data/display_settings.h"
#include "dialogs/message_dialogs.h"
#include "platform/dialog_logic.h"

namespace purso {

class CEditingDialog : public CDialogLogic {
 public:
  using CDialogLogic::CDialogLogic;

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

  // A date field read against the year, and an amount field (15 characters,
  // at most kMaxAmount), each refusing with the texts every editing dialog
  // uses and giving none when it does not read.
  std::optional<double> TypedDate(const CDisplaySettings& settings, int year, int field);
  std::optional<double> TypedAmount(const CDisplaySettings& settings, int field);

 private:
  struct StoredAmount {
    std::string text;
    double amount = 0.0;
  };
  std::map<int, StoredAmount> storedAmounts_;
};

}  // namespace purso
