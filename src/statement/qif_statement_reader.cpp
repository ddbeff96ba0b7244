#include "statement/qif_statement_reader.h"

#include <array>
#include <cmath>
#include <string>

#include "data/no_case.h"
#include "statement/read_progress.h"
#include "statement/statement_fields.h"

namespace purso {
namespace {

constexpr std::array<std::string_view, 5> kBankTypes = {"Bank", "Cash", "CCard", "Oth A", "Oth L"};
constexpr std::string_view kOpeningBalancePayee = "Opening Balance";

enum class Section { kNone, kBank, kOther, kAccounts };

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

// Reads up to four digits; false when there are none or more.
bool ReadPart(std::string_view& text, int& value, std::size_t& digits) {
  value = 0;
  digits = 0;
  while (digits < text.size() && digits < 5 && text[digits] >= '0' && text[digits] <= '9') {
    value = value * 10 + (text[digits] - '0');
    ++digits;
  }
  text.remove_prefix(digits);
  return digits > 0 && digits <= 4;
}

bool IsDateSeparator(char c) { return c == '/' || c == '-' || c == '.' || c == '\''; }

// A record as the file wrote it; the views point into the file's text.
struct Record {
  std::uint32_t firstLine = 0;
  std::string_view date;
  std::string_view amount;
  std::uint32_t dateLine = 0;
  std::uint32_t amountLine = 0;
  bool hasDate = false;
  bool hasAmount = false;
  bool fromT = false;  // the amount came from T, which U does not replace
  std::string_view payee;
  std::string_view memo;
  std::string_view category;  // the L line as written
};

// The category an L line names: no transfer, no class, no split marker.
std::string_view CategoryOf(std::string_view written) {
  written = TrimBlanks(written);
  if (written.empty() || written.front() == '[' || written == "--Split--") return {};
  return TrimBlanks(written.substr(0, written.find('/')));
}

// The name of the account an L line transfers to ("[Checking]"); empty when none.
std::string_view TransferOf(std::string_view written) {
  written = TrimBlanks(written);
  if (written.size() < 2 || written.front() != '[') return {};
  const std::size_t end = written.find(']');
  return end == std::string_view::npos ? std::string_view() : TrimBlanks(written.substr(1, end - 1));
}

// Reads the file in two passes over its lines: the first finds the order
// of day and month that reads its dates, the second makes the lines. No
// record is kept longer than its lines take.
class CQifReader {
 public:
  CQifReader(std::string_view text, const QifOptions& options, StatementError& error, CTaskProgress* progress)
      : text_(text), options_(options), error_(error), progress_(progress) {}

  bool Read(Statement& statement) {
    if (!ReadLines(Pass::kDates)) return false;
    if (!sawHeader_) return Refuse(error_, 1, StatementErrorKind::kNotAStatement, "QIF");
    if (!sawBankSection_ && otherType_) {
      return Refuse(error_, otherTypeLine_, StatementErrorKind::kUnsupportedType, *otherType_);
    }
    orders_ = DateOrders();
    Restart();
    if (!ReadLines(Pass::kLines)) return false;
    statement = std::move(read_);
    return true;
  }

 private:
  enum class Pass { kDates, kLines };

  // The orders a file's dates may be read in, the preferred first.
  std::array<QifDateOrders, 4> Candidates() const {
    const DateOrder preferred = options_.preferredOrder;
    const DateOrder other = preferred == DateOrder::kDayFirst ? DateOrder::kMonthFirst : DateOrder::kDayFirst;
    return {QifDateOrders{preferred, DateOrder::kDayFirst}, QifDateOrders{other, DateOrder::kDayFirst},
            QifDateOrders{preferred, DateOrder::kMonthFirst}, QifDateOrders{other, DateOrder::kMonthFirst}};
  }

  void Restart() {
    section_ = Section::kNone;
    accountName_ = {};
    account_ = StatementAccount{};
    inRecord_ = false;
  }

  bool ReadLines(Pass pass) {
    pass_ = pass;
    std::uint32_t number = 0;
    std::size_t at = 0;
    while (at < text_.size()) {
      std::size_t end = text_.find('\n', at);
      if (end == std::string_view::npos) end = text_.size();
      std::string_view line = text_.substr(at, end - at);
      at = end + 1;
      ++number;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (TrimBlanks(line).empty()) continue;
      if (line.front() == '#' && !inRecord_) continue;
      if (line.front() == '!') {
        if (!EndRecord()) return false;
        ReadHeader(TrimBlanks(line.substr(1)), number);
        continue;
      }
      if (!sawHeader_) return Refuse(error_, number, StatementErrorKind::kNotAStatement, "QIF");
      if (line.front() == '^') {
        if (!EndRecord()) return false;
        if (!GoOnReading(progress_, number, at, text_.size())) {
          return Refuse(error_, number, StatementErrorKind::kCancelled);
        }
        continue;
      }
      ReadField(line.front(), line.substr(1), number);
    }
    return EndRecord();
  }

  void ReadHeader(std::string_view header, std::uint32_t number) {
    sawHeader_ = true;
    if (StartsWithNoCase(header, "Type:")) {
      const std::string_view type = TrimBlanks(header.substr(5));
      section_ = Section::kOther;
      for (const std::string_view bank : kBankTypes) {
        if (EqualNoCase(type, bank)) section_ = Section::kBank;
      }
      if (section_ == Section::kBank) {
        sawBankSection_ = true;
        account_ =
            StatementAccount{std::string(accountName_),
                             EqualNoCase(type, "CCard") ? StatementAccountKind::kCard : StatementAccountKind::kBank};
      } else if (!otherType_) {
        otherType_ = std::string(type);
        otherTypeLine_ = number;
      }
    } else if (StartsWithNoCase(header, "Account")) {
      section_ = Section::kAccounts;
    } else if (StartsWithNoCase(header, "Option:")) {
      const std::string_view option = TrimBlanks(header.substr(7));
      if (EqualNoCase(option, "MDY")) fileOrder_ = DateOrder::kMonthFirst;
      if (EqualNoCase(option, "DMY")) fileOrder_ = DateOrder::kDayFirst;
    } else if (!StartsWithNoCase(header, "Clear:")) {
      section_ = Section::kOther;
    }
  }

  void ReadField(char code, std::string_view value, std::uint32_t number) {
    if (!inRecord_) {
      record_ = Record{};
      record_.firstLine = number;
      inRecord_ = true;
    }
    if (section_ == Section::kAccounts) {
      if (code == 'N') accountName_ = TrimBlanks(value);
      return;
    }
    switch (code) {
      case 'D':
        if (!record_.hasDate) record_.date = value, record_.dateLine = number, record_.hasDate = true;
        break;
      case 'T':
        record_.amount = value, record_.amountLine = number, record_.hasAmount = true, record_.fromT = true;
        break;
      case 'U':
        if (!record_.fromT) record_.amount = value, record_.amountLine = number, record_.hasAmount = true;
        break;
      case 'P':
        record_.payee = value;
        break;
      case 'M':
        record_.memo = value;
        break;
      case 'L':
        if (record_.category.empty()) record_.category = value;
        break;
      default:
        break;
    }
  }

  bool EndRecord() {
    if (!inRecord_) return true;
    inRecord_ = false;
    if (section_ != Section::kBank) return true;
    if (pass_ == Pass::kDates) {
      const std::array<QifDateOrders, 4> candidates = Candidates();
      CivilDate date;
      for (std::size_t i = 0; i < candidates.size(); ++i) {
        readsAll_[i] = readsAll_[i] && (!record_.hasDate || ParseQifDate(record_.date, candidates[i], date));
      }
      return true;
    }
    return MakeLine();
  }

  // The orders to read the dates with: the user's, the file's, else the
  // first that reads every date.
  QifDateOrders DateOrders() const {
    if (const std::optional<DateOrder> stated = options_.dateOrder ? options_.dateOrder : fileOrder_) {
      return {*stated, *stated};
    }
    const std::array<QifDateOrders, 4> candidates = Candidates();
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      if (readsAll_[i]) return candidates[i];
    }
    return candidates[0];
  }

  bool MakeLine() {
    const Record& record = record_;
    if (!record.hasDate) return Refuse(error_, record.firstLine, StatementErrorKind::kNoDate);
    if (!record.hasAmount || TrimBlanks(record.amount).empty()) {
      return Refuse(error_, record.firstLine, StatementErrorKind::kNoAmount);
    }
    if (read_.lines.size() == kMaxStatementLines) {
      return Refuse(error_, record.firstLine, StatementErrorKind::kTooManyLines, std::to_string(kMaxStatementLines));
    }
    StatementLine line;
    line.line = record.firstLine;
    if (!ParseQifDate(record.date, orders_, line.date)) {
      return Refuse(error_, record.dateLine, StatementErrorKind::kBadDate, TrimBlanks(record.date));
    }
    if (!ParseStatementAmount(record.amount, options_.decimalSymbol, line.amount)) {
      return Refuse(error_, record.amountLine, StatementErrorKind::kBadAmount, TrimBlanks(record.amount));
    }
    if (!(std::fabs(line.amount) <= kMaxStatementAmount)) {
      return Refuse(error_, record.amountLine, StatementErrorKind::kAmountTooBig, TrimBlanks(record.amount));
    }
    const std::string_view transfer = TransferOf(record.category);
    const bool opening =
        !transfer.empty() && (account_.id.empty() ? EqualNoCase(TrimBlanks(record.payee), kOpeningBalancePayee)
                                                  : EqualNoCase(transfer, account_.id));
    line.payee = std::string(TrimBlanks(record.payee));
    line.memo = std::string(TrimBlanks(record.memo));
    line.category = std::string(CategoryOf(record.category));
    line.account = read_.AccountIndex(account_);
    line.kind = opening ? LineKind::kOpeningBalance : LineKind::kTransaction;
    read_.lines.push_back(std::move(line));
    return true;
  }

  std::string_view text_;
  const QifOptions& options_;
  StatementError& error_;
  CTaskProgress* progress_;
  Pass pass_ = Pass::kDates;

  Section section_ = Section::kNone;
  bool sawHeader_ = false;
  bool sawBankSection_ = false;
  std::optional<std::string> otherType_;  // the first section that was not read
  std::uint32_t otherTypeLine_ = 0;
  std::optional<DateOrder> fileOrder_;
  std::array<bool, 4> readsAll_ = {true, true, true, true};  // by Candidates()
  QifDateOrders orders_;
  std::string_view accountName_;  // the last name of an "!Account" section
  StatementAccount account_;      // of the bank section being read
  Record record_;
  bool inRecord_ = false;
  Statement read_;
};

}  // namespace

bool ParseQifDate(std::string_view text, QifDateOrders orders, CivilDate& date) {
  std::string packed;
  for (const char c : text) {
    if (c != ' ' && c != '\t') packed.push_back(c);
  }
  std::string_view rest = packed;
  std::array<int, 3> parts{};
  std::array<std::size_t, 3> digits{};
  std::array<char, 2> separators{};
  if (packed.size() == 8 && packed.find_first_not_of("0123456789") == std::string::npos) {
    // Eight digits: year, month and day.
    for (std::size_t i = 0; i < 3; ++i) {
      std::string_view part = rest.substr(0, i == 0 ? 4 : 2);
      ReadPart(part, parts[i], digits[i]);
      rest.remove_prefix(i == 0 ? 4 : 2);
    }
    separators = {'-', '-'};
  } else {
    for (std::size_t i = 0; i < 3; ++i) {
      if (i > 0) {
        if (rest.empty() || !IsDateSeparator(rest.front())) return false;
        separators[i - 1] = rest.front();
        rest.remove_prefix(1);
      }
      if (!ReadPart(rest, parts[i], digits[i])) return false;
    }
    if (!rest.empty()) return false;
  }

  int year = 0, month = 0, day = 0;
  const auto [first, second] = separators;
  if (digits[0] == 4) {
    year = parts[0], month = parts[1], day = parts[2];
  } else if (first == '.' && second == '.' && digits[2] != 3) {
    day = parts[0], month = parts[1], year = FullYear(parts[2], digits[2]);
    if (orders.dot == DateOrder::kMonthFirst) std::swap(month, day);
  } else if ((first == '/' || first == '-') && (second == first || (first == '/' && second == '\'')) &&
             digits[2] != 3) {
    month = parts[0], day = parts[1];
    if (orders.slash == DateOrder::kDayFirst) std::swap(month, day);
    year = second == '\'' && digits[2] <= 2 ? 2000 + parts[2] : FullYear(parts[2], digits[2]);
  } else {
    return false;
  }
  if (digits[1] > 2 || digits[2] > (digits[0] == 4 ? 2u : 4u) || (digits[0] > 2 && digits[0] != 4) ||
      !IsValidDate(year, month, day)) {
    return false;
  }
  date = CivilDate{year, month, day};
  return true;
}

bool ReadQifStatement(std::string_view text, const QifOptions& options, Statement& statement, StatementError& error,
                      CTaskProgress* progress) {
  return CQifReader(text, options, error, progress).Read(statement);
}

}  // namespace purso
