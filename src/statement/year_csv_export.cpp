#include "statement/year_csv_export.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <unordered_map>
#include <vector>

#include "data/account_text.h"
#include "statement/csv_text.h"
#include "statement/ledger_categories.h"

namespace purso {
namespace {

std::string TypeLabel(CategoryType type) { return std::string(CategoryTypeText(type)); }

std::string SignedAmount(double amount, const CategoryFacts* category, int decimals) {
  return ExportNumber(category != nullptr && IsExpense(category->type) ? -amount : amount, decimals);
}

// The table's row indexes in date order, rows of one day in table order. A
// date that is no number sorts last, so the order is a strict one.
std::vector<std::uint32_t> RowsByDate(const CRecordTable& table, std::uint32_t dateColumn) {
  std::vector<std::uint32_t> rows(table.GetRowCount());
  for (std::uint32_t i = 0; i < rows.size(); ++i) rows[i] = i;
  const auto key = [&](std::uint32_t row) {
    const double date = table.NumberAt(row, dateColumn);
    return std::isnan(date) ? std::numeric_limits<double>::infinity() : date;
  };
  std::stable_sort(rows.begin(), rows.end(), [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); });
  return rows;
}

}  // namespace

std::string YearToCsv(const CYearLedger& ledger, const CDisplaySettings& settings) {
  const CLedgerCategories categories(ledger);
  const int year = ledger.GetYear();
  const int decimals = ExportDecimals(settings);
  const CRecordTable& predactions = ledger.Predactions();
  const CRecordTable& transactions = ledger.Transactions();

  std::unordered_map<std::uint32_t, double> predactionDates;
  for (std::uint32_t i = 0; i < predactions.GetRowCount(); ++i) {
    predactionDates.emplace(predactions.RowIdAt(i), predactions.NumberAt(i, predaction_column::kDate));
  }
  const auto categoryFields = [&](double id) {
    const CategoryFacts* category = categories.Find(RowIdFromNumber(id));
    return std::pair{category, category == nullptr ? std::string() : AccountTextToUtf8(category->name)};
  };

  std::string csv;
  AppendCsvRecord(csv, {"Record", "Date", "Category", "Type", "Amount", "Description", "Matched predaction"});
  for (const std::uint32_t i : RowsByDate(transactions, transaction_column::kDate)) {
    const auto [category, name] = categoryFields(transactions.NumberAt(i, transaction_column::kCategory));
    const auto matched = predactionDates.find(RowIdFromNumber(transactions.NumberAt(i, transaction_column::kMatch)));
    AppendCsvRecord(csv, {"Transaction", IsoDate(year, transactions.NumberAt(i, transaction_column::kDate)), name,
                          category == nullptr ? "" : TypeLabel(category->type),
                          SignedAmount(transactions.NumberAt(i, transaction_column::kAmount), category, decimals),
                          AccountTextToUtf8(transactions.TextAt(i, transaction_column::kDescription)),
                          matched == predactionDates.end() ? "" : IsoDate(year, matched->second)});
  }
  for (const std::uint32_t i : RowsByDate(predactions, predaction_column::kDate)) {
    const auto [category, name] = categoryFields(predactions.NumberAt(i, predaction_column::kCategory));
    AppendCsvRecord(csv,
                    {"Predaction", IsoDate(year, predactions.NumberAt(i, predaction_column::kDate)), name,
                     category == nullptr ? "" : TypeLabel(category->type),
                     SignedAmount(predactions.NumberAt(i, predaction_column::kAmount), category, decimals), "", ""});
  }
  return csv;
}

}  // namespace purso
