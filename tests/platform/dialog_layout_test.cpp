// How the controls of a dialog holding lists follow a larger size.
#include "platform/dialog_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "resources/budget_report_dialog_resource.h"
#include "resources/categories_dialog_resource.h"
#include "resources/import_dialog_resource.h"
#include "resources/match_dialog_resource.h"
#include "resources/objects_dialog_resource.h"
#include "resources/predactions_dialog_resource.h"
#include "resources/settings_dialog_resource.h"
#include "resources/solver_dialog_resource.h"
#include "resources/transactions_dialog_resource.h"

namespace purso {
namespace {

using enum ControlKind;

static_assert(IsResizable(categories_dialog::kResource) && IsResizable(predactions_dialog::kResource) &&
              IsResizable(transactions_dialog::kResource) && IsResizable(match_dialog::kResource) &&
              IsResizable(solver_dialog::kResource) && IsResizable(import_dialog::kResource) &&
              IsResizable(objects_dialog::kResource) && IsResizable(budget_report_dialog::kResource));
static_assert(!IsResizable(settings_dialog::kResource));

// Controls at their boxes (left, top, right, bottom), grown by 50 x 40.
std::vector<PixelRect> Grown(const std::vector<ControlKind>& kinds, const std::vector<PixelRect>& boxes) {
  std::vector<ControlResource> controls;
  for (const ControlKind kind : kinds) controls.push_back({kind, kNoControlId, "", 0, 0, 0, 0});
  return GrownLayout(controls, boxes, 50, 40);
}

TEST(DialogLayoutTest, TheListTakesTheRoomItsButtonsKeepToTheEdgeAndTheRowsOverItStay) {
  const std::vector<PixelRect> grown = Grown(
      {kEdit, kPushButton, kColumnList, kPushButton, kPushButton, kLabel, kPushButton, kPushButton},
      {
          {10, 10, 100, 30},     // a field over the list's columns
          {210, 10, 260, 30},    // Add, beside the add row
          {10, 40, 200, 190},    // the list
          {210, 40, 260, 60},    // Remove, by the list's top
          {210, 160, 260, 180},  // Done, in the list's lowest third
          {10, 200, 200, 220},   // a total under the list
          {10, 230, 60, 250},    // a button at the left under the list
          {150, 230, 200, 250},  // one in the right half
      });
  const std::vector<PixelRect> expected = {{10, 10, 100, 30},    {260, 10, 310, 30},   {10, 40, 250, 230},
                                           {260, 40, 310, 60},   {260, 200, 310, 220}, {10, 240, 200, 260},
                                           {10, 270, 60, 290},   {200, 270, 250, 290}};
  EXPECT_EQ(grown, expected);
}

TEST(DialogLayoutTest, ListsOneAboveTheOtherShareTheExtraHeight) {
  const std::vector<PixelRect> grown =
      Grown({kColumnList, kEdit, kColumnList, kPushButton},
            {{10, 10, 300, 100}, {10, 110, 100, 130}, {10, 140, 300, 230}, {250, 240, 300, 260}});
  const std::vector<PixelRect> expected = {
      {10, 10, 350, 120}, {10, 130, 100, 150}, {10, 160, 350, 270}, {300, 280, 350, 300}};
  EXPECT_EQ(grown, expected);
}

}  // namespace
}  // namespace purso
