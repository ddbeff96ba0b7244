// Reading a bank statement from an OFX or QFX file, in the SGML form of
// OFX 1.x or the XML form of OFX 2.x.
//
// The file's own text is scanned (ofx_transaction_scan.h); whatever its
// header and its account blocks hold, every <STMTTRN> is a line. Its date
// is the day of DTPOSTED as the bank wrote it (the first eight digits; a
// time and a time zone may follow and do not move the day), its amount
// TRNAMT (a decimal point, or a decimal comma as some banks write it). Where
// TRNTYPE says DEBIT or CREDIT and the sign says the other, TRNTYPE decides:
// card issuers write charges as positive DEBIT amounts. The texts are UTF-8
// (statement_text.h): valid UTF-8 is taken as such whatever the header's
// CHARSET says.
#pragma once

#include <string_view>

#include "platform/task_progress.h"
#include "statement/statement.h"
#include "statement/statement_error.h"

namespace purso {

// Reads the file's text (UTF-8); error.file is left to the caller. False,
// with statement untouched, when the file is refused, holds more than
// kMaxStatementLines transactions, or the user cancels through progress.
bool ReadOfxStatement(std::string_view text, Statement& statement, StatementError& error,
                      CTaskProgress* progress = nullptr);

}  // namespace purso
