// A light scan of an OFX file's own text: where each transaction (each
// <STMTTRN> element) begins, and its date and amount exactly as written.
//
// libofx reads the structure, the character set and the texts of a
// statement, but takes an amount it cannot read as 0 and moves a date given
// with a time zone to Coordinated Universal Time, which can change its day.
// The OFX reader therefore takes each transaction's date and amount from
// this scan, which also gives the lines that its messages name. Tags are
// found without regard to letter case; a value runs from its tag to the next
// tag or line break.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace purso {

struct OfxTransactionText {
  std::uint32_t line = 0;                 // the line of its <STMTTRN> tag, from 1
  std::optional<std::string> datePosted;  // <DTPOSTED>, blanks trimmed
  std::optional<std::string> amount;      // <TRNAMT>, blanks trimmed
};

// True when the text begins, after a byte order mark and blanks, as an OFX file of either form:
// "OFXHEADER:" (SGML) or "<?xml" followed by an "<?OFX" processing instruction.
bool LooksLikeOfx(std::string_view text);

// Every <STMTTRN> element in the order of the text.
std::vector<OfxTransactionText> ScanOfxTransactions(std::string_view text);

}  // namespace purso
