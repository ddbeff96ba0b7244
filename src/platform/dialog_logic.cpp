#include "platform/dialog_logic.h"

namespace purso {

void CDialogLogic::OnCommand(int controlId) {
  if (controlId == kCommandOk || controlId == kCommandCancel) EndDialog(controlId);
}

}  // namespace purso
