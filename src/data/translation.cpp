#include "data/translation.h"

#include <algorithm>
#include <atomic>

namespace purso {
namespace {

std::atomic<TranslateFunction> g_translate{nullptr};

bool HasLetter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

}  // namespace

std::string Translate(std::string_view context, std::string_view source) {
  const TranslateFunction translate = g_translate.load();
  if (translate == nullptr || !HasLetter(source)) return std::string(source);
  return translate(context, source);
}

std::string Filled(std::string_view text, std::initializer_list<std::string_view> values) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t index = i + 1 < text.size() && text[i] == '%' ? static_cast<std::size_t>(text[i + 1] - '1') : 9;
    if (index < values.size()) {
      result += values.begin()[index];
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

CScopedTranslation::CScopedTranslation(TranslateFunction translate) : previous_(g_translate.exchange(translate)) {}

CScopedTranslation::~CScopedTranslation() { g_translate.store(previous_); }

}  // namespace purso
