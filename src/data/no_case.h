// Comparison of texts without regard to the case of the ASCII letters A-Z.
//
// The one case-insensitive order of the system: byte by byte, as unsigned
// bytes, after turning A-Z into a-z. Record table filters, name uniqueness and
// the order of list rows all use it.
#pragma once

#include <string>
#include <string_view>

namespace purso {

constexpr unsigned char FoldCase(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }

// The text with A-Z turned into a-z.
std::string FoldedCopy(std::string_view text);

// Negative, zero or positive as a sorts before, with or after b.
int CompareNoCase(std::string_view a, std::string_view b);

inline bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

}  // namespace purso
