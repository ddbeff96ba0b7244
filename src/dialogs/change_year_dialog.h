// CChangeYearDialog: the Change Year dialog (162).
//
// Opens with the book's current year selected. OK (or Enter) makes the
// selected year current in the book, when one is selected, and ends with 1;
// Escape and the close box end with 2 and change nothing. Changing the year
// does not by itself mark the book modified.
//
// When OK moves to another year that has no objects, functional areas or
// categories while the year before it has categories, the dialog asks
// whether to start the year with that year's budget; Yes copies it
// (data/budget_copy.h), which marks the book modified, and No leaves the
// year empty.
#pragma once

#include <string>

#include "data/account_book.h"
#include "platform/dialog_logic.h"

namespace purso {

// The question asked before a year is started with the budget of the year before.
std::string StartWithBudgetQuestion(int year);

class CChangeYearDialog final : public CDialogLogic {
 public:
  // book must outlive the dialog.
  explicit CChangeYearDialog(CAccountBook& book);

  void OnInit() override;
  void OnCommand(int controlId) override;

 private:
  // Asks about and makes the copy into the year just made current.
  void OfferBudgetOfYearBefore();

  CAccountBook& book_;
};

}  // namespace purso
