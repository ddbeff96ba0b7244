// The character sets of statement files and the way from them to account text.
//
// A QIF or CSV file does not say which character set it is in. It is read as
// UTF-8 when all of it is valid UTF-8, which text in any other of the usual
// sets almost never is, and otherwise as Windows-1252, which holds Latin-1's
// printable characters and the euro sign. Account texts are Windows-1252
// (data/account_text.h).
#pragma once

#include <string>
#include <string_view>

namespace purso {

bool IsValidUtf8(std::string_view text);

// The file's text as UTF-8, without a leading byte order mark.
std::string StatementTextToUtf8(std::string_view bytes);

// UTF-8 as account text: every character becomes its Windows-1252 byte,
// a character the set lacks becomes '?', and control characters (line
// breaks, tabs) become spaces. A byte that begins no valid UTF-8 sequence is
// taken as a Windows-1252 byte, so that nothing is dropped.
std::string Utf8ToAccountText(std::string_view utf8);

// The text with A-Z turned into a-z, the folding of data/no_case.h.
std::string FoldedCopy(std::string_view text);

}  // namespace purso
