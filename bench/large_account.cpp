#include "large_account.h"

#include <random>

#include "data/calendar.h"
#include "data/record_table.h"
#include "data/year_ledger.h"
#include "text/list_layouts.h"
#include "text/list_row.h"

namespace purso::bench {
namespace {

constexpr int kNames = 10;  // objects and functional areas per year
constexpr const char* kShops[] = {"Grocery store",  "Fuel station", "Pharmacy",    "Bakery",     "Book shop",
                                  "Hardware store", "Restaurant",   "Electricity", "Phone bill", "Cinema"};

double RandomMonthDay(std::mt19937& random, int year) {
  const int month = std::uniform_int_distribution<int>(1, 12)(random);
  const int day = std::uniform_int_distribution<int>(1, DaysInMonth(year, month))(random);
  return month * 100 + day;
}

// Built by appending: GCC 12 warns falsely on "text" + std::to_string(...).
std::string Numbered(const char* prefix, int number) {
  std::string name(prefix);
  name.append(" ").append(std::to_string(number));
  return name;
}

void FillYear(CYearLedger& ledger, const LargeAccountShape& shape, int transactionCount, std::mt19937& random) {
  std::uniform_int_distribution<int> cents(100, 50000);
  const int year = ledger.GetYear();
  for (int i = 0; i < kNames; ++i) {
    ledger.Objects().AddRow();
    ledger.Objects().SetText(name_column::kName, Numbered("Object", i));
    ledger.FunctionalAreas().AddRow();
    ledger.FunctionalAreas().SetText(name_column::kName, Numbered("Area", i));
  }

  CRecordTable& categories = ledger.Categories();
  std::vector<std::uint32_t> fixed;
  std::vector<std::uint32_t> all;
  for (int i = 0; i < shape.categoriesPerYear; ++i) {
    const int type = i % 4;
    categories.AddRow();
    categories.SetText(category_column::kName, Numbered("Category", i));
    categories.SetNumber(category_column::kObject, i % kNames);
    categories.SetNumber(category_column::kFunctionalArea, (i / kNames) % kNames);
    categories.SetNumber(category_column::kType, type);
    categories.SetNumber(category_column::kBudget, type >= 2 ? cents(random) * 10.0 : 0.0);
    all.push_back(categories.GetRowId());
    if (type < 2) fixed.push_back(categories.GetRowId());
  }

  struct Planned {
    std::uint32_t id;
    std::uint32_t category;
    double date;
    double amount;
  };
  std::vector<Planned> planned;
  CRecordTable& predactions = ledger.Predactions();
  for (int i = 0; i < shape.predactionsPerYear; ++i) {
    const std::uint32_t category = fixed[static_cast<std::size_t>(i) % fixed.size()];
    const double date = RandomMonthDay(random, year);
    const double amount = cents(random) / 100.0;
    predactions.AddRow();
    predactions.SetNumber(predaction_column::kCategory, category);
    predactions.SetNumber(predaction_column::kDate, date);
    predactions.SetNumber(predaction_column::kAmount, amount);
    planned.push_back(Planned{predactions.GetRowId(), category, date, amount});
    categories.Find(category);
    categories.SetNumber(category_column::kBudget, categories.GetNumber(category_column::kBudget) + amount);
  }

  // Two in five predactions are matched; the other transactions are spread
  // over every category.
  CRecordTable& transactions = ledger.Transactions();
  std::uniform_int_distribution<std::size_t> anyCategory(0, all.size() - 1);
  std::uniform_int_distribution<std::size_t> anyShop(0, std::size(kShops) - 1);
  std::size_t matched = 0;
  for (int i = 0; i < transactionCount; ++i) {
    transactions.AddRow();
    if (i % 5 < 2 && matched < planned.size() * 2 / 5) {
      const Planned& p = planned[matched++];
      transactions.SetNumber(transaction_column::kDate, p.date);
      transactions.SetNumber(transaction_column::kCategory, p.category);
      transactions.SetNumber(transaction_column::kAmount, p.amount);
      transactions.SetNumber(transaction_column::kMatch, p.id);
    } else {
      transactions.SetNumber(transaction_column::kDate, RandomMonthDay(random, year));
      transactions.SetNumber(transaction_column::kCategory, all[anyCategory(random)]);
      transactions.SetNumber(transaction_column::kAmount, cents(random) / 100.0);
      transactions.SetNumber(transaction_column::kMatch, kNoMatch);
    }
    transactions.SetText(transaction_column::kDescription, Numbered(kShops[anyShop(random)], i));
  }
}

}  // namespace

void FillLargeAccount(CAccountBook& book, const LargeAccountShape& shape) {
  std::mt19937 random(shape.seed);
  for (int i = shape.firstYearIndex; i < shape.firstYearIndex + shape.yearCount; ++i) {
    const int count = i == shape.currentYearIndex ? shape.transactionsInCurrentYear : shape.transactionsPerYear;
    FillYear(book.Ledger(i), shape, count, random);
  }
  book.SetYearIndex(static_cast<std::uint8_t>(shape.currentYearIndex));
}

std::vector<std::string> TransactionRows(int n, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> cents(100, 50000);
  std::uniform_int_distribution<std::size_t> anyShop(0, std::size(kShops) - 1);
  std::uniform_int_distribution<int> anyCategory(0, 99);
  std::vector<std::string> rows;
  rows.reserve(static_cast<std::size_t>(n));
  CListRowBuilder row;
  char date[24];
  char amount[32];
  for (int i = 0; i < n; ++i) {
    const double monthDay = RandomMonthDay(random, 2024);
    const int month = static_cast<int>(monthDay) / 100;
    std::snprintf(date, sizeof date, "%02d/%02d", month, static_cast<int>(monthDay) % 100);
    const int value = cents(random);
    std::snprintf(amount, sizeof amount, "%d.%02d", value / 100, value % 100);
    const bool expense = i % 3 != 0;
    rows.push_back(
        row.DateColumn(layout::transactions::kDate, monthDay, date)
            .Id(static_cast<std::uint32_t>(i))
            .Column(layout::transactions::kCategory, Numbered("Category", anyCategory(random)))
            .Column(expense ? layout::transactions::kAmountExpense : layout::transactions::kAmountIncome, amount)
            .Column(layout::transactions::kDescription, Numbered(kShops[anyShop(random)], i))
            .Finish());
  }
  return rows;
}

}  // namespace purso::bench
