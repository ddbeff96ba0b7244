#include "text/filled_text.h"

namespace purso {

std::string Filled(std::string_view text, std::string_view first, std::string_view second, std::string_view third) {
  const std::string_view values[] = {first, second, third};
  std::string result;
  result.reserve(text.size() + first.size() + second.size() + third.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '3') {
      result += values[text[i + 1] - '1'];
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace purso
