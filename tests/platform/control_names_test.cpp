#include "platform/control_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace purso {
namespace {

using enum ControlKind;
using control_style::kSunken;

constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, "&Separator character:", 7, 9, 78, 8},
    {kEdit, 10, "/", 88, 7, 36, 12},
    {kLabel, kNoControlId, "Date", 7, 30, 60, 8},
    {kLabel, kNoControlId, "Amount", 70, 30, 60, 8},
    {kEdit, 11, "", 7, 40, 60, 12},
    {kDropDownList, 12, "", 70, 40, 60, 12},
    {kEdit, 13, "", 70, 56, 60, 12},
    {kLabel, 14, "1,234.00", 140, 40, 40, 12, kSunken},
    {kEdit, 15, "", 184, 40, 40, 12},
    {kColumnList, 16, "", 7, 80, 200, 100},
    {kPushButton, 1, "&Done", 210, 80, 50, 14},
};
constexpr DialogResource kResource{200, "Sample", 270, 190, "MS Sans Serif", 8, kControls};

TEST(ControlNamesTest, FieldsTakeTheLabelBesideOrAboveThemElseTheDialogs) {
  const std::vector<std::string> names = {
      "",                     // a label
      "Separator character",  // the label beside it
      "",
      "",
      "Date",    // the heading above it
      "Amount",  // the heading above it
      "Amount",  // a second field under the heading
      "",
      "Sample",  // a value beside it names nothing
      "Sample",  // the headings stand too far above the list
      "",        // a button names itself
  };
  for (std::size_t i = 0; i < std::size(kControls); ++i) EXPECT_EQ(ControlName(kResource, i), names[i]) << i;
  EXPECT_EQ(NamingLabel(kResource, 1), 0u);
  EXPECT_EQ(NamingLabel(kResource, 6), 3u);
  EXPECT_EQ(NamingLabel(kResource, 9), std::nullopt);
  EXPECT_EQ(NameOfCaption("&&Save &as:"), "&Save as");
}

}  // namespace
}  // namespace purso
