// The character sets of statement files.
//
// A statement file is read as UTF-8 when all of it is valid UTF-8, which text
// in any other of the usual sets almost never is, and otherwise as
// Windows-1252, which holds Latin-1's printable characters and the euro sign.
// What a file's header says of its character set is not trusted: banks write
// UTF-8 under a header that names Windows-1252. Turning UTF-8 into account
// text and back is data/account_text.h's.
#pragma once

#include <string>
#include <string_view>

namespace purso {

// The file's text as UTF-8, without a leading byte order mark.
std::string StatementTextToUtf8(std::string_view bytes);
// The same in place, which costs no second copy when the text is UTF-8 already.
void MakeStatementTextUtf8(std::string& bytes);

}  // namespace purso
