// CEditingDialog: a dialog that checks what the user typed.
//
// Every editing dialog refuses a bad input the same way: the Problem dialog
// says what is wrong and what to do, the focus goes back to the field at
// fault, and nothing is changed. A handler does that with one call and stops:
//
//   if (!ParseAmount(settings, text, value)) return Refuse(kBadAmount, kEnterANumber, ids::kAmount);
#pragma once

#include <string_view>

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
};

}  // namespace purso
