// Reading a bank statement from an OFX or QFX file, in the SGML form of
// OFX 1.x or the XML form of OFX 2.x, through libofx.
//
// libofx checks the file's structure, converts its texts from the character
// set its header names to UTF-8, and hands over each transaction: the payee
// (NAME), the memo (MEMO) and the bank's id (FITID). The date (DTPOSTED, its
// day as the bank wrote it) and the amount (TRNAMT) are read from the file's
// own text (ofx_transaction_scan.h), so that an unreadable one is refused
// with its line rather than taken as 0. libofx's own messages on the
// standard error stream are turned off: the reader's error says what matters.
#pragma once

#include <string>

#include "statement/statement.h"
#include "statement/statement_error.h"

namespace purso {

// Reads the file at path; error.file is left to the caller. False, with
// statement untouched, when the file cannot be read or is refused.
bool ReadOfxStatementFile(const std::string& path, Statement& statement, StatementError& error);

}  // namespace purso
