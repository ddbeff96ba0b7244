#include "statement/line_description.h"

#include "data/account_text.h"
#include "data/no_case.h"
#include "text/description_rules.h"

namespace purso {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reserved characters become blanks; runs of blanks become one; none at either end.
std::string Tidied(std::string_view utf8) {
  std::string text;
  for (char c : Utf8ToAccountText(utf8)) {
    if (c == '%' || c == '|' || c == '@') c = ' ';
    if (IsBlank(c) && (text.empty() || text.back() == ' ')) continue;
    text.push_back(IsBlank(c) ? ' ' : c);
  }
  if (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// The lower-case form of a Windows-1252 letter, 0 for a byte that is no letter.
unsigned char LetterOf(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c;
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A:
      return 0x9A;  // Š
    case 0x8C:
      return 0x9C;  // Œ
    case 0x8E:
      return 0x9E;  // Ž
    case 0x9F:
      return 0xFF;  // Ÿ
    case 0x83:
    case 0x9A:
    case 0x9C:
    case 0x9E:
    case 0xAA:
    case 0xB5:
    case 0xBA:
      return c;
    default:
      break;
  }
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  if (c >= 0xDF && c != 0xF7) return c;
  return 0;
}

}  // namespace

std::string StatementDescription(std::string_view payee, std::string_view memo) {
  std::string text = Tidied(payee);
  const std::string note = Tidied(memo);
  if (!note.empty() && FoldedCopy(text).find(FoldedCopy(note)) == std::string::npos) {
    text = text.empty() ? note : text + " " + note;
  }
  if (text.size() <= kMaxDescriptionLength) return text;
  if (text[kMaxDescriptionLength] == ' ') return text.substr(0, kMaxDescriptionLength);
  const std::size_t boundary = text.rfind(' ', kMaxDescriptionLength - 1);
  return text.substr(0, boundary == std::string::npos || boundary == 0 ? kMaxDescriptionLength : boundary);
}

std::string PayeeKey(std::string_view accountText) {
  std::string key;
  bool wordEnded = false;
  for (const char c : accountText) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsBlank(c)) {
      wordEnded = !key.empty();
      continue;
    }
    const unsigned char letter = LetterOf(byte);
    if (letter == 0) continue;
    if (wordEnded) key.push_back(' ');
    wordEnded = false;
    key.push_back(static_cast<char>(letter));
  }
  return key;
}

}  // namespace purso
