#include "qt/text_codec.h"

#include <QList>

#include "data/account_text.h"

namespace purso {

QString FromAccountText(std::string_view text) {
  QString result;
  result.reserve(static_cast<qsizetype>(text.size()));
  for (const char c : text) {
    const auto mapped = AccountCharToUnicode(static_cast<unsigned char>(c));
    result.append(QChar(static_cast<char16_t>(mapped.value_or(U'?'))));
  }
  return result;
}

std::string ToAccountText(const QString& text) {
  std::string result;
  result.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar c : text) result.push_back(static_cast<char>(UnicodeToAccountChar(c.unicode()).value_or('?')));
  return result;
}

std::u32string UnstorableCharacters(const QString& text) {
  std::u32string lost;
  for (const char32_t c : text.toUcs4()) {
    if (!UnicodeToAccountChar(c) && lost.find(c) == std::u32string::npos) lost.push_back(c);
  }
  return lost;
}

}  // namespace purso
