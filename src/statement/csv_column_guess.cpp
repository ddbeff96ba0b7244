#include "statement/csv_column_guess.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <set>
#include <string>

#include "data/no_case.h"

namespace purso {
namespace {

constexpr std::size_t kTableSearchRecords = 60;  // how far down the table may begin
constexpr std::size_t kTableRun = 5;             // lines with a date in one column that begin it
constexpr std::size_t kSampleRecords = 200;      // lines whose values the guess reads

// Words that give a column away by its name, "|" between them, letter case
// ignored; a word found inside the name counts, one marked "=" only as a
// word of its own. Earlier words count before later ones.
constexpr std::string_view kValueDateWords = "valuta|value|wertstellung|started|valeur";
constexpr std::string_view kBookingDateWords = "date|datum|dato|fecha|buchung|boek|booking|posted|completed";
constexpr std::string_view kAmountWords = "amount|betrag|bedrag|montant|importe|importo|=net|=gross";
constexpr std::string_view kBalanceWords = "balance|saldo|solde|kontostand";
constexpr std::string_view kDebitWords = "debit|withdrawal|money out|paid out|soll";
constexpr std::string_view kCreditWords = "credit|deposit|money in|paid in|haben";
constexpr std::string_view kPayeeWords =
    "payee|beneficiary|counterparty|empf\xC3\xA4nger|auftraggeber|tegenrekeninghouder|naam|name|merchant|"
    "description|omschrijving|beschreibung|buchungstext|summary|text|details";
constexpr std::string_view kMemoWords =
    "memo|verwendungszweck|mededelingen|reference|purpose|note|remarks|omschrijving|details|text";

constexpr std::array<StatementDateOrder, 3> kOrders = {
    StatementDateOrder::kYearMonthDay, StatementDateOrder::kDayMonthYear, StatementDateOrder::kMonthDayYear};

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (static_cast<unsigned char>(c) >= 0x80);
}

// The rank of the first of words that name holds; nothing when none does.
std::optional<std::size_t> NameRank(std::string_view name, std::string_view words) {
  const std::string folded = FoldedCopy(name);
  for (std::size_t rank = 0; !words.empty(); ++rank) {
    const std::size_t bar = words.find('|');
    std::string_view word = words.substr(0, bar);
    words = bar == std::string_view::npos ? std::string_view() : words.substr(bar + 1);
    const bool whole = word.starts_with('=');
    if (whole) word.remove_prefix(1);
    for (std::size_t at = folded.find(word); at != std::string::npos; at = folded.find(word, at + 1)) {
      const bool starts = at == 0 || !IsLetter(folded[at - 1]);
      const bool ends = at + word.size() == folded.size() || !IsLetter(folded[at + word.size()]);
      if (!whole || (starts && ends)) return rank;
    }
  }
  return std::nullopt;
}

bool IsDate(std::string_view text, StatementDateOrder order) {
  CivilDate date;
  return ParseStatementDate(text, order, date);
}

bool IsAnyDate(std::string_view text) {
  return std::any_of(kOrders.begin(), kOrders.end(), [text](StatementDateOrder order) { return IsDate(text, order); });
}

std::optional<double> AmountOf(std::string_view text, char decimal) {
  double amount = 0.0;
  if (!ParseStatementAmount(text, decimal, amount)) return std::nullopt;
  return amount;
}

// The decimal symbol an amount shows: its last point or comma when one or
// two digits follow it and no digit after them; none when it does not tell.
std::optional<char> ShownDecimalSymbol(std::string_view amount) {
  const std::size_t at = amount.find_last_of(".,");
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view after = amount.substr(at + 1);
  const std::size_t digits = std::min(after.find_first_not_of("0123456789"), after.size());
  if (digits == 0 || digits > 2 || after.find_first_of("0123456789", digits) != std::string_view::npos) {
    return std::nullopt;
  }
  return amount[at];
}

// What the values of one column of the table are.
struct Column {
  std::string name;                      // its header, UTF-8; empty without a header row
  std::vector<std::string_view> values;  // one per line read, trimmed; empty where the line has none
  std::size_t filled = 0;
  std::array<bool, 3> datesIn{};  // every filled value is a date in that order
  bool dates = false;
  bool amounts = false;     // every filled value reads as an amount
  bool money = false;       // amounts, and one at least shows cents, a sign, brackets or a currency
  bool signs = false;       // some value has a sign or brackets
  bool directions = false;  // every filled value says a direction, in at most two words
  bool varied = false;      // not every filled value is the same
  bool nonZero = false;     // some value is an amount other than zero
  std::size_t letters = 0;
};

Column Facts(const std::vector<const CsvRecord*>& lines, std::size_t index, const CsvRecord* header) {
  Column column;
  if (header != nullptr && index < header->fields.size()) column.name = std::string(TrimBlanks(header->fields[index]));
  std::set<std::string, std::less<>> words;
  column.datesIn = {true, true, true};
  column.amounts = true;
  column.directions = true;
  for (const CsvRecord* line : lines) {
    const std::string_view value = index < line->fields.size() ? TrimBlanks(line->fields[index]) : std::string_view();
    column.values.push_back(value);
    if (value.empty()) continue;
    ++column.filled;
    for (std::size_t i = 0; i < kOrders.size(); ++i) column.datesIn[i] = column.datesIn[i] && IsDate(value, kOrders[i]);
    const std::optional<double> amount = AmountOf(value, '.') ? AmountOf(value, '.') : AmountOf(value, ',');
    column.nonZero = column.nonZero || (amount && *amount != 0.0);
    column.amounts = column.amounts && amount.has_value();
    const bool sign = value.find_first_of("-+(") != std::string_view::npos;
    column.signs = column.signs || (amount && sign);
    column.money = column.money || (amount && (sign || ShownDecimalSymbol(value) ||
                                               value.find_first_not_of("0123456789.,' ") != std::string_view::npos));
    column.directions = column.directions && DirectionOfWord(value).has_value();
    if (words.size() < 3) words.emplace(FoldedCopy(value));
    column.letters += static_cast<std::size_t>(std::count_if(value.begin(), value.end(), IsLetter));
  }
  const bool any = column.filled > 0;
  for (bool& in : column.datesIn) in = in && any;
  column.dates = std::any_of(column.datesIn.begin(), column.datesIn.end(), [](bool in) { return in; });
  column.amounts = column.amounts && any && !column.dates;
  column.money = column.money && column.amounts;
  column.directions = column.directions && any && words.size() <= 2;
  column.varied = words.size() > 1;
  return column;
}

std::string Number(std::size_t index) { return std::to_string(index + 1); }

class CCsvGuess {
 public:
  CCsvGuess(const std::vector<CsvRecord>& records, char separator, const CsvPreferences& preferences)
      : records_(records), preferences_(preferences) {
    mapping_.separator = separator;
    for (std::string* column : {&mapping_.date, &mapping_.amount, &mapping_.debit, &mapping_.credit,
                                &mapping_.direction, &mapping_.payee, &mapping_.memo}) {
      column->clear();
    }
    mapping_.dateOrder = preferences.dateOrder;
    mapping_.decimalSymbol = preferences.decimalSymbol;
  }

  CsvMapping Guess() {
    if (records_.empty()) return mapping_;
    FindTable();
    ReadColumns();
    GuessDate();
    if (!GuessMoneyByNames()) GuessMoneyByValues();
    GuessDirection();
    GuessTexts();
    GuessDateOrder();
    GuessDecimal();
    return mapping_;
  }

 private:
  // The first line of a run of lines with a date in the same column, and
  // the header above it.
  void FindTable() {
    const std::size_t last = std::min(records_.size(), kTableSearchRecords);
    std::size_t start = 0;
    bool found = false;
    for (; start < last && !found; ++start) {
      const std::size_t run = std::min(kTableRun, records_.size() - start);
      for (std::size_t column = 0; column < records_[start].fields.size() && !found; ++column) {
        found = true;
        for (std::size_t i = start; i < start + run && found; ++i) {
          found = column < records_[i].fields.size() && IsAnyDate(TrimBlanks(records_[i].fields[column]));
        }
      }
    }
    start = found ? start - 1 : 0;
    if (found && start > 0 && HoldsNames(records_[start - 1])) {
      mapping_.header = CsvHeader::kFirstLine;
      mapping_.firstRecord = start - 1;
    } else if (!found && HoldsNames(records_.front())) {
      mapping_.header = CsvHeader::kFirstLine;
      mapping_.firstRecord = 0;
    } else {
      mapping_.header = CsvHeader::kNone;
      mapping_.firstRecord = start;
    }
  }

  static bool HoldsNames(const CsvRecord& record) {
    std::size_t names = 0;
    for (const std::string& field : record.fields) {
      const std::string_view value = TrimBlanks(field);
      if (value.empty()) continue;
      if (IsAnyDate(value) || AmountOf(value, '.')) return false;
      ++names;
    }
    return names >= 2;
  }

  void ReadColumns() {
    const bool named = mapping_.header == CsvHeader::kFirstLine;
    const CsvRecord* header = named ? &records_[mapping_.firstRecord] : nullptr;
    std::vector<const CsvRecord*> lines;
    std::size_t width = 0;
    for (std::size_t i = mapping_.firstRecord + (named ? 1 : 0); i < records_.size() && lines.size() < kSampleRecords;
         ++i) {
      lines.push_back(&records_[i]);
      width = std::max(width, records_[i].fields.size());
    }
    // Columns beyond the header's cannot be named.
    if (header != nullptr) width = header->fields.size();
    for (std::size_t i = 0; i < width; ++i) columns_.push_back(Facts(lines, i, header));
    taken_.assign(width, false);
  }

  void Take(std::string& into, std::size_t index) {
    into = Number(index);
    taken_[index] = true;
  }

  // The free column the predicate accepts whose name holds the earliest of words.
  template <typename Accept>
  std::optional<std::size_t> ByName(std::string_view words, Accept accept) const {
    std::optional<std::size_t> best;
    std::size_t bestRank = 0;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      const std::optional<std::size_t> rank = NameRank(columns_[i].name, words);
      if (!rank || taken_[i] || !accept(columns_[i])) continue;
      if (!best || *rank < bestRank) best = i, bestRank = *rank;
    }
    return best;
  }

  void GuessDate() {
    std::optional<std::size_t> best;
    int bestRank = 0;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      if (!columns_[i].dates) continue;
      const std::string& name = columns_[i].name;
      const int rank = NameRank(name, kValueDateWords) ? 2 : (NameRank(name, kBookingDateWords) ? 0 : 1);
      if (!best || rank < bestRank) best = i, bestRank = rank;
    }
    if (best) Take(mapping_.date, *best);
  }

  bool GuessMoneyByNames() {
    const auto notBalance = [](const Column& column) {
      return column.amounts && !NameRank(column.name, kBalanceWords);
    };
    // A column of zeros (a fee, a shipping charge) is no amount of the line.
    const auto amount =
        ByName(kAmountWords, [&notBalance](const Column& column) { return notBalance(column) && column.nonZero; });
    if (amount) {
      Take(mapping_.amount, *amount);
      return true;
    }
    // A side that the first lines leave empty is still the side its name says.
    const auto side = [&notBalance](const Column& column) { return notBalance(column) || column.filled == 0; };
    const std::optional<std::size_t> debit = ByName(kDebitWords, side);
    if (debit) Take(mapping_.debit, *debit);
    const std::optional<std::size_t> credit = ByName(kCreditWords, side);
    if (credit) Take(mapping_.credit, *credit);
    return debit || credit;
  }

  // Each line's amount in a column; nothing where a line has none.
  std::vector<std::optional<double>> Amounts(std::size_t column) const {
    std::vector<std::optional<double>> amounts;
    const Column& c = columns_[column];
    const char decimal = Decimal(c);
    for (const std::string_view value : c.values) amounts.push_back(AmountOf(value, decimal));
    return amounts;
  }

  char Decimal(const Column& column) const {
    for (const std::string_view value : column.values) {
      if (const std::optional<char> symbol = ShownDecimalSymbol(value)) return *symbol;
    }
    return preferences_.decimalSymbol;
  }

  // True when each line's value of the column is the one before it moved
  // by that line's amount, or by the one after's.
  bool IsRunningBalance(std::size_t column, const std::vector<std::optional<double>>& amounts) const {
    const std::vector<std::optional<double>> balances = Amounts(column);
    std::size_t pairs = 0;
    for (std::size_t line = 0; line + 1 < balances.size(); ++line) {
      if (!balances[line] || !balances[line + 1]) continue;
      const double step = std::fabs(*balances[line + 1] - *balances[line]);
      const auto near = [step](const std::optional<double>& amount) {
        return amount && std::fabs(step - std::fabs(*amount)) < 0.005;
      };
      if (!near(amounts[line]) && !near(amounts[line + 1])) return false;
      ++pairs;
    }
    return pairs >= 2;
  }

  void GuessMoneyByValues() {
    std::vector<std::size_t> money;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      if (columns_[i].money && !taken_[i] && !NameRank(columns_[i].name, kBalanceWords)) money.push_back(i);
    }
    // Two columns of which each line fills exactly one.
    for (std::size_t k = 0; k + 1 < money.size(); ++k) {
      const Column& out = columns_[money[k]];
      const Column& in = columns_[money[k + 1]];
      bool complementary = out.filled > 0 && in.filled > 0;
      for (std::size_t line = 0; line < out.values.size() && complementary; ++line) {
        complementary = out.values[line].empty() != in.values[line].empty();
      }
      if (complementary) {
        Take(mapping_.debit, money[k]);
        Take(mapping_.credit, money[k + 1]);
        return;
      }
    }
    const auto filledAlways = [this](std::size_t i) { return columns_[i].filled == columns_[i].values.size(); };
    std::optional<std::size_t> chosen;
    for (const std::size_t i : money) {
      if (chosen && filledAlways(*chosen)) break;
      const bool balance = std::any_of(money.begin(), money.end(), [&](std::size_t other) {
        return other != i && IsRunningBalance(i, Amounts(other));
      });
      if (!balance && (!chosen || filledAlways(i))) chosen = i;
    }
    if (chosen) Take(mapping_.amount, *chosen);
  }

  void GuessDirection() {
    if (mapping_.amount.empty()) return;
    const Column& amount = columns_[static_cast<std::size_t>(std::stoi(mapping_.amount) - 1)];
    if (amount.signs) return;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      if (!taken_[i] && columns_[i].directions) return Take(mapping_.direction, i);
    }
  }

  void GuessTexts() {
    const auto text = [](const Column& column) { return column.letters > 0 && !column.dates && !column.amounts; };
    // A named column that most lines fill, else any named one.
    const auto mostlyFilled = [&text](const Column& column) {
      return text(column) && column.filled * 2 >= column.values.size();
    };
    std::optional<std::size_t> payee = ByName(kPayeeWords, mostlyFilled);
    if (!payee) payee = ByName(kPayeeWords, text);
    if (!payee) {
      for (std::size_t i = 0; i < columns_.size(); ++i) {
        const Column& column = columns_[i];
        // Words of a direction (DEBIT, CREDIT) say how the money went, not to whom.
        if (taken_[i] || !text(column) || !column.varied || column.directions) continue;
        if (!payee || column.letters > columns_[*payee].letters) payee = i;
      }
    }
    if (payee) Take(mapping_.payee, *payee);
    std::optional<std::size_t> memo = ByName(kMemoWords, mostlyFilled);
    if (!memo) memo = ByName(kMemoWords, text);
    if (memo) Take(mapping_.memo, *memo);
  }

  void GuessDateOrder() {
    if (mapping_.date.empty()) return;
    const Column& date = columns_[static_cast<std::size_t>(std::stoi(mapping_.date) - 1)];
    for (const StatementDateOrder order : {preferences_.dateOrder, StatementDateOrder::kYearMonthDay,
                                           StatementDateOrder::kDayMonthYear, StatementDateOrder::kMonthDayYear}) {
      if (date.datesIn[static_cast<std::size_t>(order)]) {
        mapping_.dateOrder = order;
        return;
      }
    }
  }

  void GuessDecimal() {
    for (const std::string* column : {&mapping_.amount, &mapping_.debit, &mapping_.credit}) {
      if (column->empty()) continue;
      for (const std::string_view amount : columns_[static_cast<std::size_t>(std::stoi(*column) - 1)].values) {
        if (const std::optional<char> symbol = ShownDecimalSymbol(amount)) {
          mapping_.decimalSymbol = *symbol;
          return;
        }
      }
    }
  }

  const std::vector<CsvRecord>& records_;
  const CsvPreferences& preferences_;
  CsvMapping mapping_;
  std::vector<Column> columns_;
  std::vector<bool> taken_;
};

}  // namespace

CsvPreferences CsvPreferencesOf(const CDisplaySettings& settings) {
  return {settings.dateOrder == DateOrder::kDayFirst ? StatementDateOrder::kDayMonthYear
                                                     : StatementDateOrder::kMonthDayYear,
          settings.DecimalChar()};
}

CsvMapping GuessCsvMapping(const std::vector<CsvRecord>& records, char separator, const CsvPreferences& preferences) {
  return CCsvGuess(records, separator, preferences).Guess();
}

}  // namespace purso
