#include "calc/new_transaction.h"

namespace purso {

void WriteTransaction(CYearLedger& ledger, const NewTransaction& transaction) {
  CRecordTable& transactions = ledger.Transactions();
  transactions.SetNumber(transaction_column::kDate, transaction.monthDay);
  transactions.SetNumber(transaction_column::kCategory, transaction.category);
  transactions.SetNumber(transaction_column::kAmount, transaction.amount);
  transactions.SetText(transaction_column::kDescription, transaction.description);
  transactions.SetNumber(transaction_column::kMatch, transaction.match);
}

std::optional<std::uint32_t> AddTransaction(CYearLedger& ledger, const NewTransaction& transaction) {
  CRecordTable& transactions = ledger.Transactions();
  if (!transactions.AddRow()) return std::nullopt;
  WriteTransaction(ledger, transaction);
  return transactions.GetRowId();
}

}  // namespace purso
