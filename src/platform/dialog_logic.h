// CDialogLogic: the behaviour of one modal dialog, apart from any window system.
//
// A dialog is its resource (the controls) and a logic derived from this
// class (what the controls do). The host builds the control model from the
// resource, calls OnInit, then sends the user's actions: OnCommand for
// buttons (Enter sends the default button's id; Escape and the window's
// close box send command 2), OnSelectionChange and OnDoubleClick for lists
// and drop-downs. A handler ends the dialog with EndDialog; the host closes
// it when the handler returns.
#pragma once

#include "platform/control_logic.h"
#include "platform/host.h"

namespace purso {

// The ids of the two standard commands.
inline constexpr int kCommandOk = 1;
inline constexpr int kCommandCancel = 2;

class CDialogLogic : public CControlLogic {
 public:
  using CControlLogic::CControlLogic;

  // Called by the host before OnInit; a dialog that opens further dialogs
  // reaches them through host.
  void Attach(IHost& host) { host_ = &host; }

  virtual void OnInit() {}
  // The default closes the dialog on command 1 (result 1) and command 2
  // (result 2) and ignores every other command.
  void OnCommand(int controlId) override;

  void EndDialog(int result) { Controls().EndDialog(result); }

 protected:
  // The host running this dialog. Precondition: Attach was called.
  IHost& Host() { return *host_; }

 private:
  IHost* host_ = nullptr;
};

}  // namespace purso
