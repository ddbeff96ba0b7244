#include "statement/ofx_statement_reader.h"

#include <libofx/libofx.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "data/account_file.h"
#include "statement/ofx_transaction_scan.h"
#include "statement/statement_fields.h"
#include "statement/statement_text.h"

namespace purso {
namespace {

// What libofx hands over for one bank transaction.
struct Received {
  std::string payee;
  std::string memo;
  std::string uniqueId;
};

struct Collector {
  bool sawStatement = false;
  std::vector<Received> transactions;
};

int OnStatement(const OfxStatementData /*data*/, void* user) {
  static_cast<Collector*>(user)->sawStatement = true;
  return 0;
}

int OnTransaction(const OfxTransactionData data, void* user) {
  // Trades of an investment account are no bank transactions; its cash
  // movements (INVBANKTRAN) hold a <STMTTRN> and are.
  if (data.invtransactiontype_valid && data.invtransactiontype != OFX_INVBANKTRAN) return 0;
  Received received;
  if (data.name_valid) received.payee = StatementTextToUtf8(data.name);
  if (data.memo_valid) received.memo = StatementTextToUtf8(data.memo);
  if (data.fi_id_valid) received.uniqueId = StatementTextToUtf8(data.fi_id);
  static_cast<Collector*>(user)->transactions.push_back(std::move(received));
  return 0;
}

// libofx writes its progress and its complaints to the standard error stream
// unless told otherwise; these switches are its only way to be told.
void SilenceLibofx() {
  for (int* flag :
       {&ofx_PARSER_msg, &ofx_DEBUG_msg, &ofx_DEBUG1_msg, &ofx_DEBUG2_msg, &ofx_DEBUG3_msg, &ofx_DEBUG4_msg,
        &ofx_DEBUG5_msg, &ofx_STATUS_msg, &ofx_INFO_msg, &ofx_WARNING_msg, &ofx_ERROR_msg, &ofx_show_position}) {
    *flag = 0;
  }
}

Collector RunLibofx(const std::string& path) {
  SilenceLibofx();
  Collector collector;
  LibofxContextPtr context = libofx_get_new_context();
  ofx_set_statement_cb(context, OnStatement, &collector);
  ofx_set_transaction_cb(context, OnTransaction, &collector);
  // Its result tells only that the file broke a rule of the OFX grammar,
  // which banks' files often do in harmless ways; what it delivered decides.
  libofx_proc_file(context, path.c_str(), OFX);
  libofx_free_context(context);
  return collector;
}

bool Fail(StatementError& error, std::uint32_t line, StatementErrorKind kind, std::string detail) {
  error.line = line;
  error.kind = kind;
  error.detail = std::move(detail);
  return false;
}

}  // namespace

bool ReadOfxStatementFile(const std::string& path, Statement& statement, StatementError& error) {
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(path, bytes)) return Fail(error, 0, StatementErrorKind::kCannotOpen, {});
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (!LooksLikeOfx(text)) return Fail(error, 1, StatementErrorKind::kNotAStatement, "OFX");

  const std::vector<OfxTransactionText> written = ScanOfxTransactions(text);
  const Collector collector = RunLibofx(path);
  if (!collector.sawStatement && collector.transactions.empty()) {
    return Fail(error, 1, StatementErrorKind::kNotAStatement, "OFX");
  }
  if (collector.transactions.size() != written.size()) {
    // libofx lost track of the grammar before the first transaction it did not deliver.
    const std::size_t lost = std::min(collector.transactions.size(), written.size());
    return Fail(error, lost < written.size() ? written[lost].line : 1, StatementErrorKind::kNotAStatement, "OFX");
  }

  Statement read;
  for (std::size_t i = 0; i < written.size(); ++i) {
    const OfxTransactionText& source = written[i];
    StatementLine line;
    line.line = source.line;
    if (!source.datePosted) return Fail(error, source.line, StatementErrorKind::kNoDate, {});
    if (!source.amount) return Fail(error, source.line, StatementErrorKind::kNoAmount, {});
    // The day is the first eight digits; a time and a time zone may follow.
    const std::string& date = *source.datePosted;
    if (date.size() < 8 ||
        !ParseStatementDate(std::string_view(date).substr(0, 8), StatementDateOrder::kYearMonthDay, line.date)) {
      return Fail(error, source.line, StatementErrorKind::kBadDate, StatementTextToUtf8(date));
    }
    // OFX writes a decimal point; some banks write a decimal comma instead.
    const std::string& amount = *source.amount;
    const char decimal = amount.find(',') != std::string::npos && amount.find('.') == std::string::npos ? ',' : '.';
    if (!ParseStatementAmount(amount, decimal, line.amount)) {
      return Fail(error, source.line, StatementErrorKind::kBadAmount, StatementTextToUtf8(amount));
    }
    if (!(std::fabs(line.amount) <= kMaxStatementAmount)) {
      return Fail(error, source.line, StatementErrorKind::kAmountTooBig, StatementTextToUtf8(amount));
    }
    line.payee = collector.transactions[i].payee;
    line.memo = collector.transactions[i].memo;
    line.uniqueId = collector.transactions[i].uniqueId;
    read.lines.push_back(std::move(line));
  }
  statement = std::move(read);
  return true;
}

}  // namespace purso
