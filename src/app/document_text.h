// The document's own messages, in the user's language.
#pragma once

#include <string>
#include <string_view>

#include "data/translation.h"

namespace purso {

// One of the document's texts translated, with every %1 and %2 replaced by
// first and second.
inline std::string DocumentText(std::string_view text, std::string_view first = {}, std::string_view second = {}) {
  return Filled(Translate("Document", text), {first, second});
}

}  // namespace purso
