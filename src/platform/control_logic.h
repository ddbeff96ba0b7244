// CControlLogic: the behaviour behind a set of controls, apart from any window system.
//
// A set of controls is described by a resource and held live in a control
// model; the logic derived from this class says what the controls do. The
// window-system adapter sends it the user's actions: OnCommand for buttons,
// OnSelectionChange and OnDoubleClick for lists and drop-downs, and
// OnTextChange for the edits that ask for every change. Dialogs
// (CDialogLogic) and the account view are control logics.
#pragma once

#include "platform/control_model.h"
#include "resources/dialog_resource.h"

namespace purso {

class CControlLogic {
 public:
  explicit CControlLogic(const DialogResource& resource) : controls_(resource) {}
  virtual ~CControlLogic() = default;
  CControlLogic(const CControlLogic&) = delete;
  CControlLogic& operator=(const CControlLogic&) = delete;

  const DialogResource& Resource() const { return controls_.Resource(); }
  CControlModel& Controls() { return controls_; }
  const CControlModel& Controls() const { return controls_; }

  virtual void OnCommand(int /*controlId*/) {}
  virtual void OnSelectionChange(int /*controlId*/) {}
  virtual void OnDoubleClick(int /*controlId*/) {}
  // The user changed the text of an edit styled kLiveText; the model holds it.
  virtual void OnTextChange(int /*controlId*/) {}

 private:
  CControlModel controls_;
};

}  // namespace purso
