// A scan of an OFX file's text: its accounts and its transactions (each
// <STMTTRN> element) with their fields exactly as written, in one pass.
//
// Both forms of OFX are read alike: the SGML of OFX 1.x, whose elements
// holding a value need no end tag, and the XML of 2.x. Tags are found
// without regard to letter case; a value runs from its tag to the next tag,
// blanks and line breaks around it trimmed, and "&amp;"-style entities and
// character references decoded. Comments, processing instructions and the
// header lines before the first tag are skipped. An element that is opened
// again while it is open ends the earlier one (no OFX element holds itself),
// and an end tag ends every element opened inside its element, so that a
// file that never closes its transactions is read in one linear pass too.
//
// Each transaction goes to the caller as soon as its element ends, so that
// the scan keeps no more than one.
//
// A <STMTRS>, <CCSTMTRS> or <INVSTMTRS> block is one account, named by the
// ACCTID of its <BANKACCTFROM>, <CCACCTFROM> or <INVACCTFROM>; blocks with
// the same number and kind are the same account. Transactions outside any
// block belong to an unnamed bank account.
//
// The scan refuses, with the line, elements nested deeper than
// kMaxOfxDepth and a value longer than kMaxOfxValueLength, which no bank
// writes and which would only cost time and memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/task_progress.h"
#include "statement/statement.h"
#include "statement/statement_error.h"

namespace purso {

inline constexpr std::size_t kMaxOfxDepth = 64;
inline constexpr std::size_t kMaxOfxValueLength = 10000;

struct OfxTransactionText {
  std::uint32_t line = 0;                 // the line of its <STMTTRN> tag, from 1
  std::uint32_t account = 0;              // index into OfxScan::accounts
  std::optional<std::string> type;        // <TRNTYPE>
  std::optional<std::string> datePosted;  // <DTPOSTED>
  std::optional<std::string> amount;      // <TRNAMT>
  std::string payee;                      // <NAME>, also within <PAYEE>
  std::string memo;                       // <MEMO>
  std::string uniqueId;                   // <FITID>
};

struct OfxScan {
  bool sawOfx = false;  // the file has an <OFX> element
  std::vector<StatementAccount> accounts;
  std::size_t transactions = 0;  // handed to the sink
};

// Takes each transaction; false ends the scan, the sink having set the error.
using OfxTransactionSink = std::function<bool(OfxTransactionText&& transaction)>;

// True when the text begins, after a byte order mark and blanks, as an OFX
// file of either form: "OFXHEADER:" (SGML), "<?xml" followed by an "<?OFX"
// processing instruction, or an <OFX> element without the header lines.
bool LooksLikeOfx(std::string_view text);

// Scans the file's text (UTF-8), in time and memory linear in its length.
// False, with error's line, kind and detail set, when elements nest too
// deep, a value is too long, the user cancels through progress or the sink
// ends the scan.
bool ScanOfxTransactions(std::string_view text, OfxScan& scan, StatementError& error, const OfxTransactionSink& sink,
                         CTaskProgress* progress = nullptr);

}  // namespace purso
