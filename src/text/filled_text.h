// Messages with values in them: the program's texts mark where a value
// goes with %1, %2 and %3, so that a text keeps its words in one piece (and
// a translation may put them in another order).
#pragma once

#include <string>
#include <string_view>

namespace purso {

// text with every %1 replaced by first, %2 by second and %3 by third, in
// one pass, so that a value holding "%2" is never filled in again; a mark
// the text lacks is no error.
std::string Filled(std::string_view text, std::string_view first, std::string_view second = {},
                   std::string_view third = {});

}  // namespace purso
