// Shown texts: values filled in after translating, and the translation hook.
#include "data/translation.h"

#include <gtest/gtest.h>

namespace purso {
namespace {

TEST(FilledTest, PutsEachValueAtItsMarkInOnePass) {
  EXPECT_EQ(Filled("%2, %1", {"one", "two"}), "two, one");
  // A value holding a mark stays as it is; a mark without a value, and a lone %, too.
  EXPECT_EQ(Filled("The file %1 is %2.", {"50%2.pxf", "damaged"}), "The file 50%2.pxf is damaged.");
  EXPECT_EQ(Filled("%1 and %3 of 100%", {"a"}), "a and %3 of 100%");
}

std::string Marked(std::string_view context, std::string_view source) {
  return std::string(context) + ":" + std::string(source);
}

TEST(TranslateTest, AsksTheHookInForceForTextsWithWords) {
  EXPECT_EQ(Translate("Menu", "&File"), "&File");
  {
    const CScopedTranslation marked(&Marked);
    EXPECT_EQ(Translate("Menu", "&File"), "Menu:&File");
    EXPECT_EQ(Translate("Menu", "12/31 (+)"), "12/31 (+)");
  }
  EXPECT_EQ(Translate("Menu", "&File"), "&File");
}

}  // namespace
}  // namespace purso
