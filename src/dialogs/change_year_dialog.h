// CChangeYearDialog: the Change Year dialog (162).
//
// Opens with the book's current year selected. OK (or Enter) makes the
// selected year current in the book, when one is selected, and ends with 1;
// Escape and the close box end with 2 and change nothing. Changing the year
// does not by itself mark the book modified.
#pragma once

#include "data/account_book.h"
#include "platform/dialog_logic.h"

namespace purso {

class CChangeYearDialog final : public CDialogLogic {
 public:
  // book must outlive the dialog.
  explicit CChangeYearDialog(CAccountBook& book);

  void OnInit() override;
  void OnCommand(int controlId) override;

 private:
  CAccountBook& book_;
};

}  // namespace purso
