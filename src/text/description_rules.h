// The rules of a transaction's description, as the Transactions dialog and
// statement import apply them.
//
// A description is at most 48 single-byte characters (the width of the
// Transactions table's text column) and holds none of the reserved
// characters '%', '|' and '@'. An empty description is replaced by the day it
// was entered or changed on.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "data/display_settings.h"
#include "text/name_rules.h"

namespace purso {

// A description field is read as at most this many characters.
inline constexpr std::size_t kDescriptionReadLength = 79;
inline constexpr std::size_t kMaxDescriptionLength = 48;

enum class DescriptionEvent { kAdded, kUpdated };

// "added on " or "updated on " (in the user's language) and today's date
// text (the UTC date of the process clock, written by the settings), for an
// empty description.
std::string AutomaticDescription(const CDisplaySettings& settings, DescriptionEvent event);

// The length check, then the reserved-character check; nothing when the
// description may be stored, else the pair to report.
std::optional<NameProblem> CheckDescription(std::string_view description);

}  // namespace purso
