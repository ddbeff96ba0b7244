#include "data/account_text.h"

namespace purso {
namespace {

// The characters of bytes 0x80 to 0x9F; 0 where the byte has none. Every
// other byte is the Unicode character of the same number.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::optional<char32_t> AccountCharToUnicode(unsigned char byte) {
  if (byte < 0x80 || byte > 0x9F) return char32_t{byte};
  const char16_t mapped = kHighControls[byte - 0x80];
  if (mapped == 0) return std::nullopt;
  return char32_t{mapped};
}

std::optional<unsigned char> UnicodeToAccountChar(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<unsigned char>(character);
  for (unsigned i = 0; i < 32; ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == character) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

std::string AccountTextToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) AppendUtf8(out, AccountCharToUnicode(static_cast<unsigned char>(c)).value_or(0xFFFD));
  return out;
}

std::optional<std::u32string> DecodeUtf8(std::string_view utf8) {
  struct Form {
    std::size_t length;     // bytes of the sequence
    char32_t smallest;      // the smallest character it may hold; less is an overlong form
    unsigned char payload;  // the bits of the lead byte that belong to the character
  };
  std::u32string characters;
  std::size_t at = 0;
  while (at < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    Form form{1, 0, 0x7F};
    if (lead >= 0xF0 && lead <= 0xF4) {
      form = {4, 0x10000, 0x07};
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      form = {3, 0x800, 0x0F};
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      form = {2, 0x80, 0x1F};
    } else if (lead >= 0x80) {
      return std::nullopt;
    }
    if (utf8.size() - at < form.length) return std::nullopt;
    char32_t character = lead & form.payload;
    for (std::size_t k = 1; k < form.length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[at + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      character = (character << 6) | (next & 0x3F);
    }
    if (character < form.smallest || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) {
      return std::nullopt;
    }
    characters.push_back(character);
    at += form.length;
  }
  return characters;
}

}  // namespace purso
