// The account text that a statement line brings along: the description its
// transaction gets, and the key by which its payee is recognised.
#pragma once

#include <string>
#include <string_view>

namespace purso {

// The description of an imported transaction, as account text: the payee,
// then the memo when it adds something (it is not the payee, nor a part of
// it), one blank between words; each reserved character ('%', '|', '@')
// becomes a blank. A text longer than the 48 characters of a description is
// cut at the last word boundary within them, or at 48 when its first word is
// longer. Empty when the line has neither payee nor memo. Takes UTF-8.
std::string StatementDescription(std::string_view payee, std::string_view memo);

// The key by which texts are compared when a payee is recognised in earlier
// descriptions: the words of an account text, letters only, lower case,
// one blank apart. Digits and punctuation are left out ("ACME Corp. #1234"
// and "Acme corp" give "acme corp"); a word of digits only disappears.
std::string PayeeKey(std::string_view accountText);

}  // namespace purso
