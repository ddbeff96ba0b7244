#include "statement/statement_text.h"

#include "data/account_text.h"

namespace purso {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::string StatementTextToUtf8(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char c : bytes) AppendUtf8(out, AccountCharToUnicode(static_cast<unsigned char>(c)).value_or(0xFFFD));
  return out;
}

void MakeStatementTextUtf8(std::string& bytes) {
  const bool marked = std::string_view(bytes).starts_with(kByteOrderMark);
  if (!IsValidUtf8(std::string_view(bytes).substr(marked ? kByteOrderMark.size() : 0))) {
    bytes = StatementTextToUtf8(std::string_view(bytes));
  } else if (marked) {
    bytes.erase(0, kByteOrderMark.size());
  }
}

}  // namespace purso
