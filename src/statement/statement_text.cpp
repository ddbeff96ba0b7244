#include "statement/statement_text.h"

#include <cstddef>
#include <optional>

#include "data/account_text.h"
#include "data/no_case.h"

namespace purso {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The character of the UTF-8 sequence at text[at] and its length; length 0
// when no valid sequence starts there (overlong forms, surrogates and values
// past U+10FFFF are not valid).
struct Decoded {
  char32_t character = 0;
  std::size_t length = 0;
};

Decoded DecodeAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t character = 0;
  char32_t smallest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, character = lead & 0x1F, smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, character = lead & 0x0F, smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, character = lead & 0x07, smallest = 0x10000;
  } else {
    return {};
  }
  if (text.size() - at < length) return {};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return {};
    character = (character << 6) | (byte(at + i) & 0x3F);
  }
  if (character < smallest || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) return {};
  return {character, length};
}

char AccountCharOf(char32_t character) {
  if (character < 0x20 || character == 0x7F || (character >= 0x80 && character < 0xA0)) return ' ';
  const std::optional<unsigned char> byte = UnicodeToAccountChar(character);
  return byte ? static_cast<char>(*byte) : '?';
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const Decoded decoded = DecodeAt(text, at);
    if (decoded.length == 0) return false;
    at += decoded.length;
  }
  return true;
}

std::string StatementTextToUtf8(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char c : bytes) AppendUtf8(out, AccountCharToUnicode(static_cast<unsigned char>(c)).value_or(0xFFFD));
  return out;
}

std::string Utf8ToAccountText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const Decoded decoded = DecodeAt(utf8, at);
    if (decoded.length == 0) {
      const std::optional<char32_t> character = AccountCharToUnicode(static_cast<unsigned char>(utf8[at]));
      out.push_back(character ? AccountCharOf(*character) : '?');
      ++at;
    } else {
      out.push_back(AccountCharOf(decoded.character));
      at += decoded.length;
    }
  }
  return out;
}

std::string FoldedCopy(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = static_cast<char>(FoldCase(static_cast<unsigned char>(c)));
  return folded;
}

}  // namespace purso
