#include "statement/ofx_statement_reader.h"

#include <algorithm>
#include <cmath>

#include "data/no_case.h"
#include "statement/ofx_transaction_scan.h"
#include "statement/statement_fields.h"

namespace purso {
namespace {

// The line where the first element is, or the last line when there is none.
std::uint32_t FirstElementLine(std::string_view text) {
  const std::size_t lt = std::min(text.find('<'), text.size());
  return 1 + static_cast<std::uint32_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(lt), '\n'));
}

bool ReadLine(OfxTransactionText& source, StatementLine& line, StatementError& error) {
  line.line = source.line;
  const std::string_view date = source.datePosted ? TrimBlanks(*source.datePosted) : std::string_view();
  if (date.empty()) return Refuse(error, source.line, StatementErrorKind::kNoDate);
  const std::string_view amount = source.amount ? TrimBlanks(*source.amount) : std::string_view();
  if (amount.empty()) return Refuse(error, source.line, StatementErrorKind::kNoAmount);
  // The day is the first eight digits; a time and a time zone may follow.
  if (date.size() < 8 || !ParseStatementDate(date.substr(0, 8), StatementDateOrder::kYearMonthDay, line.date)) {
    return Refuse(error, source.line, StatementErrorKind::kBadDate, date);
  }
  const char decimal =
      amount.find(',') != std::string_view::npos && amount.find('.') == std::string_view::npos ? ',' : '.';
  if (!ParseStatementAmount(amount, decimal, line.amount)) {
    return Refuse(error, source.line, StatementErrorKind::kBadAmount, amount);
  }
  if (!(std::fabs(line.amount) <= kMaxStatementAmount)) {
    return Refuse(error, source.line, StatementErrorKind::kAmountTooBig, amount);
  }
  const std::string_view type = source.type ? TrimBlanks(*source.type) : std::string_view();
  if ((EqualNoCase(type, "DEBIT") && line.amount > 0.0) || (EqualNoCase(type, "CREDIT") && line.amount < 0.0)) {
    line.amount = -line.amount;
  }
  line.payee = std::move(source.payee);
  line.memo = std::move(source.memo);
  line.uniqueId = std::move(source.uniqueId);
  line.account = source.account;
  return true;
}

}  // namespace

bool ReadOfxStatement(std::string_view text, Statement& statement, StatementError& error, CTaskProgress* progress) {
  if (!LooksLikeOfx(text)) return Refuse(error, 1, StatementErrorKind::kNotAStatement, "OFX");
  Statement read;
  OfxScan scan;
  // Each transaction is read as soon as the scan has it, the first fault ending the scan.
  const auto take = [&read, &error](OfxTransactionText&& source) {
    if (read.lines.size() == kMaxStatementLines) {
      return Refuse(error, source.line, StatementErrorKind::kTooManyLines, std::to_string(kMaxStatementLines));
    }
    return ReadLine(source, read.lines.emplace_back(), error);
  };
  if (!ScanOfxTransactions(text, scan, error, take, progress)) return false;
  if (!scan.sawOfx && read.lines.empty()) {
    return Refuse(error, FirstElementLine(text), StatementErrorKind::kMissingElement, "OFX");
  }
  read.accounts = std::move(scan.accounts);
  statement = std::move(read);
  return true;
}

}  // namespace purso
