// The shipped translations: both languages translate the same texts, every
// translation keeps its source's value marks (and the key after a menu
// caption's tab), and every translation can be shown as account text.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "data/account_text.h"
#include "support/translation_catalog.h"

namespace purso::test {
namespace {

// The value marks of a text: %1 to %9 in any order, %u in order.
std::vector<std::string> Marks(std::string_view text) {
  std::vector<std::string> numbered;
  std::string ordered;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '%') continue;
    if (text[i + 1] >= '1' && text[i + 1] <= '9') numbered.emplace_back(text.substr(i, 2));
    if (text[i + 1] == 'u') ordered += "%u";
  }
  std::sort(numbered.begin(), numbered.end());
  numbered.push_back(ordered);
  return numbered;
}

// True when every character of the UTF-8 text has its Windows-1252 byte.
bool IsAccountText(std::string_view utf8) {
  const std::optional<std::u32string> characters = DecodeUtf8(utf8);
  return characters && std::all_of(characters->begin(), characters->end(),
                                   [](char32_t c) { return UnicodeToAccountChar(c).has_value(); });
}

std::string_view AfterTab(std::string_view text) {
  const auto tab = text.find('\t');
  return tab == std::string_view::npos ? std::string_view() : text.substr(tab);
}

TEST(ShippedTranslationsTest, KeepTheirSourcesMarksAndAreAccountText) {
  EXPECT_EQ(ShippedCatalog("de").size(), ShippedCatalog("fr").size());
  for (const std::string_view language : {"de", "fr"}) {
    for (const auto& [key, translation] : ShippedCatalog(language)) {
      SCOPED_TRACE(std::string(language) + " " + key.first + ": " + key.second);
      EXPECT_TRUE(ShippedCatalog(language == "de" ? "fr" : "de").contains(key));
      EXPECT_EQ(Marks(translation), Marks(key.second));
      EXPECT_EQ(AfterTab(translation), AfterTab(key.second));
      EXPECT_TRUE(IsAccountText(translation));
    }
  }
}

}  // namespace
}  // namespace purso::test
