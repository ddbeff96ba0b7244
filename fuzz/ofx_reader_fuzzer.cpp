// Feeds arbitrary bytes to the OFX scan and the OFX reader (the first byte
// is not used) and checks what the reader accepts and what a refusal
// leaves, and that the scan and the reader agree: every transaction the
// scan finds is a line of an accepted statement, of an account the scan
// names.
#include <cstddef>
#include <cstdint>

#include "statement/ofx_statement_reader.h"
#include "statement/ofx_transaction_scan.h"
#include "statement_checks.h"
#include "statement_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string text = purso::fuzzing::Utf8AfterFirstByte(data, size);
  purso::OfxScan scan;
  purso::StatementError scanError;
  std::size_t transactions = 0;
  const bool scanned = purso::ScanOfxTransactions(text, scan, scanError, [&](purso::OfxTransactionText&& transaction) {
    purso::fuzzing::Require(transaction.account < scan.accounts.size(), "a transaction names no account");
    ++transactions;
    return true;
  });
  purso::fuzzing::Require(scanned || scanError.line >= 1, "a scan that stops names no line");

  purso::Statement statement = purso::fuzzing::Sentinel();
  purso::StatementError error;
  const bool accepted = purso::ReadOfxStatement(text, statement, error);
  purso::fuzzing::CheckRead(accepted, statement, error);
  if (accepted) {
    purso::fuzzing::Require(scanned && statement.lines.size() == transactions, "the reader and the scan disagree");
  }
  return 0;
}
