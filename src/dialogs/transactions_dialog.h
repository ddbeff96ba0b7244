// CTransactionsDialog: the Transactions dialog (146), on the current year.
//
// The list shows every transaction in date order (same dates in the order
// they were entered), expense amounts red; the foot shows their count, the
// balance date and the transaction and predicted balances on it, each with
// a (+) or (-) label. Add stores a transaction of the add row: one of a
// variable category at once, with no match; one of a fixed category only
// once the Match dialog tied it to a predaction. From February on, adding to
// an earlier year than today's asks first. Selecting a transaction fills the
// update row, where Update changes it, Remove takes it away (its predaction
// stays as the match left it, no longer matched) and Match ties it to
// another predaction. An empty description becomes "added on" or "updated
// on" and today's date. Every change is written into the tables at once.
//
// The filter field (Ctrl+F) narrows the list as the user types, to the
// transactions whose description or category holds the text, or of an
// amount ("=12.50") or a range of amounts ("10..50"), and says how many of
// the year's it shows; the count and balances at the foot stay the whole
// year's. A click on a column heading orders the list by that column, a
// second click the other way round. After Add and Update the list scrolls
// to the transaction written, which stays shown even where the filter would
// hide it, until the filter changes; the selection is as after any Add (as
// it was) or Update (none).
//
// Update of a transaction of a fixed category runs the Match dialog on the
// newly entered category, date and amount, so that a transaction is only
// ever matched within its own category. When the category changed,
// cancelling it cancels the whole update, as it cancels an Add; when not,
// the transaction keeps its match.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "data/account_book.h"
#include "dialogs/editing_dialog.h"
#include "dialogs/transaction_rows.h"
#include "text/description_rules.h"

namespace purso {

class CTransactionsDialog final : public CEditingDialog {
 public:
  // On the book's current year; book must outlive the dialog.
  explicit CTransactionsDialog(CAccountBook& book);

  void OnInit() override;
  void OnCommand(int controlId) override;
  void OnSelectionChange(int controlId) override;
  void OnTextChange(int controlId) override;

 private:
  // What an input row holds, read and checked.
  struct Entry {
    double monthDay;
    std::uint32_t categoryId;
    CategoryType type;
    double amount;
    std::string description;
  };
  // The fields of an input row.
  struct InputRow {
    int date, category, amount, description;
  };

  void OnAdd();
  void OnUpdate();
  void OnRemove();
  void OnMatch();
  void OnCategories();

  void OnFilterEntered();
  void OnHeading(TransactionOrder order);

  void FillCategoryLists();
  void ClearAddRow();
  // Shows the rows anew after change (a new filter or order), keeping the
  // selected transaction selected when it is still shown.
  void FillList(const std::function<void()>& change);
  void ShowShownCount();
  void ShowSortMarks();
  void ShowBalances();
  void ShowSelection();
  // Lists the transaction at the table's current row (again), in sight; the
  // focus goes back to the add row.
  void ShowWritten();
  // Reads an input row, refusing what may not be stored; an empty
  // description becomes the automatic one for the event.
  std::optional<Entry> ReadEntry(const InputRow& row, DescriptionEvent event);
  // True when the user, asked because the year is past, cancels an Add.
  bool CancelledForPastYear();
  void ShowBalance(int label, int field, std::string_view caption, double balance);

  CAccountBook& book_;
  CYearLedger& ledger_;
  CTransactionRows rows_;
  InputRow add_;
  InputRow update_;
};

}  // namespace purso
