// The character set of account texts.
//
// Names, descriptions and symbols are single-byte texts (a name is at most
// 24 characters, so one character must be one byte). They are held in the
// Windows-1252 character set, which the account files have always used: it
// has the euro sign and the accented letters of western languages. A
// character outside it becomes '?'.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace purso {

QString FromAccountText(std::string_view text);
std::string ToAccountText(const QString& text);
// The characters of text that account text cannot hold, each once, in order.
std::u32string UnstorableCharacters(const QString& text);

}  // namespace purso
