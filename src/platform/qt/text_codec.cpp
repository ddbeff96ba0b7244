#include "platform/qt/text_codec.h"

namespace purso {
namespace {

// The characters of bytes 0x80 to 0x9F; 0 where the byte has none.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

QString FromAccountText(std::string_view text) {
  QString result;
  result.reserve(static_cast<qsizetype>(text.size()));
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte <= 0x9F) {
      const char16_t mapped = kHighControls[byte - 0x80];
      result.append(mapped != 0 ? QChar(mapped) : QChar(u'?'));
    } else {
      result.append(QChar(static_cast<char16_t>(byte)));
    }
  }
  return result;
}

std::string ToAccountText(const QString& text) {
  std::string result;
  result.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar c : text) {
    const char16_t unit = c.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
      result.push_back(static_cast<char>(unit));
      continue;
    }
    char byte = '?';
    for (int i = 0; i < 32; ++i) {
      if (kHighControls[i] != 0 && kHighControls[i] == unit) byte = static_cast<char>(0x80 + i);
    }
    result.push_back(byte);
  }
  return result;
}

}  // namespace purso
