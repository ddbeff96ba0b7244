#include "statement/ofx_transaction_scan.h"

#include <algorithm>

#include "statement/statement_fields.h"
#include "statement/statement_text.h"

namespace purso {
namespace {

// The value after the first tag within [from, to) of the folded text.
std::optional<std::string> ValueOf(std::string_view text, std::string_view folded, std::string_view tag,
                                   std::size_t from, std::size_t to) {
  const std::size_t found = folded.substr(0, to).find(tag, from);
  if (found == std::string_view::npos) return std::nullopt;
  const std::size_t start = found + tag.size();
  const std::size_t end = std::min(text.find_first_of("<\r\n", start), to);
  return std::string(TrimBlanks(text.substr(start, end - start)));
}

}  // namespace

bool LooksLikeOfx(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a UTF-8 byte order mark
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return false;
  const std::string folded = FoldedCopy(text.substr(first, 512));
  if (folded.starts_with("ofxheader:")) return true;
  return folded.starts_with("<?xml") && folded.find("<?ofx") != std::string::npos;
}

std::vector<OfxTransactionText> ScanOfxTransactions(std::string_view text) {
  constexpr std::string_view kOpen = "<stmttrn>";
  constexpr std::string_view kClose = "</stmttrn>";
  const std::string folded = FoldedCopy(text);
  std::vector<OfxTransactionText> transactions;
  std::uint32_t line = 1;
  std::size_t counted = 0;  // line breaks before this position are in line
  for (std::size_t open = folded.find(kOpen); open != std::string::npos;) {
    line += static_cast<std::uint32_t>(std::count(text.begin() + static_cast<std::ptrdiff_t>(counted),
                                                  text.begin() + static_cast<std::ptrdiff_t>(open), '\n'));
    counted = open;
    const std::size_t next = folded.find(kOpen, open + kOpen.size());
    const std::size_t end = std::min({folded.find(kClose, open), next, folded.size()});
    OfxTransactionText transaction;
    transaction.line = line;
    transaction.datePosted = ValueOf(text, folded, "<dtposted>", open, end);
    transaction.amount = ValueOf(text, folded, "<trnamt>", open, end);
    transactions.push_back(std::move(transaction));
    open = next;
  }
  return transactions;
}

}  // namespace purso
