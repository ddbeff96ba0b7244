// The character set of account texts.
//
// Names, descriptions and the currency symbol are single-byte texts (a name
// is at most 24 characters, so one character must be one byte). They are held
// in Windows-1252, which account files have always used: it has the euro sign
// and the accented letters of western languages. Whatever shows or reads such
// a text in Unicode (the Qt adapter, purso-tool's JSON, statement import)
// converts it here, both ways.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace purso {

// The Unicode character of one account byte; std::nullopt for the five bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) that Windows-1252 leaves without one.
std::optional<char32_t> AccountCharToUnicode(unsigned char byte);

// The account byte of a Unicode character; std::nullopt when the account's
// character set has no such character.
std::optional<unsigned char> UnicodeToAccountChar(char32_t character);

// Appends the UTF-8 form of a Unicode character (at most U+10FFFF).
void AppendUtf8(std::string& out, char32_t character);

// An account text as UTF-8; a byte without a character becomes U+FFFD.
std::string AccountTextToUtf8(std::string_view text);

// The characters of a UTF-8 text; std::nullopt when it is not valid UTF-8
// (an overlong form, a surrogate, a sequence cut short or beyond U+10FFFF).
std::optional<std::u32string> DecodeUtf8(std::string_view utf8);

// True when text is valid UTF-8: no overlong forms, no surrogates, nothing
// past U+10FFFF, no sequence cut short.
bool IsValidUtf8(std::string_view text);

// UTF-8 as account text: every character becomes its Windows-1252 byte, a
// character the set lacks becomes '?', and control characters (line breaks,
// tabs) become spaces. A byte that begins no valid UTF-8 sequence is taken
// as a Windows-1252 byte, so that nothing is dropped.
std::string Utf8ToAccountText(std::string_view utf8);

// UTF-8 as it stands in XML or HTML text and attribute values: &, <, > and
// the double quote written as entities.
std::string XmlEscaped(std::string_view utf8);

}  // namespace purso
