#include "text/filled_text.h"

#include <gtest/gtest.h>

namespace purso {
namespace {

TEST(FilledTextTest, FillsEachMarkOnceInAnyOrderAndToleratesMissingOnes) {
  EXPECT_EQ(Filled("%2 of %1 shown", "24", "7"), "7 of 24 shown");
  EXPECT_EQ(Filled("%1 to %3 of %1", "2024", "unused", "06"), "2024 to 06 of 2024");
  // A value that holds a mark is not filled in again; a text without its mark stays whole.
  EXPECT_EQ(Filled("Save %1?", "100%2.pxf", "x"), "Save 100%2.pxf?");
  EXPECT_EQ(Filled("Nothing to fill", "x"), "Nothing to fill");
  EXPECT_EQ(Filled("100% sure, %", "x"), "100% sure, %");
}

}  // namespace
}  // namespace purso
