// CAboutDialog: the About box of the program.
#pragma once

#include "platform/dialog_logic.h"

namespace purso {

class CAboutDialog final : public CDialogLogic {
 public:
  CAboutDialog();
  void OnInit() override;
};

}  // namespace purso
