#include "dialogs/transactions_dialog.h"

#include <unordered_map>
#include <vector>

#include "calc/new_transaction.h"
#include "data/calendar.h"
#include "dialogs/categories_dialog.h"
#include "dialogs/match_dialog.h"
#include "resources/transactions_dialog_resource.h"
#include "text/amount_text.h"
#include "text/date_text.h"
#include "text/list_layouts.h"
#include "text/list_row.h"
#include "text/name_rules.h"

namespace purso {
namespace {

namespace ids = transactions_dialog;
namespace columns = layout::transactions;

// A transaction whose category is not in the table (possible only in files
// written elsewhere) is shown as an income that is not matched, as the
// balances count it.
constexpr CategoryType kMissingType = CategoryType::kVarIn;

// The predaction a transaction is matched with now, to be proposed again.
std::optional<std::uint32_t> Preselection(std::uint32_t match) {
  return match == kNoMatch ? std::nullopt : std::optional<std::uint32_t>(match);
}

}  // namespace

CTransactionsDialog::CTransactionsDialog(CAccountBook& book)
    : CEditingDialog(ids::kResource, {ids::kHelp, "trn_dlg.htm"}),
      book_(book),
      ledger_(book.CurrentLedger()),
      add_{ids::kAddDate, ids::kAddCategory, ids::kAddAmount, ids::kAddDescription},
      update_{ids::kUpdateDate, ids::kUpdateCategory, ids::kUpdateAmount, ids::kUpdateDescription} {}

void CTransactionsDialog::OnInit() {
  FillCategoryLists();
  ClearAddRow();
  FillList();
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
    default:
      return CEditingDialog::OnCommand(controlId);
  }
}

void CTransactionsDialog::OnSelectionChange(int controlId) {
  if (controlId == ids::kTransactions) ShowSelection();
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

std::string CTransactionsDialog::RowText(std::uint32_t row, const ShownCategory& category) const {
  const CDisplaySettings& settings = book_.Settings();
  const CRecordTable& transactions = ledger_.Transactions();
  const double date = transactions.NumberAt(row, transaction_column::kDate);
  return CListRowBuilder()
      .DateColumn(columns::kDate, date, FormatDate(settings, date))
      .Id(transactions.RowIdAt(row))
      .Column(columns::kCategory, category.name)
      .Column(IsExpense(category.type) ? columns::kAmountExpense : columns::kAmountIncome,
              FormatAmount(settings, transactions.NumberAt(row, transaction_column::kAmount)))
      .Column(columns::kDescription, transactions.TextAt(row, transaction_column::kDescription))
      .Finish();
}

std::string CTransactionsDialog::RowText(std::uint32_t row) {
  CRecordTable& categories = ledger_.Categories();
  if (!categories.Find(RowIdFromNumber(ledger_.Transactions().NumberAt(row, transaction_column::kCategory)))) {
    return RowText(row, ShownCategory{kMissingName, kMissingType});
  }
  const std::uint32_t at = categories.GetCursor();
  return RowText(row, ShownCategory{categories.TextAt(at, category_column::kName),
                                    CategoryTypeFromCode(categories.NumberAt(at, category_column::kType))});
}

void CTransactionsDialog::FillList() {
  // The categories looked up once, not once for each of a year's transactions.
  const CRecordTable& categories = ledger_.Categories();
  std::unordered_map<std::uint32_t, ShownCategory> byId;
  byId.reserve(categories.GetRowCount());
  for (std::uint32_t row = 0; row < categories.GetRowCount(); ++row) {
    byId.emplace(categories.RowIdAt(row),
                 ShownCategory{categories.TextAt(row, category_column::kName),
                               CategoryTypeFromCode(categories.NumberAt(row, category_column::kType))});
  }
  const ShownCategory missing{kMissingName, kMissingType};
  const CRecordTable& transactions = ledger_.Transactions();
  std::vector<std::string> rows;
  rows.reserve(transactions.GetRowCount());
  for (std::uint32_t row = 0; row < transactions.GetRowCount(); ++row) {
    const auto found = byId.find(RowIdFromNumber(transactions.NumberAt(row, transaction_column::kCategory)));
    rows.push_back(RowText(row, found == byId.end() ? missing : found->second));
  }
  Controls().SetItems(ids::kTransactions, std::move(rows));
}

void CTransactionsDialog::ShowBalance(int label, int field, std::string_view caption, double balance) {
  Controls().SetText(label, std::string(caption).append(balance >= 0 ? " (+)" : " (-)"));
  Controls().SetText(field, FormatAmount(book_.Settings(), balance >= 0 ? balance : -balance));
}

void CTransactionsDialog::ShowBalances() {
  CControlModel& controls = Controls();
  controls.SetText(ids::kCount, std::to_string(ledger_.Transactions().GetRowCount()));
  const double balanceDate = ledger_.BalanceDate();
  controls.SetText(ids::kBalanceDate, FormatDate(book_.Settings(), balanceDate));
  ShowBalance(ids::kTransactionBalanceLabel, ids::kTransactionBalance, "Transaction Balance",
              ledger_.TransactionBalance());
  CYearLedger::BalanceArray predicted;
  ledger_.PredictedBalances(predicted);
  ShowBalance(ids::kPredactionBalanceLabel, ids::kPredactionBalance, "Predaction Balance",
              predicted[ledger_.DayIndex(balanceDate)]);
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
  return Confirm("It is probably not a good idea to add a transaction to a past year (" + std::to_string(year) +
                 ").\nDo you want to cancel this operation?");
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
    Refuse("No category selected.", "Choose a category, or press \"Categories\" to define one.", row.category);
    return std::nullopt;
  }
  const CategoryType type = CategoryTypeFromCode(categories.GetNumber(category_column::kType));
  return Entry{*date, *category, type, *amount, std::move(description)};
}

void CTransactionsDialog::Write(const Entry& entry, std::uint32_t match) {
  CRecordTable& transactions = ledger_.Transactions();
  transactions.SetNumber(transaction_column::kDate, entry.monthDay);
  transactions.SetNumber(transaction_column::kCategory, entry.categoryId);
  transactions.SetNumber(transaction_column::kAmount, entry.amount);
  transactions.SetText(transaction_column::kDescription, entry.description);
  transactions.SetNumber(transaction_column::kMatch, match);
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
    return Problem(kOutOfMemoryProblem, kOutOfMemorySuggestion);
  }

  Controls().AddItem(ids::kTransactions, RowText(ledger_.Transactions().GetCursor()));
  ClearAddRow();
  ShowBalances();
  Controls().SetFocus(add_.date);
}

void CTransactionsDialog::OnUpdate() {
  const std::optional<Entry> entry = ReadEntry(update_, DescriptionEvent::kUpdated);
  if (!entry) return;
  const int selection = Controls().GetSelection(ids::kTransactions);
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
  Write(*entry, match);

  CControlModel& controls = Controls();
  controls.DeleteItem(ids::kTransactions, static_cast<std::size_t>(selection));
  controls.AddItem(ids::kTransactions, RowText(transactions.GetCursor()));
  ShowBalances();
  controls.SetFocus(add_.date);
  ShowSelection();
}

void CTransactionsDialog::OnRemove() {
  const int selection = Controls().GetSelection(ids::kTransactions);
  const std::optional<std::uint32_t> id = SelectedRowId(ids::kTransactions);
  CRecordTable& transactions = ledger_.Transactions();
  if (!id || !transactions.Find(*id)) return;
  transactions.RemoveRow();
  Controls().DeleteItem(ids::kTransactions, static_cast<std::size_t>(selection));
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
  ShowSelection();
}

}  // namespace purso
