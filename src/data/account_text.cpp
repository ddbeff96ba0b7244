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

// The character of the UTF-8 sequence at text[at] and its length; length 0
// when no valid sequence starts there.
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
  std::u32string characters;
  for (std::size_t at = 0; at < utf8.size();) {
    const Decoded decoded = DecodeAt(utf8, at);
    if (decoded.length == 0) return std::nullopt;
    characters.push_back(decoded.character);
    at += decoded.length;
  }
  return characters;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const Decoded decoded = DecodeAt(text, at);
    if (decoded.length == 0) return false;
    at += decoded.length;
  }
  return true;
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

std::string XmlEscaped(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (const char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
        break;
    }
  }
  return out;
}

}  // namespace purso
