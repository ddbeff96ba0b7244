#include "dialogs/transactions_dialog.h"

#include <functional>
#include <vector>

#include "calc/new_transaction.h"
#include "data/calendar.h"
#include "data/translation.h"
#include "dialogs/categories_dialog.h"
#include "dialogs/match_dialog.h"
#include "platform/shown_text.h"
#include "resources/transactions_dialog_resource.h"
#include "resources/translatable.h"
#include "text/amount_text.h"
#include "text/date_text.h"
#include "text/name_rules.h"

namespace purso {
namespace {

namespace ids = transactions_dialog;

// The headings and the order each stands for.
struct Heading {
  int id;
  TransactionOrder order;
};
constexpr Heading kHeadings[] = {{ids::kDateHeading, TransactionOrder::kDate},
                                 {ids::kCategoryHeading, TransactionOrder::kCategory},
                                 {ids::kAmountHeading, TransactionOrder::kAmount},
                                 {ids::kDescriptionHeading, TransactionOrder::kDescription}};

// The predaction a transaction is matched with now, to be proposed again.
std::optional<std::uint32_t> Preselection(std::uint32_t match) {
  return match == kNoMatch ? std::nullopt : std::optional<std::uint32_t>(match);
}

}  // namespace

CTransactionsDialog::CTransactionsDialog(CAccountBook& book)
    : CEditingDialog(ids::kResource, {ids::kHelp, "trn_dlg.htm"}),
      book_(book),
      ledger_(book.CurrentLedger()),
      rows_(ledger_, book.Settings()),
      add_{ids::kAddDate, ids::kAddCategory, ids::kAddAmount, ids::kAddDescription},
      update_{ids::kUpdateDate, ids::kUpdateCategory, ids::kUpdateAmount, ids::kUpdateDescription} {}

void CTransactionsDialog::OnInit() {
  FillCategoryLists();
  ClearAddRow();
  FillList([this] { rows_.Load(); });
  ShowSortMarks();
  ShowBalances();
  Controls().SetFocus(ids::kAddDate);
}

void CTransactionsDialog::OnCommand(int controlId) {
  switch (controlId) {
    case ids::kAdd:
      return OnAdd();
    case ids::kUpdate:
      return OnUpdate();
    case ids::kRemove:
      return OnRemove();
    case ids::kMatch:
      return OnMatch();
    case ids::kCategories:
      return OnCategories();
    case ids::kFilter:
      return OnFilterEntered();
    default:
      break;
  }
  for (const Heading& heading : kHeadings) {
    if (heading.id == controlId) return OnHeading(heading.order);
  }
  CEditingDialog::OnCommand(controlId);
}

void CTransactionsDialog::OnSelectionChange(int controlId) {
  if (controlId == ids::kTransactions) ShowSelection();
}

void CTransactionsDialog::OnTextChange(int controlId) {
  if (controlId != ids::kFilter) return;
  FillList([this] { rows_.SetFilter(Controls().GetText(ids::kFilter)); });
}

void CTransactionsDialog::OnFilterEntered() {
  // Enter in the filter goes on to the rows found: the first one, unless
  // one is chosen already.
  if (Controls().ItemCount(ids::kTransactions) == 0) return;
  if (Controls().GetSelection(ids::kTransactions) == CControlModel::kNoSelection) {
    Controls().SetSelection(ids::kTransactions, 0);
  }
  ShowSelection();
}

void CTransactionsDialog::OnHeading(TransactionOrder order) {
  const bool again = rows_.Order() == order && rows_.Direction() == SortDirection::kAscending;
  FillList([&] { rows_.SetOrder(order, again ? SortDirection::kDescending : SortDirection::kAscending); });
  ShowSortMarks();
}

void CTransactionsDialog::FillCategoryLists() {
  std::vector<std::string> names = Names(ledger_.Categories());
  Controls().SetItems(update_.category, names);
  Controls().SetItems(add_.category, std::move(names));
}

void CTransactionsDialog::ClearAddRow() {
  for (const int field : {add_.date, add_.amount, add_.description}) Controls().SetText(field, "");
  SelectFirst(add_.category);
}

void CTransactionsDialog::FillList(const std::function<void()>& change) {
  CControlModel& controls = Controls();
  const std::optional<std::uint32_t> selected = SelectedRowId(ids::kTransactions);
  // The rows move from the list back to rows_ and the new ones to the list.
  rows_.GiveBack(controls.TakeItems(ids::kTransactions));
  change();
  controls.SetItems(ids::kTransactions, rows_.TakeShownTexts());
  const std::optional<std::size_t> again = selected ? rows_.ShownIndex(*selected) : std::nullopt;
  if (again) controls.SetSelection(ids::kTransactions, static_cast<int>(*again));
  ShowShownCount();
  // A selection the filter hid leaves the update row.
  if (selected && !again) ShowSelection();
}

void CTransactionsDialog::ShowShownCount() {
  std::string text;
  if (rows_.IsFiltered()) {
    text = Filled(ShownText(ids::kResource, ids::kShownCountText),
                  {std::to_string(rows_.ShownCount()), std::to_string(rows_.TotalCount())});
  }
  Controls().SetText(ids::kShownCount, text);
}

void CTransactionsDialog::ShowSortMarks() {
  const SortMark mark = rows_.Direction() == SortDirection::kAscending ? SortMark::kAscending : SortMark::kDescending;
  for (const Heading& heading : kHeadings) {
    Controls().SetSortMark(heading.id, heading.order == rows_.Order() ? mark : SortMark::kNone);
  }
}

// The row written comes into sight, shown whatever the filter until it
// changes; the selection stays as it was (after an Update, whose row was the
// selected one, there is none).
void CTransactionsDialog::ShowWritten() {
  CControlModel& controls = Controls();
  const std::size_t at = rows_.Put(ledger_.Transactions().GetCursor());
  controls.InsertItem(ids::kTransactions, at, rows_.Text(at));
  controls.BringIntoSight(ids::kTransactions, at);
  ShowShownCount();
  ShowSelection();
  controls.SetFocus(add_.date);
}

void CTransactionsDialog::ShowBalance(int label, int field, std::string_view caption, double balance) {
  Controls().SetText(label, ShownText(ids::kResource, caption).append(balance >= 0 ? " (+)" : " (-)"));
  Controls().SetText(field, FormatAmount(book_.Settings(), balance >= 0 ? balance : -balance));
}

void CTransactionsDialog::ShowBalances() {
  CControlModel& controls = Controls();
  controls.SetText(ids::kCount, std::to_string(ledger_.Transactions().GetRowCount()));
  const double balanceDate = ledger_.BalanceDate();
  controls.SetText(ids::kBalanceDate, FormatDate(book_.Settings(), balanceDate));
  ShowBalance(ids::kTransactionBalanceLabel, ids::kTransactionBalance,
              PURSO_TEXT("TransactionsDialog", "Transaction Balance"), ledger_.TransactionBalance());
  CYearLedger::BalanceArray predicted;
  ledger_.PredictedBalances(predicted);
  ShowBalance(ids::kPredactionBalanceLabel, ids::kPredactionBalance,
              PURSO_TEXT("TransactionsDialog", "Predaction Balance"), predicted[ledger_.DayIndex(balanceDate)]);
}

void CTransactionsDialog::ShowSelection() {
  CControlModel& controls = Controls();
  CRecordTable& transactions = ledger_.Transactions();
  const std::optional<std::uint32_t> id = SelectedRowId(ids::kTransactions);
  const bool any = id && transactions.Find(*id);
  ShowUpdateRow(
      {update_.date, update_.category, update_.amount, update_.description, ids::kUpdate, ids::kRemove, ids::kMatch},
      any);
  if (!any) return;
  const CDisplaySettings& settings = book_.Settings();
  controls.SetText(update_.date, FormatDate(settings, transactions.GetNumber(transaction_column::kDate)));
  CRecordTable& categories = ledger_.Categories();
  const bool known = categories.Find(RowIdFromNumber(transactions.GetNumber(transaction_column::kCategory)));
  controls.SetSelection(update_.category,
                        known ? controls.FindItemExact(update_.category, categories.GetText(category_column::kName))
                              : CControlModel::kNoSelection);
  ShowStoredAmount(settings, update_.amount, transactions.GetNumber(transaction_column::kAmount));
  controls.SetText(update_.description, transactions.GetText(transaction_column::kDescription));
  controls.Enable(ids::kMatch, known && IsFixed(CategoryTypeFromCode(categories.GetNumber(category_column::kType))));
  controls.SetFocus(update_.date);
}

bool CTransactionsDialog::CancelledForPastYear() {
  // In January last year's late entries are still expected.
  const CivilDate today = CurrentClock().LocalToday();
  const int year = book_.GetYear();
  if (today.month < 2 || year >= today.year) return false;
  return Confirm(Filled(Translate("TransactionsDialog",
                                  "It is probably not a good idea to add a transaction to a past year (%1).\nDo you "
                                  "want to cancel this operation?"),
                        {std::to_string(year)}));
}

std::optional<CTransactionsDialog::Entry> CTransactionsDialog::ReadEntry(const InputRow& row, DescriptionEvent event) {
  const CDisplaySettings& settings = book_.Settings();
  const std::optional<double> date = TypedDate(settings, book_.GetYear(), row.date);
  if (!date) return std::nullopt;
  const std::optional<double> amount = TypedAmount(settings, row.amount);
  if (!amount) return std::nullopt;
  std::string description = Controls().GetText(row.description, kDescriptionReadLength);
  if (description.empty()) description = AutomaticDescription(settings, event);
  if (const auto problem = CheckDescription(description)) {
    Refuse(problem->problem, problem->suggestion, row.description);
    return std::nullopt;
  }
  CRecordTable& categories = ledger_.Categories();
  const std::optional<std::uint32_t> category = Controls().GetSelection(row.category) == CControlModel::kNoSelection
                                                    ? std::nullopt
                                                    : FindName(categories, Controls().SelectedText(row.category));
  if (!category || !categories.Find(*category)) {
    Refuse(Translate("TransactionsDialog", "No category selected."),
           Translate("TransactionsDialog", "Choose a category, or press \"Categories\" to define one."), row.category);
    return std::nullopt;
  }
  const CategoryType type = CategoryTypeFromCode(categories.GetNumber(category_column::kType));
  return Entry{*date, *category, type, *amount, std::move(description)};
}

void CTransactionsDialog::OnAdd() {
  if (CancelledForPastYear()) return;
  const std::optional<Entry> entry = ReadEntry(add_, DescriptionEvent::kAdded);
  if (!entry) return;
  std::uint32_t match = kNoMatch;
  if (IsFixed(entry->type)) {
    const std::optional<std::uint32_t> chosen =
        RunMatch(Host(), book_, {entry->categoryId, entry->monthDay, entry->amount, {}});
    // Not matched, not added: the add row keeps what was typed.
    if (!chosen) return;
    match = *chosen;
  }
  if (!AddTransaction(ledger_, {entry->monthDay, entry->categoryId, entry->amount, entry->description, match})) {
    return ShowOutOfMemory(Host());
  }

  ClearAddRow();
  ShowBalances();
  ShowWritten();
}

void CTransactionsDialog::OnUpdate() {
  const std::optional<Entry> entry = ReadEntry(update_, DescriptionEvent::kUpdated);
  if (!entry) return;
  const std::optional<std::uint32_t> id = SelectedRowId(ids::kTransactions);
  CRecordTable& transactions = ledger_.Transactions();
  if (!id || !transactions.Find(*id)) return;
  const std::uint32_t oldCategory = RowIdFromNumber(transactions.GetNumber(transaction_column::kCategory));
  const std::uint32_t oldMatch = RowIdFromNumber(transactions.GetNumber(transaction_column::kMatch));

  std::uint32_t match = kNoMatch;
  if (IsFixed(entry->type)) {
    // Matched on what it becomes, so that it is matched within its new category.
    const std::optional<std::uint32_t> chosen =
        RunMatch(Host(), book_, {entry->categoryId, entry->monthDay, entry->amount, Preselection(oldMatch)});
    // A transaction moved to another fixed category is not stored unmatched.
    if (!chosen && entry->categoryId != oldCategory) return;
    match = chosen.value_or(oldMatch);
  }
  if (!transactions.Find(*id)) return;
  WriteTransaction(ledger_, {entry->monthDay, entry->categoryId, entry->amount, entry->description, match});

  if (const auto shown = rows_.Remove(*id)) Controls().DeleteItem(ids::kTransactions, *shown);
  ShowBalances();
  ShowWritten();
}

void CTransactionsDialog::OnRemove() {
  const std::optional<std::uint32_t> id = SelectedRowId(ids::kTransactions);
  CRecordTable& transactions = ledger_.Transactions();
  if (!id || !transactions.Find(*id)) return;
  transactions.RemoveRow();
  if (const auto shown = rows_.Remove(*id)) Controls().DeleteItem(ids::kTransactions, *shown);
  ShowShownCount();
  ShowSelection();
  ShowBalances();
}

void CTransactionsDialog::OnMatch() {
  const std::optional<std::uint32_t> id = SelectedRowId(ids::kTransactions);
  CRecordTable& transactions = ledger_.Transactions();
  CRecordTable& categories = ledger_.Categories();
  if (!id || !transactions.Find(*id)) return;
  const std::uint32_t category = RowIdFromNumber(transactions.GetNumber(transaction_column::kCategory));
  if (!categories.Find(category)) return;
  const CategoryType type = CategoryTypeFromCode(categories.GetNumber(category_column::kType));
  if (!IsFixed(type)) return;
  const std::optional<std::uint32_t> chosen = RunMatch(
      Host(), book_,
      {category, transactions.GetNumber(transaction_column::kDate), transactions.GetNumber(transaction_column::kAmount),
       Preselection(RowIdFromNumber(transactions.GetNumber(transaction_column::kMatch)))});
  // Cancelled, the transaction keeps its match.
  if (chosen && transactions.Find(*id)) transactions.SetNumber(transaction_column::kMatch, *chosen);
}

void CTransactionsDialog::OnCategories() {
  CCategoriesDialog categories(book_);
  Host().RunModal(categories);
  FillCategoryLists();
  SelectFirst(add_.category);
  // The rows show the categories' names and colours as they are now.
  FillList([this] { rows_.Reload(); });
  ShowSelection();
}

}  // namespace purso
