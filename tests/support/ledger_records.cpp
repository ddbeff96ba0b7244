#include "support/ledger_records.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/new_transaction.h"

namespace purso::test {
namespace {

void Require(bool done, const char* what) {
  if (!done) throw std::runtime_error(std::string("ledger records: cannot add ") + what);
}

std::uint32_t AddName(CRecordTable& table, std::string_view name, const char* what) {
  Require(table.AddRow(), what);
  Require(table.SetText(name_column::kName, name), what);
  return table.GetRowId();
}

}  // namespace

std::uint32_t AddObject(CYearLedger& ledger, std::string_view name) {
  return AddName(ledger.Objects(), name, "an object");
}

std::uint32_t AddFunctionalArea(CYearLedger& ledger, std::string_view name) {
  return AddName(ledger.FunctionalAreas(), name, "a functional area");
}

std::uint32_t AddCategory(CYearLedger& ledger, std::string_view name, CategoryType type, double budget,
                          std::uint32_t object, std::uint32_t functionalArea) {
  return AddCategory(ledger, name, static_cast<double>(type), budget, object, functionalArea);
}

std::uint32_t AddCategory(CYearLedger& ledger, std::string_view name, double typeCode, double budget,
                          std::uint32_t object, std::uint32_t functionalArea) {
  CRecordTable& categories = ledger.Categories();
  const char* what = "a category";
  Require(categories.AddRow(), what);
  Require(categories.SetText(category_column::kName, name), what);
  Require(categories.SetNumber(category_column::kObject, object), what);
  Require(categories.SetNumber(category_column::kFunctionalArea, functionalArea), what);
  Require(categories.SetNumber(category_column::kType, typeCode), what);
  Require(categories.SetNumber(category_column::kBudget, budget), what);
  return categories.GetRowId();
}

std::uint32_t AddPredaction(CYearLedger& ledger, std::uint32_t category, double monthDay, double amount,
                            PredactionBudget budget) {
  CRecordTable& predactions = ledger.Predactions();
  const char* what = "a predaction";
  Require(predactions.AddRow(), what);
  Require(predactions.SetNumber(predaction_column::kCategory, category), what);
  Require(predactions.SetNumber(predaction_column::kDate, monthDay), what);
  Require(predactions.SetNumber(predaction_column::kAmount, amount), what);
  const std::uint32_t id = predactions.GetRowId();
  if (budget == PredactionBudget::kUntouched) return id;
  CRecordTable& categories = ledger.Categories();
  if (categories.Find(category) && IsFixed(CategoryTypeFromCode(categories.GetNumber(category_column::kType)))) {
    Require(categories.SetNumber(category_column::kBudget, categories.GetNumber(category_column::kBudget) + amount),
            what);
  }
  return id;
}

std::uint32_t AddTransaction(CYearLedger& ledger, double monthDay, std::uint32_t category, double amount,
                             std::string_view description, std::uint32_t match) {
  const std::optional<std::uint32_t> id =
      purso::AddTransaction(ledger, NewTransaction{monthDay, category, amount, std::string(description), match});
  Require(id.has_value(), "a transaction");
  return *id;
}

void BurnRowId(CRecordTable& table) {
  Require(table.AddRow(), "a row to remove");
  table.RemoveRow();
}

void LeaveRowIds(CRecordTable& table, std::uint32_t count) {
  CArchiveWriter writer;
  Require(table.Write(writer), "the table to renumber");
  std::vector<std::uint8_t> bytes = writer.TakeBytes();
  constexpr std::size_t kNextRowIdAt = 12;  // after the blocks, rows per block and column count
  // AddRow gives ids up to kNoRow - 2, so that the next id is never the no-row marker.
  EncodeU32(CRecordTable::kNoRow - 1 - count, bytes.data() + kNextRowIdAt);
  CArchiveReader reader(bytes);
  Require(table.Load(reader), "the renumbered table");
}

CYearLedgerBuilder::CYearLedgerBuilder(int year, std::string_view transactionText)
    : transactionText_(transactionText) {
  ledger_.SetYear(year);
  BurnRowId(ledger_.Categories());
}

std::uint32_t CYearLedgerBuilder::Category(std::string_view name, double typeCode, double budget) {
  return AddCategory(ledger_, name, typeCode, budget);
}

std::uint32_t CYearLedgerBuilder::Category(std::string_view name, CategoryType type, double budget) {
  return AddCategory(ledger_, name, type, budget);
}

std::uint32_t CYearLedgerBuilder::Predaction(std::uint32_t category, double monthDay, double amount) {
  return AddPredaction(ledger_, category, monthDay, amount, PredactionBudget::kUntouched);
}

std::uint32_t CYearLedgerBuilder::Transaction(double monthDay, std::uint32_t category, double amount) {
  return AddTransaction(ledger_, monthDay, category, amount, transactionText_);
}

}  // namespace purso::test
