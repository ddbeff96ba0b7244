#include "statement/ofx_transaction_scan.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "data/account_text.h"
#include "data/no_case.h"
#include "statement/read_progress.h"
#include "statement/statement_fields.h"

namespace purso {
namespace {

// Elements that hold other elements: their tag opens them whatever text follows.
constexpr std::array<std::string_view, 14> kAggregates = {
    "OFX",         "STMTTRN",      "STMTRS",    "CCSTMTRS",    "INVSTMTRS",   "BANKACCTFROM", "CCACCTFROM",
    "INVACCTFROM", "BANKTRANLIST", "STMTTRNRS", "CCSTMTTRNRS", "INVBANKTRAN", "PAYEE",        "BANKMSGSRSV1"};

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
         c == '-' || c == ':';
}

std::string UpperCopy(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
  return upper;
}

std::string_view TrimSpace(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The character a reference names ("amp", "#233", "#xE9"); nothing for one unknown.
std::optional<char32_t> EntityCharacter(std::string_view name) {
  constexpr std::pair<std::string_view, char32_t> kNamed[] = {{"amp", U'&'},  {"lt", U'<'},    {"gt", U'>'},
                                                              {"quot", U'"'}, {"apos", U'\''}, {"nbsp", 0xA0}};
  for (const auto& [entity, character] : kNamed) {
    if (name == entity) return character;
  }
  if (name.size() < 2 || name.front() != '#') return std::nullopt;
  const bool hex = name[1] == 'x' || name[1] == 'X';
  const std::string_view digits = name.substr(hex ? 2 : 1);
  std::uint32_t value = 0;
  const auto [end, fault] = std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
  if (fault != std::errc() || end != digits.data() + digits.size() || value == 0 || value > 0x10FFFF ||
      (value >= 0xD800 && value <= 0xDFFF)) {
    return std::nullopt;
  }
  return static_cast<char32_t>(value);
}

std::string DecodedValue(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (std::size_t at = 0; at < value.size();) {
    const std::size_t amp = value.find('&', at);
    out.append(value.substr(at, amp - at));
    if (amp == std::string_view::npos) break;
    const std::size_t semicolon = value.find(';', amp);
    const std::optional<char32_t> character = semicolon != std::string_view::npos && semicolon - amp <= 10
                                                  ? EntityCharacter(value.substr(amp + 1, semicolon - amp - 1))
                                                  : std::nullopt;
    if (character) {
      AppendUtf8(out, *character);
      at = semicolon + 1;
    } else {
      out.push_back('&');
      at = amp + 1;
    }
  }
  return out;
}

enum class Role { kOther, kStatement, kAccountFrom, kTransaction };

struct OpenElement {
  std::string name;  // upper case
  Role role = Role::kOther;
};

class COfxScanner {
 public:
  COfxScanner(std::string_view text, OfxScan& scan, StatementError& error, const OfxTransactionSink& sink,
              CTaskProgress* progress)
      : text_(text), scan_(scan), error_(error), sink_(sink), progress_(progress) {}

  bool Scan() {
    std::size_t valueStart = 0;
    std::size_t searchFrom = 0;
    while (true) {
      const std::size_t lt = text_.find('<', searchFrom);
      if (!ResolvePending(
              text_.substr(valueStart, lt == std::string_view::npos ? std::string_view::npos : lt - valueStart)) ||
          !ok_) {
        return false;
      }
      if (lt == std::string_view::npos) break;
      const std::size_t next = ReadTag(lt);
      if (next == lt) {
        // A '<' that opens no tag is text.
        searchFrom = lt + 1;
        continue;
      }
      if (!ok_) return false;
      valueStart = searchFrom = next;
    }
    while (!stack_.empty() && ok_) Pop();
    return ok_;
  }

 private:
  std::uint32_t LineAt(std::size_t position) {
    line_ += static_cast<std::uint32_t>(std::count(text_.begin() + static_cast<std::ptrdiff_t>(counted_),
                                                   text_.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
    counted_ = position;
    return line_;
  }

  // Reads the tag at text_[lt]; the position after it, or lt when there is no tag.
  std::size_t ReadTag(std::size_t lt) {
    const std::string_view rest = text_.substr(lt);
    if (rest.starts_with("<!--")) {
      const std::size_t end = text_.find("-->", lt + 4);
      return end == std::string_view::npos ? text_.size() : end + 3;
    }
    if (rest.starts_with("<!") || rest.starts_with("<?")) {
      const std::size_t end = text_.find('>', lt + 2);
      return end == std::string_view::npos ? text_.size() : end + 1;
    }
    const bool closing = rest.starts_with("</");
    std::size_t at = lt + (closing ? 2 : 1);
    const std::size_t nameStart = at;
    while (at < text_.size() && IsNameChar(text_[at])) ++at;
    if (at == nameStart) return lt;
    const std::string name = UpperCopy(text_.substr(nameStart, at - nameStart));
    // The tag ends at its '>', or where the next one begins when it lacks it.
    const std::size_t end = text_.find_first_of("<>", at);
    const bool selfClosing = end != std::string_view::npos && text_[end] == '>' && text_[end - 1] == '/';
    const std::size_t after = end == std::string_view::npos ? text_.size() : (text_[end] == '>' ? end + 1 : end);
    const std::uint32_t line = LineAt(lt);
    if (closing) {
      Close(name);
    } else if (selfClosing) {
      Assign(name, {});
    } else if (std::find(kAggregates.begin(), kAggregates.end(), name) != kAggregates.end()) {
      if (!Open(name, line)) ok_ = false;
    } else {
      pending_ = name;
      pendingLine_ = line;
    }
    return after;
  }

  // The text after an open tag decides: a value makes it a field, none an
  // element that holds others.
  bool ResolvePending(std::string_view text) {
    if (pending_.empty()) return true;
    const std::string name = std::move(pending_);
    pending_.clear();
    const std::string_view value = TrimSpace(text);
    if (value.size() > kMaxOfxValueLength) {
      return Refuse(error_, pendingLine_, StatementErrorKind::kValueTooLong, name);
    }
    if (value.empty()) return Open(name, pendingLine_);
    Assign(name, value);
    return true;
  }

  bool Open(const std::string& name, std::uint32_t line) {
    Close(name);  // no element holds itself: an open one of that name ends here
    if (stack_.size() >= kMaxOfxDepth) {
      return Refuse(error_, line, StatementErrorKind::kNestedTooDeep, std::to_string(kMaxOfxDepth));
    }
    Role role = Role::kOther;
    if (name == "OFX") scan_.sawOfx = true;
    if (name == "STMTRS" || name == "CCSTMTRS" || name == "INVSTMTRS") {
      role = Role::kStatement;
      block_ = StatementAccount{{},
                                name == "STMTRS"     ? StatementAccountKind::kBank
                                : name == "CCSTMTRS" ? StatementAccountKind::kCard
                                                     : StatementAccountKind::kInvestment};
    } else if (name == "BANKACCTFROM" || name == "CCACCTFROM" || name == "INVACCTFROM") {
      role = Role::kAccountFrom;
    } else if (name == "STMTTRN") {
      role = Role::kTransaction;
      transaction_.emplace();
      transaction_->line = line;
      transaction_->account = AccountIndex(scan_.accounts, block_.value_or(StatementAccount{}));
    }
    stack_.push_back(OpenElement{name, role});
    return true;
  }

  // Ends the open element of that name and every one opened inside it; an
  // end tag of a field, which was never open, does nothing.
  void Close(const std::string& name) {
    const auto found =
        std::find_if(stack_.rbegin(), stack_.rend(), [&name](const OpenElement& open) { return open.name == name; });
    if (found == stack_.rend()) return;
    const std::size_t keep = static_cast<std::size_t>(stack_.rend() - found) - 1;
    while (stack_.size() > keep) Pop();
  }

  void Pop() {
    const Role role = stack_.back().role;
    stack_.pop_back();
    if (role == Role::kTransaction && transaction_ && ok_) {
      const std::uint32_t line = transaction_->line;
      ok_ = sink_(std::move(*transaction_));
      ++scan_.transactions;
      if (ok_ && !GoOnReading(progress_, scan_.transactions, LinePosition(), text_.size())) {
        ok_ = Refuse(error_, line, StatementErrorKind::kCancelled);
      }
    }
    if (role == Role::kTransaction) transaction_.reset();
    if (role == Role::kStatement) block_.reset();
  }

  // How far the scan has come.
  std::size_t LinePosition() const { return counted_; }

  void Assign(const std::string& name, std::string_view value) {
    if (transaction_) {
      OfxTransactionText& transaction = *transaction_;
      const auto first = [&value](std::optional<std::string>& field) {
        if (!field) field = DecodedValue(value);
      };
      if (name == "TRNTYPE") first(transaction.type);
      if (name == "DTPOSTED") first(transaction.datePosted);
      if (name == "TRNAMT") first(transaction.amount);
      if (name == "NAME" && transaction.payee.empty()) transaction.payee = DecodedValue(value);
      if (name == "MEMO" && transaction.memo.empty()) transaction.memo = DecodedValue(value);
      if (name == "FITID" && transaction.uniqueId.empty()) transaction.uniqueId = DecodedValue(value);
      return;
    }
    if (name == "ACCTID" && block_ && !stack_.empty() && stack_.back().role == Role::kAccountFrom &&
        block_->id.empty()) {
      block_->id = DecodedValue(value);
    }
  }

  std::string_view text_;
  OfxScan& scan_;
  StatementError& error_;
  bool ok_ = true;
  std::uint32_t line_ = 1;
  std::size_t counted_ = 0;  // line breaks before this position are in line_
  std::vector<OpenElement> stack_;
  std::string pending_;  // an open tag whose text is still to come
  std::uint32_t pendingLine_ = 0;
  std::optional<StatementAccount> block_;          // of the statement block being read
  std::optional<OfxTransactionText> transaction_;  // open
  const OfxTransactionSink& sink_;
  CTaskProgress* progress_;
};

}  // namespace

bool LooksLikeOfx(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a UTF-8 byte order mark
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return false;
  const std::string folded = FoldedCopy(text.substr(first, 512));
  if (folded.starts_with("ofxheader:") || folded.starts_with("<ofx>")) return true;
  return folded.starts_with("<?xml") && folded.find("<?ofx") != std::string::npos;
}

bool ScanOfxTransactions(std::string_view text, OfxScan& scan, StatementError& error, const OfxTransactionSink& sink,
                         CTaskProgress* progress) {
  scan = OfxScan{};
  return COfxScanner(text, scan, error, sink, progress).Scan();
}

}  // namespace purso
